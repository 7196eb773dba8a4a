// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/csv_files.h"

#include "monthly/characteristics.h"
#include "scaling/value_units.h"

namespace scalvo {

namespace {

constexpr std::string_view eol = "\r\n";

std::string letter(char c) {
    return c == ' ' ? "" : std::string(1, c);
}

std::string reading(Row row, std::optional<int> code) {
    return code ? reading_of_code(row, std::to_string(*code)) : "";
}

} // namespace

std::string values_csv(const MonthTables& tables) {
    std::string text = "day,hour,characteristic,value,qualifying,descriptive";
    text += eol;
    for (int day = 1; day <= static_cast<int>(tables.days.size()); ++day)
        for (int hour = 0; hour < 24; ++hour)
            for (const Characteristic& c : characteristics) {
                const Entry& e = tables.entry(day, hour, c.row);
                if (e.empty())
                    continue;
                const std::string value =
                    c.row == Row::es_types ? e.es_types : reading(c.row, e.code);
                text += std::to_string(day) + "," + std::to_string(hour) + "," +
                        std::string(caption(c.row)) + "," + value + "," + letter(e.qualifying) +
                        "," + letter(e.descriptive);
                text += eol;
            }
    return text;
}

std::string medians_csv(const MonthTables& tables) {
    std::string text = "characteristic,hour,count,median,upper_quartile,lower_quartile,"
                       "upper_decile,lower_decile";
    text += eol;
    for (const Characteristic& c : characteristics) {
        if (c.row == Row::es_types)
            continue;
        for (int hour = 0; hour < 24; ++hour) {
            const HourStatistics& s = tables.statistics(c.row, hour);
            text += std::string(caption(c.row)) + "," + std::to_string(hour) + "," +
                    std::to_string(s.count);
            for (const Statistic* t : {&s.median, &s.upper_quartile, &s.lower_quartile,
                                       &s.upper_decile, &s.lower_decile})
                text += "," + reading(c.row, t->code);
            text += eol;
        }
    }
    return text;
}

} // namespace scalvo
