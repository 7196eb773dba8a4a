// Scalvo: the ionogram scaling workstation. The working folder is the current folder.
#include "forms/workstation_app.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char* argv[]) {
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
    scalvo::WorkstationApp workstation(std::filesystem::current_path());
    if (!workstation.lock_working_folder())
        return 1;
    if (!workstation.show_parameters_form())
        return 0;
    return application.exec();
}
