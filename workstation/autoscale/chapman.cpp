// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/chapman.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace scalvo::autoscale {

namespace {

constexpr double lowest_ratio = 0.05;
constexpr double highest_ratio = 0.995;
constexpr double ratio_step = 0.005;
constexpr std::size_t table_size = 190; // (highest - lowest) / step + 1

// Plasma frequency squared of the layer relative to its peak, z scale heights above the peak.
double relative_density(double z) {
    return std::exp(0.5 * (1 - z - std::exp(-z)));
}

// The group path integral h' = integral dh / sqrt(1 - X), X = fN^2 / f^2, in laminae of a
// hundredth of a scale height. X is taken as linear within a lamina, whose integral is then
// exact (2 dz / (s_a + s_b), s = sqrt(1 - X)); the lamina of the reflection gives 2 t dz / s_a, so
// the singularity there is integrated, not sampled. Four scale heights below the peak the layer
// holds a millionth of its peak density: the path below is free space.
double integrate(double ratio) {
    constexpr double dz = 0.01;
    constexpr double start = -4.0;
    const double inverse = 1 / (ratio * ratio);
    double z = start;
    double path = start;
    double x_previous = relative_density(z) * inverse;
    double s_previous = std::sqrt(1 - x_previous);
    while (z < 1) {
        const double x = relative_density(z + dz) * inverse;
        if (x >= 1) {
            const double t = (1 - x_previous) / (x - x_previous);
            return path + 2 * t * dz / s_previous;
        }
        const double s = std::sqrt(1 - x);
        path += 2 * dz / (s_previous + s);
        s_previous = s;
        x_previous = x;
        z += dz;
    }
    return path;
}

const std::array<double, table_size>& table() {
    static const std::array<double, table_size> values = [] {
        std::array<double, table_size> t{};
        for (std::size_t k = 0; k < t.size(); ++k)
            t[k] = integrate(lowest_ratio + ratio_step * static_cast<double>(k));
        return t;
    }();
    return values;
}

struct Sums {
    double n = 0, x = 0, y = 0, xx = 0, xy = 0;
    void add(double gx, double hy) {
        n += 1;
        x += gx;
        y += hy;
        xx += gx * gx;
        xy += gx * hy;
    }
};

std::optional<ChapmanFit> solve(const Sums& s) {
    const double det = s.n * s.xx - s.x * s.x;
    // The readings must spread over enough of the curve to tell its scale.
    if (s.n < 2 || det <= 1e-6 * s.n * s.n)
        return std::nullopt;
    ChapmanFit fit;
    fit.scale_height = (s.n * s.xy - s.x * s.y) / det;
    fit.peak_height = (s.y - fit.scale_height * s.x) / s.n;
    fit.kept = static_cast<int>(s.n);
    return fit;
}

} // namespace

double chapman_virtual_height(double ratio) {
    const double position =
        (std::clamp(ratio, lowest_ratio, highest_ratio) - lowest_ratio) / ratio_step;
    const auto k = std::min(static_cast<std::size_t>(position), table_size - 2);
    const double t = position - static_cast<double>(k);
    return table()[k] + t * (table()[k + 1] - table()[k]);
}

std::optional<ChapmanFit> fit_chapman(const std::vector<std::pair<double, double>>& readings,
                                      double outlier, int least) {
    Sums all;
    for (const auto& [ratio, height] : readings)
        all.add(chapman_virtual_height(ratio), height);
    auto first = solve(all);
    if (!first)
        return std::nullopt;
    Sums kept;
    for (const auto& [ratio, height] : readings)
        if (std::fabs(first->virtual_height(ratio) - height) <= outlier)
            kept.add(chapman_virtual_height(ratio), height);
    auto fit = solve(kept);
    if (!fit || fit->kept < least || fit->scale_height <= 0)
        return std::nullopt;
    double squares = 0;
    for (const auto& [ratio, height] : readings) {
        const double off = fit->virtual_height(ratio) - height;
        if (std::fabs(first->virtual_height(ratio) - height) <= outlier)
            squares += off * off;
    }
    fit->rms = std::sqrt(squares / fit->kept);
    return fit;
}

std::optional<ChapmanFit> fit_chapman_peak(const std::vector<std::pair<double, double>>& readings,
                                           double scale_height, double outlier, int least) {
    const auto peak = [&](double limit, const std::optional<double>& around) {
        double sum = 0;
        int n = 0;
        for (const auto& [ratio, height] : readings) {
            const double p = height - scale_height * chapman_virtual_height(ratio);
            if (!around || std::fabs(p - *around) <= limit) {
                sum += p;
                ++n;
            }
        }
        return std::pair{n > 0 ? sum / n : 0.0, n};
    };
    const auto [first, all] = peak(0, std::nullopt);
    if (all == 0)
        return std::nullopt;
    const auto [second, kept] = peak(outlier, first);
    if (kept < least)
        return std::nullopt;
    ChapmanFit fit{second, scale_height, 0, kept};
    double squares = 0;
    for (const auto& [ratio, height] : readings) {
        const double off = fit.virtual_height(ratio) - height;
        if (std::fabs(height - scale_height * chapman_virtual_height(ratio) - first) <= outlier)
            squares += off * off;
    }
    fit.rms = std::sqrt(squares / kept);
    return fit;
}

std::optional<TraceFit> fit_f_trace(const std::vector<std::pair<double, double>>& ordinary,
                                    double foF2, std::optional<double> scale_height) {
    constexpr double highest_ratio = 0.92;
    constexpr double outlier = 9.0; // km: two cells
    constexpr double worst_rms = 4.5;
    constexpr std::size_t above_next = 3;
    constexpr double above_trace = 20.0; // km
    if (!(foF2 > 0))
        return std::nullopt;
    std::vector<std::pair<double, double>> readings;
    double lowest = 1;
    // Echoes at the trace's low end far above each of the next ones are none of its own (a
    // second hop left where the first lies hidden): a quarter of the readings at most.
    std::vector<std::pair<double, double>> by_frequency = ordinary;
    std::stable_sort(by_frequency.begin(), by_frequency.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::size_t first = 0;
    double lowest_before = std::numeric_limits<double>::infinity();
    for (std::size_t m = 1; m + above_next <= by_frequency.size() && m <= by_frequency.size() / 4;
         ++m) {
        lowest_before = std::min(lowest_before, by_frequency[m - 1].second);
        double highest_next = 0;
        for (std::size_t j = m; j < m + above_next; ++j)
            highest_next = std::max(highest_next, by_frequency[j].second);
        if (lowest_before > highest_next + above_trace)
            first = m;
    }
    const double lowest_kept = first < by_frequency.size() ? by_frequency[first].first : 0.0;
    for (const auto& [f, h] : ordinary)
        if (f / foF2 <= highest_ratio && f >= lowest_kept) {
            readings.emplace_back(f / foF2, h);
            lowest = std::min(lowest, f / foF2);
        }
    const auto fit = scale_height ? fit_chapman_peak(readings, *scale_height, outlier, 3)
                                  : fit_chapman(readings, outlier, 5);
    if (!fit || fit->rms > worst_rms)
        return std::nullopt;
    return TraceFit{*fit, lowest};
}

} // namespace scalvo::autoscale
