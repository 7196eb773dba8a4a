// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A month of hourly values, day by day, with the statistics of every hour: what the printed
// tables, the exchange file, the CSV files and the picture are made from.
#include "monthly/day_reading.h"
#include "monthly/statistics.h"

#include <array>
#include <vector>

namespace scalvo {

struct MonthTables {
    Month month;
    std::vector<std::array<HourEntries, 24>> days; // one per day of the month, from day 1
    std::array<std::array<HourStatistics, 24>, row_count> hours{}; // by index_of(Row)
    std::array<int, 24> es_types_count{}; // the days with Es types at each hour
    std::vector<Problem> problems;        // what the month left out
    int day_files = 0;                    // the days whose file was read

    const Entry& entry(int day, int hour, Row row) const {
        return days[static_cast<std::size_t>(day - 1)][static_cast<std::size_t>(hour)]
                   [index_of(row)];
    }
    const HourStatistics& statistics(Row row, int hour) const {
        return hours[index_of(row)][static_cast<std::size_t>(hour)];
    }
};

// The statistics of the days as they stand.
void compute_statistics(MonthTables& tables);

// Reads the month's scaled-values files in the folder (a working folder's ionograms/) and
// computes the statistics. A day without a file has no values.
MonthTables read_month(const std::filesystem::path& folder, Month month);

} // namespace scalvo
