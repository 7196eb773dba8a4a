// SPDX-License-Identifier: GPL-3.0-or-later
#include "group_height.h"

#include <cmath>

namespace synth {

// Between two samples fN^2 is taken as linear in height, and the integral over that
// lamina is done exactly: with s = sqrt(1 - X), it is 2 dh / (s_a + s_b). The lamina
// holding the reflection (s_b = 0) gives 2 t dh / s_a, so the inverse square-root
// singularity there is integrated, not sampled, and no lamina is ever infinite.
Echo ordinary_echo(const SampledProfile& profile, double frequency) {
    const auto& fn2 = profile.plasma_frequency_squared;
    const double inverse_f2 = 1.0 / (frequency * frequency);
    const double dh = profile.spacing;
    if (fn2.empty()) {
        return {};
    }
    double x_previous = fn2[0] * inverse_f2;
    if (x_previous >= 1.0) {
        return {true, profile.base_height, profile.base_height, profile.layer[0]};
    }
    double s_previous = std::sqrt(1.0 - x_previous);
    double path = profile.base_height;
    for (std::size_t i = 1; i < fn2.size(); ++i) {
        double x = fn2[i] * inverse_f2;
        if (x >= 1.0) {
            double t = (1.0 - x_previous) / (x - x_previous);
            path += 2.0 * t * dh / s_previous;
            double real = profile.base_height + (static_cast<double>(i - 1) + t) * dh;
            return {true, path, real, profile.layer[i]};
        }
        double s = std::sqrt(1.0 - x);
        path += 2.0 * dh / (s_previous + s);
        s_previous = s;
        x_previous = x;
    }
    return {};
}

} // namespace synth
