// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/monthly_run.h"

#include "common/file_io.h"
#include "monthly/csv_files.h"
#include "monthly/iiwg_file.h"
#include "monthly/printed_tables.h"

#include <future>
#include <system_error>
#include <utility>
#include <vector>

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

    // A wrong month or folder must not replace the tables made before with empty ones.
    if (tables.day_files == 0) {
        report.problems.push_back({request.folder / "ionograms", 0,
                                   "there is no scaled-values file of " +
                                       month_name(request.month) + " to read: nothing is written"});
        return report;
    }
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
    std::vector<std::pair<std::string, std::string>> files; // name, bytes
    files.emplace_back(stem + ".txt", printed_tables(tables, station));
    if (station.station)
        files.emplace_back(stem + ".iiwg", iiwg_file(tables, *station.station));
    else
        report.problems.push_back(
            {request.folder / station_file_name, 0, station_complaint(station)});
    files.emplace_back(stem + ".csv", values_csv(tables));
    files.emplace_back(stem + "_medians.csv", medians_csv(tables));
    std::string title = month_name(request.month);
    if (!station.title.empty())
        title += ", " + station.title;
    if (auto png = picture(tables, title))
        files.emplace_back(stem + ".png", std::move(*png));
    else
        report.problems.push_back({request.out / (stem + ".png"), 0, "the picture cannot be made"});

    // Each file is synced to the disk before it replaces the last one: written side by side,
    // the disk waits once for all of them rather than once for each.
    std::vector<std::future<FileResult>> writes;
    // No structured binding here: clang 14 (the fuzz build) cannot capture one.
    for (const auto& file : files)
        writes.push_back(
            std::async(std::launch::async, [path = request.out / file.first, &bytes = file.second] {
                return replace_file(path, bytes);
            }));
    for (std::size_t k = 0; k < files.size(); ++k) {
        const std::filesystem::path path = request.out / files[k].first;
        if (const FileResult failure = writes[k].get())
            report.problems.push_back({path, 0, "cannot be written: " + failure->reason});
        else
            report.written.push_back(path);
    }
    return report;
}

} // namespace scalvo
