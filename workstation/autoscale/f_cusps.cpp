// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/f_cusps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

namespace scalvo::autoscale {

namespace {

// The trace pairs: echoes of the extraordinary trace within this many MHz below its cusp, and
// this many cells above its foot (steep enough to tell one separation from another), each
// matched by an ordinary echo within twin_cells of its height. Half of them matched is a
// measured separation; a tenth or less, with enough tested, no extraordinary trace at all.
constexpr double match_window = 0.8;
constexpr int steep_cells = 3;
constexpr int twin_cells = 2;
constexpr double twin_score = 0.5;
constexpr double single_score = 0.1;
constexpr double cusp_bonus = 0.25;
// The ordinary trace rising into lines stands this far (km) above its twin before them.
constexpr double rising_into_lines = 40;
// How far beyond the lines the ordinary trace must not be seen going on (MHz).
constexpr double seen_beyond = 0.1;
// A trace leads into a cusp over 0.1 MHz at least, from 3 cells or more below it.
constexpr double lead_in_window = 0.1;
constexpr int lead_in_rise = 3;
// An oblique copy lies 3 cells or more above another F trace over its last 0.5 MHz.
constexpr double oblique_window = 0.5;
constexpr int oblique_below = 3;
// An oblique copy of a cusp pair reaches this far (MHz) beyond it at least, this many cells above.
constexpr double copy_beyond = 0.1;
constexpr int copy_above = 3;
// The vertical pair's extraordinary trace stands as vertical as a top cusp: it rises this much
// (km) into its cusp, more than a piece ending in a cusp does.
constexpr double copy_rise = 70;
// Oblique copies lie this far (MHz) beyond the vertical traces; their steep parts are compared
// this far below the cusps.
constexpr double shift_least = 0.1;
constexpr double shift_most = 0.45;
constexpr double compare_below = 0.15;
// Cusps told only by a tall echo standing alone need their traces clearly below the copy's,
// farther than the lines of a range spread lie (cells).
constexpr int standing_below = 5;
// A trace joined across a line may come down this many cells more for each column passed over.
constexpr int line_slack = 2;
// Echoes joined column by column into a trace may miss each other by a cell (the noise on an
// edge, a multiple's echo cut out between them).
constexpr int join_slack = 1;
// The separation read on a copy's pair, whose traces fade near their cusps, may be off the
// vertical pair's by this much (MHz) beyond a step.
constexpr double copy_separation_slack = 0.05;
// F echoes within this many MHz beyond the top cusp are a frequency spread, up to this many
// cells (135 km) above the cusp's leading edge: fragments far above it (a second hop, a distant
// echo) spread nothing.
constexpr double spread_window = 0.5;
constexpr int spread_above = 30;
// Cusps from 0.5 MHz below the ordinary cusp to 0.3 MHz beyond the extraordinary one: this many
// crowd the pair (a pair, an oblique copy's pair and one stray cusp are four).
constexpr double crowd_below = 0.5;
constexpr double crowd_beyond = 0.3;
constexpr int crowded_cusps = 7;
// A trace that turns up by 40 km over its last 0.2 MHz ends in a cusp.
constexpr double cusp_rise = 40;
constexpr double cusp_window = 0.2;
// A first-hop echo this many cells tall is a trace standing vertical at a cusp.
constexpr int vertical_cells = 12;
// Where the trace rising into it is followed column by column, an echo taller than one pulse.
constexpr int standing_cells = 6;
// An echo of the next columns beginning this many cells above its top at most carries it on.
constexpr int rising_on = 3;
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

// The ordinary cusp the separation below the top one: a cusp found there (within a column), or the
// column itself, where the top's own echo shows, as the ordinary trace is its twin moved down.
std::optional<Cusp> twin_at(const Scene& scene, const std::vector<Cusp>& cusps, const Cusp& top,
                            double separation) {
    const double wanted = scene.frequency(top.column) - separation;
    const double near = 1.01 * scene.image.step + 0.03;
    const Cusp* nearest = nullptr;
    for (const Cusp& cusp : cusps)
        if (&cusp != &top && std::fabs(scene.frequency(cusp.column) - wanted) <= near &&
            (nearest == nullptr || std::fabs(scene.frequency(cusp.column) - wanted) <
                                       std::fabs(scene.frequency(nearest->column) - wanted)))
            nearest = &cusp;
    if (nearest != nullptr)
        return *nearest;
    const int twin = scene.column_of(wanted);
    if (scene.image.columns[static_cast<std::size_t>(twin)].interference) {
        // An ordinary trace vanishing into a line ends behind it, where its twin tells.
        return Cusp{twin, top.index, top.rise, nullptr};
    }
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

} // namespace

// A trace leads into the cusp: it rises to it from below, over a few columns. A narrow-band
// transmitter lifting part of a column or two stands alone, flat at its foot.
bool leads_in(const Scene& scene, const Cusp& cusp) {
    if (cusp.trace == nullptr)
        return false;
    int before = 0;
    int lowest = cusp.index;
    for (const TracePoint& point : cusp.trace->points)
        if (point.column < cusp.column) {
            ++before;
            lowest = std::min(lowest, point.low);
        }
    return before >= std::max(2, scene.columns_in(lead_in_window)) &&
           lowest <= cusp.index - lead_in_rise;
}

namespace {

// The trace of a cusp lies above another F trace over its steep part: an oblique copy, whose
// vertical twin runs lower. The extraordinary trace near its cusp is the lowest of all.
bool above_lower_trace(const Scene& scene, const Cusp& cusp) {
    if (cusp.trace == nullptr)
        return false;
    const double top = scene.frequency(cusp.column);
    int tested = 0;
    int lower = 0;
    for (const TracePoint& point : cusp.trace->points) {
        const double f = scene.frequency(point.column);
        if (f < top - oblique_window - 1e-9 || point.column >= cusp.column)
            continue;
        ++tested;
        for (const Segment& segment :
             scene.image.columns[static_cast<std::size_t>(point.column)].segments)
            if (!segment.multiple && segment.low >= f_region_lowest &&
                segment.low <= point.low - oblique_below) {
                ++lower;
                break;
            }
    }
    return tested >= 3 && 2 * lower >= tested;
}

// Echoes of the F heights in the columns just beyond the top cusp: a frequency spread, or
// echoes that no cusp explains.
bool spread_beyond(const Scene& scene, const Cusp& top) {
    const double from = scene.frequency(top.column) + 1.5 * scene.image.step;
    const double to = scene.frequency(top.column) + spread_window;
    int columns = 0;
    int with_echo = 0;
    for (auto c = static_cast<std::size_t>(top.column) + 1; c < scene.image.columns.size(); ++c) {
        const EchoColumn& column = scene.image.columns[c];
        if (column.frequency < from - 1e-9 || column.interference)
            continue;
        if (column.frequency > to + 1e-9)
            break;
        ++columns;
        for (const Segment& segment : column.segments)
            if (!segment.multiple && segment.low >= f_region_lowest &&
                segment.low <= top.index + spread_above) {
                ++with_echo;
                break;
            }
    }
    return with_echo >= 2 && 10 * with_echo >= 3 * columns;
}

// Echoes of the F heights broken into this many pieces or more in a column, in a share of the
// columns from 0.5 MHz below the top cusp to 0.25 MHz beyond it: a spread's speckle about the
// twins. A pair shows one or two pieces there (the extraordinary trace, an oblique copy's).
constexpr double speckle_below = 0.5;
constexpr double speckle_beyond = 0.25;
constexpr int speckle_pieces = 3;
bool speckled_about(const Scene& scene, const Cusp& top) {
    const double fx = scene.frequency(top.column);
    int columns = 0;
    int speckled = 0;
    for (const EchoColumn& column : scene.image.columns) {
        if (column.interference || column.frequency < fx - speckle_below - 1e-9 ||
            column.frequency > fx + speckle_beyond + 1e-9)
            continue;
        ++columns;
        const auto pieces =
            std::count_if(column.segments.begin(), column.segments.end(), [&](const Segment& s) {
                return !s.multiple && s.low >= f_region_lowest && s.low <= top.index + spread_above;
            });
        if (pieces >= speckle_pieces)
            ++speckled;
    }
    return columns > 0 && 10 * speckled >= 3 * columns;
}

// The leading edge of a cusp's trace this far (MHz) below the cusp: where the steep part of a
// trace and of its oblique copy can be compared in height (lines passed over). -1 where the
// trace does not reach.
int edge_below(const Scene& scene, const Cusp& cusp, double below) {
    if (cusp.trace == nullptr)
        return -1;
    const double wanted = scene.frequency(cusp.column) - below + 1e-9;
    int edge = -1;
    for (const TracePoint& point : cusp.trace->points)
        if (scene.frequency(point.column) <= wanted &&
            !scene.image.columns[static_cast<std::size_t>(point.column)].interference)
            edge = point.low;
    return edge;
}

// A pair of cusps, lower in height, between the ordinary cusp and the extraordinary one, the same
// separation apart: the pair above and beyond it is an oblique copy of that vertical pair (its
// path longer, its trace reaching further). The lower pair, or none.
std::optional<std::pair<Cusp, Cusp>>
vertical_pair_below(const Scene& scene, const std::vector<Cusp>& cusps, const F2Cusps& pair) {
    const double top = scene.frequency(pair.extraordinary.column);
    const double twin = scene.frequency(pair.ordinary->column);
    const double separation = top - twin;
    const double near = 1.01 * scene.image.step + 0.03;
    for (auto it = cusps.rbegin(); it != cusps.rend(); ++it) {
        const double f = scene.frequency(it->column);
        if (f > top - copy_beyond + 1e-9 || f < twin + near - 1e-9 ||
            it->index > pair.extraordinary.index - copy_above || it->rise < copy_rise)
            continue;
        // The vertical trace is the lowest: one running above the copy's below the cusp is a
        // copy itself.
        const int edge = edge_below(scene, *it, compare_below);
        const int copy_edge = edge_below(scene, pair.extraordinary, top - f + compare_below);
        if (edge >= 0 && copy_edge >= 0 && edge > copy_edge)
            continue;
        for (const Cusp& other : cusps)
            if (std::fabs(scene.frequency(other.column) - (f - separation)) <= near &&
                other.index < pair.ordinary->index)
                return std::make_pair(*it, other);
    }
    return std::nullopt;
}

// The lowest first-hop F echo of a column, or none.
const Segment* lowest_f_segment(const EchoColumn& column) {
    for (const Segment& segment : column.segments)
        if (!segment.multiple && segment.low >= f_region_lowest)
            return &segment;
    return nullptr;
}

// The leading edge of the lowest first-hop F echo in the column this far (MHz) below a cusp (or
// the nearest below it that no line covers), -1 for none.
int column_edge_below(const Scene& scene, const Cusp& cusp, double below) {
    for (int c = scene.column_of(scene.frequency(cusp.column) - below); c >= 0; --c) {
        const EchoColumn& column = scene.image.columns[static_cast<std::size_t>(c)];
        if (column.interference)
            continue;
        const Segment* lowest = lowest_f_segment(column);
        return lowest != nullptr ? lowest->low : -1;
    }
    return -1;
}

// A trace standing vertical at its cusp: a first-hop F echo taller than pulses are, which the
// tracing may have left as a short piece where another trace crosses it. As a cusp without a
// trace, its index the foot of the tall echo.
struct Standing {
    Cusp cusp;
    Segment echo;
};

// Whether the trace goes on beyond a tall echo: an echo of the next two columns (lines passed
// over), half as tall at least, begins no higher than its top and reaches near it (a range
// spread along the trace, not a trace ending vertical), or begins just above its top (the trace
// rising on). Otherwise the top of the highest echo there that begins within its heights and
// ends well below its top (a trace running on through its foot), or -1.
constexpr int goes_on = 1 << 20;
int runs_on(const Scene& scene, int column, const Segment& tall) {
    const int height = tall.high - tall.low;
    int top = -1;
    int passed = 0;
    for (int c = column + 1; passed < 2 && c < static_cast<int>(scene.image.columns.size()); ++c) {
        const EchoColumn& echoes = scene.image.columns[static_cast<std::size_t>(c)];
        if (echoes.interference)
            continue;
        ++passed;
        for (const Segment& segment : echoes.segments) {
            // Beginning just above its top, the trace rises on (a steep trace on a coarse step).
            if (segment.multiple || segment.low > tall.high + rising_on)
                continue;
            if (segment.low > tall.high)
                return goes_on;
            const bool near_top = 3 * (tall.high - segment.high) < height;
            if (near_top && 2 * (segment.high - segment.low) >= height)
                return goes_on;
            // A short piece near its top is what is left of the cusp itself.
            if (segment.low >= tall.low - 2 && !near_top)
                top = std::max(top, segment.high);
        }
    }
    return top;
}

// The leading edge, this far (MHz) below a standing echo, of the echoes joined to it column by
// column going down in frequency (each run touching the one after it and beginning no higher,
// within join_slack):
// the trace rising into the cusp, whatever crosses it. Lines are passed over; -1 where the
// joined echoes stop short.
int joined_edge_below(const Scene& scene, const Standing& standing, double below) {
    const double wanted = scene.frequency(standing.cusp.column) - below;
    Segment current = standing.echo;
    int passed = 0;
    for (int c = standing.cusp.column - 1; c >= 0; --c) {
        const EchoColumn& column = scene.image.columns[static_cast<std::size_t>(c)];
        if (column.interference) {
            ++passed;
            continue;
        }
        // Across lines passed over the trace may have come down further.
        const int reach = current.low - 1 - join_slack - line_slack * passed;
        const Segment* next = nullptr;
        for (const Segment& segment : column.segments)
            if (!segment.multiple && segment.low >= f_region_lowest &&
                segment.low <= current.low + join_slack && segment.high >= reach &&
                (next == nullptr || segment.low > next->low))
                next = &segment;
        if (next == nullptr)
            return -1;
        current = *next;
        passed = 0;
        if (column.frequency <= wanted + 1e-9)
            return current.low;
    }
    return -1;
}

// Where a trace stands vertical at its cusp, column by column: the top of the echoes rising
// into it, taller than a pulse, that no echo of the next columns carries on, whose foot rose by
// cusp_rise at least over compare_below (MHz) below it.
std::vector<Standing> standing_columns(const Scene& scene, double from, double to) {
    std::vector<Standing> found;
    for (int c = scene.column_of(from); c <= scene.column_of(to); ++c) {
        const EchoColumn& column = scene.image.columns[static_cast<std::size_t>(c)];
        if (column.interference || column.frequency < from - 1e-9 || column.frequency > to + 1e-9)
            continue;
        for (const Segment& segment : column.segments) {
            if (segment.multiple || segment.low < f_region_lowest ||
                segment.high - segment.low < standing_cells)
                continue;
            const int on = runs_on(scene, c, segment);
            if (on == goes_on)
                continue;
            // Where a trace runs on through its foot, the echo stands above that trace.
            const int foot = std::max(segment.low, on);
            const Standing standing{
                Cusp{c, foot, height_of(segment.high) - height_of(foot), nullptr}, segment};
            const int edge = joined_edge_below(scene, standing, compare_below);
            if (edge < 0 || height_of(foot) - height_of(edge) < cusp_rise)
                continue;
            found.push_back(standing);
            break;
        }
    }
    return found;
}

// The column holds a first-hop echo taller than a pulse about the edge `index`: the trace stands
// vertical there.
bool stands_vertical(const Scene& scene, int column, int index) {
    for (const Segment& segment : scene.image.columns[static_cast<std::size_t>(column)].segments)
        if (!segment.multiple && segment.low <= index && segment.high >= index &&
            segment.high - segment.low >= standing_cells)
            return true;
    return false;
}

// The trace stands vertical at the cusp: in its column or, the cusp read on the echo just above
// the trace's end, in the column before.
bool stands_at_cusp(const Scene& scene, const Cusp& cusp) {
    return stands_vertical(scene, cusp.column, cusp.index) ||
           (cusp.column > 0 && stands_vertical(scene, cusp.column - 1, cusp.index));
}

// At the copy's ordinary cusp (`found`, the twin the search found) only a cusp standing vertical
// is the vertical extraordinary one, where the copy is shifted by about the separation: well
// below another cusp there, or, being the found cusp itself, beside the copy's one ending a trace
// of its own that runs above the cusp's trace.
bool vertical_at_copy_ordinary(const Scene& scene, const std::vector<Cusp>& cusps, const Cusp& cusp,
                               const Cusp& found, double near) {
    if (!stands_vertical(scene, cusp.column, cusp.index))
        return false;
    const double at = scene.frequency(found.column);
    const bool taken = cusp.column == found.column && cusp.index == found.index;
    const int own_edge = edge_below(scene, cusp, compare_below);
    return std::any_of(cusps.begin(), cusps.end(), [&](const Cusp& other) {
        if (std::fabs(scene.frequency(other.column) - at) > near)
            return false;
        if (other.index >= cusp.index + copy_above)
            return true;
        const int other_edge =
            taken && other.trace != cusp.trace ? edge_below(scene, other, compare_below) : -1;
        return own_edge >= 0 && other_edge >= 0 && own_edge <= other_edge - copy_above;
    });
}

// A line in the column or next to it. A twin told by the column alone (no cusp found there) is
// an ordinary cusp such a line hides; elsewhere the echo there is only the ordinary trace passing
// on, and the lower pair one of noise.
bool line_beside(const Scene& scene, int column) {
    const int count = static_cast<int>(scene.image.columns.size());
    for (int c = std::max(column - 1, 0); c <= std::min(column + 1, count - 1); ++c)
        if (scene.image.columns[static_cast<std::size_t>(c)].interference)
            return true;
    return false;
}

// A pair of the same separation, 0.1 to 0.45 MHz lower in frequency, whose extraordinary trace
// runs lower by 3 cells at least over its steep part: the pair above is its oblique copy (a
// longer path, reaching further), even where the copy's trace joins the vertical one's. The
// lower pair, or none.
std::optional<std::pair<Cusp, Cusp>>
shifted_pair_below(const Scene& scene, const std::vector<Cusp>& cusps, const F2Cusps& pair) {
    const double top = scene.frequency(pair.extraordinary.column);
    const double separation = top - scene.frequency(pair.ordinary->column);
    const double near = 1.01 * scene.image.step + 0.03;
    const int top_edge = edge_below(scene, pair.extraordinary, compare_below);
    if (top_edge < 0)
        return std::nullopt;
    const double copy_ordinary = scene.frequency(pair.ordinary->column);
    const int copy_edge = edge_below(scene, *pair.ordinary, compare_below);
    for (auto it = cusps.rbegin(); it != cusps.rend(); ++it) {
        const double f = scene.frequency(it->column);
        if (f > top - shift_least + 1e-9 || f < top - shift_most - 1e-9)
            continue;
        if (std::fabs(f - copy_ordinary) <= near &&
            !vertical_at_copy_ordinary(scene, cusps, *it, *pair.ordinary, near))
            continue;
        // A piece of trace ending one pulse tall (where the lines of a spread or a copy's trace
        // cross it) is no vertical cusp, unless a line beside it may hide where it stands.
        if (!stands_at_cusp(scene, *it) && !line_beside(scene, it->column))
            continue;
        // The cusp's own trace, rising into it from below, runs lower than the copy's.
        const int trace_edge = leads_in(scene, *it) ? edge_below(scene, *it, compare_below) : -1;
        const bool by_trace = trace_edge >= 0 && trace_edge <= top_edge - copy_above;
        if (!by_trace) {
            // Where the copy joins the vertical trace, the trace followed below the cusp may be
            // the copy's: the column tells instead. Not where the cusp's trace runs as high as
            // the copy's: the two are lines of one echo (a range spread).
            if (trace_edge >= 0 && std::abs(trace_edge - top_edge) < copy_above)
                continue;
            const int edge = column_edge_below(scene, *it, compare_below);
            if (edge < 0 || edge > it->index - lead_in_rise || edge > top_edge - copy_above)
                continue;
        }
        const auto twin = twin_at(scene, cusps, *it, separation);
        if (!twin || (twin->trace == nullptr && !line_beside(scene, twin->column)))
            continue;
        if (!by_trace) {
            // Told by the columns, the pair needs its ordinary cusp shown by a trace of its own,
            // running lower than the copy's ordinary trace.
            if (twin->trace == nullptr)
                continue;
            const int twin_edge = column_edge_below(scene, *twin, compare_below);
            if (copy_edge >= 0 && (twin_edge < 0 || twin_edge > copy_edge - copy_above))
                continue;
        }
        return std::make_pair(*it, *twin);
    }
    // Vertical cusps the tracing left as short pieces where the copy's traces cross them stand
    // in their columns, the separation apart, each with its own trace rising into it well below
    // the copy's (farther than the lines of a range spread lie).
    const auto rises_below = [&](const Standing& standing, int copy) {
        const int edge = joined_edge_below(scene, standing, compare_below);
        return edge >= 0 && edge <= standing.cusp.index - lead_in_rise &&
               edge <= copy - standing_below;
    };
    const std::vector<Standing> standing =
        standing_columns(scene, top - shift_most, top - shift_least);
    const std::vector<Standing> ordinaries = standing_columns(
        scene, top - shift_most - separation - near, top - shift_least - separation + near);
    for (auto it = standing.rbegin(); it != standing.rend(); ++it) {
        const double f = scene.frequency(it->cusp.column);
        if (!rises_below(*it, top_edge))
            continue;
        // The vertical extraordinary cusp may stand where the copy's ordinary one does (a copy
        // shifted by about the separation): the trace followed below the copy's ordinary cusp
        // is then the vertical extraordinary one, and the copy's extraordinary trace is compared.
        // So it is where the copy's ordinary trace breaks off short of the height compared (lost
        // where it crosses the vertical extraordinary trace).
        const int ordinary_copy_edge =
            std::fabs(f - copy_ordinary) <= near || copy_edge < 0 ? top_edge : copy_edge;
        for (const Standing& ordinary : ordinaries)
            if (std::fabs(scene.frequency(ordinary.cusp.column) - (f - separation)) <=
                    near + copy_separation_slack &&
                rises_below(ordinary, ordinary_copy_edge))
                return std::make_pair(it->cusp, ordinary.cusp);
    }
    // The vertical extraordinary cusp behind a line shows no column standing: the vertical
    // ordinary cusp rising well under the copy's ordinary trace and up past it, away from the
    // copy's cusp, tells the pair where a line stands a separation above it, away from the copy's
    // ordinary cusp too. Only where the copy's ordinary trace is seen to compare with, and the
    // copy's traces lie about as high below their cusps (a spread's lines need not).
    if (copy_edge >= 0 && top_edge >= copy_edge - 2 * standing_below)
        for (auto it = ordinaries.rbegin(); it != ordinaries.rend(); ++it) {
            const double fo = scene.frequency(it->cusp.column);
            const int twin = scene.column_of(fo + separation);
            if (rises_below(*it, copy_edge) && it->cusp.index >= copy_edge &&
                std::fabs(fo - copy_ordinary) >= shift_least - 1e-9 && line_beside(scene, twin) &&
                std::fabs(scene.frequency(twin) - copy_ordinary) >= shift_least + 1e-9)
                return std::make_pair(Cusp{twin, it->cusp.index, 0, nullptr}, it->cusp);
        }
    return std::nullopt;
}

// A sounder without the extraordinary wave: below the top cusp, as far as any separation
// reaches and a little more, one trace alone. With both waves the ordinary trace runs above the
// extraordinary one there, up to its own cusp, which stands the separation below the top.
constexpr double single_window = 1.5;
constexpr int single_columns = 8;
constexpr double single_second = 0.1;
constexpr int single_rise = 4;
constexpr double single_steep = 0.5;

// A piece of trace beginning within the window may be an extraordinary trace whose twin an
// absorption took: a single trace runs through all of it.
bool runs_through_window(const Scene& scene, const Cusp& top) {
    return top.trace != nullptr && scene.frequency(top.trace->first_column()) <=
                                       scene.frequency(top.column) - single_window + 1e-9;
}

bool single_trace(const Scene& scene, const std::vector<Cusp>& cusps, const Cusp& top) {
    const double fx = scene.frequency(top.column);
    // The sweep must show where an extraordinary cusp would stand beyond it.
    if (scene.image.columns.empty() ||
        scene.image.columns.back().frequency < fx + farthest_separation - 1e-9)
        return false;
    for (const Cusp& cusp : cusps) {
        const double apart = fx - scene.frequency(cusp.column);
        if (&cusp != &top && apart >= closest_separation - 1e-9 && apart <= single_window + 1e-9)
            return false;
    }
    int tested = 0;
    int second = 0;
    int thick = 0;
    // Leading edges of the far and the near half of the window.
    std::vector<int> far;
    std::vector<int> near;
    const double middle = fx - (single_window + closest_separation) / 2;
    for (const TracePoint& point : top.trace->points) {
        const double f = scene.frequency(point.column);
        if (f < fx - single_window - 1e-9 || f > fx - closest_separation + 1e-9 ||
            scene.image.columns[static_cast<std::size_t>(point.column)].interference)
            continue;
        ++tested;
        (f < middle ? far : near).push_back(point.low);
        for (const Segment& segment :
             scene.image.columns[static_cast<std::size_t>(point.column)].segments) {
            if (segment.multiple || segment.low < f_region_lowest)
                continue;
            if (std::abs(segment.low - point.low) > twin_cells + pulse_tail) {
                ++second;
                break;
            }
            // Both traces in one run: a twin running within the pulse of the other. Near the
            // cusp the trace itself stands steep through a column's cells.
            if (segment.low == point.low && f <= fx - single_steep + 1e-9 &&
                segment.high - segment.low > pulse_tail + twin_cells)
                ++thick;
        }
    }
    // The trace rises towards its cusp over the window, as a row of noise leading into a burst
    // does not (the middle edge of each half: a stray echo or two does not make a rise); and it
    // runs alone, one pulse tall, in nearly every column.
    const auto median = [](std::vector<int>& edges) {
        const auto mid = edges.begin() + static_cast<std::ptrdiff_t>(edges.size() / 2);
        std::nth_element(edges.begin(), mid, edges.end());
        return *mid;
    };
    return tested >= single_columns && second <= single_second * tested &&
           thick <= single_second * tested && !far.empty() && !near.empty() &&
           median(near) - median(far) >= single_rise;
}

// On a sweep coarser than 0.1 MHz the twins' echoes merge up to a step or two from their cusps,
// so no trace pairs tell the separation; the pair shows column by column instead. The
// extraordinary trace rises on to the last column of the F echoes; the ordinary one, standing
// vertical at its cusp, leaves its last echo above the extraordinary trace's, apart from it.
// The twins stand two steps apart at least there; on a sweep too coarse they stand a column
// apart or less, and no pair is read.
constexpr double coarse_closest = 0.3;
constexpr int coarse_apart = 2;
constexpr int coarse_standing = 6;

// On a sweep coarser than 0.25 MHz a step says too little of where the cusp lies, but a column's
// echo tells: it covers the sounder's band about the column's frequency, over which the trace
// climbs the steeper the nearer its cusp. How far below its cusp (MHz) a last echo this many
// cells tall lies; none for a pulse's own height. Read where the station's twins stand a column
// apart: a step within 0.1 MHz of their separation.
constexpr double step_off_separation = 0.1;
constexpr std::array<std::pair<int, double>, 5> below_cusp_by_height = {
    {{15, 0.03}, {10, 0.08}, {8, 0.15}, {6, 0.33}, {5, 0.38}}};
// The cells by which the thinnest echo of a trace may stand over a pulse's trail.
constexpr int thin_excess = 4;
constexpr int thin_measured = 4;
// Over fewer columns (a night's short trace) a spread shows only where it thickens the trace more.
constexpr int few_measured = 2;
constexpr int few_thin_excess = 6;
// A cusp reached within the band of a column, just below its frequency, leaves a thin echo (this
// many cells over its leading edge at least) high above the trace.
constexpr int thinnest_cusp_echo = 2;
constexpr double just_below_cusp = -0.04;
// A copy of the trace stands a little above it (this many cells at most) in this many columns.
constexpr int copy_cells_above = 20;
constexpr int copied_columns = 3;
// The ordinary cusp above its echo merged into the extraordinary one.
constexpr double merged_below = 0.3;
// An echo standing a pulse tall (this far below its cusp or more) holds one twin only.
constexpr double thin_below = 0.33;
// An extraordinary echo this near its cusp stands tall at it.
constexpr double at_cusp = 0.1;
// The share of the trace's strongest echo that a lone extraordinary last echo reaches at least.
constexpr double faint_alone = 0.4;
std::optional<double> below_cusp(const Scene& scene, const Segment& echo) {
    // A longer pulse makes every echo taller by as much.
    const int height = echo.high - echo.low - (scene.pulse - pulse_tail);
    for (const auto& [cells, below] : below_cusp_by_height)
        if (height >= cells)
            return below;
    return std::nullopt;
}

struct CoarsePair {
    Cusp extraordinary;
    Cusp ordinary;
    bool hidden = false; // the extraordinary cusp may lie behind a line beyond its column
    bool ordinary_behind_line = false; // the ordinary cusp may lie behind the line beyond
    // On a sweep coarser than 0.25 MHz: how far below its cusp each last echo lies (MHz).
    std::optional<double> ordinary_below, extraordinary_below;
    std::optional<bool> twins_a_column_apart; // where the sounding tells
};

// On a sweep coarser than 0.25 MHz the twins stand a column apart at the station's separation,
// at the sounding's last F echoes: the ordinary trace's last echo, tall and apart above the
// extraordinary trace in the column before the last, stands as high as the extraordinary trace's
// last echo. With a line beyond the last column the extraordinary cusp may lie behind it, and the
// ordinary echo may stand in the last column, above the extraordinary trace.
std::optional<CoarsePair> too_coarse_pair(const Scene& scene) {
    const auto& columns = scene.image.columns;
    const auto count = static_cast<int>(columns.size());
    const auto f_echo = [&](int c) {
        return c < 0 || columns[static_cast<std::size_t>(c)].interference
                   ? nullptr
                   : lowest_f_segment(columns[static_cast<std::size_t>(c)]);
    };
    // The F trace runs on from its first column, over lines, to its last: nothing beyond it (a
    // burst of noise or a row of it far beyond is no trace's end).
    int first = 0;
    while (first < count && f_echo(first) == nullptr)
        ++first;
    if (first >= count)
        return std::nullopt;
    int last = first;
    while (last + 1 < count && (f_echo(last + 1) != nullptr ||
                                (columns[static_cast<std::size_t>(last + 1)].interference &&
                                 last + 2 < count && f_echo(last + 2) != nullptr)))
        last += f_echo(last + 1) != nullptr ? 1 : 2;
    for (int c = last + 1; c < count; ++c)
        if (f_echo(c) != nullptr)
            return std::nullopt;
    const Segment* end = f_echo(last);
    // The trace before the pair's columns. Echoes are read for their height against a pulse: its
    // thinnest echo stands about a pulse tall; far taller, a spread thickens the trace. An echo a
    // little above it in column after column is an oblique copy, whose last echoes these may be.
    int thinnest = std::numeric_limits<int>::max();
    int measured = 0;
    int copied = 0;
    int strongest = 0;
    for (int k = 0; k < last - 1; ++k) {
        const Segment* echo = f_echo(k);
        if (echo == nullptr)
            continue;
        thinnest = std::min(thinnest, echo->high - echo->low);
        strongest = std::max(strongest, echo->peak);
        ++measured;
        if (std::ranges::any_of(columns[static_cast<std::size_t>(k)].segments,
                                [&](const Segment& other) {
                                    return !other.multiple && other.low > echo->high + 1 &&
                                           other.low <= echo->high + copy_cells_above;
                                }))
            ++copied;
    }
    if ((measured >= thin_measured && thinnest > scene.pulse + thin_excess) ||
        (measured >= few_measured && thinnest > scene.pulse + few_thin_excess) ||
        copied >= copied_columns)
        return std::nullopt;
    const auto ordinary_above = [&](int c, bool twin) -> const Segment* {
        const Segment* lower = f_echo(c);
        if (lower == nullptr)
            return nullptr;
        for (const Segment& upper : columns[static_cast<std::size_t>(c)].segments)
            if (!upper.multiple && upper.low >= lower->high + coarse_apart &&
                upper.high - upper.low >= thinnest_cusp_echo &&
                (!twin || std::abs(upper.low - end->low) <= coarse_apart))
                return &upper;
        return nullptr;
    };
    // An echo in the next column at the heights of the last one, taken for a second hop, may
    // be the trace's own.
    const auto echo_beside = [&](int c, const Segment& echo) {
        return c < count && std::ranges::any_of(columns[static_cast<std::size_t>(c)].segments,
                                                [&](const Segment& other) {
                                                    return other.high >= echo.low &&
                                                           other.low <= echo.high;
                                                });
    };
    CoarsePair pair;
    pair.extraordinary = Cusp{last, end->low, 0, nullptr};
    pair.hidden = last + 1 < count && columns[static_cast<std::size_t>(last + 1)].interference;
    const auto extraordinary_below = below_cusp(scene, *end);
    // An ordinary echo in the last column is the ordinary trace's last only with a line beyond,
    // and where the extraordinary echo below does not stand tall at its own cusp. Above one that
    // does, with nothing beyond, it is that echo broken up.
    int c = last;
    const Segment* ordinary = ordinary_above(c, false);
    const bool standing = extraordinary_below && *extraordinary_below < at_cusp;
    if (ordinary != nullptr && !pair.hidden && standing)
        ordinary = nullptr;
    else if (ordinary != nullptr && (!pair.hidden || standing))
        return std::nullopt;
    const Segment* before = f_echo(last - 1);
    if (ordinary == nullptr) {
        ordinary = ordinary_above(c = last - 1, true);
        // The extraordinary trace a column short of its twins' last echoes runs a pulse tall;
        // standing tall at a cusp of its own below an echo apart, the last echoes are a copy's.
        const auto before_below = before != nullptr ? below_cusp(scene, *before) : std::nullopt;
        if (ordinary != nullptr && before_below && *before_below < thin_below)
            return std::nullopt;
        // The twins a column apart stand as high: an ordinary echo apart there, but not as high
        // as the extraordinary trace's last echo, says they do not.
        if (ordinary != nullptr)
            pair.twins_a_column_apart = true;
        else if (ordinary_above(c, false) != nullptr)
            pair.twins_a_column_apart = false;
    }
    // Merged twins: the last echo's twin, as high and a pulse tall, lies within the echo of the
    // column before, above its leading edge.
    const bool twin_before = before != nullptr && end->low >= before->low + coarse_apart &&
                             before->high >= end->low + scene.pulse + 1;
    if (ordinary == nullptr && pair.hidden && twin_before && extraordinary_below &&
        *extraordinary_below < at_cusp && ordinary_above(last - 1, false) == nullptr &&
        before->high - before->low <= end->high - end->low) {
        // With a line beyond, a last echo standing tall over a trace no taller before it holds
        // both twins: the ordinary one risen into the extraordinary echo, well short of its cusp
        // (near it, it would stand apart above). Taller before, the ordinary trace stood at its
        // cusp there, and the last echo is the extraordinary one at its own.
        pair.ordinary_below = merged_below;
        pair.ordinary = Cusp{last, end->low, 0, nullptr};
        return pair;
    }
    // Twins both a few cells tall, high above the trace: each cusp reached within the band of its
    // column, just below its frequency.
    if (ordinary != nullptr && c < last && !below_cusp(scene, *ordinary) && !extraordinary_below) {
        pair.ordinary_below = pair.extraordinary_below = just_below_cusp;
        pair.ordinary = Cusp{c, ordinary->low, 0, nullptr};
        return pair;
    }
    if (ordinary != nullptr && !(pair.ordinary_below = below_cusp(scene, *ordinary)))
        return std::nullopt;
    // The extraordinary cusp lies within the step above its last echo, its twin seen apart or
    // merged in the column before. A line beyond may hide it: there the last echo must stand a
    // pulse tall, with no ordinary echo merged into it.
    const bool short_of_line = extraordinary_below && *extraordinary_below >= thin_below;
    const bool before_line = last > 0 && columns[static_cast<std::size_t>(last - 1)].interference;
    if (c < last && (ordinary != nullptr || twin_before || before_line) &&
        (!pair.hidden || short_of_line) && !echo_beside(last + 1, *end))
        pair.extraordinary_below = extraordinary_below;
    if (!pair.ordinary_below && !pair.extraordinary_below)
        return std::nullopt;
    // The extraordinary echo alone, its twin not seen, is only a guess; far fainter than the
    // trace before it, it is more likely an oblique copy's end than the trace's.
    if (ordinary == nullptr && end->peak < faint_alone * strongest)
        return std::nullopt;
    pair.ordinary = ordinary != nullptr ? Cusp{c, ordinary->low, 0, nullptr}
                                        : Cusp{std::max(last - 1, 0), end->low, 0, nullptr};
    return pair;
}

std::optional<CoarsePair> coarse_pair(const Scene& scene, const Cusp& top) {
    if (!scene.coarse() || scene.too_coarse())
        return std::nullopt;
    const auto& columns = scene.image.columns;
    const auto count = static_cast<int>(columns.size());
    // A lone cell is no trace's last echo: at a cusp the trace stands tall.
    const auto lone = [](const Segment* segment) { return segment->high == segment->low; };
    const Segment* end = lowest_f_segment(columns[static_cast<std::size_t>(top.column)]);
    if (end == nullptr || lone(end))
        return std::nullopt;
    // The extraordinary trace carried on while it rises (lines passed over).
    int fx = top.column;
    for (int c = fx + 1; c < count; ++c) {
        const EchoColumn& column = columns[static_cast<std::size_t>(c)];
        if (column.interference)
            continue;
        const Segment* next = lowest_f_segment(column);
        if (next == nullptr || next->low < end->low || next->low > end->high + rising_on ||
            lone(next))
            break;
        fx = c;
        end = next;
    }
    // Beyond it the F echoes end: echoes over two columns there or more are a higher trace whose
    // cusp this is not, or a spread. One is the trace's own last echo, standing vertical.
    int beyond = 0;
    for (int c = fx + 1;
         c < count && scene.frequency(c) <= scene.frequency(fx) + spread_window + 1e-9; ++c)
        if (lowest_f_segment(columns[static_cast<std::size_t>(c)]) != nullptr)
            ++beyond;
    if (beyond >= 2)
        return std::nullopt;
    CoarsePair pair;
    // A line just beyond may hide the extraordinary cusp.
    pair.hidden = fx + 1 < count && columns[static_cast<std::size_t>(fx + 1)].interference;
    pair.extraordinary = Cusp{fx, end->low, top.rise, top.trace};
    for (int c = fx - 1; c >= 0; --c) {
        const double apart = scene.frequency(fx) - scene.frequency(c);
        const EchoColumn& column = columns[static_cast<std::size_t>(c)];
        if (apart > farthest_separation + 1e-9)
            return std::nullopt;
        if (column.interference)
            continue;
        const Segment* lower = lowest_f_segment(column);
        if (lower == nullptr)
            continue;
        for (const Segment& upper : column.segments)
            if (!upper.multiple && upper.low >= lower->high + coarse_apart &&
                upper.high - upper.low >= coarse_standing) {
                if (apart < coarse_closest - 1e-9 && !pair.hidden)
                    return std::nullopt;
                // The ordinary trace may go on behind a line. Where the line is one column, the
                // column beyond it shows the extraordinary trace alone and its cusp stands clear,
                // the ordinary cusp is here if its echo has risen as high as the extraordinary
                // trace's last one; otherwise the station's separation below that cusp, within
                // the step either side of the line.
                if (columns[static_cast<std::size_t>(c + 1)].interference) {
                    if (pair.hidden || c + 2 > fx ||
                        columns[static_cast<std::size_t>(c + 2)].interference)
                        return std::nullopt;
                    pair.ordinary_behind_line = upper.low < end->low;
                }
                pair.ordinary = Cusp{c, upper.low, top.rise, nullptr};
                return pair;
            }
    }
    return std::nullopt;
}

} // namespace

std::optional<F2Cusps> too_coarse_cusps(const Scene& scene) {
    if (std::fabs(scene.image.step - station_separation) > step_off_separation + 1e-6)
        return std::nullopt;
    const auto coarse = too_coarse_pair(scene);
    if (!coarse)
        return std::nullopt;
    F2Cusps pair;
    pair.extraordinary = coarse->extraordinary;
    pair.ordinary = coarse->ordinary;
    pair.lead_in = true;
    pair.coarse = true;
    pair.hidden_extraordinary = coarse->hidden;
    pair.ordinary_below = coarse->ordinary_below;
    pair.extraordinary_below = coarse->extraordinary_below;
    pair.twins_a_column_apart = coarse->twins_a_column_apart;
    pair.match.separation =
        scene.frequency(pair.extraordinary.column) - scene.frequency(pair.ordinary->column);
    return pair;
}

std::vector<const Trace*> f_region_traces(const Scene& scene) {
    std::vector<const Trace*> traces;
    for (const Trace& trace : scene.traces)
        if (trace.lowest() >= f_region_lowest)
            traces.push_back(&trace);
    return traces;
}

// A sounder that records each echo in its nearest cell draws a steep trace as thin echoes
// climbing several cells a column, empty rows between them: the tracing ends it below its cusp.
// Where its thin echoes climb `climb_least` cells a column or more to its end, it is followed on
// along its climb: the next echo above, thin, where the climb so far puts it (within
// `climb_slack` cells, or up to twice as high), across a column without echo at most.
constexpr int climb_least = 2;
constexpr int climb_slack = 3;
TracePoint climb_on(const Scene& scene, const Trace& trace) {
    const auto& points = trace.points;
    TracePoint end = points.back();
    if (points.size() < 3)
        return end;
    const TracePoint& from = points[points.size() - 3];
    double rise = static_cast<double>(end.low - from.low) / (end.column - from.column);
    // Thin echoes to its end: a trace drawn in full stands tall in its columns as it turns up.
    if (rise < climb_least ||
        std::any_of(points.end() - 3, points.end(),
                    [](const TracePoint& point) { return point.high - point.low > pulse_tail; }))
        return end;
    const auto count = static_cast<int>(scene.image.columns.size());
    for (bool moved = true; moved;) {
        moved = false;
        int passed = 0;
        for (int c = end.column + 1; c < count && passed < 2; ++c) {
            const EchoColumn& column = scene.image.columns[static_cast<std::size_t>(c)];
            if (column.interference)
                continue;
            ++passed;
            // Turning up into its cusp, the trace may climb up to twice as steeply.
            const double least = end.low + rise * (c - end.column) - climb_slack;
            const double most = end.low + 2 * rise * (c - end.column) + climb_slack;
            // The one echo above the end: a stack of echoes is the cusp itself standing there.
            const Segment* next = nullptr;
            int above = 0;
            for (const Segment& segment : column.segments)
                if (!segment.multiple && segment.low > end.high) {
                    ++above;
                    if (segment.low >= least - 1e-9 && segment.low <= most + 1e-9 &&
                        segment.high - segment.low <= pulse_tail)
                        next = &segment;
                }
            if (above > 1)
                break;
            if (next == nullptr)
                continue;
            rise = std::max(rise, static_cast<double>(next->low - end.low) / (c - end.column));
            end = TracePoint{c, next->low, next->high};
            moved = true;
            break;
        }
    }
    return end;
}

std::vector<Cusp> cusps_of(const Scene& scene, const std::vector<const Trace*>& traces) {
    std::vector<Cusp> cusps;
    for (const Trace* trace : traces) {
        const double rise = end_rise(scene, *trace, cusp_window);
        if (rise >= cusp_rise) {
            const TracePoint end = climb_on(scene, *trace);
            cusps.push_back({vertical_after(scene, end.column, end.low), end.low, rise, trace});
        }
        for (const TracePoint& point : hidden_cusps(scene, *trace, cusp_rise))
            cusps.push_back({vertical_after(scene, point.column, top_of(scene, point)),
                             top_of(scene, point), excess(scene, point), trace});
    }
    std::sort(cusps.begin(), cusps.end(),
              [](const Cusp& a, const Cusp& b) { return a.column < b.column; });
    return cusps;
}

// The column offsets the twins are looked for at: the closest separation to the farthest.
std::pair<int, int> separation_offsets(const Scene& scene) {
    const int first = std::max(1, scene.columns_in(closest_separation));
    return {first, std::max(first, scene.columns_in(farthest_separation))};
}

SeparationMatch match_separation(const Scene& scene, const Cusp& top,
                                 const std::vector<Cusp>& cusps) {
    SeparationMatch best;
    if (top.trace == nullptr)
        return best;
    const double fx = scene.frequency(top.column);
    const int floor = top.trace->lowest();
    // The leading edge of the top trace by column, and the steep echoes below its cusp: on the
    // flat part every separation lays the trace onto itself.
    std::vector<const TracePoint*> steep;
    for (const TracePoint& point : top.trace->points)
        if (scene.frequency(point.column) >= fx - match_window - 1e-9 &&
            point.column <= top.column && point.low >= floor + steep_cells)
            steep.push_back(&point);
    const auto own_low = [&](int column) {
        for (const TracePoint& point : top.trace->points)
            if (point.column == column)
                return point.low;
        return -100;
    };
    const auto [first, last] = separation_offsets(scene);
    for (int k = first; k <= last; ++k) {
        int tested = 0;
        int matched = 0;
        int covered = 0;
        for (const TracePoint* point : steep) {
            const int c = point->column - k;
            if (c < 0 || scene.image.columns[static_cast<std::size_t>(c)].interference)
                continue;
            // Where the trace itself runs there within a pulse below, it hides the twin.
            const int own = own_low(c);
            if (own <= point->low && own > point->low - scene.pulse - twin_cells)
                continue;
            ++tested;
            bool inside = false;
            for (const Segment& segment :
                 scene.image.columns[static_cast<std::size_t>(c)].segments) {
                if (segment.multiple)
                    continue;
                if (std::abs(segment.low - point->low) <= twin_cells &&
                    std::abs(segment.low - own) > twin_cells) {
                    ++matched;
                    inside = false;
                    break;
                }
                inside =
                    inside || (segment.low < point->low - twin_cells && segment.high >= point->low);
            }
            covered += inside ? 1 : 0;
        }
        if (tested < 3)
            continue;
        const double separation = k * scene.image.step;
        // A cusp where the twin's would stand adds to what the traces say.
        double score = static_cast<double>(matched) / tested;
        for (const Cusp& cusp : cusps)
            if (cusp.column == top.column - k ||
                (cusp.column != top.column && std::abs(cusp.column - (top.column - k)) <= 1 &&
                 scene.image.step < 0.05)) {
                score += cusp_bonus;
                break;
            }
        if (score > best.score + 1e-9 ||
            (score > best.score - 1e-9 && std::fabs(separation - station_separation) <
                                              std::fabs(best.separation - station_separation)))
            best = SeparationMatch{separation, score, tested, covered};
    }
    return best;
}

// The run of lines (first and last column) where a separation below the top cusp puts its twin,
// with the ordinary trace seen rising into it: in the column just before, an echo standing that
// far above the lowest. Where the separation was `measured` on the traces (it may fall between
// lines), single columns between lines belong to the run, and the trace is not seen going on
// beyond it.
std::optional<std::pair<int, int>> lines_behind_twin(const Scene& scene, const Cusp& top,
                                                     double separation = station_separation,
                                                     bool measured = false) {
    const auto& columns = scene.image.columns;
    const int wanted = scene.column_of(scene.frequency(top.column) - separation);
    int first = -1;
    for (int c = std::max(0, wanted - 1); c <= std::min(top.column - 1, wanted + 1); ++c)
        if (columns[static_cast<std::size_t>(c)].interference) {
            first = c;
            break;
        }
    if (first < 0)
        return std::nullopt;
    int last = first;
    const auto line = [&](int c) {
        return c >= 0 && c < top.column && columns[static_cast<std::size_t>(c)].interference;
    };
    while (line(first - 1) || (measured && line(first - 2)))
        first -= line(first - 1) ? 1 : 2;
    while (line(last + 1) || (measured && line(last + 2)))
        last += line(last + 1) ? 1 : 2;
    const int before = first - 1;
    if (before < 0)
        return std::nullopt;
    int lowest = -1;
    int highest = -1;
    for (const Segment& segment : columns[static_cast<std::size_t>(before)].segments) {
        if (segment.multiple || segment.low < f_region_lowest)
            continue;
        if (lowest < 0 || segment.low < lowest)
            lowest = segment.low;
        highest = std::max(highest, segment.low);
    }
    if (lowest < 0 || height_of(highest) - height_of(lowest) < rising_into_lines)
        return std::nullopt;
    // Going on: `seen_beyond` MHz beyond the lines (its cusp's top may stand just beyond them),
    // an echo above the lowest (its twin's) reaches that height.
    const int beyond = last + scene.columns_in(seen_beyond);
    if (measured && beyond < top.column) {
        bool lowest_echo = true;
        for (const Segment& segment : columns[static_cast<std::size_t>(beyond)].segments) {
            if (segment.multiple || segment.low < f_region_lowest)
                continue;
            if (!lowest_echo && segment.high >= highest - twin_cells)
                return std::nullopt;
            lowest_echo = false;
        }
    }
    return std::make_pair(first, last);
}

// On a real sounding the extraordinary trace runs higher than the ordinary trace moved by the
// separation (more retarded), so the separation measured at equal heights below the cusps falls
// short of the cusps' own. Where no cusp stands there, the ordinary cusp is the end of the trace
// the measured twins lie on: a cusp up to `short_separation` MHz further below, standing above
// those twins.
constexpr double short_separation = 0.25;
std::optional<Cusp> twin_on_matched_trace(const Scene& scene, const std::vector<Cusp>& cusps,
                                          const Cusp& top, double separation) {
    if (top.trace == nullptr)
        return std::nullopt;
    const int k = scene.columns_in(separation);
    const double fx = scene.frequency(top.column);
    const Cusp* best = nullptr;
    int best_count = 0;
    for (const Cusp& cusp : cusps) {
        const double f = scene.frequency(cusp.column);
        if (cusp.trace == nullptr || cusp.trace == top.trace ||
            f < fx - separation - short_separation - 1e-9 ||
            f > fx - separation - scene.image.step + 1e-9)
            continue;
        int count = 0;
        int highest = -1;
        for (const TracePoint& point : top.trace->points) {
            if (point.column > top.column || point.column - k < 0)
                continue;
            for (const TracePoint& twin : cusp.trace->points)
                if (twin.column == point.column - k &&
                    std::abs(twin.low - point.low) <= twin_cells) {
                    ++count;
                    highest = std::max(highest, twin.low);
                }
        }
        if (count >= 3 && cusp.index > highest && count > best_count) {
            best = &cusp;
            best_count = count;
        }
    }
    return best != nullptr ? std::optional<Cusp>(*best) : std::nullopt;
}

// A short piece of trace far beyond every other F trace (a narrow-band transmitter heard over
// part of a few columns, rising from one column to the next) is no trace leading into a cusp:
// its trace spans less than `apart_span` MHz, and no other trace reaches within `apart_gap` MHz
// below its start, but other such short pieces themselves twice as far beyond the rest
// (transmitters side by side).
constexpr double apart_span = 0.5;
constexpr double apart_gap = 1.0;
bool stands_apart(const Scene& scene, const Trace& piece, double gap, bool among_pieces) {
    const double first = scene.frequency(piece.first_column());
    if (scene.frequency(piece.last_column()) - first >= apart_span - 1e-9)
        return false;
    return std::none_of(scene.traces.begin(), scene.traces.end(), [&](const Trace& trace) {
        return &trace != &piece && !trace.multiple &&
               scene.frequency(trace.last_column()) >= first - gap - 1e-9 &&
               scene.frequency(trace.first_column()) < first - 1e-9 &&
               !(among_pieces && stands_apart(scene, trace, 2 * gap, false));
    });
}
bool stands_apart(const Scene& scene, const Cusp& cusp) {
    return cusp.trace != nullptr && stands_apart(scene, *cusp.trace, apart_gap, true);
}

// Where the steep parts are too short to test, twin cusps tell the separation: two pairs of
// cusps at equal heights, the extraordinary ones about the top cusp, at one offset or at two
// neighbouring ones (each cusp within a column of its own), at no other offset (MHz, the pairs'
// mean).
constexpr double twins_about = 0.15;
constexpr int twin_pairs = 2;
std::optional<double> twin_cusps(const Scene& scene, const std::vector<Cusp>& cusps,
                                 const Cusp& top) {
    const int reach = scene.columns_in(twins_about);
    const auto [first, last] = separation_offsets(scene);
    std::vector<int> pairs(static_cast<std::size_t>(last + 2), 0); // one past the last stays 0
    for (int k = first; k <= last; ++k)
        for (const Cusp& x : cusps)
            if (std::abs(x.column - top.column) <= reach)
                pairs[static_cast<std::size_t>(k)] +=
                    std::any_of(cusps.begin(), cusps.end(), [&](const Cusp& o) {
                        return o.column == x.column - k &&
                               std::abs(o.index - x.index) <= twin_cells;
                    });
    std::optional<int> found;
    for (int k = first; k <= last; ++k)
        if (pairs[static_cast<std::size_t>(k)] + pairs[static_cast<std::size_t>(k) + 1] >=
            twin_pairs) {
            if (found && k > *found + 1)
                return std::nullopt; // two offsets: no telling
            if (!found)
                found = k;
        }
    if (!found)
        return std::nullopt;
    const auto k = static_cast<std::size_t>(*found);
    const int n = pairs[k] + pairs[k + 1];
    return (pairs[k] * *found + pairs[k + 1] * (*found + 1)) * scene.image.step / n;
}

// Or the top cusp's piece (`piece_span` MHz at most) laid onto another at one offset: of its
// echoes, `piece_echoes` at least find one at equal height there, at no offset but the best and
// its neighbours.
constexpr int piece_echoes = 4;
constexpr double piece_span = 0.2;
std::optional<double> twin_piece(const Scene& scene, const Cusp& top) {
    if (top.trace == nullptr || top.trace->points.size() < piece_echoes ||
        scene.frequency(top.trace->last_column()) - scene.frequency(top.trace->first_column()) >
            piece_span + 1e-9)
        return std::nullopt;
    const auto& points = top.trace->points;
    const auto [first, last] = separation_offsets(scene);
    std::vector<int> good;
    int best = -1;
    int best_matched = 0;
    for (int k = first; k <= last; ++k) {
        int matched = 0;
        for (const TracePoint& point : points) {
            const int c = point.column - k;
            if (c < 0 || c >= points.front().column) // not onto itself
                continue;
            matched += std::any_of(
                scene.image.columns[static_cast<std::size_t>(c)].segments.begin(),
                scene.image.columns[static_cast<std::size_t>(c)].segments.end(),
                [&](const Segment& segment) {
                    return !segment.multiple && std::abs(segment.low - point.low) <= twin_cells;
                });
        }
        if (matched >= piece_echoes) {
            good.push_back(k);
            if (matched > best_matched) {
                best_matched = matched;
                best = k;
            }
        }
    }
    if (best < 0 ||
        std::any_of(good.begin(), good.end(), [&](int k) { return std::abs(k - best) > 1; }))
        return std::nullopt;
    return best * scene.image.step;
}

std::vector<double> standing_twins(const Scene& scene, const Cusp& top) {
    const double fx = scene.frequency(top.column);
    const auto& columns = scene.image.columns;
    const auto line_at = [&](int c) {
        return c >= 0 && c < static_cast<int>(columns.size()) &&
               columns[static_cast<std::size_t>(c)].interference;
    };
    std::vector<double> found;
    for (const Standing& standing :
         standing_columns(scene, fx - farthest_separation, fx - closest_separation)) {
        // Beside a line, it may be where the line cuts a band off: a piece of anything.
        const int c = standing.cusp.column;
        if (standing.cusp.index < top.index && !line_at(c - 1) && !line_at(c + 1))
            found.push_back(scene.frequency(c));
    }
    return found;
}

std::optional<F2Cusps> f2_cusps(const Scene& scene, const std::vector<Cusp>& cusps) {
    if (cusps.empty())
        return std::nullopt;
    // The top cusp: the highest one a trace leads into, of the lowest trace there.
    const Cusp* top = nullptr;
    bool oblique = false;
    for (auto it = cusps.rbegin(); it != cusps.rend(); ++it) {
        if (!leads_in(scene, *it) || stands_apart(scene, *it))
            continue;
        if (above_lower_trace(scene, *it)) {
            oblique = true;
            continue;
        }
        top = &*it;
        break;
    }
    F2Cusps pair;
    pair.extraordinary = top != nullptr ? *top : cusps.back();
    pair.lead_in = top != nullptr;
    pair.oblique = oblique;
    pair.spread =
        spread_beyond(scene, pair.extraordinary) || speckled_about(scene, pair.extraordinary);
    pair.match = match_separation(scene, pair.extraordinary, cusps);
    if (pair.lead_in && pair.match.tested < 3)
        if (auto separation = twin_cusps(scene, cusps, pair.extraordinary);
            separation || (separation = twin_piece(scene, pair.extraordinary))) {
            pair.match.separation = *separation;
            pair.match.score = twin_score;
        }
    if (pair.match.score >= twin_score) {
        pair.measured = true;
        pair.ordinary = twin_at(scene, cusps, pair.extraordinary, pair.match.separation);
        if (!pair.ordinary)
            if ((pair.ordinary = twin_on_matched_trace(scene, cusps, pair.extraordinary,
                                                       pair.match.separation))) {
                pair.trace_separation = pair.match.separation;
                pair.match.separation = scene.frequency(pair.extraordinary.column) -
                                        scene.frequency(pair.ordinary->column);
            }
        if (!pair.ordinary)
            if (const auto lines =
                    lines_behind_twin(scene, pair.extraordinary, pair.match.separation, true)) {
                // The ordinary trace rising into lines: its cusp lies behind them, where the
                // measured separation puts it.
                const int twin =
                    std::clamp(scene.column_of(scene.frequency(pair.extraordinary.column) -
                                               pair.match.separation),
                               lines->first, lines->second);
                pair.ordinary = Cusp{twin, pair.extraordinary.index, 0, nullptr};
            }
        if (pair.ordinary)
            if (const auto below = vertical_pair_below(scene, cusps, pair)) {
                pair.extraordinary = below->first;
                pair.ordinary = below->second;
                pair.oblique = true;
            }
        // One copy is taken off: a lower pair told by the other rule is the vertical one.
        if (const auto below = pair.ordinary && !pair.oblique
                                   ? shifted_pair_below(scene, cusps, pair)
                                   : std::nullopt) {
            pair.extraordinary = below->first;
            pair.ordinary = below->second;
            pair.oblique = true;
        }
        if (pair.ordinary) {
            const double from = scene.frequency(pair.ordinary->column) - crowd_below;
            const double to = scene.frequency(pair.extraordinary.column) + crowd_beyond;
            int around = 0;
            for (const Cusp& cusp : cusps)
                if (scene.frequency(cusp.column) >= from - 1e-9 &&
                    scene.frequency(cusp.column) <= to + 1e-9)
                    ++around;
            // An oblique copy's pair, told as such, is no crowd.
            pair.crowded = around >= crowded_cusps + (pair.oblique ? 2 : 0);
        }
    } else if (pair.lead_in && runs_through_window(scene, pair.extraordinary) &&
               ((pair.match.tested >= 6 && pair.match.score <= single_score &&
                 2 * pair.match.covered < pair.match.tested) ||
                single_trace(scene, cusps, pair.extraordinary))) {
        pair.ordinary_only = true;
    } else if (const auto coarse = coarse_pair(scene, pair.extraordinary)) {
        pair.extraordinary = coarse->extraordinary;
        pair.ordinary = coarse->ordinary;
        pair.coarse = true;
        pair.hidden_extraordinary = coarse->hidden;
        pair.ordinary_behind_line = coarse->ordinary_behind_line;
        pair.match.separation =
            scene.frequency(pair.extraordinary.column) - scene.frequency(pair.ordinary->column);
    } else {
        // Not told by the traces: the cusp nearest the station's separation below, read only
        // as a guess.
        const double top_frequency = scene.frequency(pair.extraordinary.column);
        // How far a column's cusp would put the pair off the station's separation.
        const auto off_station = [&](int column) {
            return std::fabs(top_frequency - scene.frequency(column) - station_separation);
        };
        const auto nearer = [&](int column) {
            return !pair.ordinary || off_station(column) < off_station(pair.ordinary->column);
        };
        for (const Cusp& cusp : cusps) {
            const double apart = top_frequency - scene.frequency(cusp.column);
            if (apart < closest_separation - 1e-9 || apart > farthest_separation + 1e-9)
                continue;
            if (nearer(cusp.column))
                pair.ordinary = cusp;
        }
        // Or an echo standing vertical just beyond lines, where the ordinary trace merged with
        // the extraordinary one up to the lines rises out of it (not between lines: a piece of
        // anything).
        if (pair.lead_in)
            for (const Standing& standing :
                 standing_columns(scene, top_frequency - farthest_separation,
                                  top_frequency - closest_separation)) {
                const auto c = static_cast<std::size_t>(standing.cusp.column);
                const auto& columns = scene.image.columns;
                if (c == 0 || !columns[c - 1].interference ||
                    (c + 1 < columns.size() && columns[c + 1].interference))
                    continue;
                if (nearer(standing.cusp.column)) {
                    pair.ordinary = standing.cusp;
                    pair.standing_beyond_lines = true;
                }
            }
        if (!pair.ordinary && pair.lead_in)
            if (const auto lines = lines_behind_twin(scene, pair.extraordinary)) {
                pair.ordinary = Cusp{lines->first, pair.extraordinary.index, 0, nullptr};
                pair.behind_lines =
                    std::make_pair(scene.frequency(lines->first), scene.frequency(lines->second));
            }
        if (pair.ordinary) {
            pair.match.separation = top_frequency - scene.frequency(pair.ordinary->column);
            // A lower pair of which the guessed one may be an oblique copy: only the day may
            // choose between them.
            auto below = vertical_pair_below(scene, cusps, pair);
            if (!below)
                below = shifted_pair_below(scene, cusps, pair);
            if (below)
                pair.copy_below = scene.frequency(below->second.column);
        }
    }
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
