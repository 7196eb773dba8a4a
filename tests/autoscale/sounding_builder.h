// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Soundings drawn in the test with known answers: traces given as virtual-height curves, the
// extraordinary twin 0.5 MHz higher, second hops, sporadic E, interference lines, noise.
#include "ionogram/ionogram.h"
#include "ionogram/secant_law.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace scalvo::autoscale::testing {

using Curve = std::function<double(double)>; // MHz -> km

// A layer's trace turning vertical at its critical frequency fo: h0 at low frequencies, and
// retarded just above an underlying layer of critical frequency below.
inline Curve layer_curve(double h0, double fo, double thickness, double below = 0,
                         double retardation = 0) {
    return [=](double f) {
        double h = h0 + thickness * (1 / std::sqrt(1 - (f / fo) * (f / fo)) - 1);
        if (below > 0)
            h += retardation * (1 / std::sqrt(1 - (below / f) * (below / f)) - 1);
        return h;
    };
}

// The virtual height (km) of the ordinary echo from an alpha-Chapman layer (peak height hm,
// scale height H, critical frequency fo) at frequency f, nothing below it and no magnetic field:
// the group integral taken over s = sqrt(z_r - z) (z in scale heights from the peak, z_r where
// the wave reflects), which leaves no singularity at the reflection.
inline double chapman_height(double hm, double H, double fo, double f) {
    const double r2 = (f / fo) * (f / fo);
    const auto density = [](double z) { return std::exp(0.5 * (1 - z - std::exp(-z))); };
    double low = -12;
    double high = 0;
    for (int k = 0; k < 100; ++k) {
        const double mid = (low + high) / 2;
        (density(mid) < r2 ? low : high) = mid;
    }
    const double z_r = (low + high) / 2;
    const double z_0 = -12;
    const double top = std::sqrt(z_r - z_0);
    constexpr int steps = 4000;
    double path = 0;
    for (int k = 0; k < steps; ++k) {
        const double s = (k + 0.5) * top / steps;
        path += 2 * s / std::sqrt(1 - density(z_r - s * s) / r2) * (top / steps);
    }
    return hm + H * (z_0 + path);
}

inline Curve chapman_curve(double hm, double H, double fo) {
    return [=](double f) { return chapman_height(hm, H, fo, f); };
}

class SoundingBuilder {
  public:
    // A sweep from 1 MHz to `end`.
    explicit SoundingBuilder(double step = 0.025, double end = 20.0) : step_(step), end_(end) {
        count_ = static_cast<int>(std::lround((end - 1.0) / step)) + 1;
        cells_.assign(static_cast<std::size_t>(count_) * height_count, 0);
    }

    double frequency(int i) const { return 1.0 + i * step_; }

    // A longer pulse (cells it trails behind its leading edge), for what is drawn after.
    SoundingBuilder& pulse_length(int cells) {
        pulse_ = cells;
        return *this;
    }
    int count() const { return count_; }

    // A trace from `from` up to `to` (MHz), with its extraordinary twin `separation` higher at
    // half the strength and its second hop at twice the height at a third of it.
    SoundingBuilder& trace(double from, double to, const Curve& height, int amplitude,
                           double separation = 0.5, bool second_hop = true) {
        draw(from, to, height, amplitude, 1);
        if (separation > 0) {
            const Curve shifted = [=](double f) { return height(f - separation); };
            draw(from + separation, to + separation, shifted, amplitude / 2, 1);
        }
        if (second_hop)
            draw(from, to, height, amplitude / 3, 2);
        return *this;
    }

    // A flat sporadic-E trace with its second hop (and its third, as a sporadic E reflecting
    // nearly everything shows); below `blanketing` nothing above it shows.
    SoundingBuilder& sporadic_e(double from, double top, double height, int amplitude,
                                double blanketing = 0, bool third_hop = false) {
        draw(
            from, top, [=](double) { return height; }, amplitude, 1);
        draw(
            from, top, [=](double) { return height; }, amplitude / 2, 2);
        if (third_hop)
            draw(
                from, top, [=](double) { return height; }, amplitude / 4, 3);
        if (blanketing > 0)
            for (int i = 0; i < count_; ++i)
                if (frequency(i) < blanketing - 1e-9)
                    for (int j = index_of(height) + pulse + 1; j <= height_count; ++j)
                        if (j != index_of(2 * height) && j != index_of(2 * height) + 1 &&
                            (!third_hop ||
                             (j != index_of(3 * height) && j != index_of(3 * height) + 1)))
                            at(i, j) = 0;
        return *this;
    }

    // Echoes scattered up to `depth` km above a trace and `beyond` MHz past its end.
    SoundingBuilder& spread(double from, double to, const Curve& height, double depth,
                            double beyond, int amplitude) {
        std::uint32_t state = 12345;
        for (int i = 0; i < count_; ++i) {
            const double f = frequency(i);
            if (f < from || f > to + beyond)
                continue;
            const double base = height(std::min(f, to - 0.02));
            for (int j = index_of(base); j <= std::min(height_count, index_of(base + depth)); ++j) {
                state = state * 1103515245u + 12345u;
                if ((state >> 16) % 3 == 0)
                    at(i, j) = std::max<int>(at(i, j), amplitude);
            }
        }
        return *this;
    }

    // A broadcast line: the whole column lifted, cell by cell a little differently.
    SoundingBuilder& line(double f, int level) {
        const int i = column_of(f);
        for (int j = 1; j <= height_count; ++j)
            at(i, j) = std::min(255, at(i, j) + level + (j * 37) % (level / 2 + 1));
        return *this;
    }

