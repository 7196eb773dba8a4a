// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/contrast.h"

#include "controllers/magnifier.h"
#include "ionogram/plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace scalvo {
namespace {

TEST(ContrastTable, TheDefaultIsTheIdentityAndNoChoiceLosesOrInventsAnEcho) {
    const ContrastTable identity = contrast_table(Contrast{});
    for (int level = 0; level < 256; ++level)
        EXPECT_EQ(identity[static_cast<std::size_t>(level)], level);

    const Contrast choices[] = {{lowest_gain, lowest_gamma},
                                {lowest_gain, highest_gamma},
                                {highest_gain, lowest_gamma},
                                {highest_gain, highest_gamma},
                                {2.0, 1.0},
                                {1.0, 2.0}};
    for (const Contrast& c : choices) {
        const ContrastTable table = contrast_table(c);
        EXPECT_EQ(table[0], 0) << c.gain << " " << c.gamma;
        for (int level = 1; level < 256; ++level) {
            const int shown = table[static_cast<std::size_t>(level)];
            EXPECT_GE(shown, 1) << c.gain << " " << c.gamma << " " << level;
            EXPECT_LE(shown, 254) << c.gain << " " << c.gamma << " " << level;
            // A stronger echo never shows darker than a weaker one.
            EXPECT_GE(shown, table[static_cast<std::size_t>(level - 1)]) << level;
        }
    }
}

TEST(ContrastTable, GainMultipliesGammaLiftsTheFaintEchoes) {
    const struct {
        Contrast contrast;
        int level;
        int shown;
    } cases[] = {
        {{2.0, 1.0}, 10, 20},   {{2.0, 1.0}, 127, 254}, {{2.0, 1.0}, 200, 254},
        {{0.5, 1.0}, 100, 50},  {{0.5, 1.0}, 1, 1},     {{1.0, 2.0}, 64, 127},
        {{1.0, 2.0}, 254, 254}, {{1.0, 0.5}, 127, 64},  {{4.0, 2.0}, 16, 127},
    };
    for (const auto& c : cases)
        EXPECT_EQ(contrast_table(c.contrast)[static_cast<std::size_t>(c.level)], c.shown)
            << c.contrast.gain << " " << c.contrast.gamma << " " << c.level;
}

TEST(ContrastLimits, ARememberedValueComesBackWithinTheChoices) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        Contrast remembered;
        Contrast used;
    } cases[] = {
        {{1.0, 1.0}, {1.0, 1.0}},
        {{0.0, 1.0}, {lowest_gain, 1.0}},
        {{100.0, 10.0}, {highest_gain, highest_gamma}},
        {{-3.0, 0.0}, {lowest_gain, lowest_gamma}},
        {{nan, nan}, {1.0, 1.0}},
        {{2.5, 1.7}, {2.5, 1.7}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(within_limits(c.remembered), c.used) << c.remembered.gain;
}

class ShownRowTest : public ::testing::Test {
  protected:
    // The scaling form's canvas: x -220 .. 794, y 670 .. -50.
    PlotCanvas canvas{-220, 795, 670, -51, form_background};
    std::vector<std::uint32_t> row(int y, const Contrast& contrast) {
        std::vector<std::uint32_t> words(static_cast<std::size_t>(canvas.width()));
        shown_row(canvas, contrast_table(contrast), canvas.top_y() - y, words.data());
        return words;
    }
    Rgb shown(int x, int y, const Contrast& contrast) {
        const std::uint32_t word = row(y, contrast)[static_cast<std::size_t>(x - canvas.left_x())];
        return {static_cast<std::uint8_t>(word >> 16), static_cast<std::uint8_t>(word >> 8),
                static_cast<std::uint8_t>(word)};
    }
};

// Only the echoes change: the grid's own grey on its lines, the frame, the black plot, the
// form's blue and colours that are no grey stay as drawn.
TEST_F(ShownRowTest, OnlyTheEchoesInsideTheFrameChange) {
    const Contrast doubled{2.0, 1.0};
    const struct {
        int x, y;
        Rgb drawn;
        Rgb shown;
    } cases[] = {
        {300, 300, {40, 40, 40}, {80, 80, 80}},       // an echo
        {300, 300, {100, 100, 100}, {200, 200, 200}}, // an echo of the grid's grey off the grid
        {4, 300, {100, 100, 100}, {100, 100, 100}},   // the 1 MHz line
        {764, 300, {100, 100, 100}, {100, 100, 100}}, // the 20 MHz line
        {300, 12, {100, 100, 100}, {100, 100, 100}},  // the 100 km line
        {300, 546, {100, 100, 100}, {100, 100, 100}}, // the 700 km line
        {4, 300, {60, 60, 60}, {120, 120, 120}},      // an echo over the 1 MHz line
        {300, 12, {30, 30, 30}, {60, 60, 60}},        // an echo over the 100 km line
        {300, 300, {0, 0, 0}, {0, 0, 0}},             // no echo
        {300, 300, {200, 0, 0}, {200, 0, 0}},         // the MUF(3000) curve
        {0, 300, {255, 255, 0}, {255, 255, 0}},       // the frame
        {765, 300, {255, 255, 0}, {255, 255, 0}},
        {1, 300, {50, 50, 50}, {100, 100, 100}}, // the first and last columns inside it
        {764, 1, {50, 50, 50}, {100, 100, 100}},
        {300, 600, {50, 50, 50}, {100, 100, 100}},
        {300, 601, {50, 50, 50}, {50, 50, 50}}, // outside the plot area
        {-100, 300, {50, 50, 50}, {50, 50, 50}},
        {790, 300, {50, 50, 50}, {50, 50, 50}},
        {300, -20, {50, 50, 50}, {50, 50, 50}},
        {-100, 300, form_background, form_background},
    };
    for (const auto& c : cases) {
        canvas.clear();
        canvas.set_point(c.x, c.y, c.drawn);
        EXPECT_EQ(shown(c.x, c.y, doubled), c.shown) << c.x << " " << c.y;
        EXPECT_EQ(shown(c.x, c.y, Contrast{}), c.drawn) << c.x << " " << c.y;
    }
}

TEST(MagnifierReadout, ThePlotMappingWithAPointAndThreeDecimalsInsideThePlotOnly) {
    const struct {
        int x, y;
        const char* text;
    } cases[] = {
        {4, 4, "1.000 MHz   90.000 km"},
        {764, 600, "20.000 MHz   760.500 km"},
        {1, 1, "0.925 MHz   86.625 km"},
        {253, 13, "7.225 MHz   100.125 km"},
        {0, 300, ""},
        {765, 300, ""},
        {300, 0, ""},
        {300, 601, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(magnifier_readout(c.x, c.y), c.text) << c.x << " " << c.y;
}

} // namespace
} // namespace scalvo
