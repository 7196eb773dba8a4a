// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounding.h"

#include "profile.h"
#include "synthesis.h"
#include "trace_table.h"

namespace synth {

namespace {
// Half-kilometre laminae keep the group heights within a tenth of a kilometre up to
// 0.999 of a critical frequency; the top is above any F2 peak of the model.
constexpr double profile_base = 60.0;
constexpr double profile_top = 700.0;
constexpr double profile_spacing = 0.5;
} // namespace

Sounding make_sounding(const SoundingModel& model, const FrequencyAxis& axis, const World& world) {
    SampledProfile profile =
        sample_ionosphere(model.ionosphere, profile_base, profile_top, profile_spacing);
    if (model.ledge) {
        add_ledge(profile, *model.ledge, model.ionosphere.f2);
    }
    TraceTable traces(profile, model.fmin - TraceTable::spacing);
    Recording recording{axis.frequency(0), axis.frequency(axis.count() - 1), world.ordinary_only};
    return Sounding{ground_truth(model, traces, recording),
                    synthesise_amplitudes(model, traces, axis, world)};
}

} // namespace synth