    // Noise of up to `level` everywhere between two frequencies (the whole sounding by
    // default), from a fixed pseudo-random sequence.
    SoundingBuilder& noise(int level, double from = 0, double to = 100, std::uint32_t seed = 7) {
        std::uint32_t state = seed;
        for (int i = 0; i < count_; ++i) {
            if (frequency(i) < from || frequency(i) > to)
                continue;
            for (int j = 1; j <= height_count; ++j) {
                state = state * 1664525u + 1013904223u;
                at(i, j) = std::min(255, at(i, j) + static_cast<int>((state >> 24) % (level + 1)));
            }
        }
        return *this;
    }

    // Noise of up to `level` more between two heights over the whole sweep: a receiver's band of
    // ranges.
    SoundingBuilder& band(int level, double from, double to, std::uint32_t seed = 11) {
        std::uint32_t state = seed;
        for (int i = 0; i < count_; ++i)
            for (int j = std::max(1, index_of(from)); j <= std::min(height_count, index_of(to));
                 ++j) {
                state = state * 1664525u + 1013904223u;
                at(i, j) = std::min(255, at(i, j) + static_cast<int>((state >> 24) % (level + 1)));
            }
        return *this;
    }

    // Takes out every echo between two frequencies, as a partial absorption does.
    SoundingBuilder& absorb(double from, double to) {
        for (int i = 0; i < count_; ++i)
            if (frequency(i) >= from && frequency(i) <= to)
                for (int j = 1; j <= height_count; ++j)
                    at(i, j) = 0;
        return *this;
    }

    // Takes out the echoes between two heights (km) over a band of frequencies: a trace's steep
    // part fading where it climbs fastest.
    SoundingBuilder& fade(double from, double to, double low, double high) {
        for (int i = 0; i < count_; ++i)
            if (frequency(i) >= from && frequency(i) <= to)
                for (int j = index_of(low); j <= std::min(height_count, index_of(high)); ++j)
                    at(i, j) = 0;
        return *this;
    }

    // A narrow-band transmitter heard over part of a column: its cells from one height to
    // another (km) at one amplitude.
    SoundingBuilder& partial_line(double f, double from, double to, int amplitude) {
        for (int j = index_of(from); j <= index_of(to); ++j)
            at(column_of(f), j) = amplitude;
        return *this;
    }

    SoundingBuilder& cell(double f, double height, int amplitude) {
        at(column_of(f), index_of(height)) = amplitude;
        return *this;
    }

    Ionogram build() const {
        Ionogram ionogram;
        ionogram.start_frequency = 1.0f;
        ionogram.end_frequency = static_cast<float>(end_);
        ionogram.frequency_step = static_cast<float>(step_);
        ionogram.frequency_count = count_;
        ionogram.amplitude_grid.resize(cells_.size());
        for (std::size_t k = 0; k < cells_.size(); ++k)
            ionogram.amplitude_grid[k] = static_cast<std::int16_t>(cells_[k] <= 6 ? 0 : cells_[k]);
        return ionogram;
    }

  private:
    static constexpr int pulse = 4;

    static int index_of(double height) {
        return static_cast<int>(std::ceil((height - 85.5) / 4.5));
    }
    int column_of(double f) const {
        return std::clamp(static_cast<int>(std::lround((f - 1.0) / step_)), 0, count_ - 1);
    }
    int& at(int i, int j) {
        return cells_[static_cast<std::size_t>(i) * height_count + static_cast<std::size_t>(j - 1)];
    }

    // Each column stands for the band of frequencies around it, so that a steep trace stays
    // joined; the pulse trails four cells behind its leading edge.
    void draw(double from, double to, const Curve& height, int amplitude, int hop) {
        for (int i = 0; i < count_; ++i) {
            const double f = frequency(i);
            const double low_f = std::max(from, f - step_ / 2);
            const double high_f = std::min(to - 1e-6, f + step_ / 2);
            if (low_f > high_f)
                continue;
            double lowest = std::numeric_limits<double>::max();
            double highest = 0;
            for (int k = 0; k <= 8; ++k) {
                const double h = hop * height(low_f + (high_f - low_f) * k / 8);
                lowest = std::min(lowest, h);
                highest = std::max(highest, h);
            }
            const int first = std::max(1, index_of(lowest));
            const int last = std::min(height_count, index_of(highest));
            static constexpr double tail[pulse] = {0.85, 0.6, 0.35, 0.15};
            for (int j = first; j <= last; ++j)
                at(i, j) = std::max(at(i, j), amplitude);
            for (int n = 0; n < pulse_ && last + 1 + n <= height_count; ++n) {
                // A longer pulse fades the same way, over its own length.
                const double fade = pulse_ == pulse ? tail[n] : 0.85 - 0.7 * n / (pulse_ - 1);
                at(i, last + 1 + n) =
                    std::max(at(i, last + 1 + n), static_cast<int>(amplitude * fade));
            }
        }
    }

    double step_;
    double end_ = 20.0;
    int pulse_ = pulse;
    int count_ = 0;
    std::vector<int> cells_;
};

// The lowest virtual height of a curve between two frequencies, and the largest MUF(3000) of
// the secant law along it.
inline double lowest_height(const Curve& height, double from, double to) {
    double lowest = std::numeric_limits<double>::max();
    for (double f = from; f < to; f += 0.001)
        lowest = std::min(lowest, height(f));
    return lowest;
}

inline double largest_muf(const Curve& height, double from, double to) {
    double largest = 0;
    for (double f = from; f < to - 0.001; f += 0.001)
        largest =
            std::max(largest, muf_of_echo(static_cast<float>(f), static_cast<float>(height(f))));
    return largest;
}

} // namespace scalvo::autoscale::testing
