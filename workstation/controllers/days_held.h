// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The days the ionograms/ folder holds: their ionogram files, and the day files of the
// soundings stored, for File > Open day… and for the first start in a folder.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace scalvo {

struct DayHeld {
    std::string date;          // dd-mm-yyyy
    std::string interval_text; // "05", "10", "15", "30" or "60"
    int soundings = 0;         // ionogram files at the interval's times
    int stored = 0;            // records of the day file that hold a sheet
    int records = 0;           // soundings the day has at this interval
    friend bool operator==(const DayHeld&, const DayHeld&) = default;
};

// Latest day first: one entry for each day file of a day, and for a day with ionogram files
// but no day file, one at the interval its soundings keep. Files whose names are not the
// station's, or name no date, are left out; a folder that cannot be read holds no days.
std::vector<DayHeld> days_held(const std::filesystem::path& ionogram_folder);
// The latest day with ionogram files and the interval its soundings keep, without counting.
std::optional<DayHeld> latest_day_with_ionograms(const std::filesystem::path& ionogram_folder);

// The interval of soundings at these minutes of the day: the one that takes in the most of
// them, the longer of two that take in as many (files every 15 minutes are at 15, not 05).
std::string interval_of(const std::vector<int>& minutes_of_day);

} // namespace scalvo
