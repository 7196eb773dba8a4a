// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/scene.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace scalvo::autoscale {

namespace {

// An E trace turns up by 20 km over its last 0.15 MHz into its cusp; sporadic E stays flat.
constexpr double e_cusp_rise = 20;
constexpr double e_cusp_window = 0.15;
// A sporadic E's trace rises by a cell or two near its top frequency.
constexpr int highest_upturn = 3;
// Alone (without an E trace to compare with) a sporadic E spans at least this much, MHz.
constexpr double shortest_sporadic = 0.25;
// The F trace starts just above foE: an E cusp may lie this far (MHz) beyond its start.
constexpr double e_beyond_f_start = 0.25;
// An E trace shown over less than this (MHz) up to its cusp tells no foE.
constexpr double shortest_e_trace = 0.3;
// The F trace shows from just beyond foE: first seen this far (MHz) beyond it, its start was
// hidden.
constexpr double hidden_f_start = 0.5;
// Coming down where first seen, from this far (MHz) below to this far beyond where the
// extraordinary twin of the E cusp lies, the trace seen is that twin's, coming down from it: the
// ordinary trace's base lies hidden below.
constexpr double twin_start_below = 0.1;
constexpr double twin_start_beyond = 0.15;

std::vector<const Trace*> low_traces(const Scene& scene) {
    std::vector<const Trace*> traces;
    for (const Trace& trace : scene.traces)
        if (trace.lowest() <= e_region_highest)
            traces.push_back(&trace);
    return traces;
}

// A sporadic E: a flat run of the lowest E-region echoes from its lowest frequency up, at its
// level or rising by a cell or so from column to column (the slight upturn of a thin layer near
// its top).
struct EsRun {
    int start = -1;
    int end = -1;
    int level = 0;                          // its lowest leading edge
    std::vector<std::pair<int, int>> chain; // (column, leading edge)
};

EsRun sporadic_run(const Scene& scene, const std::map<int, int>& lowest_by_column, int base) {
    const int max_gap = scene.columns_in(0.1);
    EsRun run;
    int previous = 0;
    for (const auto& [column, index] : lowest_by_column) {
        if (run.start < 0) {
            if (index >= base - 1 && index <= base + 2) {
                run.start = run.end = column;
                run.level = previous = index;
                run.chain.emplace_back(column, index);
            }
            continue;
        }
        int gap = 0;
        for (int c = run.end + 1; c < column; ++c)
            gap += scene.image.columns[static_cast<std::size_t>(c)].interference ? 0 : 1;
        if (gap > max_gap)
            break;
        const bool continues = index >= base - 1 && index <= base + highest_upturn &&
                               std::abs(index - previous) <= 1 + gap;
        if (continues) {
            run.end = column;
            run.level = std::min(run.level, index);
            previous = index;
            run.chain.emplace_back(column, index);
        }
    }
    return run;
}

// Whether a segment of a column is the sporadic E's own second or third hop.
bool sporadic_multiple(const Segment& segment, int level) {
    const int top = level + highest_upturn;
    return (segment.low >= 2 * level + 17 && segment.low <= 2 * top + 20 + pulse_tail) ||
           (segment.low >= 3 * level + 35 && segment.low <= 3 * top + 39 + pulse_tail);
}

// A sporadic E that blankets the layers above reflects nearly all that reaches it: its echo
// goes on to the third hop (looked for below `before`, where nothing else shows), which a
// partly transparent one does not show.
bool shows_third_hop(const Scene& scene, const EsRun& run, int before) {
    int columns = 0;
    int with_third = 0;
    const int top = run.level + highest_upturn;
    for (int c = run.start; c <= run.end && c < before; ++c) {
        const EchoColumn& column = scene.image.columns[static_cast<std::size_t>(c)];
        if (column.interference)
            continue;
        ++columns;
        for (const Segment& segment : column.segments)
            if (segment.low >= 3 * run.level + 35 && segment.low <= 3 * top + 39) {
                ++with_third;
                break;
            }
    }
    return columns > 0 && 10 * with_third >= 3 * columns;
}

// Whether the F echo where the layers above first show lies clear above the sporadic E's second
// hop: a transparent sporadic E would have let it show at lower frequencies too, where only the
// second hop lying on it could have hidden it.
bool clear_of_second_hop(const Scene& scene, const EsRun& run, int through) {
    if (through < 0)
        return false;
    const auto& segments = scene.image.columns[static_cast<std::size_t>(through)].segments;
    int second_hop_top = 2 * run.level + 19;
    for (const Segment& segment : segments)
        if (segment.multiple && sporadic_multiple(segment, run.level))
            second_hop_top = std::max(second_hop_top, segment.high);
    for (const Segment& segment : segments)
        if (!segment.multiple && segment.low >= f_region_lowest)
            return segment.low > second_hop_top + 2;
    return false;
}

// The top of the sporadic E's own echo, the median over its run: a strong one trails further than
// a weak one, and only an echo reaching well above that is the E layer's beside it.
constexpr int beside_run_top = 3;
int run_top(const Scene& scene, const EsRun& run) {
    std::vector<int> tops;
    for (const auto& [c, index] : run.chain)
        for (const Segment& segment : scene.image.columns[static_cast<std::size_t>(c)].segments)
            if (segment.low == index)
                tops.push_back(top_of(scene, segment));
    if (tops.empty())
        return run.level;
    const auto middle = tops.begin() + static_cast<std::ptrdiff_t>(tops.size() / 2);
    std::nth_element(tops.begin(), middle, tops.end());
    return *middle;
}

// Whether a column shows an echo from above the sporadic E, or from the E layer apart from it
// (`top`: the run's).
bool seen_through(const Scene& scene, const EchoColumn& column, const EsRun& run, int top) {
    const int above = std::max(run.level + highest_upturn + 2, top + beside_run_top);
    for (const Segment& segment : column.segments) {
        if (segment.low >= f_region_lowest) {
            if (!sporadic_multiple(segment, run.level))
                return true;
        } else if (!segment.multiple &&
                   (segment.low <= run.level - 2 || segment.low >= run.level + highest_upturn + 1 ||
                    top_of(scene, segment) >= above)) {
            return true;
        }
    }
    return false;
}

// The lowest frequency from which echoes of the layers above a sporadic E (or of the E layer
// beside it) show in two neighbouring columns: below it the sporadic E blankets them. -1 for
// none.
int first_seen_through(const Scene& scene, const EsRun& run, int first) {
    const auto count = static_cast<int>(scene.image.columns.size());
    const int top = run_top(scene, run);
    int previous = -1;
    for (int c = first; c < count; ++c) {
        const EchoColumn& column = scene.image.columns[static_cast<std::size_t>(c)];
        if (column.interference)
            continue;
        if (!seen_through(scene, column, run, top)) {
            previous = -1;
            continue;
        }
        if (previous >= 0)
            return previous;
        previous = c;
    }
    return -1;
}

// The E trace turns up into its cusp at foE, often within the run of its extraordinary twin or
// of a sporadic E; the twin's cusp lies the separation higher. The F trace starts just above foE.
struct ECusps {
    int ordinary = -1; // columns; -1 for none
    int extraordinary = -1;
    double confidence = 0.6;
    bool guessed = false; // the ordinary cusp placed the separation below a lone cusp
};

ECusps e_cusps(const Scene& scene, const std::vector<const Trace*>& traces,
               const FLayers& f_layers) {
    std::vector<int> cusps;
    for (const Trace* trace : traces) {
        if (end_rise(scene, *trace, e_cusp_window) >= e_cusp_rise)
            cusps.push_back(trace->last_column());
        for (const TracePoint& point : hidden_cusps(scene, *trace, e_cusp_rise))
            cusps.push_back(point.column);
    }
    // The E layer's cusps lie below the F layer's: a cusp of the E heights beyond the F traces
    // is a piece of a line or a band, and may not stand for the E layer's twin either.
    if (const auto& top = f_layers.fxI ? f_layers.fxI : f_layers.foF2)
        std::erase_if(cusps, [&](int c) { return scene.frequency(c) > top->value + 1e-9; });
    std::sort(cusps.begin(), cusps.end());
    const bool has_start = f_layers.first_column.has_value();
    const double f_start = has_start ? scene.frequency(*f_layers.first_column) : 0.0;
    ECusps found;
    const auto off = [&](int c) {
        return has_start ? std::fabs(scene.frequency(c) - f_start) : scene.frequency(c);
    };
    for (const int a : cusps)
        for (const int b : cusps) {
            const double apart = scene.frequency(b) - scene.frequency(a);
            if (apart < 0.1 || std::fabs(apart - f_layers.separation_at(scene.frequency(a))) >
                                   0.12 + scene.image.step)
                continue;
            if (found.ordinary < 0 || off(a) < off(found.ordinary))
                found = ECusps{a, b, 0.9};
        }
    if (found.ordinary < 0 && !cusps.empty()) {
        found.extraordinary = cusps.back();
        const double f_end = scene.frequency(found.extraordinary);
        const double separation = f_layers.separation_at(f_end - f_layers.separation_at(f_end));
        found.ordinary = scene.column_of(f_end - separation);
        found.guessed = true;
        // A cusp between the guess and the last one tells against the guess: the last may be
        // the twin of a separation other than the F layer's, or no E cusp at all.
        const bool between = std::any_of(cusps.begin(), cusps.end(), [&](int c) {
            return c > found.ordinary + 1 && c < found.extraordinary - 1;
        });
        if (between) {
            found.confidence = 0.2;
        } else if (has_start && std::fabs(f_start - scene.frequency(found.ordinary)) <= 0.2) {
            found.confidence = 0.8;
        } else if (has_start && f_start >= f_end - 0.1 && f_start <= f_end + 0.2) {
            // The F trace starts at the end: that was the ordinary cusp, without its twin.
            found = ECusps{found.extraordinary, scene.column_of(f_end + separation), 0.7, false};
        }
    }
    // The E layer stops the F echoes below foE: a cusp well beyond the start of the F trace is
    // no E cusp (a piece of a line, or an echo of the F heights).
    if (found.ordinary >= 0 && has_start &&
        scene.frequency(found.ordinary) > f_start + e_beyond_f_start + 1e-9)
        found.confidence = 0.2;
    return found;
}

// Whether the run keeps near its level over its last three columns.
bool ends_flat(const EsRun& run) {
    const std::size_t n = run.chain.size();
    for (std::size_t k = n > 3 ? n - 3 : 0; k < n; ++k)
        if (run.chain[k].second > run.level + 2)
            return false;
    return true;
}

// foEs, h'Es and fbEs of the flat run, where it is a sporadic E: with an E trace the flat run
// holds its extraordinary twin up to near its cusp (`x_end`), and sporadic E shows as a flat run
// beyond that. Alone, a run must be long enough not to be a few specks.
void read_sporadic(const Scene& scene, const EsRun& run, int x_end, int first, LowLayers& result) {
    const double run_end_frequency = scene.frequency(run.end);
    const bool long_enough =
        run_end_frequency - scene.frequency(run.start) >= shortest_sporadic - 1e-9;
    if (!long_enough)
        return;
    if (x_end >= 0 && run.end <= x_end) {
        // Ending at the twin's cusp, it is a sporadic E only where it stays flat there: the twin's
        // trace rises into its cusp.
        if (run_end_frequency < scene.frequency(x_end) - 0.05 || !ends_flat(run))
            return;
    }
    // Below the E cusps the run may be the E trace's; beyond them it is the sporadic E's alone.
    int level = run.level;
    if (x_end >= 0) {
        int beyond = 1000;
        int count = 0;
        for (const auto& [column, index] : run.chain)
            if (column > x_end) {
                beyond = std::min(beyond, index);
                ++count;
            }
        if (count >= 2)
            level = beyond;
    }
    result.foEs = frequency_proposal(scene, run.end, level, 0.7);
    result.hEs = height_proposal(scene, run.start, level, 0.7);
    // Below the frequency from which the layers above show, the sporadic E either blankets
    // them, or it is transparent and they hide within its own trace.
    const double fmin = result.fmin->value;
    const int through = first_seen_through(scene, run, first);
    const int hidden_to = through < 0 ? run.end : std::min(through, run.end + 1);
    if (scene.frequency(hidden_to) <= fmin + std::max(0.15, 2.5 * scene.image.step) ||
        (!shows_third_hop(scene, run, hidden_to) && !clear_of_second_hop(scene, run, through)))
        result.fbEs = result.fmin;
    else if (through < 0 || through > run.end)
        result.fbEs = result.foEs;
    else
        result.fbEs = frequency_proposal(scene, through, run.level, 0.6);
}

// Whether a column holds a first-hop echo from the E region: of the E layer, or of a sporadic E.
bool e_region_echo(const EchoColumn& column) {
    if (column.interference)
        return false;
    for (const Segment& segment : column.segments)
        if (!segment.multiple && segment.low <= e_region_highest)
            return true;
    return false;
}

// No sporadic E anywhere: no echo of the E region from fmin up, or, with an E layer read, none
// beyond its extraordinary cusp (a flat run below that was found to be the E trace's own). Any
// echo left unexplained there may be a weak sporadic E, and then the sounding says nothing.
bool no_sporadic_e(const Scene& scene, int first, int x_end) {
    const auto count = static_cast<int>(scene.image.columns.size());
    const int from = x_end < 0 ? first : x_end + scene.columns_in(0.1) + 1;
    for (int c = std::max(first, from); c < count; ++c)
        if (e_region_echo(scene.image.columns[static_cast<std::size_t>(c)]))
            return false;
    return true;
}

} // namespace

