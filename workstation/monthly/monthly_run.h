// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run for a month, the same for monthly_tables and Scalvo's File > Monthly tables…: read
// the month, write the tables, the exchange file, the two CSV files and the picture, and say
// what was left out.
#include "monthly/month_tables.h"
#include "monthly/station.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace scalvo {

struct MonthlyRequest {
    Month month;
    std::filesystem::path folder; // the working folder, which holds ionograms/
    std::filesystem::path out;    // where the files go; made when missing
};

// The request of a working folder: the files go to its output/.
MonthlyRequest request_for(Month month, const std::filesystem::path& folder);

// The PNG of the picture (foF2 and h'F by hour), nullopt when it cannot be made. The title
// names the month and, when known, the station.
using PictureMaker =
    std::function<std::optional<std::string>(const MonthTables&, const std::string& title)>;

struct MonthlyReport {
    std::vector<std::filesystem::path> written;
    std::vector<Problem> problems; // everything left out, in the order found
    // 0 when nothing was left out, 1 otherwise.
    int exit_status() const { return problems.empty() ? 0 : 1; }
};

// "monthly_2026_12" and the like, the stem of every file of the month.
std::string monthly_stem(Month month);

MonthlyReport make_monthly_tables(const MonthlyRequest& request, const StationReading& station,
                                  const PictureMaker& picture);

} // namespace scalvo
