// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/key_reference_window.h"

#include "controllers/key_map.h"
#include "forms/latin1.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QTableWidget>
#include <QVBoxLayout>

namespace scalvo {

KeyReferenceWindow::KeyReferenceWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("key_reference"));
    setWindowTitle(QStringLiteral("Keys of the scaling form"));
    const auto bindings = key_bindings();
    auto* table = new QTableWidget(static_cast<int>(bindings.size()), 2, this);
    table->setObjectName(QStringLiteral("key_table"));
    table->setAccessibleName(QStringLiteral("Keys of the scaling form"));
    table->setHorizontalHeaderLabels({QStringLiteral("Key"), QStringLiteral("What it does")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    int row = 0;
    for (const KeyBinding& binding : bindings) {
        table->setItem(row, 0, new QTableWidgetItem(latin1(keys_of(binding))));
        table->setItem(row, 1, new QTableWidgetItem(latin1(binding.does)));
        ++row;
    }
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    // The rows follow the wrapped text as the window is sized.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    resize(720, 640);
}

void show_key_reference(QMainWindow& window) {
    auto* keys = window.findChild<KeyReferenceWindow*>(QStringLiteral("key_reference"),
                                                       Qt::FindDirectChildrenOnly);
    if (!keys)
        keys = new KeyReferenceWindow(&window);
    keys->show();
    keys->raise();
    keys->activateWindow();
}

} // namespace scalvo
