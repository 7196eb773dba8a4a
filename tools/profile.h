// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace synth {

enum class Layer : std::uint8_t { none, e, f1, f2 };

// An alpha-Chapman layer, given by its critical (peak plasma) frequency.
struct ChapmanLayer {
    double critical_frequency = 0.0; // MHz
    double peak_height = 0.0;        // km
    double scale_height = 0.0;       // km
};

double chapman_plasma_frequency_squared(const ChapmanLayer& layer, double height);

struct Ionosphere {
    std::optional<ChapmanLayer> e;
    std::optional<ChapmanLayer> f1;
    ChapmanLayer f2;
};

// Plasma frequency squared sampled at equal height steps, with the layer that makes
// each sample, so that an echo knows which trace it belongs to.
struct SampledProfile {
    double base_height = 0.0; // km, the first sample
    double spacing = 0.0;     // km
    std::vector<double> plasma_frequency_squared;
    std::vector<Layer> layer;

    double peak_plasma_frequency_squared() const;
};

// A travelling disturbance's ledge on the bottomside of the F2 layer: the plasma frequency
// squared there is raised by `relative` within a Gaussian of `width` km around `height`.
struct Ledge {
    double height = 0.0;
    double width = 0.0;
    double relative = 0.0;
};

// Raises the F2 samples below the layer's peak by the ledge, never to the peak itself, so that
// the trace bends (or makes a small cusp of its own) while foF2 stays the layer's.
void add_ledge(SampledProfile& profile, const Ledge& ledge, const ChapmanLayer& f2);

// The layers do not add up: each height takes the densest layer. Peaks then keep their
// own critical frequencies exactly, which the ground truth relies on.
SampledProfile sample_ionosphere(const Ionosphere& ionosphere, double base_height,
                                 double top_height, double spacing);

} // namespace synth
