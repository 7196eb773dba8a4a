// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Soundings the generator's tests draw from, and what they read off a column of its bytes.
#include "group_height.h"
#include "profile.h"
#include "sounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace synth::models {

inline SoundingModel night_model() {
    SoundingModel m;
    m.cos_zenith = -0.6;
    m.fmin = 1.4;
    m.ionosphere.f2 = {5.0, 300.0, 44.0};
    m.noise_seed = 99;
    return m;
}

// A summer noon with E, F1 and F2.
inline SoundingModel noon_model() {
    SoundingModel m;
    m.cos_zenith = 0.75;
    m.fmin = 2.0;
    m.ionosphere.e = ChapmanLayer{3.5, 110.0, 9.0};
    m.ionosphere.f1 = ChapmanLayer{5.2, 185.0, 24.0};
    m.ionosphere.f2 = {9.0, 255.0, 32.0};
    return m;
}

inline double group_height(const SoundingModel& m, double f) {
    return ordinary_echo(sample_ionosphere(m.ionosphere, 60.0, 700.0, 0.5), f).virtual_height;
}

// The strongest byte of height cells first..last (1-based) at frequency f, step 0.05 MHz.
inline int strongest(const std::vector<std::uint8_t>& bytes, double f, int first, int last) {
    auto column = bytes.begin() + std::lround((f - 1.0) / 0.05) * 150;
    return *std::max_element(column + std::clamp(first, 1, 150) - 1,
                             column + std::clamp(last, 1, 150));
}

} // namespace synth::models
