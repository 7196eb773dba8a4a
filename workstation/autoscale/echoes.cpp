// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/echoes.h"

#include "ionogram/plot_mapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace scalvo::autoscale {

namespace {

// A byte of the lowest echoes the receivers log stands about this far above a quiet floor;
// below it, nothing is taken for an echo whatever the statistics say.
constexpr int threshold_floor = 28;
// Noise is read from the lower part of each column, so that a column crossed by many traces
// still shows its noise: the 30th and 50th percentiles.
constexpr int q30_rank = 45;
constexpr int q50_rank = 75;

// The value of the given rank (0-based, ascending) among a column's cells, by counting.
struct ColumnPercentiles {
    int q30 = 0;
    int q50 = 0;
};

ColumnPercentiles percentiles(const std::int16_t* column) {
    std::array<int, 256> counts{};
    for (int j = 0; j < height_count; ++j)
        ++counts[static_cast<std::size_t>(std::clamp<int>(column[j], 0, 255))];
    ColumnPercentiles result;
    int seen = 0;
    bool q30_found = false;
    for (int v = 0; v < 256; ++v) {
        seen += counts[static_cast<std::size_t>(v)];
        if (!q30_found && seen > q30_rank) {
            result.q30 = v;
            q30_found = true;
        }
        if (seen > q50_rank) {
            result.q50 = v;
            break;
        }
    }
    return result;
}

// Median of values[i - half .. i + half], clipped to the ends.
std::vector<int> running_median(const std::vector<int>& values, int half) {
    const int n = static_cast<int>(values.size());
    std::vector<int> result(values.size());
    std::vector<int> window;
    for (int i = 0; i < n; ++i) {
        window.assign(values.begin() + std::max(0, i - half),
                      values.begin() + std::min(n, i + half + 1));
        const auto middle = window.begin() + static_cast<std::ptrdiff_t>(window.size() / 2);
        std::nth_element(window.begin(), middle, window.end());
        result[static_cast<std::size_t>(i)] = *middle;
    }
    return result;
}

struct Thresholds {
    std::vector<int> level;         // an echo of the column reaches this
    std::vector<bool> interference; // the column as a whole stands out
    std::vector<int> row_level;     // by height: an echo of a band's row reaches this too
};

// The background in two dimensions: noise may stand higher at some ranges over the whole sweep
// (a receiver's band), which the columns' statistics, taken over all heights, do not see. A row
// whose 30th percentile over the columns that are no line stands out as a line's does, while
// still below an echo's level, is such a band: its own percentiles tell its noise, and an echo
// there stands 3.3 sigma above its median. Traces cross a row over a part of the sweep only, so
// they leave its 30th percentile alone; one lying along the whole row reaches an echo's level.
void row_background(const Ionogram& ionogram, int count, const std::vector<int>& s30,
                    Thresholds& t) {
    std::vector<int> floors = s30;
    std::vector<int> levels = t.level;
    const auto middle_of = [](std::vector<int>& v) {
        const auto middle = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
        std::nth_element(v.begin(), middle, v.end());
        return *middle;
    };
    const int floor = middle_of(floors);
    const int level = middle_of(levels);
    // Some 200 columns tell a row's percentiles, counted by value, column by column as the grid
    // lies.
    const int every = std::max(1, count / 200);
    std::vector<std::uint16_t> counts(static_cast<std::size_t>(height_count) * 256, 0);
    int sampled = 0;
    for (int i = 0; i < count; i += every) {
        if (t.interference[static_cast<std::size_t>(i)])
            continue;
        ++sampled;
        const std::int16_t* column =
            &ionogram.amplitude_grid[static_cast<std::size_t>(i) * height_count];
        for (int j = 0; j < height_count; ++j)
            ++counts[static_cast<std::size_t>(j) * 256 +
                     static_cast<std::size_t>(std::clamp<int>(column[j], 0, 255))];
    }
    if (sampled < 10)
        return;
    for (int j = 0; j < height_count; ++j) {
        const std::uint16_t* row = &counts[static_cast<std::size_t>(j) * 256];
        int r30 = -1;
        int r50 = -1;
        for (int v = 0, seen = 0; v < 256 && r50 < 0; ++v) {
            seen += row[v];
            if (r30 < 0 && 10 * seen > 3 * sampled)
                r30 = v;
            if (2 * seen > sampled)
                r50 = v;
        }
        if (r30 < floor + std::max(10, floor / 2) || r50 >= level)
            continue;
        t.row_level[static_cast<std::size_t>(j)] = static_cast<int>(r50 + 3.3 * 3.0 * (r50 - r30));
    }
}

Thresholds thresholds_of(const Ionogram& ionogram, int count, double step) {
    std::vector<int> q30(static_cast<std::size_t>(count));
    std::vector<int> q50(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const ColumnPercentiles p =
            percentiles(&ionogram.amplitude_grid[static_cast<std::size_t>(i) * height_count]);
        q30[static_cast<std::size_t>(i)] = p.q30;
        q50[static_cast<std::size_t>(i)] = p.q50;
    }
    // Noise changes slowly with frequency; a line or a crowded column does not change it.
    const int half = std::max(3, static_cast<int>(std::lround(0.3 / step)));
    const std::vector<int> s30 = running_median(q30, half);
    const std::vector<int> s50 = running_median(q50, half);

    Thresholds result{std::vector<int>(static_cast<std::size_t>(count)),
                      std::vector<bool>(static_cast<std::size_t>(count)),
                      std::vector<int>(height_count, 0)};
    for (std::size_t i = 0; i < q30.size(); ++i) {
        result.interference[i] = q30[i] >= s30[i] + std::max(10, s30[i] / 2);
        const int b30 = std::min(q30[i], s30[i]);
        const int b50 = std::min(q50[i], s50[i]);
        // For Rayleigh noise sigma is three times the distance from the 30th to the 50th
        // percentile; an echo stands 3.3 sigma above the median (about 4.5 sigma of noise).
        // Bytes of 6 or less are read as 0: when the 30th percentile is lost that way, the
        // median alone tells sigma.
        const double sigma = b30 > 6 ? 3.0 * (b50 - b30) : b50 / 1.18;
        result.level[i] = std::max(threshold_floor, static_cast<int>(b50 + 3.3 * sigma));
    }
    row_background(ionogram, count, s30, result);
    return result;
}

// Cells of the mask with fewer than three marked cells in their 3 x 5 neighbourhood are
// speckle, not trace.
std::vector<unsigned char> cleaned(const std::vector<unsigned char>& mask, int count) {
    // Marked cells within two heights of each cell, column by column.
    std::vector<unsigned char> near(mask.size(), 0);
    for (int i = 0; i < count; ++i) {
        const unsigned char* column = &mask[static_cast<std::size_t>(i) * height_count];
        unsigned char* sums = &near[static_cast<std::size_t>(i) * height_count];
        for (int j = 0; j < height_count; ++j) {
            int sum = 0;
            for (int k = std::max(0, j - 2); k <= std::min(height_count - 1, j + 2); ++k)
                sum += column[k];
            sums[j] = static_cast<unsigned char>(sum);
        }
    }
    std::vector<unsigned char> kept(mask.size(), 0);
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < height_count; ++j) {
            const std::size_t k =
                static_cast<std::size_t>(i) * height_count + static_cast<std::size_t>(j);
            if (!mask[k])
                continue;
            int neighbours = near[k];
            if (i > 0)
                neighbours += near[k - height_count];
            if (i + 1 < count)
                neighbours += near[k + height_count];
            kept[k] = neighbours >= 3;
        }
    return kept;
}

