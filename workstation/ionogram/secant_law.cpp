// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram/secant_law.h"

#include <cmath>

namespace scalvo {

double cos_incidence(float height) {
    const double tan_i = std::sin(static_cast<double>(secant_theta)) /
                         (1 + height / earth_radius - std::cos(static_cast<double>(secant_theta)));
    return std::cos(std::atan(tan_i));
}

double muf_of_echo(float frequency, float height) {
    return secant_k * frequency / cos_incidence(height);
}

} // namespace scalvo
