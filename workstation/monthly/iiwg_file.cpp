// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/iiwg_file.h"

#include "monthly/characteristics.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace scalvo {

namespace {

constexpr std::string_view eol = "\r\n";

// The fields as a Fortran formatted write makes them.
std::string a_field(std::string_view text, std::size_t width) {
    std::string field(text.substr(0, width));
    field.resize(width, ' ');
    return field;
}

std::string i_field(long long n, std::size_t width) {
    std::string digits = std::to_string(n);
    if (digits.size() > width)
        return std::string(width, '*');
    return std::string(width - digits.size(), ' ') + digits;
}

std::string f_field(double x, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%*.1f", width, x);
    std::string field(text);
    return field.size() > static_cast<std::size_t>(width) ? std::string(width, '*') : field;
}

// Items of a repeated format, so many to a line.
class Lines {
  public:
    Lines(std::string& text, std::size_t per_line) : text_(text), per_line_(per_line) {}
    ~Lines() { end(); }
    void add(const std::string& item) {
        line_ += item;
        if (++count_ == per_line_)
            end();
    }
    void end() {
        if (count_ == 0)
            return;
        text_ += line_;
        text_ += eol;
        line_.clear();
        count_ = 0;
    }

  private:
    std::string& text_;
    std::size_t per_line_;
    std::string line_;
    std::size_t count_ = 0;
};

// The numeric characteristics in the order of their URSI codes.
std::vector<Characteristic> in_code_order() {
    std::vector<Characteristic> list;
    for (const Characteristic& c : characteristics)
        if (c.row != Row::es_types)
            list.push_back(c);
    std::sort(list.begin(), list.end(), [](const Characteristic& a, const Characteristic& b) {
        return a.ursi_code < b.ursi_code;
    });
    return list;
}

std::string value_item(std::optional<int> code, char qualifying, char descriptive) {
    return (code ? i_field(*code, 3) : std::string(3, ' ')) + qualifying + descriptive;
}

std::string statistic_item(const Statistic& s) {
    return s.present ? value_item(s.code, s.qualifying, s.descriptive) : std::string(5, ' ');
}

constexpr int per_day = 24; // the hourly values

} // namespace

std::string_view iiwg_name(Row row) {
    switch (row) {
    case Row::MUF3000F1:
        return "MUF3000F1";
    case Row::M3000F1:
        return "M3000F1";
    case Row::MUF3000F2:
        return "MUF3000F2";
    case Row::M3000F2:
        return "M3000F2";
    default:
        return caption(row);
    }
}

std::string iiwg_file(const MonthTables& tables, const Station& station) {
    const std::vector<Characteristic> list = in_code_order();
    const int days = static_cast<int>(tables.days.size());
    std::string text;

    // Record 1: the station.
    text += a_field(station.name, 30) + a_field(station.ursi_code, 5) +
            i_field(station.meridian_time, 4) + f_field(station.latitude, 5) +
            f_field(station.longitude, 5) + a_field(station.scaling, 10) +
            a_field(station.editing, 10) + a_field(station.ionosonde, 30);
    text += eol;
    {
        // Records 2 and 3: 30I4.
        Lines counts(text, 30);
        for (const int n : {tables.month.year, tables.month.month, days,
                            static_cast<int>(list.size()), per_day * days})
            counts.add(i_field(n, 4));
        for (int day = 0; day < days; ++day)
            counts.add(i_field(per_day, 4));
    }
    {
        Lines names(text, 12);
        for (const Characteristic& c : list)
            names.add(a_field(iiwg_name(c.row), 10));
    }
    {
        Lines units(text, 12);
        for (const Characteristic& c : list)
            units.add(a_field(c.unit, 10));
    }
    {
        Lines codes(text, 60);
        for (const Characteristic& c : list)
            codes.add(a_field(c.ursi_code, 2));
    }
    // The sample times HHMMSS, 20(3I2), each day on lines of its own; with their zeros, as
    // HHMMSS reads, which a 3I2 read takes the same.
    for (int day = 0; day < days; ++day) {
        Lines times(text, 20);
        for (int hour = 0; hour < per_day; ++hour)
            times.add((hour < 10 ? "0" : "") + std::to_string(hour) + "0000");
    }
    for (const Characteristic& c : list) {
        for (int day = 1; day <= days; ++day) {
            Lines values(text, 24);
            for (int hour = 0; hour < per_day; ++hour) {
                const Entry& e = tables.entry(day, hour, c.row);
                values.add(value_item(e.code, e.qualifying, e.descriptive));
            }
        }
        const auto statistic_line = [&](auto item) {
            Lines line(text, 24);
            for (int hour = 0; hour < per_day; ++hour)
                line.add(item(tables.statistics(c.row, hour)));
        };
        statistic_line([](const HourStatistics& s) { return statistic_item(s.median); });
        statistic_line([](const HourStatistics& s) {
            return i_field(s.count, 2) + (s.range ? i_field(*s.range, 3) : std::string(3, ' '));
        });
        statistic_line([](const HourStatistics& s) { return statistic_item(s.upper_quartile); });
        statistic_line([](const HourStatistics& s) { return statistic_item(s.lower_quartile); });
        statistic_line([](const HourStatistics& s) { return statistic_item(s.upper_decile); });
        statistic_line([](const HourStatistics& s) { return statistic_item(s.lower_decile); });
    }
    return text;
}

} // namespace scalvo
