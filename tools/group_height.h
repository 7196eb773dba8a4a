// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile.h"

namespace synth {

struct Echo {
    bool reflected = false;
    double virtual_height = 0.0; // km, the group path / 2
    double real_height = 0.0;    // km, where the plasma frequency reaches the wave frequency
    Layer layer = Layer::none;
};

// Virtual height of the ordinary ray at vertical incidence (no magnetic field):
// h' = integral from the ground to the reflection height of dh / sqrt(1 - fN^2/f^2).
// Below the profile's base the plasma frequency is taken as zero.
Echo ordinary_echo(const SampledProfile& profile, double frequency);

} // namespace synth
