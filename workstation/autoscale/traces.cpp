// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/traces.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <tuple>

namespace scalvo::autoscale {

int Trace::lowest() const {
    int lowest = points.front().low;
    for (const TracePoint& point : points)
        lowest = std::min(lowest, point.low);
    return lowest;
}

std::vector<Trace> link_traces(const EchoImage& image) {
    std::vector<Trace> traces;
    if (image.columns.empty())
        return traces;
    const int max_gap = std::max(1, static_cast<int>(std::lround(0.1 / image.step)));
    // Columns without echo information before each column, so that a bridge over a line is
    // free.
    std::vector<int> lines_before(image.columns.size() + 1, 0);
    for (std::size_t i = 0; i < image.columns.size(); ++i)
        lines_before[i + 1] = lines_before[i] + (image.columns[i].interference ? 1 : 0);

    std::vector<std::size_t> active;
    for (std::size_t i = 0; i < image.columns.size(); ++i) {
        const EchoColumn& column = image.columns[i];
        if (column.interference)
            continue;
        // Traces whose last echo is too far behind end here.
        std::erase_if(active, [&](std::size_t t) {
            const auto last = static_cast<std::size_t>(traces[t].last_column());
            const int gap =
                static_cast<int>(i - last - 1) - (lines_before[i] - lines_before[last + 1]);
            return gap > max_gap;
        });

        // Every admissible (cost, trace, segment), cheapest first.
        std::vector<std::tuple<int, std::size_t, std::size_t>> pairs;
        for (std::size_t t : active) {
            const TracePoint& last = traces[t].points.back();
            const auto last_column = static_cast<std::size_t>(last.column);
            const int gap = static_cast<int>(i - last_column - 1) -
                            (lines_before[i] - lines_before[last_column + 1]);
            for (std::size_t s = 0; s < column.segments.size(); ++s) {
                const Segment& segment = column.segments[s];
                if (segment.multiple != traces[t].multiple)
                    continue;
                // Each column passed over lets a steep trace climb further.
                const int passed = static_cast<int>(i - last_column - 1);
                const int slack = 2 + 3 * passed;
                if (segment.low <= last.high + slack && segment.high >= last.low - slack)
                    pairs.emplace_back(std::abs(segment.low - last.low) + gap, t, s);
            }
        }
        std::sort(pairs.begin(), pairs.end());
        std::vector<bool> segment_taken(column.segments.size(), false);
        std::vector<std::size_t> extended;
        for (const auto& [cost, t, s] : pairs) {
            if (segment_taken[s] ||
                std::find(extended.begin(), extended.end(), t) != extended.end())
                continue;
            segment_taken[s] = true;
            extended.push_back(t);
            const Segment& segment = column.segments[s];
            traces[t].points.push_back({static_cast<int>(i), segment.low, segment.high});
        }
        for (std::size_t s = 0; s < column.segments.size(); ++s) {
            if (segment_taken[s])
                continue;
            const Segment& segment = column.segments[s];
            Trace trace;
            trace.multiple = segment.multiple;
            trace.points.push_back({static_cast<int>(i), segment.low, segment.high});
            traces.push_back(std::move(trace));
            active.push_back(traces.size() - 1);
        }
    }
    return traces;
}

} // namespace scalvo::autoscale
