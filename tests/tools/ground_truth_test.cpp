// SPDX-License-Identifier: GPL-3.0-or-later
#include "ground_truth.h"
#include "models.h"
#include "muf.h"
#include "profile.h"

#include <gtest/gtest.h>

using namespace synth;
using synth::models::noon_model;

namespace {

GroundTruth truth_of(const SoundingModel& model) {
    auto profile = sample_ionosphere(model.ionosphere, 60.0, 700.0, 0.5);
    TraceTable traces(profile, model.fmin - TraceTable::spacing);
    return ground_truth(model, traces);
}

SoundingModel night() {
    SoundingModel m;
    m.cos_zenith = -0.6;
    m.fmin = 1.3;
    m.ionosphere.f2 = {4.2, 310.0, 44.0};
    return m;
}

TEST(Muf, SecantLawOfTheTransmissionCurveTool) {
    // foF2 picked at 8.0 MHz on the plot row of 299.25 km gives 29.26 MHz with the tool.
    EXPECT_NEAR(muf3000(8.0, 299.25), 29.26, 0.005);
    EXPECT_EQ(static_cast<double>(muf_factor_k), 1.1139999628067017);
    // Higher reflections see the path at a steeper angle: smaller secant.
    EXPECT_GT(secant_of_incidence(200.0), secant_of_incidence(400.0));
}

TEST(GroundTruth, NightHasOnlyTheF2Layer) {
    auto truth = truth_of(night());
    EXPECT_FALSE(truth.foE);
    EXPECT_FALSE(truth.hE);
    EXPECT_FALSE(truth.foF1);
    EXPECT_FALSE(truth.hF2);
    EXPECT_FALSE(truth.foEs || truth.hEs || truth.fbEs);
    EXPECT_DOUBLE_EQ(*truth.fmin, 1.3);
    EXPECT_DOUBLE_EQ(*truth.foF2, 4.2);
    EXPECT_DOUBLE_EQ(*truth.fxI, 4.7);
    ASSERT_TRUE(truth.hF);
    EXPECT_GT(*truth.hF, 200.0);
    EXPECT_LT(*truth.hF, 310.0);
}

TEST(GroundTruth, DayLayersInOrder) {
    auto truth = truth_of(noon_model());
    ASSERT_TRUE(truth.hE && truth.hF && truth.hF2 && truth.foE && truth.foF1);
    EXPECT_LT(*truth.fmin, *truth.foE);
    EXPECT_LT(*truth.foE, *truth.foF1);
    EXPECT_LT(*truth.foF1, *truth.foF2);
    EXPECT_LT(*truth.hE, *truth.hF);
    EXPECT_LT(*truth.hF, *truth.hF2);
    EXPECT_GT(*truth.hE, 90.0);
    EXPECT_LT(*truth.hE, 115.0);
}

TEST(GroundTruth, MinimumVirtualHeightsAreTheTracesLowestPoints) {
    SoundingModel model = noon_model();
    auto profile = sample_ionosphere(model.ionosphere, 60.0, 700.0, 0.5);
    auto truth = truth_of(model);
    // The E trace rises from fmin; the F1 trace has its minimum between the two cusps.
    EXPECT_NEAR(*truth.hE, ordinary_echo(profile, model.fmin).virtual_height, 0.1);
    double lowest_f1 = 1e9;
    for (double f = 3.51; f < 5.2; f += 0.001) {
        lowest_f1 = std::min(lowest_f1, ordinary_echo(profile, f).virtual_height);
    }
    EXPECT_NEAR(*truth.hF, lowest_f1, 0.05);
}

struct MufCase {
    const char* name;
    SoundingModel model;
};

void PrintTo(const MufCase& c, std::ostream* os) {
    *os << c.name;
}

class MufTangent : public testing::TestWithParam<MufCase> {};

TEST_P(MufTangent, IsTheHighestSecantLawMufAlongTheF2Trace) {
    const SoundingModel& model = GetParam().model;
    auto profile = sample_ionosphere(model.ionosphere, 60.0, 700.0, 0.5);
    double best = 0.0;
    for (double f = model.fmin; f < model.ionosphere.f2.critical_frequency; f += 0.001) {
        Echo echo = ordinary_echo(profile, f);
        if (echo.reflected && echo.layer == Layer::f2) {
            best = std::max(best, muf3000(f, echo.virtual_height));
        }
    }
    auto truth = truth_of(model);
    ASSERT_TRUE(truth.muf3000F2);
    EXPECT_NEAR(*truth.muf3000F2, best, 0.01);
    double m3000 = *truth.muf3000F2 / *truth.foF2;
    EXPECT_GT(m3000, 2.5);
    EXPECT_LT(m3000, 4.0);
}

INSTANTIATE_TEST_SUITE_P(Soundings, MufTangent,
                         testing::Values(MufCase{"night", night()}, MufCase{"noon", noon_model()}));

} // namespace
