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

// Streams of the harder world, apart from the noise stream of the quiet day.
constexpr std::uint64_t spread_stream = 11;
constexpr std::uint64_t interference_stream = 12;
constexpr std::uint64_t texture_stream = 13;

using Column = std::array<float, heights_per_frequency>;
using Extra = std::array<float, heights_per_frequency>; // byte-scale interference

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

// The international broadcasting bands: crowded with carriers, the low ones loudest by night.
struct BroadcastBand {
    double low, high;   // MHz
    double day_level;   // byte-scale noise by day
    double night_level; // by night
};

constexpr std::array<BroadcastBand, 9> broadcast_bands = {{
    {3.90, 4.00, 12.0, 55.0},
    {4.75, 5.06, 10.0, 45.0},
    {5.90, 6.20, 25.0, 70.0},
    {7.20, 7.45, 35.0, 80.0},
    {9.40, 9.90, 45.0, 40.0},
    {11.60, 12.10, 45.0, 25.0},
    {13.57, 13.87, 35.0, 12.0},
    {15.10, 15.80, 35.0, 8.0},
    {17.48, 17.90, 25.0, 5.0},
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

// The pulse's tail as the echo fades over the next cells above its leading edge.
std::vector<float> pulse_tail(const World& world) {
    if (!world.pulse_km) {
        return {0.85f, 0.6f, 0.35f, 0.15f};
    }
    int cells = std::max(1, static_cast<int>(std::lround(*world.pulse_km / cell_height)));
    std::vector<float> tail(static_cast<std::size_t>(cells));
    for (int n = 0; n < cells; ++n) {
        tail[n] = static_cast<float>(0.9 * std::pow(1.0 - static_cast<double>(n) / cells, 1.2));
    }
    return tail;
}

bool is_f_layer(const Echo& echo) {
    return echo.layer == Layer::f1 || echo.layer == Layer::f2;
}

int fine_index_of(double frequency) {
    return static_cast<int>(std::lround(frequency / TraceTable::spacing));
}

class Synthesiser {
  public:
    Synthesiser(const SoundingModel& model, const TraceTable& traces, const World& world)
        : model_(model), traces_(traces), world_(world), random_(model.noise_seed),
          spread_random_(derive_seed(model.noise_seed, spread_stream)),
          interference_random_(derive_seed(model.noise_seed, interference_stream)),
          texture_random_(derive_seed(model.noise_seed, texture_stream)), tail_(pulse_tail(world)) {
        phase_1_ = random_.uniform(0.0, two_pi);
        phase_2_ = random_.uniform(0.0, two_pi);
        double sunlit = std::max(model.cos_zenith, 0.0);
        second_hop_factor_ = 0.32 * (1.0 - 0.45 * sunlit);
        amplitudes_.resize(TraceTable::last_index + 1);
        for (int k = 0; k <= TraceTable::last_index; ++k) {
            amplitudes_[k] = regular_amplitude(k);
        }
        if (model.gyrofrequency > 0.0) {
            // The X wave at f reflects where the O wave of sqrt(f (f - fB)) does.
            x_source_.assign(TraceTable::last_index + 2, -1);
            for (int k = 0; k <= TraceTable::last_index + 1; ++k) {
                double f = TraceTable::frequency(k);
                if (f > model.gyrofrequency) {
                    x_source_[k] = fine_index_of(std::sqrt(f * (f - model.gyrofrequency)));
                }
            }
        }
        if (world.dynamic_range_db) {
            reference_ = 250.0 / std::pow(10.0, *world.dynamic_range_db / 20.0);
        }
        if (model.spread_f) {
            // Range spread returns the trace from irregularities at several ranges: a bundle
            // of fainter copies above it, the cloud between them.
            int copies = 2 + static_cast<int>(spread_random_.uniform(0.0, 4.0));
            for (int c = 0; c < copies; ++c) {
                double lift = spread_random_.uniform(0.08, 0.75) * model.spread_f->depth_km;
                double factor = spread_random_.uniform(0.2, 0.55) *
                                (1.0 - lift / (model.spread_f->depth_km + 40.0));
                spread_copies_.push_back({lift, factor});
            }
        }
    }

    std::vector<std::uint8_t> run(const FrequencyAxis& axis) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(axis.count()) *
                                        heights_per_frequency);
        int band = std::min(max_band_half_width, axis.step_khz / 25);
        auto levels = interference_levels(axis);
        auto extras = harder_interference(axis);
        auto ordinary = [](int k) { return k; };
        auto extraordinary = [this](int k) { return x_source(k); };
        for (int i = 0; i < axis.count(); ++i) {
            Column column{};
            int centre = TraceTable::index_of_khz(axis.frequency_khz(i));
            for (int hop = 1; hop <= 2; ++hop) {
                double factor = hop == 1 ? 1.0 : second_hop_factor_;
                add_regular_trace(column, centre, band, ordinary, hop, factor);
                if (!world_.ordinary_only) {
                    add_regular_trace(column, centre, band, extraordinary, hop, 0.5 * factor);
                }
            }
            if (model_.oblique) {
                add_oblique(column, centre, band);
            }
            if (model_.spread_f) {
                add_spread_f(column, centre, band, axis.frequency(i));
            }
            if (model_.sporadic_e) {
                add_sporadic_e(column, axis.frequency(i), *model_.sporadic_e, false);
            }
            if (model_.second_sporadic_e) {
                add_sporadic_e(column, axis.frequency(i), *model_.second_sporadic_e, true);
            }
            write_column(column, axis.frequency(i), levels[i],
                         extras.empty() ? nullptr : &extras[i], &bytes[i * heights_per_frequency]);
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
            // A cusp-type Es continues the E trace and a high one lies above it: they hide
            // the layers above, not the E.
            bool e_below_es = model_.sporadic_e->shape != EsShape::flat && echo.layer == Layer::e;
            if (f < model_.sporadic_e->blanketing_frequency && !e_below_es) {
                return 0.0;
            }
            if (f < model_.sporadic_e->top_frequency) {
                screen = 0.65; // partly reflected by the Es below
            }
        }
        // Non-deviative absorption just above fmin, deviative absorption where the wave
        // crawls near a layer peak, spreading with distance, and fading along frequency.
        double rise = model_.absorption_fading
                          ? absorption_fade(f)
                          : 0.45 + 0.55 * (1.0 - std::exp(-(f - model_.fmin) / 0.3));
        double retardation = (echo.virtual_height - echo.real_height) / 120.0;
        double deviative = 1.0 / (1.0 + retardation * retardation);
        double spreading = std::sqrt(350.0 / (echo.virtual_height + 100.0));
        double fading = std::exp(0.35 * std::sin(two_pi * f / 0.9 + phase_1_) +
                                 0.25 * std::sin(two_pi * f / 0.37 + phase_2_));
        double amplitude = 210.0 * screen * rise * deviative * spreading * fading;
        if (model_.f_gap && is_f_layer(echo) && f >= (*model_.f_gap)[0] &&
            f <= (*model_.f_gap)[1]) {
            amplitude *= 0.02; // lost passing close to the E layer's peak
        }
        return amplitude;
    }

    // Non-deviative absorption grows as the inverse square of the frequency: the echoes fade
    // towards fmin, where they are about a ninth of their unabsorbed strength.
    double absorption_fade(double f) const {
        double ratio = model_.fmin / f;
        return std::exp(-2.2 * ratio * ratio);
    }

    double amplitude_at(int index) const {
        return index < 0 || index > TraceTable::last_index ? 0.0 : amplitudes_[index];
    }

    int x_source(int k) const {
        if (x_source_.empty()) {
            return k - xo_shift;
        }
        return k < 0 || k >= static_cast<int>(x_source_.size()) ? -1 : x_source_[k];
    }

    // The echo whose leading edge lies between h_low and h_high, with the pulse's tail above.
    void deposit(Column& column, double h_low, double h_high, double amplitude) const {
        if (h_low >= highest_height || amplitude <= 0.0) {
            return;
        }
        int first = std::max(height_cell_of(h_low), 1);
        int last = std::min(height_cell_of(h_high), heights_per_frequency);
        auto a = static_cast<float>(amplitude);
        for (int j = first; j <= last; ++j) {
            column[j - 1] = std::max(column[j - 1], a);
        }
        for (int n = 0; n < static_cast<int>(tail_.size()); ++n) {
            int j = last + 1 + n;
            if (j > heights_per_frequency) {
                break;
            }
            column[j - 1] = std::max(column[j - 1], a * tail_[n]);
        }
    }

    // The trace whose echo at grid index k is the ordinary echo at source(k), lifted by `lift`
    // km; `f_only` keeps the F layers' echoes alone.
    template <class Source>
    void add_regular_trace(Column& column, int centre, int band, Source source, int hop,
                           double factor, double lift = 0.0, bool f_only = false) const {
        for (int k = centre - band; k <= centre + band; ++k) {
            int index = source(k);
            double amplitude = amplitude_at(index) * factor;
            if (amplitude <= 0.0) {
                continue;
            }
            const Echo& echo = traces_.echo(index);
            if (f_only && !is_f_layer(echo)) {
                continue;
            }
            if (hop == 2 && model_.absorption_fading) {
                amplitude *= absorption_fade(TraceTable::frequency(index)); // twice through
            }
            double h = hop * echo.virtual_height + lift;
            deposit(column, h, h, amplitude);
            if (k < centre + band) {
                int next_index = source(k + 1);
                const Echo& next = traces_.echo(next_index);
                double next_amplitude = amplitude_at(next_index) * factor;
                if (next_amplitude > 0.0 && same_trace(echo, next)) {
                    double h_next = hop * next.virtual_height + lift;
                    deposit(column, std::min(h, h_next), std::max(h, h_next),
                            std::min(amplitude, next_amplitude));
                }
            }
        }
    }

    // A weaker copy of the F traces, higher and further in frequency.
    void add_oblique(Column& column, int centre, int band) const {
        const ObliqueEcho& oblique = *model_.oblique;
        int shift = fine_index_of(oblique.frequency_mhz);
        add_regular_trace(
            column, centre, band, [shift](int k) { return k - shift; }, 1, oblique.strength,
            oblique.height_km, true);
        if (!world_.ordinary_only) {
            add_regular_trace(
                column, centre, band, [this, shift](int k) { return x_source(k - shift); }, 1,
                0.5 * oblique.strength, oblique.height_km, true);
        }
    }

    // Range spread: a cloud of echoes above each F echo of the column. Frequency spread: echoes
    // beyond each cusp, about the heights where the trace turns up into it.
    void add_spread_f(Column& column, int centre, int band, double f) {
        const SpreadF& spread = *model_.spread_f;
        for (auto [lift, factor] : spread_copies_) {
            add_regular_trace(
                column, centre, band, [](int k) { return k; }, 1, factor, lift, true);
            if (!world_.ordinary_only) {
                add_regular_trace(
                    column, centre, band, [this](int k) { return x_source(k); }, 1, 0.5 * factor,
                    lift, true);
            }
        }
        auto cloud_above = [&](int index, double factor) {
            const Echo& echo = traces_.echo(index);
            double amplitude = amplitude_at(index) * factor;
            if (amplitude <= 0.0 || !is_f_layer(echo)) {
                return;
            }
            // The cloud keeps the strength of the trace away from the cusp's weakening.
            amplitude = std::max(amplitude, 60.0 * factor);
            int first = height_cell_of(echo.virtual_height) + 1;
            int last = std::min(height_cell_of(echo.virtual_height + spread.depth_km),
                                heights_per_frequency);
            for (int j = std::max(first, 1); j <= last; ++j) {
                double z = (j - first + 0.5) / std::max(last - first + 1, 1);
                double lit = spread_random_.uniform();
                double strength = spread_random_.uniform(0.25, 0.8);
                if (lit < spread.density * std::exp(-2.2 * z)) {
                    column[j - 1] = std::max(
                        column[j - 1], static_cast<float>(amplitude * strength * (1.0 - 0.6 * z)));
                }
            }
        };
        cloud_above(centre, 1.0);
        if (!world_.ordinary_only) {
            cloud_above(x_source(centre), 0.5);
        }
        if (spread.beyond_mhz <= 0.0) {
            return;
        }
        double foF2 = model_.ionosphere.f2.critical_frequency;
        auto beyond = [&](double cusp, double factor) {
            double x = (f - cusp) / spread.beyond_mhz;
            if (x <= 0.0 || x > 1.0) {
                return;
            }
            const Echo& base = traces_.echo(fine_index_of(0.93 * foF2));
            if (!base.reflected) {
                return;
            }
            double low = base.virtual_height - 10.0;
            double high = base.virtual_height + 60.0 + 0.6 * spread.depth_km;
            int first = std::max(height_cell_of(low), 1);
            int last = std::min(height_cell_of(high), heights_per_frequency);
            // Thinning outwards, yet always a few echoes up to the spread's edge.
            double share = std::max(spread.density * (0.7 - 0.4 * x), 0.25);
            double amplitude = 110.0 * factor;
            int lit_cells = 0;
            for (int j = first; j <= last; ++j) {
                double lit = spread_random_.uniform();
                double strength = spread_random_.uniform(0.3, 0.8);
                if (lit < share || (j == last && lit_cells < 3)) {
                    // Echoes from an irregularity trail over a few cells.
                    int run = std::min(3, 1 + static_cast<int>(lit * 3.0 / std::max(share, 0.01)));
                    for (int r = 0; r < run && j + r <= heights_per_frequency; ++r) {
                        column[j + r - 1] =
                            std::max(column[j + r - 1],
                                     static_cast<float>(amplitude * strength * (1.0 - 0.25 * r)));
                    }
                    ++lit_cells;
                }
            }
        };
        beyond(foF2, 1.0);
        if (!world_.ordinary_only) {
            double fx = model_.gyrofrequency > 0.0
                            ? extraordinary_frequency(foF2, model_.gyrofrequency)
                            : foF2 + station::xo_separation_mhz;
            beyond(fx, 0.6);
        }
    }

    void add_sporadic_e(Column& column, double f, const SporadicE& es, bool second) const {
        double start = std::max(model_.fmin, es.lowest_frequency);
        if (f < start) {
            return;
        }
        if (second && model_.sporadic_e && f < model_.sporadic_e->blanketing_frequency) {
            return; // the lower layer reflects everything there
        }
        if (f > es.top_frequency) {
            return;
        }
        bool blanketing = es.blanketing_frequency > model_.fmin;
        double strength = blanketing ? 235.0 : 170.0;
        if (f > es.blanketing_frequency) {
            double left = (es.top_frequency - f) / (es.top_frequency - es.blanketing_frequency);
            strength *= 0.35 + 0.65 * left;
        }
        if (second) {
            strength *= 0.6;
        }
        if (model_.absorption_fading) {
            strength *= std::sqrt(absorption_fade(f));
        }
        // Flat, with the slight upturn of a thin layer near its top frequency.
        double reach = (f - model_.fmin) / std::max(es.top_frequency - model_.fmin, 0.1);
        double h = es.height + 6.0 * std::pow(reach, 6.0);
        if (es.shape == EsShape::cusp) {
            h += 22.0 * std::exp(-(f - start) / 0.12); // rising out of the E cusp
        } else if (es.shape == EsShape::high) {
            h += 15.0 * std::exp(-(f - start) / 0.1);
        }
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
            int index = (khz - axis.start_khz + axis.step_khz / 2) / axis.step_khz;
            if (index >= 0 && index < axis.count()) {
                levels[index] = std::max(levels[index], level);
            }
        }
        return levels;
    }

    int column_of(const FrequencyAxis& axis, double frequency) const {
        return static_cast<int>(std::lround((frequency * 1000.0 - axis.start_khz) /
                                            static_cast<double>(axis.step_khz)));
    }

    // Byte-scale interference of the harder world, column by column; empty when there is none.
    std::vector<Extra> harder_interference(const FrequencyAxis& axis) {
        if (model_.partial_lines.empty() && !world_.broadcast_bands && !world_.impulsive_noise) {
            return {};
        }
        std::vector<Extra> extras(axis.count(), Extra{});
        Random& random = interference_random_;
        auto raise = [&](int i, int j, double level) {
            if (i >= 0 && i < axis.count() && j >= 1 && j <= heights_per_frequency) {
                extras[i][j - 1] = std::max(extras[i][j - 1], static_cast<float>(level));
            }
        };
        for (const auto& line : model_.partial_lines) {
            int first = column_of(axis, line.frequency);
            int from = std::max(height_cell_of(line.low_km), 1);
            int to = std::min(height_cell_of(line.high_km), heights_per_frequency);
            for (int i = first; i < first + line.columns; ++i) {
                for (int j = from; j <= to; ++j) {
                    raise(i, j, line.level * random.uniform(0.6, 1.2));
                }
            }
        }
        if (world_.broadcast_bands) {
            double night = night_weight(model_.cos_zenith);
            for (const auto& band : broadcast_bands) {
                double level = band.day_level + (band.night_level - band.day_level) * night;
                for (int i = std::max(column_of(axis, band.low), 0);
                     i <= std::min(column_of(axis, band.high), axis.count() - 1); ++i) {
                    double carrier = random.uniform(0.2, 1.1);
                    if (!random.chance(0.7)) {
                        continue;
                    }
                    for (int j = 1; j <= heights_per_frequency; ++j) {
                        raise(i, j, level * carrier * random.uniform(0.5, 1.3));
                    }
                }
            }
        }
        if (world_.impulsive_noise) {
            // Rows: something pulsing in step with the sounder at a fixed delay.
            int rows = random.chance(0.5) ? 1 + static_cast<int>(random.uniform(0.0, 2.0)) : 0;
            for (int r = 0; r < rows; ++r) {
                int j = 1 + static_cast<int>(random.uniform(0.0, heights_per_frequency));
                int from = static_cast<int>(random.uniform(0.0, 0.5) * axis.count());
                int to = from + static_cast<int>(random.uniform(0.3, 1.0) * (axis.count() - from));
                double level = random.uniform(35.0, 90.0);
                for (int i = from; i < to; ++i) {
                    raise(i, j, level * random.uniform(0.6, 1.2));
                }
            }
            // Bursts: a lightning crash or a switching spike over a few frequencies.
            int bursts = static_cast<int>(random.uniform(0.0, 5.0));
            for (int b = 0; b < bursts; ++b) {
                int i0 = static_cast<int>(random.uniform(0.0, axis.count()));
                int width = 1 + static_cast<int>(random.uniform(0.0, 4.0));
                int j0 = 1 + static_cast<int>(random.uniform(0.0, heights_per_frequency));
                int height = 3 + static_cast<int>(random.uniform(0.0, 14.0));
                double level = random.uniform(60.0, 160.0);
                for (int i = i0; i < i0 + width; ++i) {
                    for (int j = j0; j < j0 + height; ++j) {
                        raise(i, j, level * random.uniform(0.5, 1.1));
                    }
                }
            }
        }
        return extras;
    }

    // Receivers log their amplitudes on a roughly logarithmic scale, so weak and strong
    // traces both show; the noise floor (louder at low frequencies and by night) and any
    // interference add on that scale, clipped to a byte.
    void write_column(const Column& column, double f, double interference, const Extra* extra,
                      std::uint8_t* out) {
        const auto& rayleigh = rayleigh_table();
        double night = night_weight(model_.cos_zenith);
        double sigma = 4.5 * (1.0 + 1.8 * std::exp(-(f - 1.0) / 2.0)) * (1.0 + 0.4 * night);
        if (world_.noise) {
            // Another receiver's floor: its level, lumpier from column to column, with spikes.
            double lump = std::exp(0.35 * (texture_random_.uniform() + texture_random_.uniform() +
                                           texture_random_.uniform() - 1.5));
            sigma *= *world_.noise * lump;
        }
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
            if (extra) {
                value += (*extra)[j];
            }
            if (world_.noise && texture_random_.chance(0.015)) {
                value += 2.5 * sigma * rayleigh[texture_random_.next() & 4095];
            }
            out[j] = static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
        }
    }

    double logarithmic(double amplitude) const {
        if (reference_ > 0.0) {
            return 255.0 * std::log1p(amplitude / reference_) / std::log1p(250.0 / reference_);
        }
        constexpr double reference = 15.0;
        static const double full_scale = std::log1p(250.0 / reference);
        return 255.0 * std::log1p(amplitude / reference) / full_scale;
    }

    const SoundingModel& model_;
    const TraceTable& traces_;
    const World& world_;
    Random random_;
    Random spread_random_;
    Random interference_random_;
    Random texture_random_;
    std::vector<float> tail_;
    double phase_1_ = 0.0;
    double phase_2_ = 0.0;
    double second_hop_factor_ = 0.0;
    double reference_ = 0.0;         // of another dynamic range; 0 for the quiet day's
    std::vector<double> amplitudes_; // first-hop ordinary amplitude on the fine grid
    std::vector<int> x_source_;      // by the magneto-ionic relation; empty: a fixed shift
    std::vector<std::pair<double, double>> spread_copies_; // lift (km) and strength
};

} // namespace

int height_cell_of(double virtual_height) {
    return static_cast<int>(std::ceil((virtual_height - lowest_height) / cell_height));
}

double extraordinary_frequency(double ordinary, double gyrofrequency) {
    return 0.5 *
           (gyrofrequency + std::sqrt(gyrofrequency * gyrofrequency + 4.0 * ordinary * ordinary));
}

std::vector<std::uint8_t> synthesise_amplitudes(const SoundingModel& model,
                                                const TraceTable& traces, const FrequencyAxis& axis,
                                                const World& world) {
    return Synthesiser(model, traces, world).run(axis);
}

} // namespace synth
