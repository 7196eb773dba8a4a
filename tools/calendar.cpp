// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar.h"

#include "station.h"

#include <array>
#include <cstdio>

namespace synth {

namespace {

constexpr std::array<int, 12> days_before_month = {0,   31,  59,  90,  120, 151,
                                                   181, 212, 243, 273, 304, 334};
constexpr std::array<int, 12> days_in_month = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::optional<int> digits(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string two_digits(int value) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

bool is_leap_year(int year) {
    return year % 4 == 0;
}

std::optional<Date> parse_date(std::string_view text) {
    if (text.size() != 10 || text[2] != '-' || text[5] != '-') {
        return std::nullopt;
    }
    auto day = digits(text.substr(0, 2));
    auto month = digits(text.substr(3, 2));
    auto year = digits(text.substr(6, 4));
    if (!day || !month || !year || *month < 1 || *month > 12 || *day < 1) {
        return std::nullopt;
    }
    int longest = days_in_month[*month - 1] + (*month == 2 && is_leap_year(*year) ? 1 : 0);
    if (*day > longest) {
        return std::nullopt;
    }
    return Date{*day, *month, *year};
}

std::string date_text(const Date& date) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.day, date.month, date.year);
    return text;
}

int day_of_year(const Date& date) {
    int leap_day = date.month > 2 && is_leap_year(date.year) ? 1 : 0;
    return days_before_month[date.month - 1] + leap_day + date.day;
}

std::optional<int> parse_clock(std::string_view text) {
    if (text.size() != 5 || text[2] != ':') {
        return std::nullopt;
    }
    auto hour = digits(text.substr(0, 2));
    auto minute = digits(text.substr(3, 2));
    if (!hour || !minute || *hour > 23 || *minute > 59) {
        return std::nullopt;
    }
    return *hour * 60 + *minute;
}

std::string clock_text(int minute_of_day) {
    return two_digits(minute_of_day / 60) + ":" + two_digits(minute_of_day % 60);
}

std::string ionogram_file_name(const Date& date, int minute_of_day) {
    char text[64];
    std::snprintf(text, sizeof text, "%s_%04d%03d%02d%02d00.rdf", station::code, date.year,
                  day_of_year(date), minute_of_day / 60, minute_of_day % 60);
    return text;
}

} // namespace synth
