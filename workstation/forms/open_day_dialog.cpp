// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/open_day_dialog.h"

#include "common/dialogs.h"
#include "common/shared_state.h"
#include "forms/added_menus.h"
#include "forms/latin1.h"
#include "forms/scaling_window.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace scalvo {

OpenDayDialog::OpenDayDialog(std::vector<DayHeld> days, const std::string& date,
                             const std::string& interval, QWidget* parent)
    : QDialog(parent), days_(std::move(days)) {
    setObjectName(QStringLiteral("open_day_dialog"));
    setWindowTitle(QStringLiteral("Open day"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("days"));
    list_->setAccessibleName(QStringLiteral("Days of the folder"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({QStringLiteral("Day"), QStringLiteral("Interval (minutes)"),
                            QStringLiteral("Soundings"), QStringLiteral("Stored")});
    for (const DayHeld& day : days_) {
        auto* item = new QTreeWidgetItem(list_, {latin1(day.date), latin1(day.interval_text),
                                                 QString::number(day.soundings),
                                                 QString::number(day.stored)});
        for (int column = 1; column < 4; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (day.date == date && day.interval_text == interval)
            list_->setCurrentItem(item);
    }
    if (!list_->currentItem() && list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("open_day_buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(460, 420);
}

std::optional<DayHeld> OpenDayDialog::chosen() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= static_cast<int>(days_.size()))
        return std::nullopt;
    return days_[static_cast<std::size_t>(row)];
}

void add_open_day(ScalingWindow& window) {
    QMenu* menu = file_menu(window);
    auto* open = new QAction(QStringLiteral("Open day…"), menu);
    open->setObjectName(QStringLiteral("open_day"));
    QObject::connect(open, &QAction::triggered, &window, [&window] {
        Scaling& scaling = window.controller().scaling();
        const SharedState& shared = scaling.shared;
        const std::filesystem::path folder = shared.program_folder / "ionograms";
        std::vector<DayHeld> days = days_held(folder);
        if (days.empty()) {
            scaling.dialogs.message("The folder \"" + folder.string() +
                                        "\" holds no ionogram files and no days stored.",
                                    "Open day", true);
            return;
        }
        OpenDayDialog dialog(std::move(days), shared.working_date, shared.interval_text, &window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (const std::optional<DayHeld> day = dialog.chosen())
            window.command([&window, &day] { window.controller().open_day(*day); });
    });
    const QList<QAction*> entries = menu->actions();
    menu->insertAction(entries.isEmpty() ? nullptr : entries.front(), open);
}

} // namespace scalvo
