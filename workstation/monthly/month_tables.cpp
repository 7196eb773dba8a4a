// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/month_tables.h"

#include "common/file_io.h"
#include "monthly/characteristics.h"

#include <algorithm>

namespace scalvo {

void compute_statistics(MonthTables& tables) {
    std::vector<Entry> column(tables.days.size());
    for (int hour = 0; hour < 24; ++hour) {
        const auto h = static_cast<std::size_t>(hour);
        for (const Characteristic& c : characteristics) {
            for (std::size_t d = 0; d < tables.days.size(); ++d)
                column[d] = tables.days[d][h][index_of(c.row)];
            if (c.row == Row::es_types) {
                tables.es_types_count[h] = static_cast<int>(std::count_if(
                    column.begin(), column.end(), [](const Entry& e) { return !e.empty(); }));
                continue;
            }
            tables.hours[index_of(c.row)][h] = hour_statistics(c.row, column);
        }
    }
}

MonthTables read_month(const std::filesystem::path& folder, Month month) {
    MonthTables tables;
    tables.month = month;
    tables.days.resize(static_cast<std::size_t>(days_in(month)));
    MonthFiles files = find_month_files(folder, month);
    tables.problems = std::move(files.problems);
    for (std::size_t d = 0; d < tables.days.size(); ++d) {
        if (!files.days[d])
            continue;
        const DayFile& file = *files.days[d];
        const auto bytes = read_whole_file(file.path);
        if (failed(bytes)) {
            tables.problems.push_back(
                {file.path, 0, "cannot be read: " + std::get<FileError>(bytes).reason});
            continue;
        }
        ++tables.day_files;
        DayReading day = read_day(std::get<std::string>(bytes), file.path, file.interval);
        tables.days[d] = day.hours;
        tables.problems.insert(tables.problems.end(), day.problems.begin(), day.problems.end());
    }
    compute_statistics(tables);
    return tables;
}

} // namespace scalvo
