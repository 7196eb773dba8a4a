// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/added_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

namespace scalvo {

namespace {

QAction* entry_named(QMenuBar& bar, const QString& name) {
    for (QAction* action : bar.actions())
        if (action->objectName() == name)
            return action;
    return nullptr;
}

// The menu of that name, or a new one before the first of the later menus the bar has.
QMenu* find_or_add(QMainWindow& window, const QString& name, const QString& title,
                   std::initializer_list<const char*> later) {
    QMenuBar* bar = window.menuBar();
    if (QAction* entry = entry_named(*bar, name))
        return entry->menu();
    auto* menu = new QMenu(title, &window);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    QAction* before = nullptr;
    for (const char* next : later)
        if (!before)
            before = entry_named(*bar, QString::fromLatin1(next));
    if (before)
        bar->insertMenu(before, menu);
    else
        bar->addMenu(menu);
    return menu;
}

} // namespace

QMenu* file_menu(QMainWindow& window) {
    return find_or_add(window, QStringLiteral("file_menu"), QStringLiteral("&File"),
                       {"edit_menu", "view_menu", "help_menu"});
}

QMenu* edit_menu(QMainWindow& window) {
    return find_or_add(window, QStringLiteral("edit_menu"), QStringLiteral("&Edit"),
                       {"view_menu", "help_menu"});
}

QMenu* view_menu(QMainWindow& window) {
    return find_or_add(window, QStringLiteral("view_menu"), QStringLiteral("&View"), {"help_menu"});
}

QMenu* help_menu(QMainWindow& window) {
    return find_or_add(window, QStringLiteral("help_menu"), QStringLiteral("&Help"), {});
}

} // namespace scalvo
