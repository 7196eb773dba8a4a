// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cusps of the F traces: where a trace turns vertical at the critical frequency of its layer.
// The highest pair is the F2 layer's (foF2 and its extraordinary twin fxI); a pair well below it
// is the F1 layer's.
#include "autoscale/scene.h"

#include <optional>
#include <vector>

namespace scalvo::autoscale {

// The extraordinary trace of this station lies 0.5 MHz above the ordinary one; elsewhere it is
// closer, and the pair of cusps of a sounding tells by how much.
inline constexpr double station_separation = 0.5;

struct Cusp {
    int column = 0;
    int index = 0; // leading edge at the cusp
    double rise = 0;
    const Trace* trace = nullptr; // none when the cusp was told from its twin
};

// Traces lying wholly in the F heights.
std::vector<const Trace*> f_region_traces(const Scene& scene);

// Trace ends rising by 40 km over 0.2 MHz and cusps hidden in runs, each read where the trace
// stands vertical; by column.
std::vector<Cusp> cusps_of(const Scene& scene, const std::vector<const Trace*>& traces);

struct F2Cusps {
    Cusp extraordinary;           // the highest cusp
    std::optional<Cusp> ordinary; // its ordinary twin; none when not found
};
// None without cusps.
std::optional<F2Cusps> f2_cusps(const Scene& scene, const std::vector<Cusp>& cusps);

// The F1 cusp and its twin (columns), where the F2 trace comes down from it: above the start of
// the F trace `f_start` and well below foF2.
struct F1Cusps {
    int ordinary = 0;
    int extraordinary = 0;
};
std::optional<F1Cusps> f1_cusps(const Scene& scene, const std::vector<const Trace*>& traces,
                                double foF2, double f_start, double separation);

} // namespace scalvo::autoscale
