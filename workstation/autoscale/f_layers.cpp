#include "autoscale/chapman.h"
#include "autoscale/scene.h"
#include "ionogram/secant_law.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace scalvo::autoscale {

namespace {

// The extraordinary trace of this station lies 0.5 MHz above the ordinary one; elsewhere it is
// closer, and the pair of cusps of a sounding tells by how much.
constexpr double station_separation = 0.5;
// The pair of F2 cusps: the extraordinary one 0.15 to 0.7 MHz above the ordinary one.
constexpr double closest_pair = 0.15;
constexpr double farthest_pair = 0.7;
// A trace that turns up by 40 km over its last 0.2 MHz ends in a cusp.
constexpr double cusp_rise = 40;
constexpr double cusp_window = 0.2;
// An F1 cusp lies this far below foF2 at least (MHz), ending a trace whose lowest echo lies
// within this many cells of h'F; h'F2 stands this many cells above h'F.
constexpr double f1_below_f2 = 0.8;
constexpr double f1_above_start = 0.15;
// A trace starting at least this many cells above its lowest echo and coming down over its first
// 0.15 MHz starts at a cusp.
constexpr int descent_cells = 6;
constexpr double descent_window = 0.15;
// A first-hop echo this many cells tall is a trace standing vertical at a cusp.
constexpr int vertical_cells = 12;
constexpr int f2_above_f1 = 4;

struct Cusp {
    int column = 0;
    int index = 0; // leading edge at the cusp
    double rise = 0;
    const Trace* trace = nullptr;
};

std::vector<const Trace*> f_region_traces(const Scene& scene) {
    std::vector<const Trace*> traces;
    for (const Trace& trace : scene.traces)
        if (trace.lowest() >= f_region_lowest)
            traces.push_back(&trace);
    return traces;
}

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

// The lowest first-hop echo in the F heights, column by column.
struct EnvelopePoint {
    int column = 0;
    int index = 0; // leading edge
    // A second hop lies just below it, where a lower first-hop echo may hide: what the column
    // shows is then not surely the lowest trace there.
    bool obscured = false;
};

std::vector<EnvelopePoint> f_envelope(const Scene& scene) {
    std::map<int, int> lowest_by_column;
    for (const Trace& trace : scene.traces)
        for (const TracePoint& point : trace.points) {
            if (point.low < f_region_lowest)
                continue;
            auto [it, inserted] = lowest_by_column.emplace(point.column, point.low);
            if (!inserted)
                it->second = std::min(it->second, point.low);
        }
    std::vector<EnvelopePoint> envelope;
    for (const auto& [column, index] : lowest_by_column) {
        EnvelopePoint point{column, index, false};
        for (const Segment& segment :
             scene.image.columns[static_cast<std::size_t>(column)].segments)
            if (segment.multiple && segment.low < index && segment.high >= index - 2 &&
                segment.low >= f_region_lowest)
                point.obscured = true;
        envelope.push_back(point);
    }
    return envelope;
}

// The lowest echo of the envelope that a neighbouring column supports within one cell: a cusp
// of the E trace rising through the F heights stands alone in its column, a trace does not.
const EnvelopePoint* sustained_minimum(const Scene& scene,
                                       const std::vector<EnvelopePoint>& envelope) {
    const int near = std::max(2, scene.columns_in(0.05));
    const EnvelopePoint* best = nullptr;
    for (std::size_t k = 0; k < envelope.size(); ++k) {
        const auto supports = [&](std::size_t j) {
            return std::abs(envelope[j].column - envelope[k].column) <= near &&
                   envelope[j].index <= envelope[k].index + 1;
        };
        if (!((k > 0 && supports(k - 1)) || (k + 1 < envelope.size() && supports(k + 1))))
            continue;
        if (best == nullptr || envelope[k].index < best->index)
            best = &envelope[k];
    }
    return best;
}

// The ordinary F trace as the envelope shows it, (frequency, virtual height), up to foF2. Where
// nothing lies below the F layer its trace only rises, so once the extraordinary twin has begun
// (the separation above the start) the lowest echo is the twin's, standing for the ordinary trace
// the separation lower. Obscured columns are left out: the twin may hide there.
std::vector<std::pair<double, double>> ordinary_samples(const Scene& scene,
                                                        const std::vector<EnvelopePoint>& envelope,
                                                        double separation, double foF2) {
    std::vector<std::pair<double, double>> samples;
    if (envelope.empty())
        return samples;
    const double start = scene.frequency(envelope.front().column);
    for (const EnvelopePoint& point : envelope) {
        if (point.obscured)
            continue;
        double f = scene.frequency(point.column);
        if (f >= start + separation - 1e-9)
            f -= separation;
        if (f <= foF2 + 1e-9)
            samples.emplace_back(f, height_of(point.index));
    }
    return samples;
}

// The tool's MUF for the curve through a point: one decimal, halves to even, held within its
// limits, kept single.
double tool_muf(double muf) {
    const auto value = static_cast<float>(std::nearbyint(muf * 10) / 10.0);
    return static_cast<double>(std::min(std::max(value, 3.0f), 70.0f));
}

// The 0.1 MHz code of a frequency picked on the plot: nearest, judged on the hundredths digit,
// halves going up.
long long tenths_code(double frequency) {
    const auto hundredths = static_cast<long long>(std::floor(frequency * 100 + 1e-6));
    return (hundredths + 5) / 10;
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
            const double until = scene.frequency(points[i].column) +
                                 std::max(descent_window, 3 * scene.image.step);
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
                for (const Segment& segment : scene.image.columns[static_cast<std::size_t>(c)].segments)
                    if (!segment.multiple && segment.low >= f_region_lowest && segment.high > reach) {
                        reach = segment.high;
                        column = c;
                    }
            // Where lines hide the columns just before, the cusp lies among them.
            int hidden = column;
            while (hidden > 0 &&
                   scene.image.columns[static_cast<std::size_t>(hidden - 1)].interference)
                --hidden;
            if (hidden < column && (i == 0 || points[i - 1].column < hidden))
                column = scene.column_of(
                    (scene.frequency(column) + scene.frequency(hidden - 1)) / 2 + 1e-6);
            starts.emplace_back(column, points[i].low);
        }
    }
    std::sort(starts.begin(), starts.end());
    return starts;
}

