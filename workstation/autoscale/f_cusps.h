// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cusps of the F traces: where a trace turns vertical at the critical frequency of its layer.
// The highest pair is the F2 layer's (foF2 and its extraordinary twin fxI); a pair well below it
// is the F1 layer's.
#include "autoscale/scene.h"

#include <optional>
#include <utility>
#include <vector>

namespace scalvo::autoscale {

// The extraordinary trace of this station lies 0.5 MHz above the ordinary one: only the starting
// guess. Elsewhere the gyrofrequency sets it (about 0.3 to 1 MHz), and the trace pairs of each
// sounding tell by how much.
inline constexpr double station_separation = 0.5;
// The separations looked for, MHz.
inline constexpr double closest_separation = 0.2;
inline constexpr double farthest_separation = 1.0;

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

// How the ordinary and extraordinary traces of a sounding lie: the separation that best lays the
// extraordinary trace near its cusp onto the ordinary one, and how many of its echoes it explains.
struct SeparationMatch {
    double separation = station_separation; // MHz
    double score = 0;                       // share of the tested echoes with an ordinary twin
    int tested = 0;                         // echoes of the steep part tested
    // Of those unmatched, the ones inside a taller echo, where the twin may merge.
    int covered = 0;
};
// A cusp at the twin's place counts too.
SeparationMatch match_separation(const Scene& scene, const Cusp& top,
                                 const std::vector<Cusp>& cusps);

struct F2Cusps {
    Cusp extraordinary;           // the highest cusp of a vertical trace
    std::optional<Cusp> ordinary; // its ordinary twin; none when not found
    SeparationMatch match;
    bool measured = false; // the separation was measured on the trace pairs
    // No trace pairs at all: an instrument (or a sounding) that shows the ordinary wave only,
    // whose top cusp is then the ordinary one.
    bool ordinary_only = false;
    bool lead_in = false; // a trace leads into the cusps from below
    bool spread = false;  // echoes of the F heights beyond the top cusp
    bool oblique = false; // a higher cusp was left aside as an oblique copy
    // A guessed pair that may be an oblique copy of a lower one: that pair's ordinary cusp (MHz).
    std::optional<double> copy_below;
    // More cusps about the pair than a pair, its copy and a stray one make: the traces of a
    // range spread, among which the pair was only one choice.
    bool crowded = false;
    // On a coarse sweep: the pair read column by column, each cusp within the step above its
    // column.
    bool coarse = false;
    bool hidden_extraordinary = false; // and the extraordinary cusp perhaps behind a line
    bool ordinary_behind_line = false; // or the ordinary one, behind the line beyond its column
    // On a sweep coarser than 0.25 MHz, how far below its cusp each column lies (MHz), told by
    // how tall its echo stands; none for the extraordinary cusp where it is not told.
    std::optional<double> ordinary_below, extraordinary_below;
    // Whether the ordinary trace's last echo stands as high as its twin's a column on: the
    // station's separation a step.
    std::optional<bool> twins_a_column_apart;
    // The ordinary cusp lost behind a run of lines (MHz, first and last line) that the
    // ordinary trace is seen rising into: the pair is then told by the extraordinary cusp.
    std::optional<std::pair<double, double>> behind_lines;
    // A guessed pair's ordinary cusp standing vertical just beyond lines.
    bool standing_beyond_lines = false;
    // Where the ordinary cusp is the end of the trace the twins were matched on, beyond the
    // measured separation: that separation, which the traces show at equal heights.
    std::optional<double> trace_separation;
};
// The columns where an F trace stands vertical, lower than the top cusp, a separation below it.
std::vector<double> standing_twins(const Scene& scene, const Cusp& top);

// None without cusps.
std::optional<F2Cusps> f2_cusps(const Scene& scene, const std::vector<Cusp>& cusps);
// On a sweep coarser than 0.25 MHz, a step within 0.1 MHz of the station's separation, the pair
// read off the last columns of F echoes alone: none where they do not show it.
std::optional<F2Cusps> too_coarse_cusps(const Scene& scene);

// A trace rises to the cusp from below, over a few columns.
bool leads_in(const Scene& scene, const Cusp& cusp);

// The F1 cusp and its twin (columns), where the F2 trace comes down from it: above the start of
// the F trace `f_start` and well below foF2.
struct F1Cusps {
    int ordinary = 0;
    int extraordinary = 0;
};
std::optional<F1Cusps> f1_cusps(const Scene& scene, const std::vector<const Trace*>& traces,
                                double foF2, double f_start, double separation);

} // namespace scalvo::autoscale
