// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/day_overview_menu.h"

#include "forms/added_menus.h"
#include "forms/day_overview_window.h"
#include "forms/scaling_window.h"

#include <QAction>
#include <QMenu>

namespace scalvo {

DayOverviewWindow* day_overview_of(ScalingWindow& window) {
    return window.findChild<DayOverviewWindow*>(QStringLiteral("day_overview"),
                                                Qt::FindDirectChildrenOnly);
}

void add_day_overview(ScalingWindow& window) {
    auto* open = new QAction(QStringLiteral("Day overview"), &window);
    open->setObjectName(QStringLiteral("day_overview_action"));
    open->setShortcut(QKeySequence(Qt::Key_F10));
    QObject::connect(open, &QAction::triggered, &window, [&window] {
        DayOverviewWindow* overview = day_overview_of(window);
        if (!overview)
            overview = new DayOverviewWindow(
                window, [&window] { return window.controller().view().proposals; });
        overview->present();
    });
    view_menu(window)->addAction(open);
}

} // namespace scalvo