// The F1 layer, where it makes its own cusp below the F2 layer's: the F2 trace begins there,
// coming down from above, and its extraordinary twin the separation higher; both lie well below
// foF2 and above the start of the F trace. h'F2 is the lowest F echo beyond the twin.
void read_f1(const Scene& scene, const std::vector<const Trace*>& traces, const Cusp& f2,
             double separation, const std::vector<EnvelopePoint>& envelope,
             const EnvelopePoint* lowest, FLayers& result) {
    if (lowest == nullptr || !result.first_column)
        return;
    const double foF2 = scene.frequency(f2.column);
    const double f_start = scene.frequency(*result.first_column);
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
    std::optional<std::pair<int, int>> best; // (ordinary, extraordinary) columns
    for (const auto& [a, a_index] : starts) {
        const double fa = scene.frequency(a);
        // Above the start of the F trace (and its twin) the F trace comes down from the E cusp.
        if (fa > foF2 - f1_below_f2 + 1e-9 || fa < f_start + f1_above_start - 1e-9 ||
            std::fabs(fa - f_start - separation) <= tolerance)
            continue;
        for (const int b : cusp_marks) {
            const double apart = scene.frequency(b) - fa;
            if (std::fabs(apart - separation) > tolerance)
                continue;
            if (!best || a < best->first)
                best = std::pair{a, b};
        }
    }
    if (!best)
        return;
    // h'F2: the lowest F echo from beyond the extraordinary F1 cusp up to foF2.
    std::vector<EnvelopePoint> beyond;
    for (const EnvelopePoint& point : envelope) {
        const double f = scene.frequency(point.column);
        if (f > scene.frequency(best->second) + scene.image.step + 1e-9 && f <= foF2 + 1e-9)
            beyond.push_back(point);
    }
    const EnvelopePoint* f2_lowest = sustained_minimum(scene, beyond);
    if (f2_lowest == nullptr || f2_lowest->index < lowest->index + f2_above_f1)
        return;
    result.foF1 = frequency_proposal(scene, best->first, lowest->index, 0.7);
    result.hF2 = height_proposal(scene, f2_lowest->column, f2_lowest->index, 0.7);
}

} // namespace

