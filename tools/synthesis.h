// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "day_model.h"
#include "frequency_axis.h"
#include "trace_table.h"

#include <cstdint>
#include <vector>

namespace synth {

inline constexpr int heights_per_frequency = 150;

// The amplitude of height index j (1..150) stands for the virtual height 85.5 + 4.5 j km;
// the echo whose leading edge lies at h' lands in the first cell reaching it.
int height_cell_of(double virtual_height);

// Echo amplitudes of one sounding, frequency after frequency, 150 heights each:
// first and second hops of the ordinary trace and of the extraordinary one (the ordinary
// shifted up by the station's separation, or by the magneto-ionic relation), sporadic E with
// its multiples, the noise floor and a few broadcast interference lines; then what the harder
// world adds (spread F, oblique echoes, interference of every kind, another instrument).
std::vector<std::uint8_t> synthesise_amplitudes(const SoundingModel& model,
                                                const TraceTable& traces, const FrequencyAxis& axis,
                                                const World& world = {});

// The extraordinary critical frequency of an ordinary one: fx (fx - fB) = fo^2.
double extraordinary_frequency(double ordinary, double gyrofrequency);

} // namespace synth
