// SPDX-License-Identifier: GPL-3.0-or-later
#include "frequency_axis.h"

namespace synth {

std::optional<int> khz_of(std::string_view mhz) {
    // Decimal text to exact kHz: "0.05", ".05" and "0.050" are all 50 kHz.
    int khz = 0;
    int decimals = -1;
    for (char c : mhz) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && decimals < 3 && khz < 100000) {
            khz = khz * 10 + (c - '0');
            if (decimals >= 0) {
                ++decimals;
            }
        } else {
            return std::nullopt;
        }
    }
    if (mhz.empty() || mhz == ".") {
        return std::nullopt;
    }
    for (int d = decimals < 0 ? 0 : decimals; d < 3; ++d) {
        khz *= 10;
    }
    return khz;
}

std::optional<FrequencyAxis> axis_for_step(std::string_view step_mhz) {
    auto khz = khz_of(step_mhz);
    if (khz && (*khz == 25 || *khz == 50 || *khz == 100 || *khz == 200 || *khz == 500)) {
        return FrequencyAxis{*khz};
    }
    return std::nullopt;
}

} // namespace synth
