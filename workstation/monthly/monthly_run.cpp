// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/monthly_run.h"

#include "common/file_io.h"
#include "monthly/csv_files.h"
#include "monthly/iiwg_file.h"
#include "monthly/printed_tables.h"

#include <system_error>

namespace scalvo {

MonthlyRequest request_for(Month month, const std::filesystem::path& folder) {
    return {month, folder, folder / "output"};
}

std::string monthly_stem(Month month) {
    const std::string text = month_text(month); // "2026-12"
    return "monthly_" + text.substr(0, 4) + "_" + text.substr(5, 2);
}

MonthlyReport make_monthly_tables(const MonthlyRequest& request, const StationReading& station,
                                  const PictureMaker& picture) {
    MonthlyReport report;
    MonthTables tables = read_month(request.folder / "ionograms", request.month);
    report.problems = std::move(tables.problems);
    tables.problems.clear();

    std::error_code error;
    std::filesystem::create_directories(request.out, error);
    if (error || !std::filesystem::is_directory(request.out)) {
        report.problems.push_back(
            {request.out, 0,
             "the folder for the tables cannot be made: " +
                 (error ? error.message() : std::string("a file has its name")) +
                 "; nothing is written"});
        return report;
    }
    const std::string stem = monthly_stem(request.month);
    const auto write = [&](const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = request.out / name;
        if (const FileResult failure = replace_file(path, bytes))
            report.problems.push_back({path, 0, "cannot be written: " + failure->reason});
        else
            report.written.push_back(path);
    };
    write(stem + ".txt", printed_tables(tables, station));
    if (station.station)
        write(stem + ".iiwg", iiwg_file(tables, *station.station));
    else
        report.problems.push_back(
            {request.folder / station_file_name, 0, station_complaint(station)});
    write(stem + ".csv", values_csv(tables));
    write(stem + "_medians.csv", medians_csv(tables));
    std::string title = month_name(request.month);
    if (!station.title.empty())
        title += ", " + station.title;
    if (const auto png = picture(tables, title))
        write(stem + ".png", *png);
    else
        report.problems.push_back({request.out / (stem + ".png"), 0, "the picture cannot be made"});
    return report;
}

} // namespace scalvo
