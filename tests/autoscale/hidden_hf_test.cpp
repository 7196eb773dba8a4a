// SPDX-License-Identifier: GPL-3.0-or-later
// h'F where a blanketing sporadic E hides the lowest part of the F trace, told by the day read
// together: from the Chapman layer of the trace by night, from the soundings around it by day.
#include "autoscale/autoscale.h"
#include "autoscale/chapman.h"
#include "autoscale/day_series.h"
#include "day_readings.h"
#include "sounding_builder.h"
#include "support/param_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace scalvo::autoscale;
using namespace scalvo::autoscale::testing;
using C = Characteristic;

// One sounding of the test day: its F trace (MHz -> km) shown from `from` up to 0.95 foF2, the
// way the engine hands it to the day.
struct Shown {
    int minute = 0;
    Curve trace;
    double hF = 0; // as read where nothing hides it
    double foF2 = 8;
    std::optional<double> fbEs; // a blanketing sporadic E from here
    bool f1 = false;            // an F1 cusp is read
    bool sunlit = true;         // an E layer shows foE on the sun's curve
    double foE_off = 0;         // foE read this far off the curve
};

TimedProposals sounding(const Shown& s) {
    TimedProposals t;
    t.minute = s.minute;
    const double fmin = s.sunlit ? 1.8 : 1.3;
    t.proposals[C::fmin] = read(fmin);
    t.proposals[C::foF2] = read(s.foF2);
    t.proposals[C::hF] = read(s.hF);
    if (s.sunlit && !s.fbEs && sun_foE(s.minute) > fmin + 0.3) {
        t.proposals[C::foE] = read(sun_foE(s.minute) + s.foE_off);
        t.proposals[C::hE] = read(105);
    }
    if (s.f1)
        t.proposals[C::foF1] = read(4.8);
    const double from = s.fbEs.value_or(fmin);
    if (s.fbEs) {
        t.proposals[C::fbEs] = read(*s.fbEs);
        t.proposals[C::foEs] = read(*s.fbEs + 0.8);
    }
    for (double f = from; f <= 0.95 * s.foF2; f += 0.05) {
        t.f_trace.envelope.emplace_back(f, s.trace(f));
        t.f_trace.ordinary.emplace_back(f, s.trace(f));
    }
    if (const auto fit = fit_f_trace(t.f_trace.ordinary, s.foF2)) {
        t.f_trace.peak_height = fit->layer.peak_height;
        t.f_trace.scale_height = fit->layer.scale_height;
        t.f_trace.lowest_ratio = fit->lowest_ratio;
    }
    return t;
}

// A daytime F trace: `base` km where it is lowest, rising towards foF2.
Curve day_trace(double base) {
    return [base](double f) { return base + 10 * (f - 5) * (f - 5); };
}

struct Case {
    std::string name;
    std::vector<Shown> day;   // the one looked at is the blanketed one
    std::optional<double> hF; // expected there; none where the day does not tell it
    double tolerance = 0;
};

class HiddenHF : public ::testing::TestWithParam<Case> {};

TEST_P(HiddenHF, IsToldByTheDay) {
    const Case& c = GetParam();
    std::vector<TimedProposals> day;
    int hidden = -1;
    for (const Shown& s : c.day) {
        if (s.fbEs)
            hidden = s.minute;
        day.push_back(sounding(s));
    }
    fill_hidden_from_neighbours(day);
    for (const TimedProposals& t : day)
        if (t.minute == hidden) {
            const auto& hF = t.proposals[C::hF];
            ASSERT_EQ(hF.has_value(), c.hF.has_value());
            if (!c.hF)
                continue;
            EXPECT_NEAR(hF->value, *c.hF, c.tolerance);
            EXPECT_EQ(hF->qualifying_letter, 'I');
            EXPECT_EQ(hF->descriptive_letter, 'A');
        }
}

// By night a travelling disturbance lifts the layer at 21:00 between two lower ones: the line
// between the neighbours' h'F falls short, the layer its own trace follows does not. Only the
// trace near the cusp shows: the neighbours tell the scale height.
std::vector<Shown> night_day() {
    const auto layer = [](double peak) {
        return Shown{0,
                     chapman_curve(peak, 44, 3.8),
                     chapman_height(peak, 44, 3.8, 1.3),
                     3.8,
                     std::nullopt,
                     false,
                     false};
    };
    std::vector<Shown> day;
    for (const auto& [minute, peak] : {std::pair{1230, 280.0}, {1260, 315.0}, {1290, 285.0}}) {
        Shown s = layer(peak);
        s.minute = minute;
        if (minute == 1260) {
            s.fbEs = 3.0;
            s.hF = s.trace(3.0);
        }
        day.push_back(s);
    }
    return day;
}

