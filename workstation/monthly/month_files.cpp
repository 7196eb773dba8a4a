// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/month_files.h"

#include "common/file_error.h"
#include "common/text.h"
#include "records/record_file.h"

#include <algorithm>
#include <map>
#include <system_error>

namespace scalvo {

namespace {

bool all_digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits) {
    int n = 0;
    for (const char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

constexpr std::string_view prefix = "ZE20R_";
constexpr std::string_view suffix = ".txt";

} // namespace

std::optional<Month> parse_month(std::string_view text) {
    if (text.size() != 7 || text[4] != '-' || !all_digits(text.substr(0, 4)) ||
        !all_digits(text.substr(5, 2)))
        return std::nullopt;
    const Month month{number(text.substr(0, 4)), number(text.substr(5, 2))};
    if (month.year < 1 || month.month < 1 || month.month > 12)
        return std::nullopt;
    return month;
}

std::string month_text(Month month) {
    std::string year = std::to_string(month.year);
    while (year.size() < 4)
        year = "0" + year;
    return year + "-" + (month.month < 10 ? "0" : "") + std::to_string(month.month);
}

int days_in(Month month) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (month.year % 4 == 0 && month.year % 100 != 0) || month.year % 400 == 0;
    return month.month == 2 && leap ? 29 : days[static_cast<std::size_t>(month.month - 1)];
}

std::string problem_text(const Problem& problem) {
    std::string text = problem.file.string();
    if (problem.line > 0)
        text += ":" + std::to_string(problem.line);
    return text + ": " + problem.text;
}

MonthFiles choose_month_files(const std::filesystem::path& folder,
                              const std::vector<std::string>& names, Month month) {
    // "ZE20R_" dd mm yyyy "_" ii ".txt"
    constexpr std::size_t length = 6 + 8 + 1 + 2 + 4;
    std::map<int, std::vector<DayFile>> by_day;
    MonthFiles files;
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    for (const std::string& name : sorted) {
        if (name.size() != length || !name.starts_with(prefix) || !name.ends_with(suffix) ||
            name[14] != '_')
            continue;
        const std::string_view date = std::string_view(name).substr(6, 8);
        const std::string_view interval = std::string_view(name).substr(15, 2);
        if (!all_digits(date) || !all_digits(interval))
            continue;
        if (number(date.substr(2, 2)) != month.month || number(date.substr(4, 4)) != month.year)
            continue;
        const int day = number(date.substr(0, 2));
        const std::filesystem::path path = folder / name;
        if (day < 1 || day > days_in(month)) {
            files.problems.push_back({path, 0, "the month has no such day; left out"});
            continue;
        }
        if (records_per_day(interval) == 0) {
            files.problems.push_back({path, 0,
                                      "an interval of " + std::string(interval) +
                                          " minutes is none of 05, 10, 15, 30, 60; left out"});
            continue;
        }
        by_day[day].push_back({path, 24 * 60 / records_per_day(interval)});
    }
    for (const auto& [day, candidates] : by_day) {
        if (candidates.size() == 1) {
            files.days[static_cast<std::size_t>(day - 1)] = candidates.front();
            continue;
        }
        std::string names;
        for (const DayFile& file : candidates)
            names += (names.empty() ? "" : " and ") + file.path.filename().string();
        files.problems.push_back({folder, 0,
                                  "day " + std::to_string(day) +
                                      " has files of more than one interval (" + names +
                                      "): the day is left out until all but one are moved away"});
    }
    return files;
}

MonthFiles find_month_files(const std::filesystem::path& folder, Month month) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        // A link to a day file is followed; a folder, a pipe or a device never read.
        if (it->is_regular_file(ignored))
            names.push_back(it->path().filename().string());
    }
    if (error) {
        MonthFiles files;
        files.problems.push_back({folder, 0, "cannot be listed: " + error.message()});
        return files;
    }
    return choose_month_files(folder, names, month);
}

} // namespace scalvo
