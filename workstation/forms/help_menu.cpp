// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/help_menu.h"

#include "forms/added_menus.h"
#include "forms/key_reference_window.h"
#include "scalvo_version.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>

namespace scalvo {

QString about_text(const QString& working_folder) {
    return QStringLiteral("<p><b>Scalvo %1</b></p>"
                          "<p>The workstation for the manual scaling of ionograms.</p>"
                          "<p>Working folder: %2</p>"
                          "<p>Built with Qt %3.</p>")
        .arg(QStringLiteral(SCALVO_VERSION),
             QDir::toNativeSeparators(working_folder).toHtmlEscaped(),
             QStringLiteral(QT_VERSION_STR));
}

void add_help_menu(QMainWindow& window) {
    auto* keys = help_menu(window)->addAction(QStringLiteral("&Keys"));
    keys->setObjectName(QStringLiteral("help_keys"));
    QObject::connect(keys, &QAction::triggered, &window, [&window] { show_key_reference(window); });
    auto* about = help_menu(window)->addAction(QStringLiteral("&About Scalvo"));
    about->setObjectName(QStringLiteral("help_about"));
    QObject::connect(about, &QAction::triggered, &window, [&window] {
        // The program works in the current folder (main enters the one it was given).
        QMessageBox::about(&window, QStringLiteral("About Scalvo"),
                           about_text(QDir::currentPath()));
    });
}

} // namespace scalvo
