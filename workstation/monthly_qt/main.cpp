// SPDX-License-Identifier: GPL-3.0-or-later
// monthly_tables: the monthly tables, the IIWG exchange file, the CSV files and the picture of
// one month of a working folder. Needs no display.
#include "monthly_qt/month_picture.h"
#include "monthly_qt/monthly_command_line.h"
#include "monthly_qt/station_file.h"

#include <QGuiApplication>

#include <filesystem>
#include <iostream>

namespace {

// Qt's own remarks (a missing XDG_RUNTIME_DIR, fonts) are not the program's to pass on.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "monthly_tables: " << message.toStdString() << "\n";
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace scalvo;
    const MonthlyCommandLine command = parse_monthly_command_line(argc, argv);
    if (command.exit_status) {
        std::cout << command.out;
        std::cerr << command.err;
        return *command.exit_status;
    }
    const MonthlyRequest& request = command.request;
    std::error_code error;
    if (!std::filesystem::is_directory(request.folder, error)) {
        std::cerr << "monthly_tables: " << request.folder.string() << ": no such folder\n";
        return 2;
    }

    qInstallMessageHandler(quiet);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    QGuiApplication application(qt_argc, argv);

    const MonthlyReport report =
        make_monthly_tables(request, read_station_file(request.folder), month_picture_png);
    for (const std::filesystem::path& file : report.written)
        std::cout << file.string() << "\n";
    for (const Problem& problem : report.problems)
        std::cerr << "monthly_tables: " << problem_text(problem) << "\n";
    return report.exit_status();
}
