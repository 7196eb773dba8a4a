// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The echoes and traces of one sounding with the questions every reading asks of them.
#include "autoscale/chapman.h"
#include "autoscale/echoes.h"
#include "autoscale/proposals.h"
#include "autoscale/traces.h"

#include <optional>
#include <utility>
#include <vector>

namespace scalvo::autoscale {

// Leading edges at or below this index (146 km) make a trace of the E region; at or above
// f_region_lowest (169 km) one of the F region. Between them a trace is left unread: rising
// parts of E traces that came apart from their start.
inline constexpr int e_region_highest = 14;
inline constexpr int f_region_lowest = 19;

struct Scene {
    EchoImage image;
    std::vector<Trace> traces; // first hops long enough to be traces, not speckle
    // The cells a pulse trails behind its leading edge on this sounding: the station's, or
    // longer where the flat parts of the traces show a longer pulse.
    int pulse = pulse_tail;

    double frequency(int column) const;
    int x(int column) const;
    // Columns in a frequency interval of this many MHz, at least one.
    int columns_in(double megahertz) const;
    // The column nearest a frequency, within the sounding.
    int column_of(double frequency) const;
    // A sweep coarser than 0.1 MHz: a column stands for a band a step wide, and traces merge or
    // climb between samples.
    bool coarse() const { return image.step > finest_coarse_step + 1e-6; }
    // Coarser than 0.25 MHz: fmin, foE and h'F are not told, nor a cusp pair.
    bool too_coarse() const { return image.step > coarsest_step + 1e-6; }

    static constexpr double finest_coarse_step = 0.1;
    static constexpr double coarsest_step = 0.25;
};

Scene make_scene(EchoImage image);

// The first column of the traces spanning at least `shortest` MHz, -1 for none: where the
// sounding's echoes begin (fmin), short bursts of noise below them left out.
int first_column_of_traces(const Scene& scene, double shortest);
// A trace must span this much (MHz) to tell fmin or h'F: impulses and pieces of interference
// lines join a column or two, standing below or before the traces.
inline constexpr double shortest_telling_trace = 0.2;

// Leading edge rise over a trace's last `window` MHz above the lowest leading edge of the
// trace, in km: large where the trace turns up into a cusp.
double end_rise(const Scene& scene, const Trace& trace, double window);

// The highest leading edge a run may hold, beyond one pulse's trail.
int top_of(const Scene& scene, const Segment& segment);
int top_of(const Scene& scene, const TracePoint& point);
// Height (km) by which that stands above the run's leading edge: an ordinary trace rising within
// the run of its extraordinary twin, or of a flat trace below it.
double excess(const Scene& scene, const TracePoint& point);
// Cusps hidden in runs: the top stands at least `rise` km above the leading edge and falls back
// at the next echo of the trace.
std::vector<TracePoint> hidden_cusps(const Scene& scene, const Trace& trace, double rise);

Proposal frequency_proposal(const Scene& scene, int column, int index, double confidence);
Proposal height_proposal(const Scene& scene, int column, int index, double confidence);

struct FLayers {
    std::optional<Proposal> hF, foF1, hF2, foF2, fxI, muf, m3000;
    std::optional<int> first_column; // lowest frequency of a first-hop F echo
    double separation = 0.5;         // of the ordinary and extraordinary cusps, MHz
    bool ordinary_only = false;      // the sounding shows no extraordinary trace
    // The gyrofrequency the measured cusp pair gives (fx (fx - fB) = fo^2); none where the
    // separation was not measured.
    std::optional<double> gyrofrequency;
    // The separation of the twins whose ordinary cusp lies at fo (MHz).
    double separation_at(double fo) const;
    // The ordinary trace, (MHz, km), and h'F read off the Chapman layer it follows: the answer
    // where nothing lies below the F layer and the start of its trace is hidden.
    std::vector<std::pair<double, double>> ordinary;
    std::vector<std::pair<double, double>> envelope; // lowest first-hop echo, unobscured (MHz, km)
    std::optional<double> layer_hF;
    // The top cusp where no twin was found, as read on an instrument without the extraordinary
    // wave: the day read together tells whether the sounder is one.
    std::optional<Proposal> lone_top;
    std::optional<Proposal> untwinned_top; // a top cusp without twin, led into
    // The pair guessed where the trace pairs told nothing either way, led into cleanly.
    std::optional<GuessedPair> guessed;
    std::optional<bool> twins_a_column_apart; // on a sweep coarser than 0.25 MHz
    std::optional<TraceFit> layer;
    std::vector<double> cusps; // every cusp found (MHz)
    double fmin = 0;
    bool start_hidden = false; // h'F was read well above fmin
    // The lowest echo lies over a long pulse's multiple band, which may hide the base.
    bool base_in_multiple = false;
    // The first column of the F traces long enough to tell h'F.
    std::optional<int> seen_from;
    bool seen_flat = false;       // within a cell over its first 0.3 MHz
    bool seen_descending = false; // coming down over it
};
FLayers read_f_layers(const Scene& scene);

struct LowLayers {
    std::optional<Proposal> fmin, foE, hE, foEs, hEs, fbEs;
    bool no_sporadic_e = false;  // see Proposals
    bool f_start_hidden = false; // the F trace's lower part lies behind a sporadic E
};
LowLayers read_low_layers(const Scene& scene, const FLayers& f_layers);

} // namespace scalvo::autoscale
