// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_pass.h"

#include "convert_file.h"
#include "report.h"

#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace tabulor {

namespace {

// The entries of the data folder in listing order. Taken in full before anything is
// written, so that tables appearing while we work are never read back as input.
std::vector<fs::path> list_folder(const fs::path& data, Report& report) {
    std::vector<fs::path> entries;
    std::error_code ec;
    fs::directory_iterator it(data, ec);
    if (ec) {
        report.failure(data, "cannot list the folder: " + ec.message());
        return entries;
    }
    for (const fs::directory_iterator end; it != end;) {
        entries.push_back(it->path());
        it.increment(ec);
        if (ec) {
            report.failure(data, "cannot list the folder: " + ec.message());
            break;
        }
    }
    return entries;
}

// The ordinary files among the entries. One whose type cannot be told (a link to nowhere,
// a file gone since the listing) may well be a data file, so it is reported, not skipped.
std::vector<fs::path> ordinary_files(const std::vector<fs::path>& entries, Report& report) {
    std::vector<fs::path> files;
    for (const fs::path& entry : entries) {
        std::error_code ec;
        const fs::file_status status = fs::status(entry, ec);
        if (fs::is_regular_file(status)) {
            files.push_back(entry);
        } else if (ec) {
            report.failure(entry, "cannot open for reading: " + ec.message());
        }
    }
    return files;
}

} // namespace

int run_pass(const fs::path& work, std::ostream& errors) {
    Report report(errors, work);
    const fs::path data = work / "data";
    const fs::path output = work / "output";

    std::error_code ec;
    const fs::file_status data_status = fs::status(data, ec);
    if (data_status.type() == fs::file_type::not_found) {
        return 0; // No data folder: nothing to convert.
    }
    if (!fs::is_directory(data_status)) {
        report.failure(data, ec ? "cannot use the folder: " + ec.message() : "not a folder");
        return 1;
    }
    const std::vector<fs::path> files = ordinary_files(list_folder(data, report), report);

    const fs::file_status output_status = fs::status(output, ec);
    if (!files.empty() && !fs::is_directory(output_status)) {
        // The folder is never created for the user; every file would fail the same way.
        const std::string why = ec ? "cannot use the folder: " + ec.message() : "not a folder";
        report.failure(output,
                       why + "; " + std::to_string(files.size()) + " data file(s) not converted");
        return 1;
    }
    for (const fs::path& input : files) {
        const std::string name = input.filename().string();
        convert_file(input, output / ("foF2_value_" + name), output / ("foF2_qldl_" + name),
                     report);
    }
    return report.any_failure() ? 1 : 0;
}

} // namespace tabulor