LowLayers read_low_layers(const Scene& scene, const FLayers& f_layers) {
    LowLayers result;
    int first = -1;
    for (const Trace& trace : scene.traces)
        if (first < 0 || trace.first_column() < first)
            first = trace.first_column();
    if (first < 0)
        return result;
    // Echoes begin where a trace begins; a burst of noise before it does not tell fmin.
    const int telling = first_column_of_traces(scene, shortest_telling_trace);
    const int fmin_column = telling >= 0 ? telling : first;
    result.fmin = frequency_proposal(scene, fmin_column, 0, telling >= 0 ? 0.8 : 0.3);
    for (const Trace& trace : scene.traces)
        if (trace.first_column() == fmin_column) {
            result.fmin->y = plot_row_of(trace.points.front().low);
            break;
        }

    const std::vector<const Trace*> traces = low_traces(scene);
    if (traces.empty()) {
        result.no_sporadic_e = no_sporadic_e(scene, first, -1);
        return result;
    }

    // The lowest echo of each column in the E region, and the level most of them keep.
    std::map<int, int> lowest_by_column;
    for (const Trace* trace : traces)
        for (const TracePoint& point : trace->points) {
            auto [it, inserted] = lowest_by_column.emplace(point.column, point.low);
            if (!inserted)
                it->second = std::min(it->second, point.low);
        }
    std::vector<int> levels;
    for (const auto& [column, index] : lowest_by_column)
        levels.push_back(index);
    std::sort(levels.begin(), levels.end());
    const int base = levels.size() >= 2 ? levels[1] : levels[0];

    const ECusps e = e_cusps(scene, traces, f_layers);
    int x_end = -1;
    if (e.ordinary >= 0 && scene.frequency(e.ordinary) >= result.fmin->value) {
        // An E trace shown over less than `shortest_e_trace` below its cusp may be the F
        // trace's start bending over an E layer that absorption hides: it tells neither foE
        // nor h'E. Coarser sweeps than 0.1 MHz do not tell that length.
        const bool short_e = !scene.coarse() && scene.frequency(e.ordinary) <
                                                    result.fmin->value + shortest_e_trace - 1e-9;
        result.foE = frequency_proposal(scene, e.ordinary, base, short_e ? 0.2 : e.confidence);
        // On a coarse sweep the cusp lies within the step above the E trace's last column.
        if (scene.coarse())
            result.foE->value += scene.image.step / 2;
        // h'E is the height of the E trace that foE ends: no surer than its cusp.
        result.hE = height_proposal(scene, lowest_by_column.begin()->first, base,
                                    std::min(0.7, result.foE->confidence));
        x_end = e.extraordinary;
    }

    const EsRun run = sporadic_run(scene, lowest_by_column, base);
    if (run.start >= 0)
        read_sporadic(scene, run, x_end, first, result);
    // The F trace shows from just beyond foE. First seen far beyond it and not flat there, its
    // lower part was hidden (a sporadic E blanketing it or its multiples lying on the trace,
    // absorption near the E layer's peak): the lowest height seen is no h'F. Without a sporadic
    // E, a trace coming down where first seen shows its base. The E trace showing beside a
    // sporadic E does not tell which hid it, so fbEs is left as read. Coming down from where the
    // E cusp's extraordinary twin lies, the trace seen is the twin's.
    if (result.foE && f_layers.seen_from && !f_layers.seen_flat) {
        const double seen = scene.frequency(*f_layers.seen_from);
        const double twin_start = result.foE->value + f_layers.separation_at(result.foE->value);
        const bool twin_seen = f_layers.seen_descending && f_layers.gyrofrequency &&
                               seen >= twin_start - twin_start_below - 1e-9 &&
                               seen <= twin_start + twin_start_beyond + 1e-9;
        const bool base_seen = f_layers.seen_descending && !twin_seen;
        if (result.foEs || !base_seen)
            result.f_start_hidden = seen > result.foE->value + hidden_f_start + 1e-9;
    }
    // A lone cusp where the sporadic E ends is its own end, not an E layer's twin.
    if (e.guessed && result.foE && result.foEs && !scene.too_coarse() &&
        std::fabs(scene.frequency(e.extraordinary) - result.foEs->value) <=
            scene.image.step + 0.03) {
        result.foE.reset();
        result.hE.reset();
    }
    // E-region echoes without an E layer read are left unexplained.
    result.no_sporadic_e = !result.foEs && result.foE && no_sporadic_e(scene, first, x_end);
    return result;
}

} // namespace scalvo::autoscale
