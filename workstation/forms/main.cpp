// SPDX-License-Identifier: GPL-3.0-or-later
// Scalvo: the ionogram scaling workstation. The working folder is the current folder, unless
// an option names another (the desktop menu entry does).
#include "forms/command_line.h"
#include "forms/start_folder_dialog.h"
#include "forms/workstation_app.h"
#include "scalvo_version.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const scalvo::CommandLine command = scalvo::parse_command_line(argc, argv);
    if (command.exit_status) {
        std::fputs(command.out.c_str(), stdout);
        std::fputs(command.err.c_str(), stderr);
        return *command.exit_status;
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const bool chosen_platform = platform && *platform;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!chosen_platform && !(display && *display) && !(wayland && *wayland)) {
        std::fprintf(stderr, "scalvo: no display found; run it on a desktop, or under a virtual "
                             "one: xvfb-run -s \"-screen 0 1280x1024x24\" scalvo\n");
        return 1;
    }
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("SCALVO"));
    application.setOrganizationName(QStringLiteral("scalvo"));
    application.setApplicationVersion(QStringLiteral(SCALVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.scalvo.Scalvo"));

    const scalvo::StartFolder start =
        scalvo::open_start_folder(command.folder, scalvo::choose_folder_in_dialog);
    if (!start.folder) {
        if (!start.error.empty()) {
            std::fprintf(stderr, "scalvo: %s\n", start.error.c_str());
            // Started from the menu, nobody reads standard error.
            if (command.folder.source == scalvo::FolderSource::remembered ||
                command.folder.source == scalvo::FolderSource::chosen)
                QMessageBox::critical(nullptr, QStringLiteral("Scalvo"),
                                      QString::fromStdString(start.error));
        }
        return start.exit_status;
    }
    scalvo::WorkstationApp workstation(*start.folder);
    if (!workstation.lock_working_folder())
        return 1;
    if (!workstation.show_parameters_form())
        return 0;
    return application.exec();
}
