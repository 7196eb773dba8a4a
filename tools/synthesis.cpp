// SPDX-License-Identifier: GPL-3.0-or-later
#include "synthesis.h"

#include "random.h"
#include "station.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace synth {

namespace {

constexpr double lowest_height = 85.5; // km, height index 0
constexpr double cell_height = 4.5;    // km per height index
constexpr double highest_height = lowest_height + cell_height * heights_per_frequency;
constexpr double two_pi = 2.0 * std::numbers::pi;

// A column stands for a narrow band around its frequency, so steep parts of a trace near
// a cusp stay joined instead of breaking into dots; the band is capped for coarse steps.
constexpr int max_band_half_width = 4; // fine-grid steps, 0.05 MHz
constexpr int xo_shift = static_cast<int>(station::xo_separation_mhz / TraceTable::spacing + 0.5);

using Column = std::array<float, heights_per_frequency>;

struct InterferenceLine {
    double frequency;   // MHz
    double day_level;   // amplitude by day
    double night_level; // by night, when the lower bands carry far
};

constexpr std::array<InterferenceLine, 7> interference_lines = {{
    {2.50, 30.0, 55.0},
    {3.95, 20.0, 75.0},
    {6.07, 45.0, 85.0},
    {7.25, 55.0, 95.0},
    {9.55, 50.0, 45.0},
    {11.85, 40.0, 15.0},
    {15.42, 45.0, 8.0},
}};

// Rayleigh quantiles: noise amplitudes from a table lookup instead of a log per cell.
const std::array<float, 4096>& rayleigh_table() {
    static const auto table = [] {
        std::array<float, 4096> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            double u = (static_cast<double>(i) + 0.5) / static_cast<double>(t.size());
            t[i] = static_cast<float>(std::sqrt(-2.0 * std::log(1.0 - u)));
        }
        return t;
    }();
    return table;
}

// 0 by day, 1 by night, smooth through twilight.
double night_weight(double cos_zenith) {
    return std::clamp((0.1 - cos_zenith) / 0.2, 0.0, 1.0);
}

// The leading edge of the echo fills the cells from h_low to h_high at full strength;
// the pulse's tail fades over the next cells above.
void deposit(Column& column, double h_low, double h_high, double amplitude) {
    if (h_low >= highest_height || amplitude <= 0.0) {
        return;
    }
    constexpr std::array<float, 4> tail = {0.85f, 0.6f, 0.35f, 0.15f};
    int first = std::max(height_cell_of(h_low), 1);
    int last = std::min(height_cell_of(h_high), heights_per_frequency);
    auto a = static_cast<float>(amplitude);
    for (int j = first; j <= last; ++j) {
        column[j - 1] = std::max(column[j - 1], a);
    }
    for (int n = 0; n < static_cast<int>(tail.size()); ++n) {
        int j = last + 1 + n;
        if (j > heights_per_frequency) {
            break;
        }
        column[j - 1] = std::max(column[j - 1], a * tail[n]);
    }
}

class Synthesiser {
  public:
    Synthesiser(const SoundingModel& model, const TraceTable& traces)
        : model_(model), traces_(traces), random_(model.noise_seed) {
        phase_1_ = random_.uniform(0.0, two_pi);
        phase_2_ = random_.uniform(0.0, two_pi);
        double sunlit = std::max(model.cos_zenith, 0.0);
        second_hop_factor_ = 0.32 * (1.0 - 0.45 * sunlit);
        amplitudes_.resize(TraceTable::last_index + 1);
        for (int k = 0; k <= TraceTable::last_index; ++k) {
            amplitudes_[k] = regular_amplitude(k);
        }
    }