// A day with E from the sun every half hour and an F1 cusp from 09:00 to 15:00; the sporadic E
// blankets from `fbEs` at `hidden`, where the trace the soundings show is `shift` km above
// theirs. The soundings in `blanketed_too` show a blanketing sporadic E as well.
std::vector<Shown> sunlit_day(int hidden, double shift, double fbEs = 6.0,
                              std::vector<int> blanketed_too = {}) {
    std::vector<Shown> day;
    for (int minute = 420; minute <= 1020; minute += 30) {
        const bool f1 = minute >= 540 && minute <= 900;
        const double base = f1 ? 196 + (minute - 540) / 60.0 : 225 + (minute - 900) / 30.0;
        Shown s{minute,       day_trace(base + (minute == hidden ? shift : 0)),
                base,         8,
                std::nullopt, f1 && minute != hidden,
                true};
        if (minute == hidden) {
            s.fbEs = fbEs;
            s.hF = s.trace(fbEs);
        }
        if (std::find(blanketed_too.begin(), blanketed_too.end(), minute) != blanketed_too.end()) {
            s.fbEs = 6.0;
            s.hF = s.trace(6.0);
            s.f1 = false;
        }
        day.push_back(s);
    }
    return day;
}

// foE read off any sun's curve, an F1 cusp read at 11:00, 12:00 and 13:00 only, though the F1
// layer shows from 11:00 to 13:00 (h'F 200, the F2 trace above it 10 km higher than after;
// foF2 10 MHz); the sporadic E blankets at 13:30. Between the cusps read the layer shows too: those
// soundings tell nothing of the F2 trace's h'F.
std::vector<Shown> day_off_the_sun() {
    std::vector<Shown> day;
    for (int minute = 660; minute <= 900; minute += 30) {
        const bool f1 = minute <= 780;
        Shown s{minute,
                day_trace(f1 ? 240 : 230),
                f1 ? 200.0 : 230.0,
                10,
                std::nullopt,
                f1 && minute % 60 == 0,
                true,
                minute % 60 == 0 ? 0.3 : -0.3};
        if (minute == 810) {
            s.trace = day_trace(235);
            s.fbEs = 6.5;
            s.hF = s.trace(6.5);
        }
        day.push_back(s);
    }
    return day;
}

INSTANTIATE_TEST_SUITE_P(
    Days, HiddenHF,
    ::testing::Values(
        Case{"by night the layer the trace follows", night_day(), chapman_height(315, 44, 3.8, 1.3),
             1},
        // Within the F1 season h'F is the F1 trace's, which moves slowly.
        Case{"by day within the F1 season", sunlit_day(720, 20), 199, 0.01},
        // Beyond it, the F2 trace moves: by as much as its visible part.
        Case{"by day beyond the F1 season", sunlit_day(960, 12, 5.6), 227 + 12, 0.01},
        // Seen only from three quarters of foF2 up, the trace tells the layer near its peak,
        // not its base: the neighbours' h'F tell it.
        Case{"by day the trace seen only near its cusp", sunlit_day(960, 12, 6.0), 227, 0.01},
        // Just after the last F1 cusp, a sporadic E blanketing above it may hide an F1 layer
        // that goes on: only a sounding showing the F trace whole without one tells that the
        // season has ended.
        Case{"an F1 layer the sporadic E may hide", sunlit_day(930, 12), std::nullopt, 0},
        Case{"an F1 layer hidden by soundings blanketed on to it",
             sunlit_day(990, 12, 6.0, {930, 960}), std::nullopt, 0},
        // Blanketing from well below the last F1 cusp, it would show one.
        Case{"a sporadic E too low to hide an F1 cusp", sunlit_day(930, 12, 4.0), 226 + 12, 0.01},
        Case{"between F1 cusps read, off the sun's curve", day_off_the_sun(), 235, 0.01}),
    scalvo::testing::param_name);

// The whole engine by night: a sporadic E blankets the F trace up to 3.2 MHz, where its
// extraordinary twin already runs below it. The twin stands for the ordinary trace the
// separation lower from the first column on, so the layer the trace follows tells h'F.
TEST(HiddenHFEngine, TheTwinBelowTheFirstColumnsShown) {
    const auto sounding_of = [](double peak, bool blanketed) {
        SoundingBuilder builder;
        builder.noise(20).trace(1.3, 3.8, chapman_curve(peak, 44, 3.8), 200);
        if (blanketed)
            builder.sporadic_e(1.3, 3.25, 108, 240, 3.2, true);
        return builder.build();
    };
    std::vector<TimedProposals> day;
    for (const auto& [minute, peak] : {std::pair{1230, 280.0}, {1260, 315.0}, {1290, 285.0}}) {
        const Reading reading = read_sounding(sounding_of(peak, minute == 1260));
        day.push_back({minute, reading.proposals, reading.f_trace});
    }
    fill_hidden_from_neighbours(day);
    const auto& hF = day[1].proposals[C::hF];
    ASSERT_TRUE(hF);
    EXPECT_NEAR(hF->value, chapman_height(315, 44, 3.8, 1.3), 5);
}

} // namespace
