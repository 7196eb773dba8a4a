// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace synth {

struct Date {
    int day = 1;
    int month = 1;
    int year = 2026;
};

// dd-mm-yyyy, a real calendar day (February 29th only in years divisible by 4).
std::optional<Date> parse_date(std::string_view text);
std::string date_text(const Date& date); // dd-mm-yyyy

// Leap years are the years divisible by 4, with no century rule, as the workstation counts.
bool is_leap_year(int year);
int day_of_year(const Date& date);

// HH:MM to minutes after midnight.
std::optional<int> parse_clock(std::string_view text);
std::string clock_text(int minute_of_day); // HH:MM

// ZE20R_ + year + 3-digit day of year + HH + MM + "00.rdf".
std::string ionogram_file_name(const Date& date, int minute_of_day);

} // namespace synth
