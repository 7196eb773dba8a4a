// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile.h"

#include <algorithm>
#include <cmath>

namespace synth {

double chapman_plasma_frequency_squared(const ChapmanLayer& layer, double height) {
    double z = (height - layer.peak_height) / layer.scale_height;
    // Far below the peak exp(-z) overflows the exponent long before it matters.
    if (z < -30.0) {
        return 0.0;
    }
    double relative_density = std::exp(0.5 * (1.0 - z - std::exp(-z)));
    return layer.critical_frequency * layer.critical_frequency * relative_density;
}

double SampledProfile::peak_plasma_frequency_squared() const {
    if (plasma_frequency_squared.empty()) {
        return 0.0;
    }
    return *std::max_element(plasma_frequency_squared.begin(), plasma_frequency_squared.end());
}

void add_ledge(SampledProfile& profile, const Ledge& ledge, const ChapmanLayer& f2) {
    double ceiling = 0.97 * f2.critical_frequency * f2.critical_frequency;
    for (std::size_t i = 0; i < profile.plasma_frequency_squared.size(); ++i) {
        double height = profile.base_height + static_cast<double>(i) * profile.spacing;
        if (profile.layer[i] != Layer::f2 || height >= f2.peak_height) {
            continue;
        }
        double z = (height - ledge.height) / ledge.width;
        double& fn2 = profile.plasma_frequency_squared[i];
        double raised = fn2 * (1.0 + ledge.relative * std::exp(-z * z));
        fn2 = std::max(fn2, std::min(raised, ceiling));
    }
}

SampledProfile sample_ionosphere(const Ionosphere& ionosphere, double base_height,
                                 double top_height, double spacing) {
    SampledProfile profile;
    profile.base_height = base_height;
    profile.spacing = spacing;
    auto count = static_cast<std::size_t>(std::floor((top_height - base_height) / spacing)) + 1;
    profile.plasma_frequency_squared.resize(count);
    profile.layer.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        double height = base_height + static_cast<double>(i) * spacing;
        double densest = chapman_plasma_frequency_squared(ionosphere.f2, height);
        Layer layer = Layer::f2;
        if (ionosphere.f1) {
            double f1 = chapman_plasma_frequency_squared(*ionosphere.f1, height);
            if (f1 > densest) {
                densest = f1;
                layer = Layer::f1;
            }
        }
        if (ionosphere.e) {
            double e = chapman_plasma_frequency_squared(*ionosphere.e, height);
            if (e > densest) {
                densest = e;
                layer = Layer::e;
            }
        }
        profile.plasma_frequency_squared[i] = densest;
        profile.layer[i] = layer;
    }
    return profile;
}

} // namespace synth