FLayers read_f_layers(const Scene& scene) {
    FLayers result;
    result.separation = station_separation;
    const std::vector<const Trace*> traces = f_region_traces(scene);
    if (traces.empty())
        return result;
    for (const Trace* trace : traces)
        if (!result.first_column || trace->first_column() < *result.first_column)
            result.first_column = trace->first_column();

    int first = -1;
    for (const Trace& trace : scene.traces)
        if (first < 0 || trace.first_column() < first)
            first = trace.first_column();
    const double fmin = scene.frequency(first);
    const std::vector<EnvelopePoint> envelope = f_envelope(scene);
    const EnvelopePoint* lowest = sustained_minimum(scene, envelope);
    if (lowest != nullptr) {
        result.hF = height_proposal(scene, lowest->column, lowest->index, 0.8);
        // Without a layer below, the F trace is lowest where it starts, at fmin.
        result.start_hidden = scene.frequency(lowest->column) >
                              fmin + std::max(0.1, 2 * scene.image.step) + 1e-9;
    }

    const std::vector<Cusp> cusps = cusps_of(scene, traces);
    if (cusps.empty())
        return result;
    const Cusp& top = cusps.back();
    const double top_frequency = scene.frequency(top.column);
    const Cusp* ordinary = nullptr;
    Cusp hidden;
    // Of the cusps that may be the ordinary twin of the top one, the one nearest the station's
    // separation: a spread trace or a broken piece ends near it too.
    for (const Cusp& cusp : cusps) {
        const double f = scene.frequency(cusp.column);
        if (f < top_frequency - farthest_pair - 1e-9 || f > top_frequency - closest_pair + 1e-9)
            continue;
        const auto off = [&](const Cusp& c) {
            return std::fabs(top_frequency - station_separation - scene.frequency(c.column));
        };
        if (ordinary == nullptr || off(cusp) <= off(*ordinary) + 1e-9)
            ordinary = &cusp;
    }
    // The ordinary trace is its twin moved down by the separation, cusp and all: where no cusp
    // was found there, the column the separation below the top one showing the top's own echo is
    // the ordinary cusp.
    if (ordinary == nullptr) {
        const int twin = scene.column_of(top_frequency - station_separation);
        const auto& top_segments = scene.image.columns[static_cast<std::size_t>(top.column)].segments;
        int top_low = -1;
        for (const Segment& segment : top_segments)
            if (!segment.multiple && segment.low >= top.index - 2)
                top_low = std::max(top_low, segment.low);
        if (top_low >= 0 && !scene.image.columns[static_cast<std::size_t>(twin)].interference)
            for (const Segment& segment :
                 scene.image.columns[static_cast<std::size_t>(twin)].segments)
                if (!segment.multiple && std::abs(segment.low - top_low) <= 2) {
                    hidden = Cusp{twin, segment.low, top.rise, nullptr};
                    ordinary = &hidden;
                }
    }
    // An ordinary trace that vanishes into a line may end anywhere behind it: there its
    // extraordinary twin tells where.
    if (ordinary != nullptr) {
        int behind = ordinary->column;
        const auto last = static_cast<int>(scene.image.columns.size()) - 1;
        while (behind < last &&
               scene.image.columns[static_cast<std::size_t>(behind + 1)].interference)
            ++behind;
        const double twin = top_frequency - station_separation;
        if (behind > ordinary->column && twin >= scene.frequency(ordinary->column) - 1e-9 &&
            twin <= scene.frequency(behind) + 0.5 * scene.image.step + 1e-9) {
            hidden = Cusp{scene.column_of(twin), ordinary->index, ordinary->rise, ordinary->trace};
            ordinary = &hidden;
        }
    }
    double& separation = result.separation;
    if (ordinary != nullptr) {
        result.foF2 = frequency_proposal(scene, ordinary->column, ordinary->index, 0.9);
        result.fxI = frequency_proposal(scene, top.column, top.index, 0.8);
        const double measured = top_frequency - scene.frequency(ordinary->column);
        if (std::fabs(measured - station_separation) > 1.5 * scene.image.step + 0.01)
            separation = measured;
    } else {
        ordinary = &top;
        result.foF2 = frequency_proposal(scene, top.column, top.index, 0.6);
    }

    read_f1(scene, traces, *ordinary, separation, envelope, lowest, result);

    // MUF(3000)F2: the transmission curve that touches the ordinary F2 trace.
    const double foF2 = result.foF2->value;
    double best = 0;
    int best_x = 0;
    int best_index = 0;
    // Of the F2 trace only: above foF1 where an F1 layer shows.
    const double from = result.foF1 ? result.foF1->value : 0.0;
    auto consider = [&](double f, int index) {
        if (f > foF2 + 1e-9 || f <= from + 1e-9)
            return;
        const int x = static_cast<int>(std::lround(40 * f - 36));
        const double muf = muf_of_echo(static_cast<float>(frequency_of_x(x)),
                                       static_cast<float>(height_of(index)));
        if (muf > best) {
            best = muf;
            best_x = x;
            best_index = index;
        }
    };
    // On the rising part of the trace the extraordinary twin lies below the ordinary trace, so
    // the lowest echo of a column is the twin's, standing for the ordinary trace the separation
    // lower. A column stands for the frequencies half a step either side of it: on a rising trace
    // its lowest echo is that of its lower edge.
    const double half_step = scene.image.step / 2;
    for (const EnvelopePoint& point : envelope)
        if (!point.obscured)
            consider(scene.frequency(point.column) - separation - half_step, point.index);
    if (best > 0) {
        const double muf = tool_muf(best);
        result.muf = Proposal{muf, 0.7, best_x, plot_row_of(best_index), 0, 0};
        const long long muf_code = std::llround(muf * 10);
        const long long foF2_code = tenths_code(foF2);
        if (foF2_code > 0) {
            const double m = std::nearbyint(static_cast<double>(muf_code * 100) /
                                            static_cast<double>(foF2_code));
            result.m3000 = Proposal{m / 100, 0.7, best_x, plot_row_of(best_index), 0, 0};
        }
    }

    result.ordinary = ordinary_samples(scene, envelope, separation, foF2);
    for (const EnvelopePoint& point : envelope)
        if (!point.obscured)
            result.envelope.emplace_back(scene.frequency(point.column), height_of(point.index));
    result.fmin = fmin;
    if (const auto fit = fit_f_trace(result.ordinary, foF2)) {
        result.layer = fit;
        result.layer_hF = fit->layer.virtual_height(fmin / foF2);
    }
    return result;
}

} // namespace scalvo::autoscale
