// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/conversions.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

TEST(NumericValue, ReadsTheLeadingNumberWhateverTheBlanks) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"07", 7},     {"0.050", 0.05}, {"12ab", 12}, {"", 0},        {"abc", 0},
        {" 1 2 ", 12}, {"-3.5", -3.5},  {"+4", 4},    {"1.2.3", 1.2}, {".5", 0.5},
        {"01.000", 1}, {"20.000", 20},  {"-", 0},     {".", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(numeric_value(c.text), c.value) << '"' << c.text << '"';
}

TEST(NearestInteger, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(nearest_integer(2.5), 2);
    EXPECT_EQ(nearest_integer(3.5), 4);
    EXPECT_EQ(nearest_integer(-2.5), -2);
    EXPECT_EQ(nearest_integer(367.5), 368);
    EXPECT_EQ(nearest_integer(2.4999), 2);
    EXPECT_EQ(truncate(-2.7), -2);
    EXPECT_EQ(truncate(2.7), 2);
}

TEST(NumberText, BlankBeforeAndNoZeroBeforeThePoint) {
    EXPECT_EQ(number_text(5.0), " 5");
    EXPECT_EQ(number_text(0.05), " .05");
    EXPECT_EQ(number_text(0.5), " .5");
    EXPECT_EQ(number_text(12.5), " 12.5");
    EXPECT_EQ(number_text(0.025), " .025");
    EXPECT_EQ(number_text(-0.5), "-.5");
    EXPECT_EQ(number_text(0.0), " 0");
    EXPECT_EQ(number_text(0.05f), " .05");
    EXPECT_EQ(number_text(0.025f), " .025");
    EXPECT_EQ(number_text(29.3f), " 29.3");
    EXPECT_EQ(trimmed_number_text(5.0), "5");
    EXPECT_EQ(two_digit_text(0), "00");
    EXPECT_EQ(two_digit_text(7), "07");
    EXPECT_EQ(two_digit_text(45), "45");
}

// Picks cut the frequency text by position, so no column may print more than three decimals.
TEST(NumberText, EveryPlotColumnPrintsAtMostThreeDecimals) {
    for (int x = 1; x <= 764; ++x) {
        const std::string text = trimmed_number_text(0.025 * x + 0.9);
        const auto point = text.find('.');
        const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
        EXPECT_LE(decimals, 3u) << "column " << x << " gives " << text;
    }
    EXPECT_EQ(trimmed_number_text(0.025 * 137 + 0.9), "4.325");
    EXPECT_EQ(trimmed_number_text(0.025 * 4 + 0.9), "1");
    EXPECT_EQ(trimmed_number_text(1.125 * 13 + 85.5), "100.125");
}

} // namespace
} // namespace scalvo
