// SPDX-License-Identifier: GPL-3.0-or-later
#include "group_height.h"
#include "profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace synth;

namespace {

SampledProfile sampled(const std::function<double(double)>& fn2) {
    SampledProfile profile{60.0, 0.5, {}, {}};
    for (double h = 60.0; h <= 800.0; h += 0.5) {
        profile.plasma_frequency_squared.push_back(fn2(h));
        profile.layer.push_back(Layer::f2);
    }
    return profile;
}

struct ParabolaCase {
    double fc, hm, ym; // critical frequency, peak height, semi-thickness
    double ratio;      // f / fc
    double tolerance_km;
};

void PrintTo(const ParabolaCase& c, std::ostream* os) {
    *os << "fc " << c.fc << " hm " << c.hm << " ym " << c.ym << " at f/fc " << c.ratio;
}

class ParabolicLayer : public testing::TestWithParam<ParabolaCase> {};

TEST_P(ParabolicLayer, MatchesTheClosedForm) {
    const auto& c = GetParam();
    auto profile = sampled([&](double h) {
        double u = (h - c.hm) / c.ym;
        return std::fabs(u) < 1.0 ? c.fc * c.fc * (1.0 - u * u) : 0.0;
    });
    double f = c.ratio * c.fc;
    Echo echo = ordinary_echo(profile, f);
    ASSERT_TRUE(echo.reflected);
    double h0 = c.hm - c.ym;
    EXPECT_NEAR(echo.virtual_height, h0 + 0.5 * c.ym * c.ratio * std::log((c.fc + f) / (c.fc - f)),
                c.tolerance_km);
    EXPECT_NEAR(echo.real_height, c.hm - c.ym * std::sqrt(1.0 - c.ratio * c.ratio), 0.05);
}

// Low frequencies barely feel the layer; near the peak the group delay grows without
// bound and the integrand's singularity at the reflection matters most.
INSTANTIATE_TEST_SUITE_P(Frequencies, ParabolicLayer,
                         testing::Values(ParabolaCase{6.0, 300.0, 100.0, 0.05, 0.05},
                                         ParabolaCase{6.0, 300.0, 100.0, 0.3, 0.05},
                                         ParabolaCase{6.0, 300.0, 100.0, 0.6, 0.05},
                                         ParabolaCase{6.0, 300.0, 100.0, 0.9, 0.05},
                                         ParabolaCase{6.0, 300.0, 100.0, 0.98, 0.1},
                                         ParabolaCase{6.0, 300.0, 100.0, 0.995, 0.2},
                                         ParabolaCase{6.0, 300.0, 100.0, 0.999, 0.3},
                                         ParabolaCase{3.4, 110.0, 20.0, 0.5, 0.05},
                                         ParabolaCase{3.4, 110.0, 20.0, 0.95, 0.1},
                                         ParabolaCase{9.0, 260.0, 60.0, 0.99, 0.2}));

TEST(LinearLayer, DoublesTheDepthOfPenetration) {
    // fN^2 = a (h - h0): the group path inside the layer is twice the real one.
    auto profile = sampled([](double h) { return h > 150.0 ? 0.1 * (h - 150.0) : 0.0; });
    for (double f : {1.0, 2.0, 3.5, 5.0}) {
        Echo echo = ordinary_echo(profile, f);
        ASSERT_TRUE(echo.reflected);
        EXPECT_NEAR(echo.real_height, 150.0 + f * f / 0.1, 1e-6) << f;
        EXPECT_NEAR(echo.virtual_height, 150.0 + 2.0 * f * f / 0.1, 1e-6) << f;
    }
}

struct TraceCase {
    double frequency;
    Layer layer; // none: the wave goes through
};

void PrintTo(const TraceCase& c, std::ostream* os) {
    *os << c.frequency << " MHz";
}

class DaytimeTraces : public testing::TestWithParam<TraceCase> {
  protected:
    static SampledProfile profile() {
        Ionosphere ionosphere{ChapmanLayer{3.4, 110.0, 9.0}, ChapmanLayer{5.0, 185.0, 24.0},
                              ChapmanLayer{9.0, 260.0, 32.0}};
        return sample_ionosphere(ionosphere, 60.0, 700.0, 0.5);
    }
};

// Each height takes the densest layer, so every layer keeps its own peak and cusp.
TEST_P(DaytimeTraces, EchoComesFromTheLayerBelowItsCriticalFrequency) {
    Echo echo = ordinary_echo(profile(), GetParam().frequency);
    EXPECT_EQ(echo.reflected, GetParam().layer != Layer::none);
    EXPECT_EQ(echo.layer, GetParam().layer);
}

INSTANTIATE_TEST_SUITE_P(Layers, DaytimeTraces,
                         testing::Values(TraceCase{2.0, Layer::e}, TraceCase{3.399, Layer::e},
                                         TraceCase{3.401, Layer::f1}, TraceCase{4.999, Layer::f1},
                                         TraceCase{5.001, Layer::f2}, TraceCase{8.999, Layer::f2},
                                         TraceCase{9.001, Layer::none}));

TEST_F(DaytimeTraces, CuspAtEachCriticalFrequency) {
    auto p = profile();
    auto h = [&](double f) { return ordinary_echo(p, f).virtual_height; };
    // The trace rises into each cusp; just above it the next trace comes down from a great
    // height, retarded by the layer it has just crossed.
    for (double fc : {3.4, 5.0, 9.0}) {
        EXPECT_GT(h(fc - 0.01), h(fc - 0.4) + 30.0) << fc;
    }
    for (double fc : {3.4, 5.0}) {
        EXPECT_GT(h(fc + 0.01), h(fc + 0.3) + 40.0) << fc;
    }
    EXPECT_DOUBLE_EQ(p.peak_plasma_frequency_squared(), 81.0);
}

} // namespace
