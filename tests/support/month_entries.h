// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entries written as the printed tables show them, five columns: the value right-aligned in
// three, then the qualifying and descriptive letters. " 72UA", " 72D ", "    C" (a letter alone).
#include "monthly/day_reading.h"

#include <string>
#include <string_view>
#include <vector>

namespace scalvo::testing {

inline Entry entry(std::string_view five) {
    Entry e;
    const std::string_view digits = five.substr(0, 3);
    const auto first = digits.find_first_not_of(' ');
    if (first != std::string_view::npos)
        e.code = std::stoi(std::string(digits.substr(first)));
    e.qualifying = five[3];
    e.descriptive = five[4];
    return e;
}

inline std::vector<Entry> entries(std::initializer_list<std::string_view> fives) {
    std::vector<Entry> all;
    for (const std::string_view f : fives)
        all.push_back(entry(f));
    return all;
}

// Plain values 1 ... n times step.
inline std::vector<Entry> plain_values(int n, int step = 10) {
    std::vector<Entry> all(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        all[static_cast<std::size_t>(k)].code = (k + 1) * step;
    return all;
}

} // namespace scalvo::testing
