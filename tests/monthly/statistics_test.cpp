// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the monthly medians, one test each (the README lists them with their sources).
#include "monthly/printed_tables.h"
#include "monthly/statistics.h"

#include "support/month_entries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace scalvo {
namespace {

using testing::entries;
using testing::entry;
using testing::plain_values;

std::string shown(const Statistic& s) {
    return tabulated(s);
}

// Rule: the median is the middle value of those that count, the mean of the two middle ones
// for an even count, rounded to the tabulation unit with halves to the even code.
TEST(MonthlyMedian, IsTheMiddleValueOrTheMeanOfTheTwoMiddleOnes) {
    const struct {
        std::vector<Entry> values;
        const char* median;
    } cases[] = {
        {entries({" 30  ", " 10  ", " 20  "}), " 20  "},
        {entries({" 10  ", " 20  ", " 30  ", " 41  "}), " 25  "},
        {entries({" 10  ", " 21  "}), " 16  "}, // 15.5 to the even 16
        {entries({" 10  ", " 23  "}), " 16  "}, // 16.5 to the even 16
        {entries({" 72  "}), " 72  "},
    };
    for (const auto& c : cases) {
        // Enough values for a sure median would hide nothing here: the U rule has its own test.
        const HourStatistics s = hour_statistics(Row::foF2, c.values);
        Statistic median = s.median;
        median.qualifying = ' ';
        EXPECT_EQ(shown(median), c.median) << c.values.size();
        EXPECT_EQ(s.count, static_cast<int>(c.values.size()));
    }
}

TEST(MonthlyMedian, DoesNotDependOnTheOrderOfTheDays) {
    std::vector<Entry> days = plain_values(23, 7);
    const HourStatistics sorted = hour_statistics(Row::hF, days);
    std::shuffle(days.begin(), days.end(), std::mt19937(5));
    const HourStatistics shuffled = hour_statistics(Row::hF, days);
    EXPECT_EQ(shuffled.median, sorted.median);
    EXPECT_EQ(shuffled.upper_quartile, sorted.upper_quartile);
    EXPECT_EQ(shuffled.lower_decile, sorted.lower_decile);
}

// Rule: the quartiles and deciles are the values at rank p(n + 1) of the n ordered values
// (p = 1/4, 3/4, 1/10, 9/10), between two ranks the interpolated value, at most the extremes.
TEST(MonthlyQuartiles, StandAtRankPTimesNPlusOne) {
    const struct {
        int n;
        const char *lower_decile, *lower_quartile, *median, *upper_quartile, *upper_decile;
    } cases[] = {
        {9, " 10  ", " 25  ", " 50  ", " 75  ", " 90  "},  // ranks 1, 2.5, 5, 7.5, 9
        {11, " 12  ", " 30  ", " 60  ", " 90  ", "108  "}, // ranks 1.2, 3, 6, 9, 10.8
        {31, " 32  ", " 80  ", "160  ", "240  ", "288  "}, // ranks 3.2, 8, 16, 24, 28.8
        {3, " 10  ", " 10  ", " 20  ", " 30  ", " 30  "},  // ranks kept within 1 ... 3
    };
    for (const auto& c : cases) {
        HourStatistics s = hour_statistics(Row::hF, plain_values(c.n));
        for (Statistic* t :
             {&s.lower_decile, &s.lower_quartile, &s.median, &s.upper_quartile, &s.upper_decile})
            t->qualifying = ' '; // the U of few values has its own test
        EXPECT_EQ(shown(s.lower_decile), c.lower_decile) << c.n;
        EXPECT_EQ(shown(s.lower_quartile), c.lower_quartile) << c.n;
        EXPECT_EQ(shown(s.median), c.median) << c.n;
        EXPECT_EQ(shown(s.upper_quartile), c.upper_quartile) << c.n;
        EXPECT_EQ(shown(s.upper_decile), c.upper_decile) << c.n;
    }
}

// Rule: a value qualified D (greater than) or E (less than) counts where its place relative
// to the median is sure: a D at or above the median, an E at or below it. The others are left
// out, and the median is taken again, until every one left is sure. A (less than, for an fbEs
// bounded by foEs) is an E.
TEST(MonthlyMedian, CountsGreaterAndLessThanValuesOnlyOnTheirSureSide) {
    const std::vector<Entry> ten = plain_values(10); // 10 ... 100, median 55
    const struct {
        const char* name;
        Row row;
        const char* added;
        int count;
        const char* median;
    } cases[] = {
        {"D above counts", Row::foF2, " 90D ", 11, " 60  "},
        {"D below is unsure", Row::foF2, " 20D ", 10, " 55  "},
        {"E below counts", Row::foF2, " 20E ", 11, " 50  "},
        {"E above is unsure", Row::foF2, " 90E ", 10, " 55  "},
        {"A below counts", Row::fbEs, " 20A ", 11, " 50  "},
        {"A above is unsure", Row::fbEs, " 90A ", 10, " 55  "},
    };
    for (const auto& c : cases) {
        std::vector<Entry> values = ten;
        values.push_back(entry(c.added));
        const HourStatistics s = hour_statistics(c.row, values);
        EXPECT_EQ(s.count, c.count) << c.name;
        EXPECT_EQ(shown(s.median), c.median) << c.name;
    }
}

TEST(MonthlyMedian, LeavesOutUnsureValuesUntilTheRestAreSure) {
    // At face value the median is the D at 55, sure; the D at 30 below it is not. Without the
    // 30 the median is 62, which leaves the 55 below it unsure too: without both, 70 of nine.
    const auto values = entries({" 10  ", " 20  ", " 30D ", " 40  ", " 50  ", " 55D ", " 70  ",
                                 " 80  ", " 90  ", "100  ", "110  "});
    const HourStatistics s = hour_statistics(Row::foF2, values);
    EXPECT_EQ(s.count, 9);
    EXPECT_EQ(shown(s.median), " 70U ");
}

// Rule: a median that falls on a D or E value is itself greater (less) than that value.
TEST(MonthlyMedian, FallingOnAGreaterThanValueCarriesItsLetter) {
    const auto values = entries({" 10  ", " 20  ", " 30  ", " 40  ", " 50  ", " 60D ", " 70  ",
                                 " 80  ", " 90  ", "100  ", "110  "});
    EXPECT_EQ(shown(hour_statistics(Row::foF2, values).median), " 60D ");
    const auto less = entries({" 10  ", " 20  ", " 30  ", " 40  ", " 45  ", " 50E ", " 70  ",
                               " 80  ", " 90  ", "100  ", "110  "});
    EXPECT_EQ(shown(hour_statistics(Row::foF2, less).median), " 50E ");
}

// Rule: a value replaced by a descriptive letter alone counts where the letter says on which
// side of every value it lies: D (above the frequency range) for the frequencies above all,
// E (below it) for the frequencies below all, G (the layer too weak) for the critical
// frequencies below all. Every other letter (A, B, C, F, R, S, ...) and every letter of a
// height or an M(3000) factor does not count.
TEST(MonthlyMedian, CountsOnlyTheReplacementLettersThatPlaceTheValue) {
    const struct {
        Row row;
        const char* replacement;
        bool counts;
    } cases[] = {
        {Row::foF2, "    D", true},      {Row::foF2, "    E", true},
        {Row::foF2, "    G", true},      {Row::foE, "    G", true},
        {Row::foEs, "    G", true},      {Row::fbEs, "    G", true},
        {Row::foF1, "    G", true},      {Row::fmin, "    E", true},
        {Row::MUF3000F2, "    D", true}, {Row::fxI, "    G", false},
        {Row::fmin, "    G", false},     {Row::foF2, "    A", false},
        {Row::foF2, "    B", false},     {Row::foF2, "    C", false},
        {Row::foF2, "    F", false},     {Row::foF2, "    R", false},
        {Row::foF2, "    S", false},     {Row::hF, "    E", false},
        {Row::hF, "    D", false},       {Row::M3000F2, "    D", false},
    };
    for (const auto& c : cases) {
        std::vector<Entry> values = plain_values(10);
        values.push_back(entry(c.replacement));
        const HourStatistics s = hour_statistics(c.row, values);
        EXPECT_EQ(s.count, c.counts ? 11 : 10) << caption(c.row) << " " << c.replacement;
    }
}

TEST(MonthlyMedian, ReplacementsBelowAllMoveItAsValuesBelowWould) {
    // Six values and five foF2 "too weak" (G): the median is the sixth in order, 10.
    std::vector<Entry> values = plain_values(6);
    for (int k = 0; k < 5; ++k)
        values.push_back(entry("    G"));
    const HourStatistics s = hour_statistics(Row::foF2, values);
    EXPECT_EQ(s.count, 11);
    EXPECT_EQ(shown(s.median), " 10  ");
    // With one more G the median falls between a G and 10: less than 10.
    values.push_back(entry("    G"));
    EXPECT_EQ(shown(hour_statistics(Row::foF2, values).median), " 10EG");
    // And with the Gs the majority, the median is the letter itself.
    for (int k = 0; k < 3; ++k)
        values.push_back(entry("    G"));
    EXPECT_EQ(shown(hour_statistics(Row::foF2, values).median), "    G");
}

// Rule: doubtful (U) values and the values with the other qualifying letters (I interpolated,
// J and O from the other component, T from a sequence, Z, M) count as values; the median
// keeps the letters of the value it falls on.
TEST(MonthlyMedian, CountsDoubtfulAndOtherQualifiedValues) {
    for (const char* odd :
         {" 55U ", " 55I ", " 55J ", " 55O ", " 55T ", " 55Z ", " 55M ", " 55UF"}) {
        std::vector<Entry> values = plain_values(10);
        values.push_back(entry(odd));
        const HourStatistics s = hour_statistics(Row::foF2, values);
        EXPECT_EQ(s.count, 11) << odd;
        EXPECT_EQ(shown(s.median), odd) << odd;
    }
}

// Rule (our choice of number): a median of fewer than ten values is doubtful: U, unless it
// is already greater or less than a value.
TEST(MonthlyMedian, OfFewerThanTenValuesIsDoubtful) {
    EXPECT_EQ(shown(hour_statistics(Row::foF2, plain_values(9)).median), " 50U ");
    EXPECT_EQ(shown(hour_statistics(Row::foF2, plain_values(9)).upper_quartile), " 75U ");
    EXPECT_EQ(shown(hour_statistics(Row::foF2, plain_values(10)).median), " 55  ");
    EXPECT_EQ(shown(hour_statistics(Row::foF2, entries({" 10  ", " 20D ", " 30D "})).median),
              " 20D ");
    EXPECT_EQ(shown(hour_statistics(Row::foF2, entries({"    G"})).median), "    G");
}

// Rule: with no value that counts there is no median, only the count 0.
TEST(MonthlyMedian, NoneWithoutValues) {
    const HourStatistics s =
        hour_statistics(Row::foF2, entries({"     ", "    C", "    A", "   UA"}));
    EXPECT_EQ(s.count, 0);
    EXPECT_FALSE(s.median.present);
    EXPECT_FALSE(s.upper_quartile.present);
    EXPECT_FALSE(s.lower_decile.present);
    EXPECT_FALSE(s.range);
}

// Rule (our choice): the range beside the count in the exchange file is the upper quartile
// less the lower one.
TEST(MonthlyQuartiles, RangeIsTheirDifference) {
    EXPECT_EQ(hour_statistics(Row::hF, plain_values(11)).range, 60);
    std::vector<Entry> mostly_weak = plain_values(2);
    for (int k = 0; k < 9; ++k)
        mostly_weak.push_back(entry("    G"));
    EXPECT_FALSE(hour_statistics(Row::foF2, mostly_weak).range); // the lower quartile is a G
}

} // namespace
} // namespace scalvo
