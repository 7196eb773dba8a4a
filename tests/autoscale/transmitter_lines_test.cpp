// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/transmitter_lines.h"

#include "autoscale/echoes.h"
#include "day_readings.h"
#include "sounding_builder.h"
#include "support/param_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace scalvo;
using namespace scalvo::autoscale;
using namespace scalvo::autoscale::testing;
using C = Characteristic;

// The test day's foF2 (MHz) at a minute, on the 0.05 MHz grid: 3 MHz by night, 9 MHz at noon.
double day_foF2(int minute) {
    const double c = std::cos(2 * std::numbers::pi * (minute - 720) / 1440.0);
    return std::round(20 * (6 + 3 * c)) / 20;
}

// A day of soundings every 15 minutes from `first` to `last`, each reading its pair at 0.6 MHz
// with both cusps found, and `also` adding cusps of its own.
std::vector<TimedProposals> cusp_day(int first, int last,
                                     const std::function<std::vector<double>(int, int)>& also) {
    std::vector<TimedProposals> day;
    for (int minute = first, k = 0; minute <= last; minute += 15, ++k) {
        TimedProposals t;
        t.minute = minute;
        const double fo = day_foF2(minute);
        t.proposals[C::foF2] = read(fo);
        t.proposals[C::fxI] = read(fo + 0.6);
        t.proposals.separation = 0.6;
        t.f_trace.cusps = {fo, fo + 0.6};
        for (const double f : also(k, minute))
            t.f_trace.cusps.push_back(f);
        day.push_back(t);
    }
    return day;
}

GuessedPair guessed_pair(double foF2, double fxI) {
    GuessedPair pair;
    pair.foF2 = read(foF2);
    pair.fxI = read(fxI);
    pair.separation = fxI - foF2;
    return pair;
}

// A day from `first` to `last` (minutes), the cusps each sounding adds, and the lines it shows.
struct LinesCase {
    std::string name;
    std::function<std::vector<double>(int, int)> cusps;
    int first = 0, last = 1425;
    std::vector<double> lines;
};

class TransmitterLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(TransmitterLines, AreTheColumnsWhereCuspsStandAllDay) {
    const LinesCase& c = GetParam();
    const std::vector<double> found = recurring_lines(cusp_day(c.first, c.last, c.cusps));
    ASSERT_EQ(found.size(), c.lines.size());
    for (std::size_t k = 0; k < found.size(); ++k)
        EXPECT_NEAR(found[k], c.lines[k], 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Days, TransmitterLines,
    ::testing::Values(
        LinesCase{"none", [](int, int) { return std::vector<double>{}; }, 0, 1425, {}},
        LinesCase{
            "on a third of the soundings",
            [](int k, int) { return k % 3 == 0 ? std::vector{12.35} : std::vector<double>{}; },
            0,
            1425,
            {12.35}},
        // 15 of 96 soundings, every sixth to the 90th: 15.6 %.
        LinesCase{"on a sixth of them",
                  [](int k, int) {
                      return k % 6 == 0 && k < 90 ? std::vector{12.35} : std::vector<double>{};
                  },
                  0,
                  1425,
                  {12.35}},
        LinesCase{
            "on an eighth of them",
            [](int k, int) { return k % 8 == 0 ? std::vector{12.35} : std::vector<double>{}; },
            0,
            1425,
            {}},
        // The column beside it on 10 % (one in ten) joins it; the next one does not, nor a
        // column beside it on 5 %.
        LinesCase{"two columns wide",
                  [](int k, int) {
                      std::vector<double> cusps;
                      if (k % 3 == 0)
                          cusps.push_back(12.35);
                      if (k % 10 == 1) {
                          cusps.push_back(12.4);
                          cusps.push_back(12.45);
                      }
                      if (k % 20 == 2)
                          cusps.push_back(12.3);
                      return cusps;
                  },
                  0,
                  1425,
                  {12.35, 12.4}},
        // A quiet night's cusps on one column for nine hours, on every sounding: no line.
        LinesCase{"a long quiet night",
                  [](int, int minute) {
                      return minute < 540 ? std::vector{3.25} : std::vector<double>{};
                  },
                  0,
                  1425,
                  {}},
        // Gone from 06:00 to 12:00: three parts of the day of twelve.
        LinesCase{"off for six hours",
                  [](int k, int minute) {
                      return k % 2 == 0 && (minute < 360 || minute >= 720) ? std::vector{12.35}
                                                                           : std::vector<double>{};
                  },
                  0,
                  1425,
                  {}},
        LinesCase{"off for four hours",
                  [](int k, int minute) {
                      return k % 2 == 0 && (minute < 360 || minute >= 600) ? std::vector{12.35}
                                                                           : std::vector<double>{};
                  },
                  0,
                  1425,
                  {12.35}},
        // Twelve hours make six parts: too short a day to tell.
        LinesCase{
            "a day of twelve hours",
            [](int k, int) { return k % 2 == 0 ? std::vector{12.35} : std::vector<double>{}; },
            360,
            1065,
            {}},
        LinesCase{
            "a day of sixteen hours",
            [](int k, int) { return k % 2 == 0 ? std::vector{12.35} : std::vector<double>{}; },
            240,
            1185,
            {12.35}}),
    scalvo::testing::param_name);

// The day's line at 12.35 MHz on every third sounding; the sounding at 09:45 lost its foF2 with a
// cusp on it, the one at 10:00 without. What reading the first again gives, and whether it is
// kept.
struct ReadAgainCase {
    std::string name;
    std::function<void(Reading&)> again;
    bool kept = false;
    bool guessed_before = false;
};

class ReadAgain : public ::testing::TestWithParam<ReadAgainCase> {};

TEST_P(ReadAgain, KeepsOnlyAPairClearOfTheLinesAtTheDaysSeparation) {
    const ReadAgainCase& c = GetParam();
    std::vector<TimedProposals> day = cusp_day(0, 1425, [](int k, int) {
        return k % 3 == 0 ? std::vector{12.35} : std::vector<double>{};
    });
    for (const std::size_t lost : {39u, 40u}) {
        day[lost].proposals[C::foF2].reset();
        day[lost].proposals[C::fxI].reset();
        day[lost].proposals.separation.reset();
        day[lost].proposals[C::foE] = read(3.1);
    }
    if (c.guessed_before)
        day[39].f_trace.guessed = guessed_pair(7.55, 8.15);
    const TimedProposals before = day[39];
    std::vector<std::size_t> read_again;
    Reading given;
    read_again_without_lines(
        day, [&](std::size_t k, const std::vector<double>& lines) -> std::optional<Reading> {
            read_again.push_back(k);
            EXPECT_EQ(lines, std::vector{12.35});
            Reading reading;
            reading.proposals[C::foE] = read(2.5);
            c.again(reading);
            given = reading;
            return reading;
        });
    // Only the sounding with a cusp on the line, and no foF2, is read again.
    EXPECT_EQ(read_again, std::vector<std::size_t>{39});
    const TimedProposals& t = day[39];
    EXPECT_NEAR(t.proposals[C::foE]->value, 3.1, 1e-9);
    if (!c.kept) {
        EXPECT_FALSE(t.proposals[C::foF2]);
        EXPECT_EQ(t.f_trace.guessed.has_value(), before.f_trace.guessed.has_value());
        EXPECT_EQ(t.f_trace.cusps, before.f_trace.cusps);
        return;
    }
    EXPECT_TRUE(t.f_trace.cusps.empty()); // the shape read again
    if (t.f_trace.guessed)
        return;
    ASSERT_TRUE(t.proposals[C::foF2]);
    EXPECT_EQ(t.proposals[C::foF2]->value, given.proposals[C::foF2]->value);
    EXPECT_EQ(t.proposals[C::fxI]->value, given.proposals[C::fxI]->value);
    EXPECT_EQ(t.proposals.separation, given.proposals.separation);
}

// A pair read again: foF2 and fxI, and the separation it was read at.
std::function<void(Reading&)> pair(double foF2, double fxI) {
    return [=](Reading& r) {
        r.proposals[C::foF2] = read(foF2);
        r.proposals[C::fxI] = read(fxI);
        r.proposals.separation = fxI - foF2;
    };
}

std::function<void(Reading&)> guess(double foF2, double fxI) {
    return [=](Reading& r) { r.f_trace.guessed = guessed_pair(foF2, fxI); };
}

INSTANTIATE_TEST_SUITE_P(
    Days, ReadAgain,
    ::testing::Values(
        ReadAgainCase{"at the day's separation", pair(7.55, 8.15), true},
        ReadAgainCase{"0.1 MHz off it", pair(7.55, 8.25), true},
        ReadAgainCase{"0.2 MHz off it", pair(7.55, 8.35), false},
        ReadAgainCase{"nothing read", [](Reading&) {}, false},
        // The true cusp may stand behind the line.
        ReadAgainCase{"fxI beside the line", pair(11.7, 12.3), false},
        ReadAgainCase{"foF2 beside the line", pair(12.4, 13.0), false},
        ReadAgainCase{"foF2 two columns above the line", pair(12.45, 13.05), true},
        ReadAgainCase{"a guess for the day", guess(7.55, 8.15), true},
        ReadAgainCase{"a guess where one was read before", guess(7.55, 8.15), false, true},
        // The day's field may place its ordinary cusp up to 0.15 MHz from where it was read.
        ReadAgainCase{"a guess 0.2 MHz below the line", guess(12.15, 12.75), false},
        ReadAgainCase{"a guess 0.25 MHz below it", guess(12.1, 12.7), true}),
    scalvo::testing::param_name);

TEST(ReadAgainDay, WithoutEightPairsReadNoSeparationIsToldAndNothingIsKept) {
    std::vector<TimedProposals> day = cusp_day(0, 1425, [](int k, int) {
        return k % 3 == 0 ? std::vector{12.35} : std::vector<double>{};
    });
    for (std::size_t k = 7; k < day.size(); ++k) {
        day[k].proposals[C::foF2].reset();
        day[k].proposals.separation.reset();
    }
    int read = 0;
    read_again_without_lines(day, [&](std::size_t, const std::vector<double>&) {
        ++read;
        Reading reading;
        pair(7.55, 8.15)(reading);
        return std::optional<Reading>(reading);
    });
    EXPECT_GT(read, 20);
    for (std::size_t k = 7; k < day.size(); ++k)
        EXPECT_FALSE(day[k].proposals[C::foF2]) << k;
}

// A night trace to 3.3 MHz and, beyond it, a transmitter heard over part of its column that a
// burst of noise leads into from below: read alone, its top stands for the top cusp and foF2 is
// lost; read with the day's line there, the night trace's pair is read.
struct LineCuspCase {
    std::string name;
    double line = 0;            // MHz
    double low = 0, length = 0; // km
    int amplitude = 0;
    int noise = 0;
};

class LineCusp : public ::testing::TestWithParam<LineCuspCase> {};

TEST_P(LineCusp, IsNoCuspOnceTheDayTellsTheLine) {
    const LineCuspCase& c = GetParam();
    const Curve night_f2 = layer_curve(240, 3.3, 40);
    const Curve burst = [&](double f) { return c.low - 40 + 200 * (f - c.line + 0.2); };
    SoundingBuilder builder(0.05);
    builder.noise(c.noise)
        .trace(1.3, 3.3, night_f2, 220)
        .partial_line(c.line, c.low, c.low + c.length, c.amplitude)
        .trace(c.line - 0.2, c.line, burst, 150, 0, false);
    const Ionogram ionogram = builder.build();

    const Reading alone = read_sounding(ionogram);
    EXPECT_FALSE(alone.proposals[C::foF2]);
    EXPECT_TRUE(std::ranges::any_of(alone.f_trace.cusps,
                                    [&](double f) { return std::fabs(f - c.line) < 1e-3; }));

    const Reading again = read_sounding(ionogram, {c.line});
    ASSERT_TRUE(again.proposals[C::foF2]);
    EXPECT_NEAR(again.proposals[C::foF2]->value, 3.3, 0.1);
    ASSERT_TRUE(again.proposals[C::fxI]);
    EXPECT_NEAR(again.proposals[C::fxI]->value, 3.8, 0.1);

    // The line's column is read as a line, whatever it holds; the columns beside it are not.
    const EchoImage image = find_echoes(ionogram, {c.line});
    const auto column = static_cast<std::size_t>(std::lround((c.line - 1.0) / 0.05));
    EXPECT_TRUE(image.columns[column].interference);
    EXPECT_TRUE(image.columns[column].segments.empty());
    EXPECT_FALSE(image.columns[column - 1].interference);
    EXPECT_FALSE(image.columns[column + 1].interference);
}

INSTANTIATE_TEST_SUITE_P(Soundings, LineCusp,
                         ::testing::Values(LineCuspCase{"loud noise", 5.0, 250, 200, 200, 40},
                                           LineCuspCase{"near the trace", 4.5, 250, 100, 120, 20}),
                         scalvo::testing::param_name);

} // namespace