// Runs of the cleaned mask, with gaps of one cell closed.
std::vector<Segment> segments_of(const unsigned char* kept) {
    std::vector<Segment> segments;
    int j = 0;
    while (j < height_count) {
        if (!kept[j]) {
            ++j;
            continue;
        }
        Segment segment{j + 1, j + 1, false, 0};
        int last = j;
        while (j < height_count && (kept[j] || (j + 1 < height_count && kept[j + 1]))) {
            if (kept[j])
                last = j;
            ++j;
        }
        segment.high = last + 1;
        segments.push_back(segment);
    }
    return segments;
}

// A segment at twice (or three times) the height of an echo below it in the same column is
// that echo's multiple. The cell of twice the height of cell j is 2j + 18 or 2j + 19; three
// times, 3j + 36 to 3j + 38. A run may hold two traces one above the other (an ordinary one
// above its extraordinary twin), so any echo in its lower part may be the one repeated. A
// multiple that runs into a first-hop echo above it is cut off from it, the first hop keeping
// the cells beyond the multiple's reach.
void mark_multiples(const Ionogram& ionogram, int i, std::vector<Segment>& segments) {
    constexpr int climb = 25;
    for (std::size_t b = 0; b < segments.size(); ++b)
        for (std::size_t a = 0; a < b; ++a) {
            const Segment& base = segments[a];
            const int low = segments[b].low;
            // The highest leading edge the base may hold: a trace rising within the run of a
            // flatter one below it, up to about 50 km.
            const int top = std::clamp(base.high - pulse_tail, base.low, base.low + 3 * pulse_tail);
            // The cells a multiple of the base can reach; beyond them the cells are the
            // segment's own, and never again in the window.
            // A second hop may hide a first-hop echo that lies on it; twice that height holds
            // the hidden echo's own second hop, so a multiple is a base for twice its height.
            int reach = 0;
            if (low >= 2 * base.low + 17 && low <= 2 * top + 20)
                reach = 2 * top + 20 + pulse_tail;
            else if (!base.multiple && low >= 3 * base.low + 35 && low <= 3 * base.low + 39)
                reach = 3 * base.low + 39 + pulse_tail;
            else
                continue;
            // Within the multiple's trail, a first-hop echo shows where the amplitude climbs
            // again.
            int cut = reach + 1;
            for (int k = low + 1; k <= std::min(reach, segments[b].high); ++k)
                if (ionogram.cell(i + 1, k) >= ionogram.cell(i + 1, k - 1) + climb) {
                    cut = k;
                    break;
                }
            reach = cut - 1;
            if (segments[b].high > reach + 1) {
                const Segment rest{reach + 1, segments[b].high, false, 0};
                segments[b].high = reach;
                segments.insert(segments.begin() + static_cast<std::ptrdiff_t>(b) + 1, rest);
            }
            segments[b].multiple = true;
            break;
        }
}

} // namespace

