// SPDX-License-Identifier: GPL-3.0-or-later
// foE over a day along the sun's curve: where a sporadic E hides it, and when the E layer is gone.
#include "autoscale/solar_e.h"
#include "day_readings.h"
#include "support/param_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace scalvo::autoscale;
using scalvo::autoscale::testing::sun_foE;

struct Day {
    std::string name;
    std::vector<int> minutes; // of the readings
    double jitter = 0;        // MHz added and taken in turn
    bool fits = true;
};

class SolarECase : public ::testing::TestWithParam<Day> {};

TEST_P(SolarECase, FollowsTheSun) {
    const Day& d = GetParam();
    std::vector<ESunReading> readings;
    int turn = 0;
    for (const int minute : d.minutes)
        readings.push_back({minute, sun_foE(minute) + (turn++ % 2 ? d.jitter : -d.jitter), 1.8});
    const auto sun = fit_solar_e(readings);
    ASSERT_EQ(sun.has_value(), d.fits);
    if (!sun)
        return;
    // A gap of two hours at noon, and the afternoon beyond the last reading.
    EXPECT_NEAR(sun->foE_at(690), sun_foE(690), 0.02 + d.jitter);
    EXPECT_NEAR(sun->foE_at(930), sun_foE(930), 0.03 + d.jitter);
    EXPECT_TRUE(sun->seen_at(690, 1.8));
    // Long after sunset the layer is gone, whatever the curve does below zero.
    EXPECT_FALSE(sun->seen_at(1200, 1.2));
}

INSTANTIATE_TEST_SUITE_P(
    Days, SolarECase,
    ::testing::Values(
        Day{"a morning and an afternoon", {450, 480, 510, 540, 810, 840, 870, 900}},
        Day{"readings a little off the curve", {450, 480, 510, 540, 810, 840, 870, 900}, 0.02},
        Day{"too few readings", {450, 540, 810, 900}, 0, false},
        Day{"too short a time", {600, 610, 620, 630, 640, 650, 660}, 0, false},
        Day{"readings that do not follow the sun",
            {450, 480, 510, 540, 810, 840, 870, 900},
            0.3,
            false}),
    scalvo::testing::param_name);

// The E trace is seen only while foE stands as far above fmin as the closest reading did.
TEST(SolarE, SeenWhileFoEClearsFmin) {
    std::vector<ESunReading> readings;
    for (const int minute : {450, 480, 510, 540, 810, 840, 870, 900})
        readings.push_back({minute, sun_foE(minute), sun_foE(900) - 0.3});
    const auto sun = fit_solar_e(readings);
    ASSERT_TRUE(sun);
    EXPECT_NEAR(sun->margin, 0.3, 1e-9);
    const double fmin = sun_foE(900) - 0.3;
    EXPECT_TRUE(sun->seen_at(900, fmin));
    EXPECT_FALSE(sun->seen_at(960, fmin));
}

} // namespace
