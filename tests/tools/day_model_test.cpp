// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_model.h"
#include "solar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace synth;

namespace {

// UT at the station is about 51 minutes behind local time.
constexpr int local_midnight = 23 * 60 + 9;
constexpr int local_noon = 11 * 60 + 9;

std::vector<SoundingModel> whole_day(const DayModel& day, int interval = 5) {
    std::vector<SoundingModel> soundings;
    for (int minute = 0; minute < 1440; minute += interval) {
        soundings.push_back(day.sounding(minute));
    }
    return soundings;
}

struct DayCase {
    const char* date;
    std::uint64_t seed;
};

void PrintTo(const DayCase& c, std::ostream* os) {
    *os << c.date << " seed " << c.seed;
}

class Diurnal : public testing::TestWithParam<DayCase> {
  protected:
    DayModel day{*parse_date(GetParam().date), GetParam().seed};
};

// E and F1 by day only, foE rising with the sun, F1 between E and F2.
TEST_P(Diurnal, EAndF1FollowTheSun) {
    auto soundings = whole_day(day);
    for (const auto& a : soundings) {
        if (a.ionosphere.e) {
            EXPECT_GT(a.cos_zenith, 0.0) << a.minute_of_day;
            EXPECT_GE(a.ionosphere.e->critical_frequency, a.fmin);
            for (const auto& b : soundings) {
                if (b.ionosphere.e && a.cos_zenith > b.cos_zenith + 0.1) {
                    EXPECT_GT(a.ionosphere.e->critical_frequency,
                              b.ionosphere.e->critical_frequency);
                }
            }
        }
        if (a.ionosphere.f1) {
            EXPECT_GT(a.cos_zenith, 0.3) << a.minute_of_day;
            ASSERT_TRUE(a.ionosphere.e);
            EXPECT_GT(a.ionosphere.f1->critical_frequency, a.ionosphere.e->critical_frequency);
            EXPECT_LT(a.ionosphere.f1->critical_frequency, a.ionosphere.f2.critical_frequency);
        }
    }
    EXPECT_FALSE(day.sounding(local_midnight).ionosphere.e);
    EXPECT_TRUE(day.sounding(local_noon).ionosphere.e);
}

TEST_P(Diurnal, FoF2LowAtNightHighestInTheEarlyAfternoon) {
    auto soundings = whole_day(day);
    auto peak = std::max_element(soundings.begin(), soundings.end(), [](auto& a, auto& b) {
        return a.ionosphere.f2.critical_frequency < b.ionosphere.f2.critical_frequency;
    });
    double peak_local_hours = local_time_hours(peak->minute_of_day / 60.0);
    EXPECT_GE(peak_local_hours, 12.0);
    EXPECT_LE(peak_local_hours, 16.5);
    double before_dawn = day.sounding(3 * 60).ionosphere.f2.critical_frequency;
    EXPECT_LT(before_dawn, 0.6 * peak->ionosphere.f2.critical_frequency);
}

TEST_P(Diurnal, F2PeakHeightMovesOverTheDay) {
    auto soundings = whole_day(day);
    auto [low, high] =
        std::minmax_element(soundings.begin(), soundings.end(), [](auto& a, auto& b) {
            return a.ionosphere.f2.peak_height < b.ionosphere.f2.peak_height;
        });
    EXPECT_GT(high->ionosphere.f2.peak_height - low->ionosphere.f2.peak_height, 40.0);
    // Lowest by day, highest after dark.
    EXPECT_GT(low->cos_zenith, 0.0);
    EXPECT_LT(high->cos_zenith, 0.0);
}

TEST_P(Diurnal, FminRisesByDay) {
    EXPECT_GT(day.sounding(local_noon).fmin, day.sounding(local_midnight).fmin + 0.4);
    for (const auto& s : whole_day(day)) {
        EXPECT_GE(s.fmin, 1.0);
    }
}

TEST_P(Diurnal, SporadicEOfEveryKindOnSomeSoundings) {
    int transparent = 0;
    int blanketing = 0;
    int at_night = 0;
    int without = 0;
    for (const auto& s : whole_day(day)) {
        if (!s.sporadic_e) {
            ++without;
            continue;
        }
        const SporadicE& es = *s.sporadic_e;
        EXPECT_GE(es.blanketing_frequency, s.fmin);
        EXPECT_LT(es.blanketing_frequency, es.top_frequency);
        EXPECT_GT(es.height, 95.0);
        EXPECT_LT(es.height, 125.0);
        if (s.ionosphere.e) {
            EXPECT_GT(es.top_frequency, s.ionosphere.e->critical_frequency);
        }
        transparent += es.blanketing_frequency == s.fmin ? 1 : 0;
        blanketing += es.blanketing_frequency > s.fmin + 0.3 ? 1 : 0;
        at_night += s.cos_zenith < 0.0 ? 1 : 0;
    }
    EXPECT_GT(transparent, 0);
    EXPECT_GT(blanketing, 0);
    EXPECT_GT(at_night, 0);
    EXPECT_GT(without, 288 / 2); // some soundings, not most
}

INSTANTIATE_TEST_SUITE_P(Days, Diurnal,
                         testing::Values(DayCase{"15-04-2026", 1}, DayCase{"15-04-2026", 2},
                                         DayCase{"21-06-2026", 3}, DayCase{"23-09-2025", 4},
                                         DayCase{"15-04-2026", 77}));

TEST(DayModel, SameSeedSameDayDifferentSeedAnotherDay) {
    Date date = *parse_date("15-04-2026");
    auto a = DayModel(date, 5).sounding(600);
    auto b = DayModel(date, 5).sounding(600);
    auto c = DayModel(date, 6).sounding(600);
    EXPECT_EQ(a.ionosphere.f2.critical_frequency, b.ionosphere.f2.critical_frequency);
    EXPECT_EQ(a.fmin, b.fmin);
    EXPECT_EQ(a.noise_seed, b.noise_seed);
    EXPECT_NE(a.ionosphere.f2.critical_frequency, c.ionosphere.f2.critical_frequency);
    EXPECT_NE(a.noise_seed, c.noise_seed);
}

TEST(Solar, ZenithFollowsDayAndSeason) {
    // At local noon of an equinox the sun stands at the latitude's angle from the zenith.
    EXPECT_NEAR(cos_solar_zenith(80, 12.0 - 12.8 / 15.0), std::cos(41.5 * 3.14159265 / 180.0),
                0.02);
    EXPECT_LT(cos_solar_zenith(80, 0.0 - 12.8 / 15.0), 0.0);
    EXPECT_GT(cos_solar_zenith(172, 11.0), cos_solar_zenith(355, 11.0) + 0.4);
    EXPECT_NEAR(local_time_hours(23.5), 0.3533, 0.001);
}

} // namespace
