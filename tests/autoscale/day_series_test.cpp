// SPDX-License-Identifier: GPL-3.0-or-later
// What a blanketing sporadic E hides, interpolated from the soundings around it.
#include "autoscale/day_series.h"
#include "day_readings.h"
#include "support/param_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace scalvo::autoscale;
using scalvo::autoscale::testing::read;
using C = Characteristic;

// A sounding with fmin 2.0 MHz, foE/hE/hF when given, and a sporadic E blanketing up to fbEs.
TimedProposals sounding(int minute, std::optional<double> foE, std::optional<double> hF,
                        std::optional<double> fbEs = std::nullopt) {
    TimedProposals t;
    t.minute = minute;
    t.proposals[C::fmin] = read(2.0);
    if (foE) {
        t.proposals[C::foE] = read(*foE);
        t.proposals[C::hE] = read(100 + *foE);
    }
    if (hF)
        t.proposals[C::hF] = read(*hF);
    if (fbEs) {
        t.proposals[C::foEs] = read(*fbEs + 1);
        t.proposals[C::fbEs] = read(*fbEs);
    }
    return t;
}

// The separation of twins with the ordinary cusp at fo under a gyrofrequency fb (fx (fx - fb) =
// fo^2).
double twin_separation(double fo, double fb) {
    return 0.5 * (fb + std::sqrt(fb * fb + 4 * fo * fo)) - fo;
}

// A pair read with the ordinary cusp at fo under a gyrofrequency of 1.1 MHz.
void read_pair(TimedProposals& t, double fo) {
    t.proposals[Characteristic::foF2] = read(fo);
    t.proposals[Characteristic::fxI] = read(fo + twin_separation(fo, 1.1));
    t.proposals.separation = twin_separation(fo, 1.1);
}

struct Case {
    std::string name;
    std::vector<TimedProposals> day; // the middle one is looked at
    std::optional<double> foE;       // expected afterwards
    std::optional<double> hF;
    bool interpolated_hF = false;
};

class DaySeries : public ::testing::TestWithParam<Case> {};