    std::vector<std::uint8_t> run(const FrequencyAxis& axis) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(axis.count()) *
                                        heights_per_frequency);
        int band = std::min(max_band_half_width, axis.step_khz / 25);
        auto levels = interference_levels(axis);
        for (int i = 0; i < axis.count(); ++i) {
            Column column{};
            int centre = TraceTable::index_of_khz(axis.frequency_khz(i));
            for (int hop = 1; hop <= 2; ++hop) {
                double factor = hop == 1 ? 1.0 : second_hop_factor_;
                add_regular_trace(column, centre, band, 0, hop, factor);
                add_regular_trace(column, centre, band, xo_shift, hop, 0.5 * factor);
            }
            add_sporadic_e(column, axis.frequency(i));
            write_column(column, axis.frequency(i), levels[i], &bytes[i * heights_per_frequency]);
        }
        return bytes;
    }

  private:
    // First-hop ordinary amplitude at a fine-grid frequency; 0 where nothing is seen.
    double regular_amplitude(int index) const {
        const Echo& echo = traces_.echo(index);
        double f = TraceTable::frequency(index);
        if (!echo.reflected || f < model_.fmin) {
            return 0.0;
        }
        double screen = 1.0;
        if (model_.sporadic_e) {
            if (f < model_.sporadic_e->blanketing_frequency) {
                return 0.0;
            }
            if (f < model_.sporadic_e->top_frequency) {
                screen = 0.65; // partly reflected by the Es below
            }
        }
        // Non-deviative absorption just above fmin, deviative absorption where the wave
        // crawls near a layer peak, spreading with distance, and fading along frequency.
        double rise = 0.45 + 0.55 * (1.0 - std::exp(-(f - model_.fmin) / 0.3));
        double retardation = (echo.virtual_height - echo.real_height) / 120.0;
        double deviative = 1.0 / (1.0 + retardation * retardation);
        double spreading = std::sqrt(350.0 / (echo.virtual_height + 100.0));
        double fading = std::exp(0.35 * std::sin(two_pi * f / 0.9 + phase_1_) +
                                 0.25 * std::sin(two_pi * f / 0.37 + phase_2_));
        return 210.0 * screen * rise * deviative * spreading * fading;
    }

    double amplitude_at(int index) const {
        return index < 0 || index > TraceTable::last_index ? 0.0 : amplitudes_[index];
    }

    void add_regular_trace(Column& column, int centre, int band, int shift, int hop,
                           double factor) const {
        for (int k = centre - band; k <= centre + band; ++k) {
            int index = k - shift;
            double amplitude = amplitude_at(index) * factor;
            if (amplitude <= 0.0) {
                continue;
            }
            const Echo& echo = traces_.echo(index);
            double h = hop * echo.virtual_height;
            deposit(column, h, h, amplitude);
            if (k < centre + band) {
                const Echo& next = traces_.echo(index + 1);
                double next_amplitude = amplitude_at(index + 1) * factor;
                if (next_amplitude > 0.0 && same_trace(echo, next)) {
                    double h_next = hop * next.virtual_height;
                    deposit(column, std::min(h, h_next), std::max(h, h_next),
                            std::min(amplitude, next_amplitude));
                }
            }
        }
    }

    void add_sporadic_e(Column& column, double f) const {
        if (!model_.sporadic_e || f < model_.fmin) {
            return;
        }
        const SporadicE& es = *model_.sporadic_e;
        if (f > es.top_frequency) {
            return;
        }
        bool blanketing = es.blanketing_frequency > model_.fmin;
        double strength = blanketing ? 235.0 : 170.0;
        if (f > es.blanketing_frequency) {
            double left = (es.top_frequency - f) / (es.top_frequency - es.blanketing_frequency);
            strength *= 0.35 + 0.65 * left;
        }
        // Flat, with the slight upturn of a thin layer near its top frequency.
        double reach = (f - model_.fmin) / std::max(es.top_frequency - model_.fmin, 0.1);
        double h = es.height + 6.0 * std::pow(reach, 6.0);
        deposit(column, h, h, strength);
        deposit(column, 2.0 * h, 2.0 * h, strength * (blanketing ? 0.5 : 0.35));
        if (blanketing) {
            deposit(column, 3.0 * h, 3.0 * h, strength * 0.2);
        }
    }

    std::vector<double> interference_levels(const FrequencyAxis& axis) {
        std::vector<double> levels(axis.count(), 0.0);
        double night = night_weight(model_.cos_zenith);
        for (const auto& line : interference_lines) {
            double level = line.day_level + (line.night_level - line.day_level) * night;
            level *= random_.uniform(0.5, 1.2);
            if (random_.chance(0.15)) {
                continue; // off the air this time
            }
            int khz = static_cast<int>(std::lround(line.frequency * 1000.0));
            int index = (khz - FrequencyAxis::start_khz + axis.step_khz / 2) / axis.step_khz;
            if (index >= 0 && index < axis.count()) {
                levels[index] = std::max(levels[index], level);
            }
        }
        return levels;
    }

    // Receivers log their amplitudes on a roughly logarithmic scale, so weak and strong
    // traces both show; the noise floor (louder at low frequencies and by night) and any
    // interference add on that scale, clipped to a byte.
    void write_column(const Column& column, double f, double interference, std::uint8_t* out) {
        const auto& rayleigh = rayleigh_table();
        double night = night_weight(model_.cos_zenith);
        double sigma = 4.5 * (1.0 + 1.8 * std::exp(-(f - 1.0) / 2.0)) * (1.0 + 0.4 * night);
        std::uint64_t bits = 0;
        for (int j = 0; j < heights_per_frequency; ++j) {
            if (j % 2 == 0) {
                bits = random_.next();
            }
            double noise = sigma * rayleigh[bits & 4095];
            double grain = 0.75 + 0.5 * static_cast<double>((bits >> 12) & 1023) / 1023.0;
            double line =
                interference * (0.6 + 0.8 * static_cast<double>((bits >> 22) & 255) / 255.0);
            bits >>= 32;
            double value = logarithmic(column[j] * grain) + noise + line;
            out[j] = static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
        }
    }

    static double logarithmic(double amplitude) {
        constexpr double reference = 15.0;
        static const double full_scale = std::log1p(250.0 / reference);
        return 255.0 * std::log1p(amplitude / reference) / full_scale;
    }

    const SoundingModel& model_;
    const TraceTable& traces_;
    Random random_;
    double phase_1_ = 0.0;
    double phase_2_ = 0.0;
    double second_hop_factor_ = 0.0;
    std::vector<double> amplitudes_; // first-hop ordinary amplitude on the fine grid
};

} // namespace

int height_cell_of(double virtual_height) {
    return static_cast<int>(std::ceil((virtual_height - lowest_height) / cell_height));
}

std::vector<std::uint8_t> synthesise_amplitudes(const SoundingModel& model,
                                                const TraceTable& traces,
                                                const FrequencyAxis& axis) {
    return Synthesiser(model, traces).run(axis);
}

} // namespace synth
