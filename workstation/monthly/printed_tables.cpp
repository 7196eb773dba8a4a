// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/printed_tables.h"

#include "common/text.h"
#include "monthly/characteristics.h"

#include <array>

namespace scalvo {

namespace {

constexpr std::string_view eol = "\r\n";
constexpr std::size_t label_width = 8; // "Median  "

std::string code_field(std::optional<int> code) {
    return pad_left(code ? std::to_string(*code) : "", 3);
}

std::string two_digits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string header_line() {
    std::string line = pad_right("Day", label_width);
    for (int hour = 0; hour < 24; ++hour)
        line += "  " + two_digits(hour) + "  ";
    return trim_right(line);
}

std::string cells_line(const std::string& label, const std::array<std::string, 24>& cells) {
    std::string line = pad_right(label, label_width);
    for (const std::string& cell : cells)
        line += " " + cell;
    return trim_right(line);
}

std::string table_of(const MonthTables& tables, const Characteristic& c) {
    std::string text;
    const auto add = [&text](const std::string& line) {
        text += line;
        text += eol;
    };
    std::string title(caption(c.row));
    title += "   URSI code " + std::string(c.ursi_code);
    if (!c.unit.empty())
        title += "   unit " + std::string(c.unit);
    add(title);
    add("");
    add(header_line());
    std::array<std::string, 24> cells;
    for (int day = 1; day <= static_cast<int>(tables.days.size()); ++day) {
        for (int hour = 0; hour < 24; ++hour) {
            const Entry& e = tables.entry(day, hour, c.row);
            cells[static_cast<std::size_t>(hour)] =
                c.row == Row::es_types ? pad_right(e.es_types, 5) : tabulated(e);
        }
        add(cells_line(pad_left(std::to_string(day), 3), cells));
    }
    add("");
    if (c.row == Row::es_types) {
        for (int hour = 0; hour < 24; ++hour)
            cells[static_cast<std::size_t>(hour)] =
                pad_left(std::to_string(tables.es_types_count[static_cast<std::size_t>(hour)]), 3) +
                "  ";
        add(cells_line("Count", cells));
        return text;
    }
    const auto row_of = [&](const std::string& label, auto field) {
        for (int hour = 0; hour < 24; ++hour)
            cells[static_cast<std::size_t>(hour)] = field(tables.statistics(c.row, hour));
        add(cells_line(label, cells));
    };
    row_of("Count",
           [](const HourStatistics& s) { return pad_left(std::to_string(s.count), 3) + "  "; });
    row_of("Median", [](const HourStatistics& s) { return tabulated(s.median); });
    row_of("Up.Q.", [](const HourStatistics& s) { return tabulated(s.upper_quartile); });
    row_of("Lo.Q.", [](const HourStatistics& s) { return tabulated(s.lower_quartile); });
    return text;
}

} // namespace

std::string tabulated(const Entry& entry) {
    return code_field(entry.code) + entry.qualifying + entry.descriptive;
}

std::string tabulated(const Statistic& statistic) {
    if (!statistic.present)
        return std::string(5, ' ');
    return code_field(statistic.code) + statistic.qualifying + statistic.descriptive;
}

std::string month_name(Month month) {
    static constexpr std::array<std::string_view, 12> names{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    return std::string(names[static_cast<std::size_t>(month.month - 1)]) + " " +
           std::to_string(month.year);
}

std::string printed_tables(const MonthTables& tables, const StationReading& station) {
    std::string heading =
        "Monthly tables of ionospheric characteristics, " + month_name(tables.month);
    if (!station.title.empty())
        heading += ", station " + station.title;
    std::string text;
    bool first = true;
    for (const Characteristic& c : characteristics) {
        if (!first)
            text += "\f";
        first = false;
        text += heading;
        text += eol;
        text += table_of(tables, c);
    }
    text += eol;
    text += "Values in the unit of each table, each followed by its qualifying and descriptive "
            "letters;";
    text += eol;
    text += "a letter alone stands for a value it replaces, a blank for an hour not scaled.";
    text += eol;
    text += "Up.Q., Lo.Q.: upper and lower quartiles. A median of fewer than ";
    text += std::to_string(fewest_values_for_a_sure_median) + " values is doubtful (U).";
    text += eol;
    return text;
}

} // namespace scalvo
