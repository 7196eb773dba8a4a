#include "group_height.h"
#include "profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace synth;

namespace {

SampledProfile sampled(const std::function<double(double)>& fn2, double spacing = 0.5) {
    SampledProfile profile;
    profile.base_height = 60.0;
    profile.spacing = spacing;
    for (double h = 60.0; h <= 800.0; h += spacing) {
        profile.plasma_frequency_squared.push_back(fn2(h));
        profile.layer.push_back(Layer::f2);
    }
    return profile;
}

struct Parabola {
    double fc, hm, ym;
    double fn2(double h) const {
        double u = (h - hm) / ym;
        return std::fabs(u) < 1.0 ? fc * fc * (1.0 - u * u) : 0.0;
    }
    double virtual_height(double f) const {
        return hm - ym + 0.5 * ym * (f / fc) * std::log((fc + f) / (fc - f));
    }
    double real_height(double f) const { return hm - ym * std::sqrt(1.0 - f * f / (fc * fc)); }
};

struct ParabolaCase {
    Parabola layer;
    double ratio; // f / fc
    double tolerance_km;
};

void PrintTo(const ParabolaCase& c, std::ostream* os) {
    *os << "fc " << c.layer.fc << " hm " << c.layer.hm << " ym " << c.layer.ym << " at f/fc "
        << c.ratio;
}

class ParabolicLayer : public testing::TestWithParam<ParabolaCase> {};

TEST_P(ParabolicLayer, MatchesTheClosedForm) {
    const auto& c = GetParam();
    Echo echo =
        ordinary_echo(sampled([&](double h) { return c.layer.fn2(h); }), c.ratio * c.layer.fc);
    ASSERT_TRUE(echo.reflected);
    EXPECT_NEAR(echo.virtual_height, c.layer.virtual_height(c.ratio * c.layer.fc), c.tolerance_km);
    EXPECT_NEAR(echo.real_height, c.layer.real_height(c.ratio * c.layer.fc), 0.05);
}

// Low frequencies barely feel the layer; near the peak the group delay grows without
// bound and the integrand's singularity at the reflection matters most.
INSTANTIATE_TEST_SUITE_P(Frequencies, ParabolicLayer,
                         testing::Values(ParabolaCase{{6.0, 300.0, 100.0}, 0.05, 0.05},
                                         ParabolaCase{{6.0, 300.0, 100.0}, 0.3, 0.05},
                                         ParabolaCase{{6.0, 300.0, 100.0}, 0.6, 0.05},
                                         ParabolaCase{{6.0, 300.0, 100.0}, 0.9, 0.05},
                                         ParabolaCase{{6.0, 300.0, 100.0}, 0.98, 0.1},
                                         ParabolaCase{{6.0, 300.0, 100.0}, 0.995, 0.2},
                                         ParabolaCase{{6.0, 300.0, 100.0}, 0.999, 0.3},
                                         ParabolaCase{{3.4, 110.0, 20.0}, 0.5, 0.05},
                                         ParabolaCase{{3.4, 110.0, 20.0}, 0.95, 0.1},
                                         ParabolaCase{{9.0, 260.0, 60.0}, 0.7, 0.05},
                                         ParabolaCase{{9.0, 260.0, 60.0}, 0.99, 0.2}));

TEST(LinearLayer, DoublesTheDepthOfPenetration) {
    // fN^2 = a (h - h0): the group path inside the layer is twice the real one.
    const double h0 = 150.0;
    const double a = 0.1;
    auto profile = sampled([&](double h) { return h > h0 ? a * (h - h0) : 0.0; });
    for (double f : {1.0, 2.0, 3.5, 5.0}) {
        Echo echo = ordinary_echo(profile, f);
        ASSERT_TRUE(echo.reflected);
        EXPECT_NEAR(echo.real_height, h0 + f * f / a, 1e-6) << f;
        EXPECT_NEAR(echo.virtual_height, h0 + 2.0 * f * f / a, 1e-6) << f;
    }
}

TEST(GroupHeight, AboveThePeakTheWaveGoesThrough) {
    Parabola layer{5.0, 300.0, 80.0};
    auto profile = sampled([&](double h) { return layer.fn2(h); });
    EXPECT_FALSE(ordinary_echo(profile, 5.01).reflected);
    EXPECT_TRUE(ordinary_echo(profile, 4.99).reflected);
}

TEST(GroupHeight, EmptySpaceGivesTheTrueHeight) {
    // A wall of plasma at 200 km: no retardation below it.
    auto profile = sampled([](double h) { return h >= 200.0 ? 100.0 : 0.0; });
    Echo echo = ordinary_echo(profile, 3.0);
    ASSERT_TRUE(echo.reflected);
    EXPECT_NEAR(echo.virtual_height, 200.0, 0.5);
}

TEST(Chapman, PeakIsTheCriticalFrequency) {
    ChapmanLayer layer{7.5, 280.0, 40.0};
    EXPECT_DOUBLE_EQ(chapman_plasma_frequency_squared(layer, 280.0), 7.5 * 7.5);
    EXPECT_LT(chapman_plasma_frequency_squared(layer, 279.0), 7.5 * 7.5);
    EXPECT_LT(chapman_plasma_frequency_squared(layer, 281.0), 7.5 * 7.5);
    EXPECT_EQ(chapman_plasma_frequency_squared(layer, -2000.0), 0.0);
}

TEST(Profile, EachHeightTakesTheDensestLayerAndKeepsItsPeak) {
    Ionosphere ionosphere;
    ionosphere.e = ChapmanLayer{3.4, 110.0, 9.0};
    ionosphere.f1 = ChapmanLayer{5.0, 185.0, 24.0};
    ionosphere.f2 = ChapmanLayer{9.0, 260.0, 32.0};
    auto profile = sample_ionosphere(ionosphere, 60.0, 700.0, 0.5);
    auto at = [&](double h) { return static_cast<std::size_t>(std::lround((h - 60.0) / 0.5)); };
    EXPECT_EQ(profile.layer[at(110.0)], Layer::e);
    EXPECT_EQ(profile.layer[at(185.0)], Layer::f1);
    EXPECT_EQ(profile.layer[at(260.0)], Layer::f2);
    EXPECT_DOUBLE_EQ(profile.plasma_frequency_squared[at(110.0)], 3.4 * 3.4);
    EXPECT_DOUBLE_EQ(profile.plasma_frequency_squared[at(185.0)], 5.0 * 5.0);
    EXPECT_DOUBLE_EQ(profile.peak_plasma_frequency_squared(), 9.0 * 9.0);
}

struct TraceCase {
    double frequency;
    Layer layer;
};

void PrintTo(const TraceCase& c, std::ostream* os) {
    *os << c.frequency << " MHz";
}

class DaytimeTraces : public testing::TestWithParam<TraceCase> {};

TEST_P(DaytimeTraces, EchoComesFromTheLayerBelowItsCriticalFrequency) {
    Ionosphere ionosphere;
    ionosphere.e = ChapmanLayer{3.4, 110.0, 9.0};
    ionosphere.f1 = ChapmanLayer{5.0, 185.0, 24.0};
    ionosphere.f2 = ChapmanLayer{9.0, 260.0, 32.0};
    auto profile = sample_ionosphere(ionosphere, 60.0, 700.0, 0.5);
    Echo echo = ordinary_echo(profile, GetParam().frequency);
    if (GetParam().layer == Layer::none) {
        EXPECT_FALSE(echo.reflected);
        return;
    }
    ASSERT_TRUE(echo.reflected);
    EXPECT_EQ(echo.layer, GetParam().layer);
    EXPECT_GT(echo.virtual_height, echo.real_height);
}

INSTANTIATE_TEST_SUITE_P(Layers, DaytimeTraces,
                         testing::Values(TraceCase{2.0, Layer::e}, TraceCase{3.39, Layer::e},
                                         TraceCase{3.41, Layer::f1}, TraceCase{4.99, Layer::f1},
                                         TraceCase{5.01, Layer::f2}, TraceCase{8.99, Layer::f2},
                                         TraceCase{9.01, Layer::none}));

TEST(GroupHeight, CuspRisesTowardsEachCriticalFrequency) {
    Ionosphere ionosphere;
    ionosphere.e = ChapmanLayer{3.4, 110.0, 9.0};
    ionosphere.f2 = ChapmanLayer{9.0, 260.0, 32.0};
    auto profile = sample_ionosphere(ionosphere, 60.0, 700.0, 0.5);
    // Below foE the trace rises into the cusp; just above it the F trace comes down from
    // a great height, retarded by the E layer it has just crossed.
    EXPECT_GT(ordinary_echo(profile, 3.39).virtual_height,
              ordinary_echo(profile, 3.0).virtual_height + 30.0);
    EXPECT_GT(ordinary_echo(profile, 3.41).virtual_height,
              ordinary_echo(profile, 4.0).virtual_height + 50.0);
    EXPECT_GT(ordinary_echo(profile, 8.99).virtual_height,
              ordinary_echo(profile, 8.0).virtual_height + 100.0);
}

} // namespace
