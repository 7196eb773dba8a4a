// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics of one characteristic at one hour of the month: how many values count, their
// median, quartiles and deciles, by the international rules for monthly medians (the README
// lists each rule and its source).
#include "monthly/day_reading.h"

#include <optional>
#include <span>

namespace scalvo {

// A statistic as the tables print it: a value code with letters, or a letter alone where the
// statistic falls among values replaced by a letter.
struct Statistic {
    bool present = false; // false: nothing to tabulate (no value counts)
    std::optional<int> code;
    char qualifying = ' ';
    char descriptive = ' ';
    friend bool operator==(const Statistic&, const Statistic&) = default;
};

struct HourStatistics {
    int count = 0; // the values that count
    Statistic median;
    Statistic upper_quartile;
    Statistic lower_quartile;
    Statistic upper_decile;
    Statistic lower_decile;
    std::optional<int> range; // upper quartile minus lower quartile, when both are numbers
};

// A median of fewer values than this is doubtful (qualifying letter U), and so are the
// quartiles and deciles of those values.
inline constexpr int fewest_values_for_a_sure_median = 10;

// The statistics of one characteristic (not the Es types) over the entries of one hour, one
// per day. The order of the entries does not matter.
HourStatistics hour_statistics(Row row, std::span<const Entry> entries);

} // namespace scalvo
