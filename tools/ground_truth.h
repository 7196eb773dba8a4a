// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "day_model.h"
#include "trace_table.h"

#include <optional>

namespace synth {

// What an ideal operator would scale off the sounding; empty where the characteristic
// does not exist (no E by night, no F1 and so no separate h'F2 without it, no Es).
struct GroundTruth {
    std::optional<double> fmin, foE, hE, foEs, hEs, fbEs, hF, foF1, hF2, foF2, fxI, muf3000F2;
};

GroundTruth ground_truth(const SoundingModel& model, const TraceTable& traces);

} // namespace synth
