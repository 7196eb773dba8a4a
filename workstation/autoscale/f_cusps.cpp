// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/f_cusps.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace scalvo::autoscale {

namespace {

// The pair of F2 cusps: the extraordinary one 0.15 to 0.7 MHz above the ordinary one.
constexpr double closest_pair = 0.15;
constexpr double farthest_pair = 0.7;
// A trace that turns up by 40 km over its last 0.2 MHz ends in a cusp.
constexpr double cusp_rise = 40;
constexpr double cusp_window = 0.2;
// A first-hop echo this many cells tall is a trace standing vertical at a cusp.
constexpr int vertical_cells = 12;
// A trace coming down by this many cells over its next 0.15 MHz (three columns at least) comes
// from a cusp.
constexpr int descent_cells = 6;
constexpr double descent_window = 0.15;
// An F1 cusp lies this far below foF2 at least and this far above the start of the F trace (MHz).
constexpr double f1_below_f2 = 0.8;
constexpr double f1_above_start = 0.15;

// Where a trace rising to its end stands vertical: the column, from its end to two columns on
// (lines passed over), whose first-hop echo, reaching above the end, is taller than pulses are.
int vertical_after(const Scene& scene, int column, int index) {
    const auto count = static_cast<int>(scene.image.columns.size());
    int found = column;
    int reach = 0;
    int passed = 0;
    for (int c = column; c < count && passed <= 2; ++c) {
        const EchoColumn& echoes = scene.image.columns[static_cast<std::size_t>(c)];
        if (echoes.interference)
            continue;
        if (c > column)
            ++passed;
        if (passed > 2)
            break;
        for (const Segment& segment : echoes.segments)
            if (!segment.multiple && segment.low >= index - 2 &&
                segment.high - segment.low >= vertical_cells && segment.high > reach) {
                reach = segment.high;
                found = c;
            }
    }
    return found;
}

// Where a trace comes down from high after its start or after rising: it comes from the cusp of
// a layer below (the F trace above foE, the F2 trace above foF1). (column, leading edge) of the
// highest point, by column.
std::vector<std::pair<int, int>> descending_starts(const Scene& scene,
                                                   const std::vector<const Trace*>& traces) {
    std::vector<std::pair<int, int>> starts;
    for (const Trace* trace : traces) {
        const auto& points = trace->points;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i > 0 && points[i - 1].low > points[i].low)
                continue;
            const double until =
                scene.frequency(points[i].column) + std::max(descent_window, 3 * scene.image.step);
            int previous = points[i].low;
            bool descends = false;
            for (std::size_t j = i + 1;
                 j < points.size() && scene.frequency(points[j].column) <= until + 1e-9; ++j) {
                if (points[j].low > previous + 1)
                    break;
                previous = points[j].low;
                if (points[i].low - points[j].low >= descent_cells) {
                    descends = true;
                    break;
                }
            }
            if (!descends)
                continue;
            // The cusp itself is the column where the echoes reach highest, the trace standing
            // vertical there: the peak or a column or two before it.
            int column = points[i].column;
            int reach = 0;
            for (int c = std::max(0, points[i].column - 2); c <= points[i].column; ++c)
                for (const Segment& segment :
                     scene.image.columns[static_cast<std::size_t>(c)].segments)
                    if (!segment.multiple && segment.low >= f_region_lowest &&
                        segment.high > reach) {
                        reach = segment.high;
                        column = c;
                    }
            // Where lines hide the columns just before, the cusp lies among them.
            int hidden = column;
            while (hidden > 0 &&
                   scene.image.columns[static_cast<std::size_t>(hidden - 1)].interference)
                --hidden;
            // Lines down to the first column leave nothing before them to take the middle of.
            if (hidden < column && (i == 0 || points[i - 1].column < hidden))
                column = scene.column_of(
                    (scene.frequency(column) + scene.frequency(std::max(hidden - 1, 0))) / 2 +
                    1e-6);
            starts.emplace_back(column, points[i].low);
        }
    }
    std::sort(starts.begin(), starts.end());
    return starts;
}

// The ordinary trace is its twin moved down by the separation, cusp and all: where no cusp
// was found there, the column the separation below the top one showing the top's own echo is
// the ordinary cusp.
std::optional<Cusp> twin_of_echo(const Scene& scene, const Cusp& top) {
    const int twin = scene.column_of(scene.frequency(top.column) - station_separation);
    if (scene.image.columns[static_cast<std::size_t>(twin)].interference)
        return std::nullopt;
    int top_low = -1;
    for (const Segment& segment :
         scene.image.columns[static_cast<std::size_t>(top.column)].segments)
        if (!segment.multiple && segment.low >= top.index - 2)
            top_low = std::max(top_low, segment.low);
    if (top_low < 0)
        return std::nullopt;
    std::optional<Cusp> found;
    for (const Segment& segment : scene.image.columns[static_cast<std::size_t>(twin)].segments)
        if (!segment.multiple && std::abs(segment.low - top_low) <= 2)
            found = Cusp{twin, segment.low, top.rise, nullptr};
    return found;
}

