// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/calendar.h"

#include "common/conversions.h"
#include "common/shared_state.h"
#include "common/text.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace scalvo {

namespace {

// Day of the year of the last day of the previous month. No century rule: every year
// divisible by 4 is a leap year, as the station's files have always been named.
constexpr std::array<int, 12> common_offsets{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr std::array<int, 12> leap_offsets{0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

constexpr std::array<const char*, 12> month_names{"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};

bool is_leap(double year) {
    return std::fmod(year, 4.0) == 0.0;
}

} // namespace

void fill_hour_texts(SharedState& shared) {
    for (int h = 0; h < 24; ++h)
        shared.hour_texts[h] = two_digit_text(h);
}

std::string make_day_of_year_text(std::string_view date) {
    const double year = numeric_value(mid(date, 7, 4));
    const std::string month = mid(date, 4, 2);
    const double day = numeric_value(mid(date, 1, 2));
    const auto& offsets = is_leap(year) ? leap_offsets : common_offsets;
    for (int m = 1; m <= 12; ++m) {
        if (month == two_digit_text(m)) {
            const long long doy = nearest_integer(day) + offsets[m - 1];
            std::string text = std::to_string(doy < 0 ? -doy : doy);
            if (text.size() < 3)
                text.insert(0, 3 - text.size(), '0');
            return doy < 0 ? "-" + text : text;
        }
    }
    return {};
}

std::string date_of_day_of_year(int year, int day_of_year) {
    const bool leap = is_leap(year);
    const auto& offsets = leap ? leap_offsets : common_offsets;
    if (year < 0 || year > 9999 || day_of_year < 1 || day_of_year > (leap ? 366 : 365))
        return {};
    int month = 12;
    while (day_of_year <= offsets[month - 1])
        --month;
    std::string year_text = std::to_string(year);
    year_text.insert(0, 4 - year_text.size(), '0');
    return two_digit_text(day_of_year - offsets[month - 1]) + "-" + two_digit_text(month) + "-" +
           year_text;
}

std::string make_ionogram_file_name(const SharedState& shared, int hour, int minute) {
    return "ZE20R_" + shared.working_year + shared.day_of_year_text +
           shared.hour_texts.at(static_cast<std::size_t>(hour)) + two_digit_text(minute) + "00" +
           ".rdf";
}

std::string make_sounding_caption(std::string_view name) {
    const std::string year = mid(name, 7, 4);
    // Held as a 16-bit integer, as the file names only carry three digits.
    const auto day_of_year =
        static_cast<std::int16_t>(nearest_integer(numeric_value(mid(name, 11, 3))));
    const std::string hour = upper(mid(name, 14, 2));
    const std::string minute = mid(name, 16, 2);

    const auto& offsets = is_leap(numeric_value(year)) ? leap_offsets : common_offsets;
    const int days_in_year = is_leap(numeric_value(year)) ? 366 : 365;
    std::string month_text;
    std::string day_text;
    for (int m = 12; m >= 1; --m) {
        if (day_of_year > offsets[m - 1] && day_of_year <= days_in_year) {
            month_text = month_names[m - 1];
            day_text = number_text(static_cast<long long>(day_of_year - offsets[m - 1]));
            break;
        }
    }
    return year + "-" + month_text + "-" + day_text + "  " + hour + ":" + minute + " [UT]";
}

} // namespace scalvo
