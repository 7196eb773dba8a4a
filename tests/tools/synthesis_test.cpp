// SPDX-License-Identifier: GPL-3.0-or-later
#include "group_height.h"
#include "models.h"
#include "sounding.h"
#include "synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace synth;
using namespace synth::models;

namespace {

TEST(HeightCell, LeadingEdgeFallsInTheFirstCellReachingIt) {
    EXPECT_EQ(height_cell_of(86.0), 1);
    EXPECT_EQ(height_cell_of(90.0), 1);
    EXPECT_EQ(height_cell_of(90.1), 2);
    EXPECT_EQ(height_cell_of(300.0), 48); // 85.5 + 4.5 x 48 = 301.5
    EXPECT_EQ(height_cell_of(760.5), 150);
}

struct TraceCase {
    const char* name;
    double frequency;      // where the column is looked at
    double echo_frequency; // ordinary frequency whose echo should be there
    int hop;
    int min_strength;
    bool clear_below; // no other trace of the column lies just below this one
};

void PrintTo(const TraceCase& c, std::ostream* os) {
    *os << c.name;
}

class NightTraces : public testing::TestWithParam<TraceCase> {};

// Each trace sits at its group height: the ordinary one, the extraordinary one 0.5 MHz
// higher in frequency at the same height, the second hop at twice the height, weaker.
TEST_P(NightTraces, EchoAtTheGroupHeight) {
    const auto& c = GetParam();
    auto bytes = make_sounding(night_model(), FrequencyAxis{50}).amplitudes;
    double h = c.hop * group_height(night_model(), c.echo_frequency);
    int cell = height_cell_of(h);
    EXPECT_GE(strongest(bytes, c.frequency, cell, cell + 1), c.min_strength) << h;
    if (c.clear_below) {
        // The column's band reaches one cell lower at most.
        EXPECT_LT(strongest(bytes, c.frequency, cell - 12, cell - 2), 60) << h;
    }
}

INSTANTIATE_TEST_SUITE_P(Traces, NightTraces,
                         testing::Values(TraceCase{"ordinary_alone", 1.8, 1.8, 1, 180, true},
                                         TraceCase{"ordinary_near_foF2", 4.5, 4.5, 1, 160, false},
                                         TraceCase{"extraordinary", 2.5, 2.0, 1, 140, true},
                                         TraceCase{"extraordinary_high", 4.0, 3.5, 1, 140, true},
                                         TraceCase{"second_hop", 1.8, 1.8, 2, 70, true},
                                         TraceCase{"second_hop_high", 3.0, 3.0, 2, 70, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Synthesis, SecondHopWeakerAndNothingOutsideTheTraces) {
    auto bytes = make_sounding(night_model(), FrequencyAxis{50}).amplitudes;
    int first = height_cell_of(group_height(night_model(), 2.5));
    int second = height_cell_of(2.0 * group_height(night_model(), 2.5));
    EXPECT_GT(strongest(bytes, 2.5, first, first), strongest(bytes, 2.5, second, second) + 30);
    // 1.2 MHz is below fmin; 8.0 MHz above fxI = 5.5 MHz and clear of interference lines.
    EXPECT_LT(strongest(bytes, 1.2, 1, 150), 90);
    EXPECT_LT(strongest(bytes, 8.0, 1, 150), 60);
    EXPECT_GT(strongest(bytes, 5.3, 1, 150), 100); // the extraordinary trace alone
}

TEST(Synthesis, BlanketingEsHidesTheLayersAboveBelowItsFbEs) {
    SoundingModel model = night_model();
    model.sporadic_e = SporadicE{4.0, 3.0, 100.0};
    auto bytes = make_sounding(model, FrequencyAxis{50}).amplitudes;
    int es = height_cell_of(100.0);
    int f_low = height_cell_of(group_height(model, 2.0));
    int f_high = height_cell_of(group_height(model, 3.5));
    EXPECT_GE(strongest(bytes, 2.0, es, es + 1), 200);
    EXPECT_LT(strongest(bytes, 2.0, f_low, f_low + 1), 60);
    EXPECT_GE(strongest(bytes, 3.5, f_high, f_high + 1), 140);
    EXPECT_GE(strongest(bytes, 3.5, es, es + 1), 120); // partly reflected above fbEs
    EXPECT_LT(strongest(bytes, 4.2, es, es + 1), 60);  // gone above foEs
    int multiple = height_cell_of(200.0);
    EXPECT_GE(strongest(bytes, 2.0, multiple, multiple + 1), 150);
}

TEST(Synthesis, InterferenceLinesAtTheirFrequenciesOnly) {
    // By night the 7.25 MHz broadcaster is loud across all heights unless off the air.
    int heard = 0;
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        SoundingModel model = night_model();
        model.noise_seed = seed;
        auto bytes = make_sounding(model, FrequencyAxis{50}).amplitudes;
        auto line = bytes.begin() + 125 * 150;
        heard += std::count_if(line, line + 150, [](int a) { return a > 30; }) > 100 ? 1 : 0;
        EXPECT_LT(strongest(bytes, 7.5, 1, 150), 60);
    }
    EXPECT_GE(heard, 6);
}

} // namespace
