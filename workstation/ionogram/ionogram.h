// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An ionogram in memory: the frequency range and step of the sounding and its echo
// amplitudes, 150 heights for each frequency. The scaling form and the companion window
// each own one.
#include <cstdint>
#include <vector>

namespace scalvo {

inline constexpr int height_count = 150;

struct Ionogram {
    float start_frequency = 0;
    float end_frequency = 0;
    float frequency_step = 0;
    std::int32_t frequency_count = 0;
    // frequency index 1..N by height index 1..150, stored frequency by frequency
    std::vector<std::int16_t> amplitude_grid;

    std::int16_t& cell(int i, int j) {
        return amplitude_grid[static_cast<std::size_t>(i - 1) * height_count +
                              static_cast<std::size_t>(j - 1)];
    }
    std::int16_t cell(int i, int j) const {
        return amplitude_grid[static_cast<std::size_t>(i - 1) * height_count +
                              static_cast<std::size_t>(j - 1)];
    }
};

} // namespace scalvo
