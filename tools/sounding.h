// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "day_model.h"
#include "frequency_axis.h"
#include "ground_truth.h"
#include "world.h"

#include <cstdint>
#include <vector>

namespace synth {

struct Sounding {
    GroundTruth truth;
    std::vector<std::uint8_t> amplitudes; // frequency after frequency, 150 heights each
};

// Profile, traces, truth and amplitudes of one sounding.
Sounding make_sounding(const SoundingModel& model, const FrequencyAxis& axis,
                       const World& world = {});

} // namespace synth
