// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/scene.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <vector>

namespace scalvo::autoscale {

double Scene::frequency(int column) const {
    return image.columns[static_cast<std::size_t>(column)].frequency;
}

int Scene::x(int column) const {
    return image.columns[static_cast<std::size_t>(column)].x;
}

int Scene::columns_in(double megahertz) const {
    return std::max(1, static_cast<int>(std::lround(megahertz / image.step)));
}

int Scene::column_of(double f) const {
    const double first = image.columns.front().frequency;
    const auto last = static_cast<int>(image.columns.size()) - 1;
    return std::clamp(static_cast<int>(std::lround((f - first) / image.step)), 0, last);
}

namespace {

// Echoes measured for the pulse at least, and the run (cells) from which a pulse is longer than
// the station's.
constexpr std::size_t shortest_pulse_sample = 20;
// A sweep coarser than 0.25 MHz samples the E trace in a few columns only.
constexpr std::size_t coarse_pulse_sample = 4;
constexpr int long_pulse = 8;

// A trace most of whose echoes lie about twice as high as a first-hop echo of the same column is
// a second hop, though its edges were too ragged for each echo to be told so alone.
bool repeats_lower_echoes(const Scene& scene, const Trace& trace) {
    std::size_t repeated = 0;
    for (const TracePoint& point : trace.points) {
        const auto& segments = scene.image.columns[static_cast<std::size_t>(point.column)].segments;
        for (const Segment& base : segments)
            if (!base.multiple && base.low < point.low && point.low >= 2 * base.low + 17 &&
                point.low <= 2 * top_of(scene, base) + 22) {
                ++repeated;
                break;
            }
    }
    return 10 * repeated >= 6 * trace.points.size();
}

// A trace that passes from the E heights to the F heights from one column to the next has run
// through a cusp of the E trace into the F trace above it: two traces, read apart.
std::vector<Trace> split_between_regions(Trace trace) {
    std::vector<Trace> parts;
    Trace part;
    part.multiple = trace.multiple;
    for (const TracePoint& point : trace.points) {
        if (!part.points.empty()) {
            const int previous = part.points.back().low;
            if ((previous <= e_region_highest && point.low >= f_region_lowest) ||
                (previous >= f_region_lowest && point.low <= e_region_highest)) {
                parts.push_back(std::move(part));
                part = Trace{};
                part.multiple = trace.multiple;
            }
        }
        part.points.push_back(point);
    }
    parts.push_back(std::move(part));
    return parts;
}

// The run of the E-region echoes along the flat parts of their traces (the leading edge within a
// cell of the previous echo's), its lower quartile: a pulse clearly longer than the station's
// shows there. Not the F traces': a range spread thickens their runs. The station's otherwise.
int measured_pulse(const Scene& scene) {
    std::vector<int> runs;
    for (const Trace& trace : scene.traces)
        for (std::size_t k = 1; k < trace.points.size(); ++k)
            if (trace.points[k].low <= e_region_highest &&
                std::abs(trace.points[k].low - trace.points[k - 1].low) <= 1)
                runs.push_back(trace.points[k].high - trace.points[k].low);
    if (runs.size() < (scene.too_coarse() ? coarse_pulse_sample : shortest_pulse_sample))
        return pulse_tail;
    std::nth_element(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(runs.size() / 4),
                     runs.end());
    const int quartile = runs[runs.size() / 4];
    return quartile >= long_pulse ? quartile - 1 : pulse_tail;
}

// A row of noise: an echo a single cell tall at the same F height in column after column, over
// this many MHz or more (columns where a trace crosses it, lines, or up to row_gap MHz without it
// do not break it), in half the columns at least where nothing else covers its height (a
// spread's scattered cells are no row). No trace of the ionosphere stays within one cell that
// far; joined to one, it would carry it on to its end.
constexpr double noise_row_span = 2.0;
constexpr double row_gap = 0.25;

void drop_noise_rows(EchoImage& image) {
    if (image.columns.empty() || !(image.step > 0))
        return;
    const auto count = static_cast<int>(image.columns.size());
    // Columns the row may miss in a row.
    const int gap_columns = std::max(1, static_cast<int>(std::lround(row_gap / image.step)));
    const auto single_at = [&](int c, int j) {
        for (const Segment& segment : image.columns[static_cast<std::size_t>(c)].segments)
            if (segment.low == j && segment.high == j)
                return true;
        return false;
    };
    const auto covered_at = [&](int c, int j) {
        const EchoColumn& column = image.columns[static_cast<std::size_t>(c)];
        if (column.interference)
            return true;
        for (const Segment& segment : column.segments)
            if (segment.low <= j && segment.high >= j)
                return true;
        return false;
    };
    // The columns of each row's single-cell echoes: a row of noise begins at one of them, beyond
    // the columns already walked.
    std::vector<std::vector<int>> singles(height_count + 1);
    for (int c = 0; c < count; ++c)
        for (const Segment& segment : image.columns[static_cast<std::size_t>(c)].segments)
            if (segment.low == segment.high && segment.low >= f_region_lowest &&
                segment.low < height_count)
                singles[static_cast<std::size_t>(segment.low)].push_back(c);
    for (int j = f_region_lowest; j < height_count; ++j) {
        int walked = -1;
        for (const int c : singles[static_cast<std::size_t>(j)]) {
            if (c <= walked)
                continue;
            int last = c;
            int end = c;
            for (int gap = 0; end + 1 < count && gap <= gap_columns;) {
                ++end;
                gap = covered_at(end, j) ? 0 : gap + 1;
                if (single_at(end, j))
                    last = end;
            }
            int singles_in = 0;
            int open = 0;
            for (int k = c; k <= last; ++k)
                if (single_at(k, j)) {
                    ++singles_in;
                    ++open;
                } else if (!covered_at(k, j)) {
                    ++open;
                }
            if (2 * singles_in >= open &&
                image.columns[static_cast<std::size_t>(last)].frequency -
                        image.columns[static_cast<std::size_t>(c)].frequency >=
                    noise_row_span - 1e-9)
                for (int k = c; k <= last; ++k)
                    std::erase_if(image.columns[static_cast<std::size_t>(k)].segments,
                                  [j](const Segment& s) { return s.low == j && s.high == j; });
            walked = end;
        }
    }
}

} // namespace

Scene make_scene(EchoImage image) {
    drop_noise_rows(image);
    Scene scene{std::move(image), {}};
    if (scene.image.columns.empty())
        return scene;
    // A trace covers at least 0.1 MHz (two columns at coarse steps).
    const auto needed = static_cast<std::size_t>(std::max(2, scene.columns_in(0.1)));
    for (Trace& linked : link_traces(scene.image))
        for (Trace& trace : split_between_regions(std::move(linked)))
            if (!trace.multiple && trace.points.size() >= needed &&
                !repeats_lower_echoes(scene, trace))
                scene.traces.push_back(std::move(trace));
    scene.pulse = measured_pulse(scene);
    return scene;
}

double end_rise(const Scene& scene, const Trace& trace, double window) {
    const double end = scene.frequency(trace.last_column());
    // A run that is taller than one pulse holds a trace rising within the column.
    int highest_end = 0;
    for (const TracePoint& point : trace.points)
        if (scene.frequency(point.column) >= end - window - 1e-9)
            highest_end = std::max(highest_end, top_of(scene, point));
    return height_of(highest_end) - height_of(trace.lowest());
}

int top_of(const Scene& scene, const Segment& segment) {
    return std::max(segment.low, segment.high - scene.pulse);
}

int top_of(const Scene& scene, const TracePoint& point) {
    return std::max(point.low, point.high - scene.pulse);
}

double excess(const Scene& scene, const TracePoint& point) {
    return height_of(top_of(scene, point)) - height_of(point.low);
}

std::vector<TracePoint> hidden_cusps(const Scene& scene, const Trace& trace, double rise) {
    std::vector<TracePoint> cusps;
    const auto& points = trace.points;
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        const bool next_close =
            scene.frequency(points[k + 1].column) - scene.frequency(points[k].column) <=
            2.5 * scene.image.step + 1e-9;
        if (next_close && excess(scene, points[k]) >= rise &&
            height_of(top_of(scene, points[k])) - height_of(top_of(scene, points[k + 1])) >=
                0.6 * excess(scene, points[k]))
            cusps.push_back(points[k]);
    }
    return cusps;
}

int first_column_of_traces(const Scene& scene, double shortest) {
    int first = -1;
    for (const Trace& trace : scene.traces)
        if (scene.frequency(trace.last_column()) - scene.frequency(trace.first_column()) >=
                shortest - 1e-9 &&
            (first < 0 || trace.first_column() < first))
            first = trace.first_column();
    return first;
}

Proposal frequency_proposal(const Scene& scene, int column, int index, double confidence) {
    return {scene.frequency(column), confidence, scene.x(column), plot_row_of(index), 0, 0};
}

Proposal height_proposal(const Scene& scene, int column, int index, double confidence) {
    return {height_of(index), confidence, scene.x(column), plot_row_of(index), 0, 0};
}

} // namespace scalvo::autoscale