double height_of(int index) {
    return 85.5 + 4.5 * index;
}

int plot_row_of(int index) {
    return 4 * index;
}

EchoImage find_echoes(const Ionogram& ionogram, const std::vector<double>& lines) {
    EchoImage image;
    const int count = ionogram.frequency_count;
    if (count <= 0 ||
        ionogram.amplitude_grid.size() != static_cast<std::size_t>(count) * height_count ||
        !(ionogram.frequency_step > 0))
        return image;
    image.step = static_cast<double>(ionogram.frequency_step);
    Thresholds thresholds = thresholds_of(ionogram, count, image.step);
    for (const double line : lines) {
        const double at = (line - static_cast<double>(ionogram.start_frequency)) / image.step;
        if (const long i = std::lround(at);
            i >= 0 && i < count && std::fabs(at - static_cast<double>(i)) < 0.25)
            thresholds.interference[static_cast<std::size_t>(i)] = true;
    }

    std::vector<unsigned char> mask(static_cast<std::size_t>(count) * height_count, 0);
    for (int i = 0; i < count; ++i) {
        if (thresholds.interference[static_cast<std::size_t>(i)])
            continue;
        const int level = thresholds.level[static_cast<std::size_t>(i)];
        for (int j = 0; j < height_count; ++j)
            mask[static_cast<std::size_t>(i) * height_count + static_cast<std::size_t>(j)] =
                ionogram.cell(i + 1, j + 1) >=
                std::max(level, thresholds.row_level[static_cast<std::size_t>(j)]);
    }
    const std::vector<unsigned char> kept = cleaned(mask, count);

    image.columns.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        EchoColumn& column = image.columns[static_cast<std::size_t>(i)];
        const double frequency = static_cast<double>(ionogram.start_frequency) +
                                 i * static_cast<double>(ionogram.frequency_step);
        column.x = x_at_frequency(frequency);
        // On the plot's grid the frequency is the one a click on the column gives.
        column.frequency =
            std::fabs(40 * frequency - 36 - column.x) < 1e-3 ? frequency_at(column.x) : frequency;
        column.interference = thresholds.interference[static_cast<std::size_t>(i)];
        column.segments = segments_of(&kept[static_cast<std::size_t>(i) * height_count]);
        mark_multiples(ionogram, i, column.segments);
        for (Segment& segment : column.segments)
            for (int j = segment.low; j <= segment.high; ++j)
                segment.peak = std::max(segment.peak, static_cast<int>(ionogram.cell(i + 1, j)));
    }
    return image;
}

} // namespace scalvo::autoscale
