// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/days_held.h"

#include "common/calendar.h"
#include "common/conversions.h"
#include "common/file_io.h"
#include "common/text.h"
#include "records/record_file.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <tuple>

namespace scalvo {

namespace {

constexpr std::string_view prefix = "ZE20R_";
constexpr std::array<const char*, 5> intervals{"05", "10", "15", "30", "60"};

bool digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int number(std::string_view text) {
    return static_cast<int>(numeric_value(text));
}

// A day, ordered in time: year and day of the year.
using DayKey = std::pair<int, int>;

struct DayFiles {
    std::string date;
    std::vector<int> minutes;           // of the ionogram files
    std::vector<std::string> day_files; // their intervals
};

// ZE20R_<yyyy><ddd><hhmm>00.rdf
bool read_ionogram_name(std::string_view name, DayKey& day, int& minute_of_day) {
    if (name.size() != 23 || !name.starts_with(prefix) || !name.ends_with("00.rdf"))
        return false;
    const std::string_view stamp = name.substr(6, 11);
    if (!digits(stamp))
        return false;
    const int hour = number(stamp.substr(7, 2));
    const int minute = number(stamp.substr(9, 2));
    if (hour > 23 || minute > 59)
        return false;
    day = {number(stamp.substr(0, 4)), number(stamp.substr(4, 3))};
    minute_of_day = hour * 60 + minute;
    return !date_of_day_of_year(day.first, day.second).empty();
}

// ZE20R_<ddmmyyyy>_<interval>.txt
bool read_day_file_name(std::string_view name, DayKey& day, std::string& interval) {
    if (name.size() != 21 || !name.starts_with(prefix) || !name.ends_with(".txt") ||
        name[14] != '_')
        return false;
    const std::string_view stamp = name.substr(6, 8);
    interval = std::string(name.substr(15, 2));
    if (!digits(stamp) || records_per_day(interval) == 0)
        return false;
    const std::string date = std::string(stamp.substr(0, 2)) + "-" +
                             std::string(stamp.substr(2, 2)) + "-" + std::string(stamp.substr(4));
    const std::string day_of_year = make_day_of_year_text(date);
    if (!digits(day_of_year))
        return false;
    day = {number(stamp.substr(4, 4)), number(day_of_year)};
    // 31-02 has a day of the year, but the date does not come back from it.
    return date_of_day_of_year(day.first, day.second) == date;
}

std::map<DayKey, DayFiles> files_of(const std::filesystem::path& folder, bool with_day_files) {
    std::map<DayKey, DayFiles> days;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return days;
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        DayKey day;
        int minute = 0;
        std::string interval;
        if (read_ionogram_name(name, day, minute))
            days[day].minutes.push_back(minute);
        else if (with_day_files && read_day_file_name(name, day, interval))
            days[day].day_files.push_back(interval);
        else
            continue;
        days[day].date = date_of_day_of_year(day.first, day.second);
    }
    return days;
}

int on_grid(const std::vector<int>& minutes, int interval) {
    return static_cast<int>(
        std::count_if(minutes.begin(), minutes.end(), [&](int m) { return m % interval == 0; }));
}

// Records that hold a sheet: anything but blanks before the line end.
int stored_records(const std::filesystem::path& file) {
    const auto content = read_whole_file(file);
    if (failed(content))
        return 0;
    const std::string& bytes = std::get<std::string>(content);
    int stored = 0;
    for (std::size_t at = 0; at + record_length <= bytes.size(); at += record_length)
        if (bytes.find_first_not_of(' ', at) < at + record_length - 2)
            ++stored;
    return stored;
}

} // namespace

std::string interval_of(const std::vector<int>& minutes_of_day) {
    std::string best = "15";
    int most = 0;
    for (const char* interval : intervals) {
        const int count = on_grid(minutes_of_day, number(interval));
        if (count > 0 && count >= most) {
            most = count;
            best = interval;
        }
    }
    return best;
}

std::vector<DayHeld> days_held(const std::filesystem::path& ionogram_folder) {
    std::vector<DayHeld> held;
    const auto days = files_of(ionogram_folder, true);
    for (auto day = days.rbegin(); day != days.rend(); ++day) {
        const DayFiles& files = day->second;
        std::vector<std::string> day_intervals = files.day_files;
        std::sort(day_intervals.begin(), day_intervals.end());
        if (day_intervals.empty())
            day_intervals.push_back(interval_of(files.minutes));
        for (const std::string& interval : day_intervals) {
            DayHeld entry{files.date, interval, on_grid(files.minutes, number(interval)), 0,
                          records_per_day(interval)};
            entry.stored =
                stored_records(ionogram_folder / scaled_values_file_name(files.date, interval));
            held.push_back(std::move(entry));
        }
    }
    return held;
}

std::optional<DayHeld> latest_day_with_ionograms(const std::filesystem::path& ionogram_folder) {
    const auto days = files_of(ionogram_folder, false);
    if (days.empty())
        return std::nullopt;
    const DayFiles& latest = days.rbegin()->second;
    const std::string interval = interval_of(latest.minutes);
    return DayHeld{latest.date, interval, on_grid(latest.minutes, number(interval)), 0,
                   records_per_day(interval)};
}

} // namespace scalvo
