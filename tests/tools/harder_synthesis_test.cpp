// SPDX-License-Identifier: GPL-3.0-or-later
// Each condition of the harder world leaves its mark on the picture, and only its mark.
#include "group_height.h"
#include "models.h"
#include "sounding.h"
#include "synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace synth;
using namespace synth::models;

namespace {

// How many cells of first..last at f stand clear of the noise.
int echo_cells(const std::vector<std::uint8_t>& bytes, double f, int first, int last) {
    auto column = bytes.begin() + std::lround((f - 1.0) / 0.05) * 150;
    return static_cast<int>(std::count_if(column + std::clamp(first, 1, 150) - 1,
                                          column + std::clamp(last, 1, 150),
                                          [](int a) { return a > 70; }));
}

std::vector<std::uint8_t> amplitudes(const SoundingModel& m, const World& world = {}) {
    return make_sounding(m, FrequencyAxis{50}, world).amplitudes;
}

struct GyroCase {
    double fB;
    double f; // an extraordinary frequency on the trace
};

void PrintTo(const GyroCase& c, std::ostream* os) {
    *os << "fB " << c.fB << " at " << c.f;
}

class MagnetoIonic : public testing::TestWithParam<GyroCase> {};

// The X echo at f lies where the O echo of sqrt(f (f - fB)) lies, and the X trace ends at the
// relation's fx, not 0.5 MHz above foF2.
TEST_P(MagnetoIonic, ExtraordinaryTraceFollowsTheRelation) {
    auto [fB, f] = GetParam();
    SoundingModel m = night_model();
    m.gyrofrequency = fB;
    World ordinary_only;
    ordinary_only.ordinary_only = true;
    auto with_x = amplitudes(m);
    auto without_x = amplitudes(m, ordinary_only);
    double fo = std::sqrt(f * (f - fB));
    int cell = height_cell_of(group_height(m, fo));
    EXPECT_GE(strongest(with_x, f, cell, cell + 1), 130) << fo;
    EXPECT_LT(strongest(without_x, f, cell, cell + 1), 70) << "only the X trace is there";

    double fx = extraordinary_frequency(5.0, fB);
    EXPECT_NEAR(fx * (fx - fB), 25.0, 1e-9);
    EXPECT_GT(strongest(with_x, fx - 0.05, 1, 150), 100);
    EXPECT_LT(strongest(with_x, fx + 0.15, 1, 150), 70);
    auto truth = make_sounding(m, FrequencyAxis{50}).truth;
    EXPECT_NEAR(*truth.fxI, fx, 1e-9);
    EXPECT_NEAR(*make_sounding(m, FrequencyAxis{50}, ordinary_only).truth.fxI, 5.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Fields, MagnetoIonic,
                         testing::Values(GyroCase{0.8, 2.5}, GyroCase{1.2, 3.0}, GyroCase{1.6, 2.6},
                                         GyroCase{1.6, 4.5}));

TEST(MagnetoIonic, SeparationShrinksTowardsHalfTheGyrofrequency) {
    for (double fB : {0.6, 1.1, 1.7}) {
        double low = extraordinary_frequency(1.5, fB) - 1.5;
        double high = extraordinary_frequency(12.0, fB) - 12.0;
        EXPECT_GT(low, high + 0.05 * fB * fB) << fB;
        EXPECT_NEAR(high, fB / 2.0, 0.04) << fB;
    }
}

TEST(PartialLines, ConfinedToTheirHeightsAndColumns) {
    SoundingModel m = night_model();
    m.partial_lines.push_back({8.0, 2, 300.0, 450.0, 150.0});
    auto bytes = amplitudes(m);
    int from = height_cell_of(300.0);
    int to = height_cell_of(450.0);
    for (double f : {8.0, 8.05}) {
        EXPECT_GE(echo_cells(bytes, f, from, to), (to - from) * 9 / 10) << f;
        EXPECT_EQ(echo_cells(bytes, f, 1, from - 2), 0) << f;
        EXPECT_EQ(echo_cells(bytes, f, to + 2, 150), 0) << f;
    }
    EXPECT_EQ(echo_cells(bytes, 7.95, 1, 150), 0);
    EXPECT_EQ(echo_cells(bytes, 8.1, 1, 150), 0);
}

TEST(Absorption, NoEchoBelowFminAndFadingTowardsIt) {
    SoundingModel m = night_model();
    m.cos_zenith = 0.8;
    m.fmin = 2.6;
    m.ionosphere.f2 = {8.0, 260.0, 34.0};
    m.absorption_fading = true;
    auto bytes = amplitudes(m);
    m.absorption_fading = false;
    auto unabsorbed = amplitudes(m);
    for (double f = 1.0; f < 2.55; f += 0.05) {
        EXPECT_EQ(echo_cells(bytes, f, 1, 150), 0) << f;
    }
    int near = height_cell_of(group_height(m, 2.7));
    int far = height_cell_of(group_height(m, 6.0));
    // Weakened most just above fmin, less far above it, and still seen.
    int drop_near =
        strongest(unabsorbed, 2.7, near, near + 1) - strongest(bytes, 2.7, near, near + 1);
    int drop_far = strongest(unabsorbed, 6.0, far, far + 1) - strongest(bytes, 6.0, far, far + 1);
    EXPECT_GT(drop_near, 30);
    EXPECT_GT(drop_near, drop_far + 10);
    EXPECT_GT(strongest(bytes, 2.7, near, near + 1), 70);
}

TEST(PartialAbsorption, TakesTheFTraceInItsStretchOnly) {
    SoundingModel m = night_model();
    m.cos_zenith = 0.8;
    m.fmin = 2.0;
    m.ionosphere.e = ChapmanLayer{3.2, 110.0, 9.0};
    m.ionosphere.f2 = {8.0, 260.0, 34.0};
    m.f_gap = std::array<double, 2>{3.4, 4.4};
    World ordinary_only;
    ordinary_only.ordinary_only = true;
    auto bytes = amplitudes(m, ordinary_only);
    for (double f : {3.5, 3.9, 4.3}) {
        int cell = height_cell_of(group_height(m, f));
        EXPECT_LT(strongest(bytes, f, cell, cell + 1), 70) << f;
    }
    for (double f : {2.5, 4.7}) { // the E trace below, the F trace above
        int cell = height_cell_of(group_height(m, f));
        EXPECT_GT(strongest(bytes, f, cell, cell + 1), 100) << f;
    }
}

TEST(SpreadF, RangeSpreadFillsAboveTheTraceNotBelow) {
    SoundingModel m = night_model();
    World ordinary_only;
    ordinary_only.ordinary_only = true;
    auto clear = amplitudes(m, ordinary_only);
    m.spread_f = SpreadF{150.0, 0.0, 0.8};
    auto spread = amplitudes(m, ordinary_only);
    for (double f : {2.0, 3.0, 4.0}) {
        int trace = height_cell_of(group_height(m, f));
        int top = height_cell_of(group_height(m, f) + 150.0);
        EXPECT_GE(echo_cells(spread, f, trace + 6, top), echo_cells(clear, f, trace + 6, top) + 6)
            << f;
        EXPECT_EQ(echo_cells(spread, f, 1, trace - 2), 0) << f;
    }
}

TEST(SpreadF, FrequencySpreadReachesBeyondTheCuspAndNoFurther) {
    SoundingModel m = night_model();
    World ordinary_only;
    ordinary_only.ordinary_only = true;
    m.spread_f = SpreadF{120.0, 0.6, 0.8};
    auto bytes = amplitudes(m, ordinary_only);
    for (double f : {5.1, 5.3, 5.55}) {
        EXPECT_GT(echo_cells(bytes, f, 1, 150), 2) << f;
    }
    EXPECT_EQ(echo_cells(bytes, 5.7, 1, 150), 0);
    auto truth = make_sounding(m, FrequencyAxis{50}, ordinary_only).truth;
    EXPECT_NEAR(*truth.fxI, 5.6, 1e-9);
    EXPECT_NEAR(*truth.foF2, 5.0, 1e-9); // the physical foF2 stays
}

TEST(Oblique, AHigherCopyFurtherInFrequency) {
    SoundingModel m = night_model();
    World ordinary_only;
    ordinary_only.ordinary_only = true;
    m.oblique = ObliqueEcho{60.0, 0.3, 0.5};
    auto bytes = amplitudes(m, ordinary_only);
    int copy = height_cell_of(group_height(m, 3.0) + 60.0);
    EXPECT_GT(strongest(bytes, 3.3, copy, copy + 1), 100);
    // Beyond foF2 only the copy is left.
    EXPECT_GT(echo_cells(bytes, 5.2, 1, 150), 0);
    EXPECT_EQ(echo_cells(bytes, 5.4, 1, 150), 0);
}

TEST(Ledge, BendsTheBottomsideAndKeepsThePeak) {
    Ionosphere sky;
    sky.f2 = {6.0, 300.0, 40.0};
    auto plain = sample_ionosphere(sky, 60.0, 700.0, 0.5);
    auto bent = plain;
    add_ledge(bent, Ledge{250.0, 14.0, 0.3}, sky.f2);
    EXPECT_DOUBLE_EQ(bent.peak_plasma_frequency_squared(), plain.peak_plasma_frequency_squared());
    for (std::size_t i = 0; i < plain.plasma_frequency_squared.size(); ++i) {
        double height = 60.0 + 0.5 * static_cast<double>(i);
        double raised = bent.plasma_frequency_squared[i] - plain.plasma_frequency_squared[i];
        EXPECT_GE(raised, 0.0);
        if (height >= 300.0 || std::fabs(height - 250.0) > 60.0) {
            EXPECT_NEAR(raised, 0.0, 1e-9) << height;
        }
        EXPECT_LE(bent.plasma_frequency_squared[i],
                  std::max(0.97 * 36.0, plain.plasma_frequency_squared[i]));
    }
    // The trace bends: reflected lower by the ledge just below its top, retarded passing it
    // just above.
    double lower = 0.0;
    double higher = 0.0;
    for (double f = 3.0; f < 5.9; f += 0.01) {
        double shift =
            ordinary_echo(bent, f).virtual_height - ordinary_echo(plain, f).virtual_height;
        lower = std::min(lower, shift);
        higher = std::max(higher, shift);
    }
    EXPECT_LT(lower, -10.0);
    EXPECT_GT(higher, 10.0);
}

// A different receiver or noise changes the floor and the echoes' look; a default World changes
// nothing at all.
TEST(Instrument, LongerPulseTrailsFurther) {
    SoundingModel m = night_model();
    World ordinary_only;
    ordinary_only.ordinary_only = true;
    World long_pulse = ordinary_only;
    long_pulse.pulse_km = 60.0;
    int trace = height_cell_of(group_height(m, 1.8));
    EXPECT_LT(echo_cells(amplitudes(m, ordinary_only), 1.8, trace + 6, trace + 12), 2);
    EXPECT_GE(echo_cells(amplitudes(m, long_pulse), 1.8, trace + 6, trace + 10), 4);
}

TEST(Instrument, NoisierFloor) {
    SoundingModel m = night_model();
    World noisy;
    noisy.noise = 3.0;
    auto quiet = amplitudes(m);
    auto loud = amplitudes(m, noisy);
    // 12 MHz: no echo, only the floor.
    EXPECT_GT(strongest(loud, 12.0, 1, 150), strongest(quiet, 12.0, 1, 150) + 20);
    EXPECT_EQ(amplitudes(m, World{}), quiet);
}

TEST(Interference, BroadcastBandsAtTheirFrequenciesOnly) {
    SoundingModel m = night_model();
    World bands;
    bands.broadcast_bands = true;
    auto bytes = amplitudes(m, bands);
    int lifted = 0;
    for (double f = 7.2; f <= 7.45; f += 0.05) {
        lifted += echo_cells(bytes, f, 1, 150) > 100 ? 1 : 0;
    }
    EXPECT_GE(lifted, 2);
    for (double f : {6.6, 8.0, 8.5}) {
        EXPECT_EQ(echo_cells(bytes, f, 1, 150), 0) << f;
    }
}

TEST(Interference, ImpulsiveNoiseBringsRowsAndBursts) {
    World impulsive;
    impulsive.impulsive_noise = true;
    int rows = 0;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        SoundingModel m = night_model();
        m.noise_seed = seed;
        auto bytes = amplitudes(m, impulsive);
        // A row: one height lifted over many columns where no trace is.
        for (int j = 1; j <= 150; ++j) {
            int lit = 0;
            for (double f = 8.0; f < 19.9; f += 0.05) {
                lit += strongest(bytes, f, j, j) > 60 ? 1 : 0;
            }
            rows += lit > 60 ? 1 : 0;
        }
    }
    EXPECT_GE(rows, 2);
}

} // namespace
