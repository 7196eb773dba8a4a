// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/f_trace.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

namespace scalvo::autoscale {

namespace {

// A trace of the F heights that keeps its leading edge within a cell over this many MHz is a row
// of noise or interference: the F trace rises towards its cusps well within that.
constexpr double flattest_f_span = 3.0;

// The span (MHz) of a trace's F-height points and whether they keep within a cell.
struct Flatness {
    double span = 0;
    int rise = 0; // cells between the lowest and highest leading edge
};

Flatness flatness(const Scene& scene, const Trace& trace) {
    int lowest = 0;
    int highest = -1;
    std::optional<int> first;
    int last = 0;
    for (const TracePoint& point : trace.points) {
        if (point.low < f_region_lowest)
            continue;
        if (!first) {
            first = point.column;
            lowest = highest = point.low;
        }
        lowest = std::min(lowest, point.low);
        highest = std::max(highest, point.low);
        last = point.column;
    }
    if (!first)
        return {};
    return {scene.frequency(last) - scene.frequency(*first), highest - lowest};
}

bool noise_row(const Scene& scene, const Trace& trace) {
    const Flatness f = flatness(scene, trace);
    return f.rise <= 1 && f.span >= flattest_f_span - 1e-9;
}

// A short flat piece beyond the start of a longer F trace: a burst of noise or a piece of a row,
// not the bottom of the F trace, which the longer trace would hold.
constexpr double longer_trace = 0.5;
bool stray_piece(const Scene& scene, const Trace& trace) {
    const Flatness f = flatness(scene, trace);
    if (f.rise > 2 || f.span >= longer_trace - 1e-9)
        return false;
    for (const Trace& other : scene.traces)
        if (&other != &trace && other.first_column() < trace.first_column() &&
            flatness(scene, other).span >= longer_trace - 1e-9)
            return true;
    return false;
}

// A dip of the envelope: its echoes within a cell of each other over spike_window MHz at most,
// the envelope beside it on both sides, within spike_window MHz, spike_rise cells higher or more.
// A burst of noise or a piece of a line lies so; the lowest part of a trace runs on at its level,
// or starts the envelope. No layer's trace dips 18 km within 0.15 MHz and climbs back; on a sweep
// of 0.1 MHz or coarser a thin trace's lowest part may show in one column between the retarded
// start and the cusp, and only a deeper dip tells.
constexpr double spike_window = 0.15;
constexpr int spike_rise = 4;
constexpr int coarse_spike_rise = 6;

// A piece of a line heard over part of a column or a few: in each of its columns a run taller than
// a pulse (the dip's echoes begin within a cell of each other; where a trace crosses the line the
// run ends at the trace's echo). Where it stands at the start of the envelope, below the trace
// beyond it, the trace overlapping it was joined onto it: a trace's first echoes are one pulse
// tall, and lie lowest or come down.
bool line_piece(const Scene& scene, const std::vector<EnvelopePoint>& envelope, std::size_t first,
                std::size_t last) {
    for (std::size_t k = first; k <= last; ++k) {
        const auto& segments =
            scene.image.columns[static_cast<std::size_t>(envelope[k].column)].segments;
        const auto run = std::find_if(segments.begin(), segments.end(), [&](const Segment& s) {
            return !s.multiple && s.low == envelope[k].index;
        });
        if (run == segments.end() || run->high - run->low <= scene.pulse)
            return false;
    }
    return true;
}

bool dips_alone(const Scene& scene, const std::vector<EnvelopePoint>& envelope, std::size_t k) {
    const int level = envelope[k].index;
    const int near = std::max(2, scene.columns_in(0.05));
    std::size_t first = k;
    while (first > 0 && envelope[first - 1].index <= level + 1 &&
           envelope[first].column - envelope[first - 1].column <= near)
        --first;
    std::size_t last = k;
    while (last + 1 < envelope.size() && envelope[last + 1].index <= level + 1 &&
           envelope[last + 1].column - envelope[last].column <= near)
        ++last;
    if (last + 1 == envelope.size() ||
        scene.frequency(envelope[last].column) - scene.frequency(envelope[first].column) >
            spike_window + 1e-9)
        return false;
    const int rise = scene.image.step < 0.1 - 1e-9 ? spike_rise : coarse_spike_rise;
    const auto higher_beside = [&](std::size_t j, std::size_t edge) {
        return std::fabs(scene.frequency(envelope[j].column) -
                         scene.frequency(envelope[edge].column)) <= spike_window + 1e-9 &&
               envelope[j].index >= level + rise;
    };
    if (first == 0)
        return line_piece(scene, envelope, first, last) && higher_beside(last + 1, last);
    return higher_beside(first - 1, first) && higher_beside(last + 1, last);
}

} // namespace

std::vector<EnvelopePoint> f_envelope(const Scene& scene, double shortest) {
    std::map<int, int> lowest_by_column;
    for (const Trace& trace : scene.traces) {
        if (scene.frequency(trace.last_column()) - scene.frequency(trace.first_column()) <
                shortest - 1e-9 ||
            noise_row(scene, trace) || (shortest > 0 && stray_piece(scene, trace)))
            continue;
        for (const TracePoint& point : trace.points) {
            if (point.low < f_region_lowest)
                continue;
            auto [it, inserted] = lowest_by_column.emplace(point.column, point.low);
            if (!inserted)
                it->second = std::min(it->second, point.low);
        }
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

const EnvelopePoint* sustained_minimum(const Scene& scene,
                                       const std::vector<EnvelopePoint>& envelope) {
    const int near = std::max(2, scene.columns_in(0.05));
    const EnvelopePoint* best = nullptr;
    for (std::size_t k = 0; k < envelope.size(); ++k) {
        const auto supports = [&](std::size_t j) {
            return std::abs(envelope[j].column - envelope[k].column) <= near &&
                   envelope[j].index <= envelope[k].index + 1;
        };
        if (!((k > 0 && supports(k - 1)) || (k + 1 < envelope.size() && supports(k + 1))) ||
            dips_alone(scene, envelope, k))
            continue;
        if (best == nullptr || envelope[k].index < best->index)
            best = &envelope[k];
    }
    return best;
}

std::vector<std::pair<double, double>> ordinary_samples(const Scene& scene,
                                                        const std::vector<EnvelopePoint>& envelope,
                                                        double separation, double foF2,
                                                        std::optional<double> start) {
    std::vector<std::pair<double, double>> samples;
    if (envelope.empty())
        return samples;
    if (!start)
        start = scene.frequency(envelope.front().column);
    for (const EnvelopePoint& point : envelope) {
        if (point.obscured)
            continue;
        double f = scene.frequency(point.column);
        if (f >= *start + separation - 1e-9)
            f -= separation;
        if (f <= foF2 + 1e-9)
            samples.emplace_back(f, height_of(point.index));
    }
    return samples;
}

} // namespace scalvo::autoscale
