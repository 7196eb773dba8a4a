// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/view_tools.h"

#include "forms/added_menus.h"
#include "forms/contrast_window.h"
#include "forms/magnifier_window.h"
#include "forms/scaling_window.h"

#include <QAction>
#include <QMenu>

namespace scalvo {

MagnifierWindow* magnifier_of(ScalingWindow& window) {
    return window.findChild<MagnifierWindow*>(QStringLiteral("magnifier"),
                                              Qt::FindDirectChildrenOnly);
}

ContrastWindow* contrast_of(ScalingWindow& window) {
    return window.findChild<ContrastWindow*>(QStringLiteral("contrast"),
                                             Qt::FindDirectChildrenOnly);
}

void add_view_tools(ScalingWindow& window) {
    QMenu* menu = view_menu(window);
    auto* magnifier = new QAction(QStringLiteral("Magnifier"), menu);
    magnifier->setObjectName(QStringLiteral("view_magnifier"));
    magnifier->setCheckable(true);
    QObject::connect(magnifier, &QAction::toggled, &window, [&window, magnifier](bool on) {
        MagnifierWindow* shown = magnifier_of(window);
        if (!on) {
            if (shown)
                shown->hide();
            return;
        }
        if (!shown) {
            shown = new MagnifierWindow(*window.plot_surface(), &window);
            // Closed by its own frame: the entry follows.
            QObject::connect(shown, &MagnifierWindow::hidden, magnifier,
                             [magnifier] { magnifier->setChecked(false); });
        }
        shown->present();
    });
    menu->addAction(magnifier);

    auto* contrast = new QAction(QStringLiteral("Contrast…"), menu);
    contrast->setObjectName(QStringLiteral("view_contrast"));
    QObject::connect(contrast, &QAction::triggered, &window, [&window] {
        ContrastWindow* shown = contrast_of(window);
        if (!shown)
            shown = new ContrastWindow(window);
        shown->present();
    });
    menu->addAction(contrast);
    // The tools go with the form.
    QObject::connect(&window, &ScalingWindow::closed, &window, [&window] {
        if (MagnifierWindow* shown = magnifier_of(window))
            shown->close();
        if (ContrastWindow* shown = contrast_of(window))
            shown->close();
    });
}

} // namespace scalvo
