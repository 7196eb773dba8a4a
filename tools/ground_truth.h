// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "day_model.h"
#include "trace_table.h"

#include <optional>
#include <string>
#include <vector>

namespace synth {

// What an ideal operator would scale off the sounding; empty where the characteristic
// does not exist (no E by night, no F1 and so no separate h'F2 without it, no Es).
// `hidden` names, in the truth file's column order, the characteristics that exist but that a
// condition keeps a careful operator from reading: a proposal there is a wrong one.
struct GroundTruth {
    std::optional<double> fmin, foE, hE, foEs, hEs, fbEs, hF, foF1, hF2, foF2, fxI, muf3000F2;
    std::vector<std::string> hidden;
};

// What the instrument records of the sky: its frequency range and whether it hears the
// extraordinary wave.
struct Recording {
    double lowest = 1.0; // MHz
    double highest = 20.0;
    bool ordinary_only = false;
};

GroundTruth ground_truth(const SoundingModel& model, const TraceTable& traces,
                         const Recording& recording = {});

} // namespace synth
