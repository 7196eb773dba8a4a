// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/monthly_menu.h"

#include "common/shared_state.h"
#include "controllers/monthly_command.h"
#include "forms/added_menus.h"
#include "forms/scaling_window.h"
#include "monthly_qt/month_picture.h"
#include "monthly_qt/station_file.h"

#include <QAction>
#include <QMenu>

namespace scalvo {

void add_monthly_tables(ScalingWindow& window) {
    auto* action = new QAction(QStringLiteral("Monthly tables…"), &window);
    action->setObjectName(QStringLiteral("monthly_tables"));
    QObject::connect(action, &QAction::triggered, &window, [&window] {
        // A month takes a tenth of a second: no progress to show.
        Scaling& scaling = window.controller().scaling();
        run_monthly_tables(scaling.shared, scaling.dialogs,
                           read_station_file(scaling.shared.program_folder), month_picture_png);
    });
    file_menu(window)->addAction(action);
}

} // namespace scalvo
