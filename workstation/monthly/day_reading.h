// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hourly values of one day from its scaled-values file: the record at minute 00 of each
// hour, row by row, with its letters. What cannot be read is named and left out.
#include "monthly/month_files.h"
#include "scaling/sheet.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scalvo {

// One characteristic of one hour. Empty: no value and no letter (an unscaled hour).
struct Entry {
    std::optional<int> code; // the value code; nullopt when the value is missing or replaced
    char qualifying = ' ';
    char descriptive = ' ';
    std::string es_types; // the Es types row only
    bool empty() const {
        return !code && qualifying == ' ' && descriptive == ' ' && es_types.empty();
    }
    friend bool operator==(const Entry&, const Entry&) = default;
};

using HourEntries = std::array<Entry, row_count>; // by index_of(Row)

struct DayReading {
    // Every Entry initialises itself; a "{}" here crashes clang 14's parser (the fuzz build).
    std::array<HourEntries, 24> hours;
    std::vector<Problem> problems;
};

// The value codes are at most 999: the tabulation of the exchange format has three digits.
inline constexpr int largest_code = 999;

// Reads the bytes of a scaled-values file whose records follow each other at this interval
// (minutes). A record is taken by its line: a line cut short, with its fixed texts out of place
// or with the time of another record is left out whole; a field that is not a value code, a
// letter of its alphabet or Es types is left out alone. Each is named with its line.
DayReading read_day(std::string_view bytes, const std::filesystem::path& file, int interval);

} // namespace scalvo
