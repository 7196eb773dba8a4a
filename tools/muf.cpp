// SPDX-License-Identifier: GPL-3.0-or-later
#include "muf.h"

#include <cmath>

namespace synth {

double secant_of_incidence(double virtual_height) {
    const double theta = muf_half_angle;
    double tangent = std::sin(theta) / (1.0 + virtual_height / earth_radius_km - std::cos(theta));
    return std::sqrt(1.0 + tangent * tangent);
}

double muf3000(double frequency, double virtual_height) {
    return static_cast<double>(muf_factor_k) * frequency * secant_of_incidence(virtual_height);
}

} // namespace synth
