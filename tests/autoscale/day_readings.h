// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The readings the day tests hand to the engine: a plain reading of a value, and foE along the
// sun's curve of the test day.
#include "autoscale/proposals.h"

#include <cmath>
#include <numbers>

namespace scalvo::autoscale::testing {

// A value read off a sounding, with nothing to qualify it.
inline Proposal read(double value) {
    return Proposal{value, 0.9, 100, 100, 0, 0};
}

// foE^4 follows the cosine of the sun's zenith angle: noon at 11:10; foE stands above 1.8 MHz
// (the tests' daytime fmin) from about 03:34 to about 18:46, and is gone from 19:22.
inline double sun_foE(int minute) {
    const double c = 0.3 + 0.55 * std::cos(2 * std::numbers::pi * (minute - 670) / 1440.0);
    return c > 0 ? 0.9 * std::pow(210 * c, 0.25) : 0.0;
}

} // namespace scalvo::autoscale::testing