// An ordinary trace that vanishes into a line may end anywhere behind it: there its
// extraordinary twin tells where.
Cusp behind_line(const Scene& scene, const Cusp& ordinary, const Cusp& top) {
    int behind = ordinary.column;
    const auto last = static_cast<int>(scene.image.columns.size()) - 1;
    while (behind < last && scene.image.columns[static_cast<std::size_t>(behind + 1)].interference)
        ++behind;
    const double twin = scene.frequency(top.column) - station_separation;
    if (behind > ordinary.column && twin >= scene.frequency(ordinary.column) - 1e-9 &&
        twin <= scene.frequency(behind) + 0.5 * scene.image.step + 1e-9)
        return Cusp{scene.column_of(twin), ordinary.index, ordinary.rise, ordinary.trace};
    return ordinary;
}

} // namespace

std::vector<const Trace*> f_region_traces(const Scene& scene) {
    std::vector<const Trace*> traces;
    for (const Trace& trace : scene.traces)
        if (trace.lowest() >= f_region_lowest)
            traces.push_back(&trace);
    return traces;
}

std::vector<Cusp> cusps_of(const Scene& scene, const std::vector<const Trace*>& traces) {
    std::vector<Cusp> cusps;
    for (const Trace* trace : traces) {
        const double rise = end_rise(scene, *trace, cusp_window);
        if (rise >= cusp_rise) {
            const TracePoint& end = trace->points.back();
            cusps.push_back({vertical_after(scene, end.column, end.low), end.low, rise, trace});
        }
        for (const TracePoint& point : hidden_cusps(scene, *trace, cusp_rise))
            cusps.push_back({vertical_after(scene, point.column, top_of(point)), top_of(point),
                             excess(point), trace});
    }
    std::sort(cusps.begin(), cusps.end(),
              [](const Cusp& a, const Cusp& b) { return a.column < b.column; });
    return cusps;
}

std::optional<F2Cusps> f2_cusps(const Scene& scene, const std::vector<Cusp>& cusps) {
    if (cusps.empty())
        return std::nullopt;
    F2Cusps pair{cusps.back(), std::nullopt};
    const double top_frequency = scene.frequency(pair.extraordinary.column);
    // Of the cusps that may be the ordinary twin of the top one, the one nearest the station's
    // separation: a spread trace or a broken piece ends near it too.
    const auto off = [&](const Cusp& c) {
        return std::fabs(top_frequency - station_separation - scene.frequency(c.column));
    };
    for (const Cusp& cusp : cusps) {
        const double f = scene.frequency(cusp.column);
        if (f < top_frequency - farthest_pair - 1e-9 || f > top_frequency - closest_pair + 1e-9)
            continue;
        if (!pair.ordinary || off(cusp) <= off(*pair.ordinary) + 1e-9)
            pair.ordinary = cusp;
    }
    // The twin lies no further above than the station's separation (elsewhere it is closer): an
    // ordinary cusp further below is a piece that ended early, and the twin's own echo at the
    // station's separation below the top one tells the ordinary cusp.
    const auto too_far = [&](const Cusp& c) {
        return top_frequency - scene.frequency(c.column) >
               station_separation + 1.5 * scene.image.step + 0.01;
    };
    if (!pair.ordinary || too_far(*pair.ordinary))
        if (const auto twin = twin_of_echo(scene, pair.extraordinary))
            pair.ordinary = twin;
    if (pair.ordinary)
        pair.ordinary = behind_line(scene, *pair.ordinary, pair.extraordinary);
    return pair;
}

std::optional<F1Cusps> f1_cusps(const Scene& scene, const std::vector<const Trace*>& traces,
                                double foF2, double f_start, double separation) {
    const double tolerance = 0.08 + scene.image.step;
    const auto starts = descending_starts(scene, traces);
    // The extraordinary twin shows as a descending start too, or as the column where its trace
    // stands vertical: a first-hop echo far taller than one pulse.
    std::vector<int> cusp_marks;
    for (const auto& [column, index] : starts)
        cusp_marks.push_back(column);
    for (std::size_t c = 0; c < scene.image.columns.size(); ++c)
        for (const Segment& segment : scene.image.columns[c].segments)
            if (!segment.multiple && segment.low >= f_region_lowest &&
                segment.high - segment.low >= vertical_cells) {
                cusp_marks.push_back(static_cast<int>(c));
                break;
            }
    std::optional<F1Cusps> best;
    for (const auto& [a, a_index] : starts) {
        const double fa = scene.frequency(a);
        // Above the start of the F trace (and its twin) the F trace comes down from the E cusp.
        if (fa > foF2 - f1_below_f2 + 1e-9 || fa < f_start + f1_above_start - 1e-9 ||
            std::fabs(fa - f_start - separation) <= tolerance)
            continue;
        for (const int b : cusp_marks)
            if (std::fabs(scene.frequency(b) - fa - separation) <= tolerance &&
                (!best || a < best->ordinary))
                best = F1Cusps{a, b};
    }
    return best;
}

} // namespace scalvo::autoscale
