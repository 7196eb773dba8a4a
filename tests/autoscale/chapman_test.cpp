// SPDX-License-Identifier: GPL-3.0-or-later
// The Chapman layer's virtual heights, and the layer told back from a trace read off a sounding.
#include "autoscale/chapman.h"
#include "sounding_builder.h"
#include "support/param_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace scalvo::autoscale;
using scalvo::autoscale::testing::chapman_height;

// The table against the group integral taken another way (sounding_builder.h), in scale heights.
class ChapmanHeight : public ::testing::TestWithParam<double> {};

TEST_P(ChapmanHeight, FollowsTheGroupIntegral) {
    const double ratio = GetParam();
    EXPECT_NEAR(chapman_virtual_height(ratio), chapman_height(0, 1, 1, ratio), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Ratios, ChapmanHeight,
                         ::testing::Values(0.1, 0.25, 0.33, 0.5, 0.62, 0.75, 0.83, 0.9, 0.95));

// Readings of a layer's trace, (ratio to foF2, km), as a sounding gives them.
struct Readings {
    std::string name;
    double peak = 300, scale = 44;
    double from = 0.45, to = 0.9; // share of foF2 the trace shows over
    bool in_cells = false;        // read as the middle of 4.5 km cells
    std::vector<double> strays;   // ratios whose reading lies 40 km off
    std::optional<double> given_scale;
    bool fits = true;
};

std::vector<std::pair<double, double>> readings_of(const Readings& r) {
    std::vector<std::pair<double, double>> readings;
    for (double ratio = r.from; ratio <= r.to + 1e-9; ratio += 0.02) {
        double h = r.peak + r.scale * chapman_virtual_height(ratio);
        if (r.in_cells)
            h = 83.25 + 4.5 * std::ceil((h - 85.5) / 4.5);
        for (const double stray : r.strays)
            if (std::fabs(stray - ratio) < 0.01)
                h += 40;
        readings.emplace_back(ratio, h);
    }
    return readings;
}

class ChapmanFitCase : public ::testing::TestWithParam<Readings> {};

TEST_P(ChapmanFitCase, TellsTheLayerBack) {
    const Readings& r = GetParam();
    const auto readings = readings_of(r);
    const auto fit = r.given_scale ? fit_chapman_peak(readings, *r.given_scale, 9, 3)
                                   : fit_chapman(readings, 9, 5);
    ASSERT_EQ(fit.has_value(), r.fits);
    if (!fit)
        return;
    // What it is for: h'F at fmin, well below the readings.
    const double at_fmin = r.peak + r.scale * chapman_virtual_height(0.3);
    EXPECT_NEAR(fit->virtual_height(0.3), at_fmin, r.in_cells ? 3 : 0.1);
    EXPECT_NEAR(fit->peak_height, r.peak, r.in_cells ? 4 : 0.1);
}

INSTANTIATE_TEST_SUITE_P(
    Traces, ChapmanFitCase,
    ::testing::Values(
        Readings{"exact", 300, 44, 0.45, 0.9, false, {}, std::nullopt, true},
        Readings{"read in cells", 280, 38, 0.45, 0.9, true, {}, std::nullopt, true},
        Readings{"two strays left out", 300, 44, 0.45, 0.9, true, {0.55, 0.71}, std::nullopt, true},
        Readings{
            "only near the cusp with the scale given", 260, 35, 0.8, 0.9, true, {}, 35.0, true},
        Readings{"a single reading", 300, 44, 0.5, 0.5, false, {}, std::nullopt, false}),
    scalvo::testing::param_name);

// An ordinary trace (MHz, km) of foF2 4 MHz seen from 2.1 MHz up, and echoes before it: a
// number for a height on the layer, 0 for one on the layer's own trace.
struct TraceStart {
    std::string name;
    std::vector<std::pair<double, double>> before;
    double lowest = 2.1; // MHz: the lowest reading the fit stands on
};

class ChapmanTraceStart : public ::testing::TestWithParam<TraceStart> {};

TEST_P(ChapmanTraceStart, LeavesEchoesFarAboveTheTraceOut) {
    constexpr double foF2 = 4.0, peak = 300, scale = 44;
    const auto layer = [&](double f) { return peak + scale * chapman_virtual_height(f / foF2); };
    std::vector<std::pair<double, double>> ordinary;
    for (const auto& [f, h] : GetParam().before)
        ordinary.emplace_back(f, h > 0 ? h : layer(f));
    for (double f = 2.1; f <= 3.7 + 1e-9; f += 0.05)
        ordinary.emplace_back(f, layer(f));
    const auto fit = fit_f_trace(ordinary, foF2);
    ASSERT_TRUE(fit.has_value());
    EXPECT_NEAR(fit->lowest_ratio * foF2, GetParam().lowest, 1e-9);
    EXPECT_NEAR(fit->layer.virtual_height(0.3), layer(0.3 * foF2), 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Traces, ChapmanTraceStart,
    ::testing::Values(TraceStart{"nothing before", {}, 2.1},
                      TraceStart{"a second hop at the low end", {{1.30, 468}, {1.35, 472}}, 2.1},
                      TraceStart{"the trace's own start", {{1.9, 0}, {2.0, 0}}, 1.9},
                      TraceStart{"a second hop before the trace's own start",
                                 {{1.8, 470}, {1.9, 0}, {2.0, 0}},
                                 1.9}),
    scalvo::testing::param_name);

} // namespace
