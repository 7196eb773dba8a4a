// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace synth {

// The sounding's frequencies, 1 to 20 MHz unless a sounder sweeps less, held in whole kHz so
// that every step lands exactly on the fine trace grid and the header digits are exact.
struct FrequencyAxis {
    static constexpr int lowest_khz = 1000; // the plot's range
    static constexpr int highest_khz = 20000;
    int step_khz = 50;
    int start_khz = lowest_khz;
    int end_khz = highest_khz;

    bool full_range() const { return start_khz == lowest_khz && end_khz == highest_khz; }

    int count() const { return (end_khz - start_khz) / step_khz + 1; }
    int frequency_khz(int index) const { return start_khz + index * step_khz; }
    double frequency(int index) const { return frequency_khz(index) / 1000.0; }
};

// The steps the plot can place: 0.025, 0.05, 0.1, 0.2 and 0.5 MHz.
std::optional<FrequencyAxis> axis_for_step(std::string_view step_mhz);

// Decimal MHz text to whole kHz ("2.5" is 2500), at most three decimals.
std::optional<int> khz_of(std::string_view mhz);

} // namespace synth
