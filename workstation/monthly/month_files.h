// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scaled-values files of one month in a folder, one per day, and what is wrong with the
// ones that cannot be used.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scalvo {

struct Month {
    int year = 0;
    int month = 0; // 1 ... 12
    friend bool operator==(const Month&, const Month&) = default;
};

// "2026-12"; nullopt for anything else (a year of four digits, a month 01 ... 12).
std::optional<Month> parse_month(std::string_view text);
// "2026-12".
std::string month_text(Month month);
int days_in(Month month);

// Something in the input that the month leaves out: a file, or a line of it, and why.
struct Problem {
    std::filesystem::path file;
    int line = 0; // from 1; 0 when the whole file is meant
    std::string text;
};
// "ionograms/ZE20R_03122026_15.txt:25: the record is cut short", the file named as given.
std::string problem_text(const Problem& problem);

struct DayFile {
    std::filesystem::path path;
    int interval = 0; // minutes between soundings
};

struct MonthFiles {
    std::array<std::optional<DayFile>, 31> days; // by day of the month, from 0
    std::vector<Problem> problems;
};

// Chooses among the names of a folder's ordinary files: "ZE20R_<ddmmyyyy>_<interval>.txt" of
// the month, any interval. A day with files of two intervals gets neither: one problem of the
// folder names both.
// A name of the month whose day or interval cannot be is named too. Other files are no concern.
MonthFiles choose_month_files(const std::filesystem::path& folder,
                              const std::vector<std::string>& names, Month month);

// The same over the folder's listing; a folder that cannot be listed is one problem.
MonthFiles find_month_files(const std::filesystem::path& folder, Month month);

} // namespace scalvo