TEST_P(DaySeries, FillsOnlyWhatTheSporadicEHides) {
    const Case& c = GetParam();
    std::vector<TimedProposals> day = c.day;
    fill_hidden_from_neighbours(day);
    const TimedProposals& middle = day[1];
    ASSERT_EQ(middle.minute, 780);
    const auto& foE = middle.proposals[C::foE];
    ASSERT_EQ(foE.has_value(), c.foE.has_value());
    if (c.foE) {
        EXPECT_NEAR(foE->value, *c.foE, 1e-9);
        const bool filled = !c.day[1].proposals[C::foE];
        EXPECT_EQ(foE->qualifying_letter, filled ? 'I' : 0);
        EXPECT_EQ(foE->descriptive_letter, filled ? 'A' : 0);
        EXPECT_EQ(middle.proposals[C::hE].has_value(), true);
        EXPECT_LT(foE->confidence, 0.5 + (filled ? 0 : 1));
    }
    const auto& hF = middle.proposals[C::hF];
    ASSERT_EQ(hF.has_value(), c.hF.has_value());
    if (c.hF) {
        EXPECT_NEAR(hF->value, *c.hF, 1e-9);
        EXPECT_EQ(hF->qualifying_letter, c.interpolated_hF ? 'I' : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, DaySeries,
    ::testing::Values(
        // Given out of order on purpose: the day is sorted by time.
        Case{"foE hidden between two readings",
             {sounding(810, 3.2, 200), sounding(780, std::nullopt, 201, 4.5),
              sounding(750, 3.4, 202)},
             3.3,
             201},
        Case{"nothing hidden without a blanketing sporadic E",
             {sounding(750, 3.4, 202), sounding(780, std::nullopt, 201), sounding(810, 3.2, 200)},
             std::nullopt,
             201},
        Case{"a transparent sporadic E hides nothing",
             {sounding(750, 3.4, 202), sounding(780, std::nullopt, 201, 2.0),
              sounding(810, 3.2, 200)},
             std::nullopt,
             201},
        Case{"a reading on one side only",
             {sounding(750, std::nullopt, 202), sounding(780, std::nullopt, 201, 4.5),
              sounding(810, 3.2, 200)},
             std::nullopt,
             201},
        Case{"neighbours more than three hours away",
             {sounding(500, 3.4, 202), sounding(780, std::nullopt, 201, 4.5),
              sounding(990, 3.2, 200)},
             std::nullopt,
             201},
        Case{"blanketed neighbours tell nothing",
             {sounding(750, 3.4, 202, 4.0), sounding(780, std::nullopt, 201, 4.5),
              sounding(810, 3.2, 200)},
             std::nullopt,
             201},
        Case{"an F trace cut off above its lowest part",
             {sounding(750, 3.4, 204), sounding(780, std::nullopt, 260, 4.5),
              sounding(810, 3.2, 200)},
             3.3,
             202,
             true},
        // By dusk h'F moves by tens of km within the hour: the line between neighbours this far
        // apart does not tell it, and the height read is only the cut-off trace's.
        Case{"neighbours too far apart in h'F",
             {sounding(750, 3.4, 230), sounding(780, std::nullopt, 260, 4.5),
              sounding(810, 3.2, 205)},
             3.3,
             std::nullopt},
        // Nor does the line between readings two hours apart: h'F may leave it by more than
        // 10 km within the hour.
        Case{"neighbours more than an hour apart in time",
             {sounding(720, 3.4, 204), sounding(780, std::nullopt, 260, 4.5),
              sounding(840, 3.2, 200)},
             3.3,
             std::nullopt},
        Case{"an F trace read whole stays as read",
             {sounding(750, 3.4, 204), sounding(780, std::nullopt, 203, 4.5),
              sounding(810, 3.2, 200)},
             3.3,
             203},
        Case{"a foE read under the sporadic E stays as read",
             {sounding(750, 3.4, 204), sounding(780, 3.25, 203, 3.0), sounding(810, 3.2, 200)},
             3.25,
             203}),
    scalvo::testing::param_name);

} // namespace

namespace {

// foE bends with the sun's height (foE^4 follows the cosine of its zenith angle): over a long gap
// a straight line between the nearest readings falls short of the curve, the sun's curve
// through the day's readings does not.
double sunlit_foE(int minute) {
    return std::pow(200 * std::cos(2 * std::numbers::pi * (minute - 720) / 1440.0) - 20, 0.25);
}

TEST(DaySeriesCurve, FollowsTheBendOfFoE) {
    std::vector<TimedProposals> day;
    for (const int minute : {690, 720, 750, 780, 810, 840, 870})
        day.push_back(minute == 780 ? sounding(minute, std::nullopt, 201, 4.5)
                                    : sounding(minute, sunlit_foE(minute), 201));
    fill_hidden_from_neighbours(day);
    ASSERT_TRUE(day[3].proposals[C::foE]);
    EXPECT_NEAR(day[3].proposals[C::foE]->value, sunlit_foE(780), 1e-6);
    const double line = (sunlit_foE(750) + sunlit_foE(810)) / 2;
    EXPECT_GT(std::fabs(line - sunlit_foE(780)), 0.005) << "the case does not tell a line apart";
}

} // namespace

namespace {

// Within the F1 season h'F lies on the line between the neighbours on the F1 trace; neighbours
// far apart in h'F are not both on it, and tell nothing.
struct F1Case {
    std::string name;
    double after_hF = 0;
    std::optional<double> hF; // expected at the blanketed sounding
};

class DaySeriesF1 : public ::testing::TestWithParam<F1Case> {};

TEST_P(DaySeriesF1, TheLineHoldsOnlyBetweenNeighboursOnTheF1Trace) {
    const F1Case& c = GetParam();
    std::vector<TimedProposals> day{sounding(750, 3.4, 200), sounding(780, std::nullopt, 260, 4.5),
                                    sounding(810, 3.2, c.after_hF)};
    for (TimedProposals& t : day)
        t.proposals[C::foF1] = read(4.8);
    fill_hidden_from_neighbours(day);
    const auto& hF = day[1].proposals[C::hF];
    ASSERT_EQ(hF.has_value(), c.hF.has_value());
    if (c.hF) {
        EXPECT_NEAR(hF->value, *c.hF, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Days, DaySeriesF1,
                         ::testing::Values(F1Case{"both on the F1 trace", 206, 203},
                                           F1Case{"one on the F2 trace", 240, std::nullopt}),
                         scalvo::testing::param_name);

} // namespace

namespace {

using namespace scalvo::autoscale;
using scalvo::autoscale::testing::read;
using C = Characteristic;

// A day of pairs telling a gyrofrequency of 1.1 MHz, and one sounding read with another
// separation: beyond 0.3 MHz of the day's field its foF2 and what follows from it go; within it,
// or where too few pairs tell the day's field, they stay. A sounding read with no extraordinary
// trace (separation 0) among a day of pairs goes too.
struct FieldCase {
    std::string name;
    int pairs = 0;             // soundings of the day with the field's separation
    double odd_separation = 0; // of the sounding looked at
    bool kept = false;
};

class DayField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(DayField, APairTheDaysFieldDoesNotGiveIsNoPair) {
    const FieldCase& c = GetParam();
    std::vector<TimedProposals> day;
    for (int k = 0; k <= c.pairs; ++k) {
        TimedProposals t;
        t.minute = 15 * k;
        const double fo = 3.0 + 0.1 * k;
        for (const C characteristic : {C::foF2, C::fxI, C::muf3000F2, C::m3000F2})
            t.proposals[characteristic] = read(fo);
        t.proposals.separation = k == 0 ? c.odd_separation : twin_separation(fo, 1.1);
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    for (const C characteristic : {C::foF2, C::fxI, C::muf3000F2, C::m3000F2}) {
        EXPECT_EQ(day[0].proposals[characteristic].has_value(), c.kept);
        EXPECT_TRUE(day[1].proposals[characteristic].has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayField,
    ::testing::Values(FieldCase{"a pair 0.25 MHz apart", 10, 0.25, false},
                      FieldCase{"a pair 1.0 MHz apart", 10, 1.0, false},
                      FieldCase{"a pair 0.7 MHz apart", 10, 0.7, true},
                      FieldCase{"a pair 0.25 MHz apart among too few", 6, 0.25, true},
                      FieldCase{"no extraordinary trace", 10, 0.0, false},
                      FieldCase{"no extraordinary trace among too few", 6, 0.0, true}),
    scalvo::testing::param_name);

// A pair whose twin the trace pairs did not tell, guessed at the cusp nearest the separation: the
// day's field (ten pairs telling 1.1 MHz) confirms it where it gives that separation within
// 0.15 MHz of gyrofrequency, and then its foF2, fxI and MUF are shown. Otherwise the field places
// foF2 from fxI where that lies within 0.1 MHz of the cusp guessed, or within 0.15 MHz and 0.2
// MHz of the nearest foF2 read (3.6 MHz). Guessed among many cusps, it also needs that reading
// within 0.3 MHz; within 0.2 MHz where its traces matched too weakly to tell it.
struct GuessCase {
    std::string name;
    int pairs = 0;
    double separation = 0; // of the guess
    bool confirmed = false;
    bool near_readings = false;
    double foF2 = 4.0;                   // of the guess
    std::optional<double> placed_foF2{}; // placed by the field from fxI (deduced)
    bool weakly_matched = false;
};

// The day's first sounding, whose pair is only a guess (foF2 and its twin this far above).
TimedProposals guessed_sounding(double foF2, double separation, double confidence, bool coarse) {
    TimedProposals guessed;
    GuessedPair pair;
    pair.foF2 = Proposal{foF2, confidence, 0, 0, 0, 0};
    pair.fxI = Proposal{foF2 + separation, confidence, 0, 0, 0, 0};
    pair.separation = separation;
    pair.coarse = coarse;
    guessed.f_trace.guessed = pair;
    return guessed;
}

class DayGuess : public ::testing::TestWithParam<GuessCase> {};

TEST_P(DayGuess, TheDaysFieldConfirmsAGuessedPair) {
    const GuessCase& c = GetParam();
    std::vector<TimedProposals> day = {guessed_sounding(c.foF2, c.separation, 0.3, false)};
    day[0].f_trace.guessed->muf = Proposal{12.0, 0.3, 0, 0, 0, 0};
    day[0].f_trace.guessed->near_readings = c.near_readings;
    day[0].f_trace.guessed->weakly_matched = c.weakly_matched;
    for (int k = 1; k <= c.pairs; ++k) {
        TimedProposals t;
        t.minute = 15 * k;
        read_pair(t, 3.5 + 0.1 * k);
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    const Proposals& p = day[0].proposals;
    for (const C characteristic : {C::foF2, C::fxI, C::muf3000F2}) {
        ASSERT_EQ(p[characteristic].has_value(), c.confirmed);
        if (c.confirmed) {
            EXPECT_GE(p[characteristic]->confidence, proposal_threshold);
        }
    }
    if (c.confirmed) {
        const double foF2 = c.placed_foF2.value_or(c.foF2);
        EXPECT_NEAR(p[C::foF2]->value, foF2, 0.005);
        EXPECT_EQ(p[C::foF2]->qualifying_letter, c.placed_foF2 ? 'J' : 0);
        EXPECT_NEAR(*p.separation, c.foF2 + c.separation - foF2, 0.005);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayGuess,
    ::testing::Values(
        GuessCase{"the field's separation", 10, 0.60, true},
        GuessCase{"a step off it", 10, 0.65, true},
        GuessCase{"the station's separation off the field", 10, 0.45, false},
        GuessCase{"the station's separation placed by the field", 10, 0.49, true, false, 4.0, 3.90},
        GuessCase{"placed further off, near the readings", 10, 0.47, true, false, 3.8, 3.68},
        GuessCase{"placed further off, away from them", 10, 0.47, false},
        GuessCase{"too few pairs to tell the field", 6, 0.60, false},
        GuessCase{"among many cusps, near the readings", 10, 0.60, true, true, 3.8},
        GuessCase{"among many cusps, off the readings", 10, 0.60, false, true},
        GuessCase{"among many cusps, the station's separation", 10, 0.50, false, true, 3.8},
        GuessCase{"matched too weakly, near the readings", 10, 0.60, true, true, 3.75, std::nullopt,
                  true},
        GuessCase{"matched too weakly, 0.25 MHz off the readings", 10, 0.60, false, true, 3.85,
                  std::nullopt, true}),
    scalvo::testing::param_name);

// A measured pair that no trace leads into, on a sounding whose sporadic E blankets up to
// `fbEs`: where that lies within 0.3 MHz under its foF2 (4.0 MHz), the trace's lead-in may lie
// hidden under it, and the day's field (ten pairs telling 1.1 MHz) with the nearest foF2 read
// within 0.3 MHz confirms the pair. The nearest soundings, blanketed too, still read foF2. No MUF
// is shown: the trace it is read off lies hidden.
struct UnderEsCase {
    std::string name;
    std::optional<double> fbEs;
    double nearest = 0;      // foF2 of the sounding 15 minutes on, a sporadic E blanketing it
    double separation = 0.6; // of the pair
    bool confirmed = false;
};

class DayUnderSporadicE : public ::testing::TestWithParam<UnderEsCase> {};

TEST_P(DayUnderSporadicE, APairWithoutLeadInIsConfirmedWhereTheSporadicEHidTheTrace) {
    const UnderEsCase& c = GetParam();
    std::vector<TimedProposals> day = {guessed_sounding(4.0, c.separation, 0.36, false)};
    day[0].proposals[C::fmin] = read(1.5);
    if (c.fbEs)
        day[0].proposals[C::fbEs] = read(*c.fbEs);
    day[0].f_trace.guessed->near_readings = true;
    day[0].f_trace.guessed->under_sporadic_e = true;
    for (int k = 1; k <= 10; ++k) {
        TimedProposals t = sounding(15 * k, std::nullopt, std::nullopt,
                                    k == 1 ? std::optional<double>(3.0) : std::nullopt);
        // Further on, unblanketed readings far off the pair.
        read_pair(t, k == 1 ? c.nearest : 5.0 + 0.05 * k);
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    const Proposals& p = day[0].proposals;
    ASSERT_EQ(p[C::foF2].has_value(), c.confirmed);
    ASSERT_EQ(p[C::fxI].has_value(), c.confirmed);
    EXPECT_FALSE(p[C::muf3000F2]);
    if (c.confirmed) {
        EXPECT_NEAR(p[C::foF2]->value, 4.0, 1e-9);
        EXPECT_GE(p[C::foF2]->confidence, proposal_threshold);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayUnderSporadicE,
    ::testing::Values(UnderEsCase{"blanketed just under", 3.85, 4.25, 0.6, true},
                      UnderEsCase{"blanketed 0.3 MHz under", 3.70, 3.75, 0.6, true},
                      UnderEsCase{"blanketed 0.4 MHz under", 3.60, 4.0, 0.6, false},
                      UnderEsCase{"no sporadic E", std::nullopt, 4.0, 0.6, false},
                      UnderEsCase{"the nearest reading 0.35 MHz off", 3.9, 4.35, 0.6, false},
                      UnderEsCase{"a separation the field does not give", 3.9, 4.0, 0.45, false}),
    scalvo::testing::param_name);

// A guessed pair that may be the oblique copy of a lower pair (its foF2 `copy_of`), amid a day
// whose field (nine pairs or more telling 1.1 MHz) gives its separation: shown only where the foF2
// read on both sides, on a line within 0.3 MHz, passes within 0.08 MHz of it and more than 0.2 MHz
// from the lower pair. A sporadic E blanketing the soundings around hides nothing of their foF2.
// A measured pair among a large crowd (no copy below) needs that line within 0.1 MHz of it.
struct CopyGuessCase {
    std::string name;
    std::optional<double> before, after; // foF2 read on each side
    std::optional<double> copy_of;
    bool confirmed = false;
    bool blanketed = false;
};

class DayCopyGuess : public ::testing::TestWithParam<CopyGuessCase> {};

TEST_P(DayCopyGuess, TheReadingsAroundChooseBetweenACopyAndTheLowerPair) {
    const CopyGuessCase& c = GetParam();
    std::vector<TimedProposals> day;
    for (int k = 0; k <= 14; ++k) {
        TimedProposals t;
        if (k == 5) {
            t = guessed_sounding(4.0, twin_separation(4.0, 1.1), 0.3, false);
            t.f_trace.guessed->copy_of = c.copy_of;
            t.f_trace.guessed->near_readings = !c.copy_of;
            t.f_trace.guessed->between_readings = !c.copy_of;
        } else if (const auto fo = k < 5 ? c.before : c.after) {
            read_pair(t, *fo);
            if (c.blanketed) {
                t.proposals[C::fmin] = read(1.5);
                t.proposals[C::fbEs] = read(2.5);
            }
        }
        t.minute = 15 * k;
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    EXPECT_EQ(day[5].proposals[C::foF2].has_value(), c.confirmed);
    EXPECT_EQ(day[5].proposals[C::fxI].has_value(), c.confirmed);
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayCopyGuess,
    ::testing::Values(
        CopyGuessCase{"near the readings around", 3.95, 4.05, 3.6, true},
        CopyGuessCase{"near them under a blanketing sporadic E", 3.95, 4.05, 3.6, true, true},
        CopyGuessCase{"off them", 3.85, 3.9, 3.6, false},
        CopyGuessCase{"the lower pair near them too", 3.95, 3.95, 3.8, false},
        CopyGuessCase{"unsteady around it", 3.8, 4.2, 3.6, false},
        CopyGuessCase{"read on one side only", std::nullopt, 4.0, 3.6, false},
        CopyGuessCase{"a crowd's pair near the readings around", 3.95, 4.05, std::nullopt, true},
        CopyGuessCase{"a crowd's pair 0.15 MHz off them", 3.85, 3.85, std::nullopt, false},
        CopyGuessCase{"a crowd's pair read on one side only", std::nullopt, 4.0, std::nullopt,
                      false}),
    scalvo::testing::param_name);

// On a 0.5 MHz sweep the ordinary cusp guessed the station's separation below the extraordinary
// one is shown where the day's soundings show their twins a column apart, as high (eight at
// least, four times as many as show otherwise); a sounder without the extraordinary wave, or
// with twins further apart, shows none.
struct CoarseGuessCase {
    std::string name;
    int apart = 0;
    int other = 0;
    bool confirmed = false;
};

class DayCoarseGuess : public ::testing::TestWithParam<CoarseGuessCase> {};

TEST_P(DayCoarseGuess, TheDaysTwinsConfirmAGuessOnACoarseSweep) {
    const CoarseGuessCase& c = GetParam();
    std::vector<TimedProposals> day = {guessed_sounding(3.83, 0.5, 0.35, true)};
    for (int k = 1; k <= c.apart + c.other; ++k) {
        TimedProposals t;
        t.minute = 15 * k;
        t.f_trace.twins_a_column_apart = k <= c.apart;
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    const Proposals& p = day[0].proposals;
    for (const C characteristic : {C::foF2, C::fxI}) {
        ASSERT_EQ(p[characteristic].has_value(), c.confirmed);
        if (c.confirmed) {
            EXPECT_GE(p[characteristic]->confidence, proposal_threshold);
        }
    }
    if (c.confirmed) {
        EXPECT_NEAR(p[C::foF2]->value, 3.83, 1e-9);
        EXPECT_NEAR(*p.separation, 0.5, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayCoarseGuess,
    ::testing::Values(CoarseGuessCase{"eight twins a column apart", 8, 0, true},
                      CoarseGuessCase{"seven", 7, 0, false},
                      CoarseGuessCase{"eight among three otherwise", 8, 3, false},
                      CoarseGuessCase{"twelve among three otherwise", 12, 3, true}),
    scalvo::testing::param_name);

// The ordinary cusp lost behind lines, or merged into a thick trace beyond the cusp found: the
// extraordinary cusp (at 4.0 MHz's twin, for 1.1 MHz) with the day's field places it, where that
// lies within the lines, or within the spread's reach beyond the cusp found, and the MUF moves with
// it. A cusp found where the field gives its separation is read as found.
struct LinesCase {
    std::string name;
    double from = 0, to = 0; // the lines, or the cusp found and the spread's reach, MHz
    bool spread = false;
    bool confirmed = false;
    double foF2 = 4.0;
};

class DayLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DayLines, TheDaysFieldPlacesTheCuspBehindLines) {
    const LinesCase& c = GetParam();
    const double fx = 4.0 + twin_separation(4.0, 1.1);
    std::vector<TimedProposals> day;
    TimedProposals guessed;
    GuessedPair pair;
    const double found = c.spread ? c.from : fx - 0.5;
    pair.foF2 = Proposal{found, 0.3, 0, 0, 0, 0};
    pair.fxI = Proposal{fx, 0.3, 0, 0, 0, 0};
    pair.separation = fx - found;
    pair.muf = Proposal{12.0, 0.3, 0, 0, 0, 0};
    pair.m3000 = Proposal{*m3000_of(12.0, found), 0.3, 0, 0, 0, 0};
    (c.spread ? pair.in_spread : pair.placed_within) = std::make_pair(c.from, c.to);
    guessed.f_trace.guessed = pair;
    day.push_back(guessed);
    for (int k = 1; k <= 10; ++k) {
        TimedProposals t;
        t.minute = 15 * k;
        const double fo = 3.5 + 0.1 * k;
        t.proposals[C::foF2] = read(fo);
        t.proposals.separation = twin_separation(fo, 1.1);
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    const Proposals& p = day[0].proposals;
    ASSERT_EQ(p[C::foF2].has_value(), c.confirmed);
    if (c.confirmed) {
        EXPECT_NEAR(p[C::foF2]->value, c.foF2, 1e-6);
        EXPECT_EQ(p[C::foF2]->qualifying_letter == 'J', c.foF2 != found);
        EXPECT_NEAR(p[C::fxI]->value, fx, 1e-9);
        EXPECT_NEAR(*p.separation, fx - c.foF2, 1e-6);
        // The MUF read with the cusp found moves with the cusp placed, its M(3000)F2 kept, as
        // the form computes it: 11.7 MHz and 2.92 where the cusp found lies 0.09 MHz low.
        const double muf = tool_muf(12.0 * c.foF2 / found);
        ASSERT_TRUE(p[C::muf3000F2] && p[C::m3000F2]);
        EXPECT_NEAR(p[C::muf3000F2]->value, muf, 1e-9);
        EXPECT_NEAR(p[C::m3000F2]->value, *m3000_of(muf, c.foF2), 1e-9);
        EXPECT_NEAR(p[C::m3000F2]->value, *m3000_of(12.0, found), 0.03); // within the codes
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayLines,
    ::testing::Values(LinesCase{"lines over the twin", 3.9, 4.1, false, true},
                      LinesCase{"lines below it", 3.6, 3.95, false, false},
                      LinesCase{"lines above it", 4.05, 4.3, false, false},
                      LinesCase{"a spread over the twin", 3.88, 4.03, true, true},
                      LinesCase{"a spread ending below it", 3.8, 3.95, true, false},
                      LinesCase{"a cusp found the field's separation below", 4.02, 4.17, true, true,
                                4.02}),
    scalvo::testing::param_name);

// A sounder without the extraordinary wave: a day of soundings read with no extraordinary trace,
// and one whose top cusp found no twin. It is the ordinary cusp too where most of the day's
// soundings are so read, eight at least; not where too few are, or where pairs are many.
struct LoneCase {
    std::string name;
    int single = 0; // soundings read with no extraordinary trace
    int pairs = 0;  // soundings read as pairs 0.5 MHz apart
    bool read = false;
};

class DayLone : public ::testing::TestWithParam<LoneCase> {};

TEST_P(DayLone, ATopCuspWithoutTwinIsTheOrdinaryOneOnASounderWithoutTheOther) {
    const LoneCase& c = GetParam();
    std::vector<TimedProposals> day;
    TimedProposals lone;
    lone.f_trace.lone_top = read(4.2);
    lone.f_trace.peak_height = 300;
    lone.f_trace.scale_height = 40;
    day.push_back(lone);
    for (int k = 1; k <= c.single + c.pairs; ++k) {
        TimedProposals t;
        t.minute = 15 * k;
        t.proposals[C::foF2] = read(4.0 + 0.05 * k);
        t.proposals.separation = k <= c.single ? 0.0 : 0.5;
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    const auto& foF2 = day[0].proposals[C::foF2];
    ASSERT_EQ(foF2.has_value(), c.read);
    if (c.read) {
        EXPECT_NEAR(foF2->value, 4.2, 1e-9);
        EXPECT_EQ(day[0].proposals.separation, 0.0);
        EXPECT_FALSE(day[0].f_trace.peak_height) << "the trace was read with a twin's separation";
    }
}

INSTANTIATE_TEST_SUITE_P(Days, DayLone,
                         ::testing::Values(LoneCase{"a day without twins", 10, 0, true},
                                           LoneCase{"a few pairs among them", 10, 2, true},
                                           LoneCase{"too few readings", 6, 0, false},
                                           LoneCase{"many pairs", 10, 3, false}),
                         scalvo::testing::param_name);

// A day of foE readings on the sun's curve, every 30 minutes from 07:00 to 17:00, with one
// reading moved off it: beyond 0.35 MHz it is no E cusp (the extraordinary one, a step off on a
// coarse sweep) and foE and h'E go; within it, or where the day does not follow the sun, they
// stay.
struct SunCase {
    std::string name;
    double off = 0;         // MHz, of the 12:00 reading
    bool scattered = false; // every other reading 0.2 MHz up, the rest 0.2 down
    bool kept = false;
};

class DaySun : public ::testing::TestWithParam<SunCase> {};

TEST_P(DaySun, AFoEOffTheSunsCurveIsNoECusp) {
    const SunCase& c = GetParam();
    std::vector<TimedProposals> day;
    std::size_t noon = 0;
    for (int minute = 420; minute <= 1020; minute += 30) {
        const double chi = std::numbers::pi * (minute - 720) / 720.0;
        double foE = 3.3 * std::pow(std::max(0.05, std::cos(chi)), 0.25);
        if (c.scattered)
            foE += (minute / 30) % 2 == 0 ? 0.2 : -0.2;
        if (minute == 720) {
            foE += c.off;
            noon = day.size();
        }
        TimedProposals t;
        t.minute = minute;
        t.proposals[C::fmin] = read(1.5);
        t.proposals[C::foE] = read(foE);
        t.proposals[C::hE] = read(105);
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    EXPECT_EQ(day[noon].proposals[C::foE].has_value(), c.kept);
    EXPECT_EQ(day[noon].proposals[C::hE].has_value(), c.kept);
    for (std::size_t k = 0; k < day.size(); ++k)
        if (k != noon) {
            EXPECT_TRUE(day[k].proposals[C::foE].has_value()) << k;
        }
}

// The F1 layer shows from 09:00 to 15:00 on a day that follows the sun; at 16:00 a sporadic E
// blankets up to 5.5 MHz, above the last foF1 (4.8), and the F trace seen above it stands at
// 262 km. Only a sounding between, clear of blanketing and without an F1 cusp, tells that the
// layer has gone: otherwise the F1 trace may hide under the sporadic E, and h'F is not told. A
// blanketed sounding tells nothing of it, nor does a cusp read at night.
struct SeasonCase {
    std::string name;
    bool clear_at_1530 = false; // the 15:30 sounding unblanketed
    bool night_cusp = false;    // an F1 cusp read at 23:00
    std::optional<double> hF;   // expected at 16:00
};

class DayF1Season : public ::testing::TestWithParam<SeasonCase> {};

TEST_P(DayF1Season, AnF1LayerMayHideUnderTheSporadicEUntilADayClearOfItShowsNone) {
    const SeasonCase& c = GetParam();
    std::vector<TimedProposals> day;
    std::size_t looked_at = 0;
    for (int minute = 480; minute <= 1050; minute += 30) {
        const double chi = std::numbers::pi * (minute - 720) / 720.0;
        const bool f1 = minute >= 540 && minute <= 900;
        if (minute == 960) {
            looked_at = day.size();
            day.push_back(sounding(minute, std::nullopt, 262, 5.5));
            continue;
        }
        const std::optional<double> fbEs =
            minute == 930 && !c.clear_at_1530 ? std::optional<double>(5.0) : std::nullopt;
        TimedProposals t =
            sounding(minute, 3.3 * std::pow(std::cos(chi), 0.25), f1 ? 200 : 210, fbEs);
        if (f1)
            t.proposals[C::foF1] = read(4.8);
        day.push_back(t);
    }
    if (c.night_cusp) {
        TimedProposals t = sounding(1380, std::nullopt, 250);
        t.proposals[C::foF1] = read(3.0);
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    const auto& hF = day[looked_at].proposals[C::hF];
    ASSERT_EQ(hF.has_value(), c.hF.has_value());
    if (c.hF) {
        EXPECT_NEAR(hF->value, *c.hF, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayF1Season,
    ::testing::Values(SeasonCase{"a clear sounding after it", true, false, 210},
                      SeasonCase{"only a blanketed sounding after it", false, false, std::nullopt},
                      SeasonCase{"a cusp read at night", true, true, 210},
                      SeasonCase{"a cusp read at night and no clear sounding", false, true,
                                 std::nullopt}),
    scalvo::testing::param_name);

// A top cusp without twin, led into, at 01:15 amid a day of pairs (ten or more telling a field of
// 1.1 MHz, foF2 3.5 MHz at midnight and 0.05 MHz more every quarter hour): the extraordinary cusp
// of a pair where the ordinary cusp the field places below it lies within 0.08 MHz of the line
// through the foF2 read on both sides (3.75 MHz), those no more than an hour apart, and no other
// cusp stands between the two. That foF2 is deduced (J).
struct LoneExtraordinaryCase {
    std::string name;
    double placed = 3.75; // the ordinary cusp the field places below the top cusp
    bool shown = false;
    std::vector<int> unread{}; // quarter hours without a reading
    std::vector<double> cusps{};
    int pairs = 14;
    // Instead, a guess the day does not confirm (its ordinary cusp 0.4 MHz below the one placed),
    // perhaps an oblique copy's.
    bool guess = false;
    bool copy = false;
};

class DayLoneExtraordinary : public ::testing::TestWithParam<LoneExtraordinaryCase> {};

TEST_P(DayLoneExtraordinary, IsPairedWhereTheFieldPlacesFoF2AlongTheReadingsAround) {
    const LoneExtraordinaryCase& c = GetParam();
    const double fx = c.placed + twin_separation(c.placed, 1.1);
    std::vector<TimedProposals> day;
    for (int k = 0; k <= c.pairs; ++k) {
        TimedProposals t;
        t.minute = 15 * k;
        if (k == 5) {
            if (c.guess) {
                t = guessed_sounding(c.placed - 0.4, fx - c.placed + 0.4, 0.3, false);
                t.f_trace.guessed->near_readings = true;
                if (c.copy)
                    t.f_trace.guessed->copy_of = 3.0;
                t.f_trace.cusps = {c.placed - 0.4};
            } else {
                t.f_trace.untwinned_top = Proposal{fx, 0, 100, 200, 0, 0};
            }
            t.minute = 15 * k;
            t.f_trace.cusps.insert(t.f_trace.cusps.end(), c.cusps.begin(), c.cusps.end());
            t.f_trace.cusps.push_back(fx);
        } else if (std::ranges::find(c.unread, k) == c.unread.end()) {
            read_pair(t, 3.5 + 0.05 * k);
        }
        day.push_back(t);
    }
    fill_hidden_from_neighbours(day);
    const Proposals& p = day[5].proposals;
    ASSERT_EQ(p[C::foF2].has_value(), c.shown);
    ASSERT_EQ(p[C::fxI].has_value(), c.shown);
    if (!c.shown)
        return;
    EXPECT_NEAR(p[C::foF2]->value, c.placed, 1e-6);
    EXPECT_EQ(p[C::foF2]->qualifying_letter, 'J');
    EXPECT_GE(p[C::foF2]->confidence, proposal_threshold);
    EXPECT_NEAR(p[C::fxI]->value, fx, 1e-9);
    EXPECT_NEAR(*p.separation, fx - c.placed, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayLoneExtraordinary,
    ::testing::Values(
        LoneExtraordinaryCase{"on the line", 3.75, true},
        LoneExtraordinaryCase{"0.07 MHz above it", 3.82, true},
        LoneExtraordinaryCase{"0.1 MHz above it", 3.85, false},
        LoneExtraordinaryCase{"0.1 MHz below it", 3.65, false},
        LoneExtraordinaryCase{"the readings an hour apart", 3.75, true, {4, 6}},
        LoneExtraordinaryCase{"75 minutes apart", 3.75, false, {4, 6, 7}},
        LoneExtraordinaryCase{"a reading on one side only", 3.75, false, {0, 1, 2, 3, 4}},
        LoneExtraordinaryCase{"a cusp between the two", 3.75, false, {}, {4.0}},
        LoneExtraordinaryCase{"a cusp just above the ordinary one", 3.75, true, {}, {3.8}},
        LoneExtraordinaryCase{"too few pairs to tell the field", 3.75, false, {}, {}, 6},
        LoneExtraordinaryCase{"a guess's", 3.75, true, {}, {}, 14, true},
        LoneExtraordinaryCase{"a possible copy's guess", 3.75, false, {}, {}, 14, true, true}),
    scalvo::testing::param_name);

INSTANTIATE_TEST_SUITE_P(Days, DaySun,
                         ::testing::Values(SunCase{"half a MHz above", 0.5, false, false},
                                           SunCase{"half a MHz below", -0.5, false, false},
                                           SunCase{"a quarter MHz above", 0.25, false, true},
                                           SunCase{"a day off the curve", 0.5, true, true}),
                         scalvo::testing::param_name);

} // namespace
