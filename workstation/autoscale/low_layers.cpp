#include "autoscale/scene.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace scalvo::autoscale {

namespace {

// An E trace turns up by 20 km over its last 0.15 MHz into its cusp; sporadic E stays flat.
constexpr double e_cusp_rise = 20;
constexpr double e_cusp_window = 0.15;

std::vector<const Trace*> low_traces(const Scene& scene) {
    std::vector<const Trace*> traces;
    for (const Trace& trace : scene.traces)
        if (trace.lowest() <= e_region_highest)
            traces.push_back(&trace);
    return traces;
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
    result.fmin = frequency_proposal(scene, first, 0, 0.8);
    for (const Trace& trace : scene.traces)
        if (trace.first_column() == first) {
            result.fmin->y = plot_row_of(trace.points.front().low);
            break;
        }
    const double fmin = result.fmin->value;

    const std::vector<const Trace*> traces = low_traces(scene);
    if (traces.empty())
        return result;

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

    // The flat run at that level from its lowest frequency up.
    const int max_gap = scene.columns_in(0.1);
    int run_start = -1;
    int run_end = -1;
    int gap = 0;
    for (const auto& [column, index] : lowest_by_column) {
        const bool flat = index >= base - 1 && index <= base + 2;
        if (run_start < 0) {
            if (flat)
                run_start = run_end = column;
            continue;
        }
        if (flat) {
            gap = 0;
            for (int c = run_end + 1; c < column; ++c)
                gap += scene.image.columns[static_cast<std::size_t>(c)].interference ? 0 : 1;
            if (gap > max_gap)
                break;
            run_end = column;
        }
    }

    // The E trace turns up into its cusp at foE, often within the run of its extraordinary twin
    // or of a sporadic E; the twin's cusp lies the separation higher. The F trace starts just
    // above foE.
    std::vector<int> cusps;
    for (const Trace* trace : traces) {
        if (end_rise(scene, *trace, e_cusp_window) >= e_cusp_rise)
            cusps.push_back(trace->last_column());
        for (const TracePoint& point : hidden_cusps(scene, *trace, e_cusp_rise))
            cusps.push_back(point.column);
    }
    std::sort(cusps.begin(), cusps.end());
    const double separation = f_layers.separation;
    const bool has_start = f_layers.first_column.has_value();
    const double f_start = has_start ? scene.frequency(*f_layers.first_column) : 0.0;
    int ordinary = -1;
    int x_end = -1;
    double confidence = 0.6;
    for (const int a : cusps)
        for (const int b : cusps) {
            const double apart = scene.frequency(b) - scene.frequency(a);
            if (std::fabs(apart - separation) > 0.12 + scene.image.step)
                continue;
            const auto off = [&](int c) {
                return has_start ? std::fabs(scene.frequency(c) - f_start) : scene.frequency(c);
            };
            if (ordinary < 0 || off(a) < off(ordinary)) {
                ordinary = a;
                x_end = b;
                confidence = 0.9;
            }
        }
    if (ordinary < 0 && !cusps.empty()) {
        x_end = cusps.back();
        const double f_end = scene.frequency(x_end);
        ordinary = scene.column_of(f_end - separation);
        if (has_start && std::fabs(f_start - scene.frequency(ordinary)) <= 0.2) {
            confidence = 0.8;
        } else if (has_start && f_start >= f_end - 0.1 && f_start <= f_end + 0.2) {
            // The F trace starts at the end: that was the ordinary cusp, without its twin.
            ordinary = x_end;
            x_end = scene.column_of(f_end + separation);
            confidence = 0.7;
        }
    }
    if (ordinary >= 0 && scene.frequency(ordinary) >= fmin) {
        result.foE = frequency_proposal(scene, ordinary, base, confidence);
        result.hE = height_proposal(scene, lowest_by_column.begin()->first, base, 0.7);
    } else {
        x_end = -1;
    }

    if (run_start < 0)
        return result;
    const double run_end_frequency = scene.frequency(run_end);
    // With an E trace the flat run holds its extraordinary twin up to near its cusp: sporadic E
    // shows as a flat run beyond that.
    const bool sporadic =
        run_end > run_start && (x_end < 0 || run_end_frequency >= scene.frequency(x_end) - 0.05);
    if (!sporadic)
        return result;
    result.foEs = frequency_proposal(scene, run_end, base, 0.7);
    result.hEs = height_proposal(scene, run_start, base, 0.7);
    if (result.foE) {
        result.fbEs = result.fmin;
    } else if (f_layers.first_column) {
        const double f_start = scene.frequency(*f_layers.first_column);
        if (f_start <= fmin + 0.2)
            result.fbEs = result.fmin;
        else if (f_start <= run_end_frequency)
            result.fbEs = frequency_proposal(scene, *f_layers.first_column, base, 0.6);
        else
            result.fbEs = result.foEs;
    } else {
        result.fbEs = result.foEs;
    }
    return result;
}

} // namespace scalvo::autoscale
