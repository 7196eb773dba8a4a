// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram/plot.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb grey{100, 100, 100};
constexpr Rgb blue = form_background;

PlotCanvas scaling_canvas() {
    return PlotCanvas{-220, 795, 670, -51, form_background};
}

Ionogram ionogram_of(float start, float end, float step, int count) {
    Ionogram ionogram;
    ionogram.start_frequency = start;
    ionogram.end_frequency = end;
    ionogram.frequency_step = step;
    ionogram.frequency_count = count;
    ionogram.amplitude_grid.assign(static_cast<std::size_t>(count) * height_count, 0);
    return ionogram;
}

std::vector<PlotText> expected_labels() {
    std::vector<PlotText> texts;
    for (int f = 1; f <= 20; ++f) {
        const int x = 40 * f - 36;
        texts.push_back({f >= 10 ? x - 10 : x - 7, -4, " " + std::to_string(f)});
    }
    texts.push_back({732, -10, "MHz"});
    const int label_y[] = {16, 106, 194, 284, 372, 462, 550};
    for (int k = 0; k < 7; ++k)
        texts.push_back({770, label_y[k], std::to_string(100 * (k + 1))});
    texts.push_back({770, 580, "km"});
    return texts;
}

// Columns of x from..to of row y that hold colour.
bool row_is(const PlotCanvas& canvas, int y, int from, int to, Rgb colour) {
    for (int x = from; x <= to; ++x)
        if (canvas.pixel(x, y) != colour)
            return false;
    return true;
}

bool column_is(const PlotCanvas& canvas, int x, int from, int to, Rgb colour) {
    for (int y = from; y <= to; ++y)
        if (canvas.pixel(x, y) != colour)
            return false;
    return true;
}

void expect_frame(const PlotCanvas& canvas) {
    EXPECT_TRUE(row_is(canvas, 0, 0, 765, yellow));
    EXPECT_TRUE(row_is(canvas, 601, 0, 765, yellow));
    EXPECT_TRUE(column_is(canvas, 0, 0, 601, yellow));
    EXPECT_TRUE(column_is(canvas, 765, 0, 601, yellow));
    // the form's background just outside
    EXPECT_TRUE(row_is(canvas, -1, -1, 766, blue));
    EXPECT_TRUE(row_is(canvas, 602, -1, 766, blue));
    EXPECT_TRUE(column_is(canvas, -1, -1, 602, blue));
    EXPECT_TRUE(column_is(canvas, 766, -1, 602, blue));
}

TEST(NormaliseTest, LargestBecomes254) {
    const struct {
        std::vector<std::int16_t> before;
        std::vector<std::int16_t> after;
    } cases[] = {
        {{0, 7, 255, 128}, {0, 6, 254, 127}}, {{0, 0, 0}, {0, 0, 0}},
        {{100, 50, 1, 0}, {254, 127, 2, 0}},  {{7, 7}, {254, 254}},
        {{300, 150, 299}, {254, 127, 253}},   {{-10, 100, 0}, {-25, 254, 0}},
    };
    for (const auto& c : cases) {
        Ionogram ionogram;
        ionogram.amplitude_grid = c.before;
        normalise_amplitudes(ionogram);
        EXPECT_EQ(ionogram.amplitude_grid, c.after);
    }
}

TEST(EmptyFrameTest, FrameAndLabelsOnly) {
    PlotCanvas canvas = scaling_canvas();
    canvas.set_point(300, 300, Rgb{255, 0, 0}); // an earlier mark on the plot
    draw_empty_frame(canvas);
    expect_frame(canvas);
    for (int y = 1; y <= 600; ++y)
        ASSERT_TRUE(row_is(canvas, y, 1, 764, black)) << y;
    EXPECT_EQ(canvas.texts(), expected_labels());
    draw_empty_frame(canvas); // a redraw repaints the labels, it does not add them again
    EXPECT_EQ(canvas.texts(), expected_labels());
}

TEST(DrawIonogramTest, GridInsideTheFileRangeLabelsEverywhere) {
    PlotCanvas canvas = scaling_canvas();
    draw_ionogram(canvas, ionogram_of(2.0f, 10.0f, 0.05f, 161));
    expect_frame(canvas);
    EXPECT_EQ(canvas.texts(), expected_labels());
    for (int f = 1; f <= 20; ++f) {
        const int x = 40 * f - 36;
        const bool inside = f >= 2 && f <= 10;
        if (inside) {
            EXPECT_TRUE(column_is(canvas, x, 1, 600, grey)) << f;
        }
        EXPECT_EQ(canvas.pixel(x, 50), inside ? grey : black) << f;
        EXPECT_EQ(canvas.pixel(x, 600), inside ? grey : black) << f;
        EXPECT_EQ(canvas.pixel(x, 601), yellow) << f;
        EXPECT_EQ(canvas.pixel(x - 1, 50), black) << f;
    }
    for (int y : {12, 102, 190, 280, 368, 458, 546}) {
        EXPECT_TRUE(row_is(canvas, y, 1, 764, grey)) << y;
        EXPECT_EQ(canvas.pixel(765, y), yellow) << y;
        EXPECT_EQ(canvas.pixel(3, y + 1), black) << y;
    }
}

// One echo at frequency index i and height index j: the block it lands on.
struct EchoCase {
    float start;
    float step;
    int i;
    int first_x;
    int last_x;
};

TEST(DrawIonogramTest, EchoBlocksForEachStep) {
    const EchoCase cases[] = {
        {1.0f, 0.025f, 1, 4, 4},
        {1.0f, 0.025f, 761, 764, 764},
        {1.0f, 0.05f, 1, 3, 4},
        {1.0f, 0.05f, 381, 763, 764},
        {1.0f, 0.1f, 1, 1, 4},
        {1.0f, 0.1f, 2, 5, 8},
        {1.0f, 0.2f, 1, 1, 4},
        {1.0f, 0.2f, 2, 9, 12},
        {1.0f, 0.5f, 1, 1, 4},
        {1.0f, 0.5f, 2, 21, 24},
        {1.0f, 0.5f, 39, 761, 764},
        // other start frequencies: the block ends at 40 x f - 36
        {2.0f, 0.05f, 1, 43, 44},
        {1.5f, 0.1f, 1, 21, 24},
        {2.5f, 0.025f, 3, 66, 66},
        {1.2f, 0.2f, 1, 9, 12},
        {3.0f, 0.5f, 1, 81, 84},
    };
    for (const EchoCase& c : cases) {
        for (int j : {1, 75, 150}) {
            Ionogram ionogram = ionogram_of(c.start, 20.0f, c.step, std::max(c.i, 2));
            ionogram.cell(c.i, j) = 254;
            PlotCanvas canvas = scaling_canvas();
            draw_ionogram(canvas, ionogram);
            const Rgb white{254, 254, 254};
            int lit = 0;
            for (int y = 1; y <= 600; ++y)
                for (int x = 1; x <= 764; ++x)
                    lit += canvas.pixel(x, y) == white;
            EXPECT_EQ(lit, 4 * (c.last_x - c.first_x + 1))
                << c.start << " " << c.step << " " << c.i << " " << j;
            for (int y = 4 * j - 3; y <= 4 * j; ++y)
                EXPECT_TRUE(row_is(canvas, y, c.first_x, c.last_x, white))
                    << c.start << " " << c.step << " " << c.i << " " << j << " " << y;
        }
    }
}

TEST(DrawIonogramTest, GreyLevelsCoverTheGrid) {
    Ionogram ionogram = ionogram_of(1.0f, 20.0f, 0.05f, 381);
    ionogram.cell(21, 3) = 6; // 2 MHz, on the grey line
    ionogram.cell(22, 3) = 254;
    ionogram.cell(2, 3) = 1;
    PlotCanvas canvas = scaling_canvas();
    draw_ionogram(canvas, ionogram);
    EXPECT_EQ(canvas.pixel(44, 12), (Rgb{6, 6, 6}));
    EXPECT_EQ(canvas.pixel(43, 9), (Rgb{6, 6, 6}));
    EXPECT_EQ(canvas.pixel(46, 10), (Rgb{254, 254, 254}));
    EXPECT_EQ(canvas.pixel(6, 11), (Rgb{1, 1, 1}));
    EXPECT_EQ(canvas.pixel(44, 13), grey); // the line above the echo
    EXPECT_EQ(canvas.pixel(44, 8), grey);
}

TEST(DrawIonogramTest, AStepOutsideTheTableDrawsNoEchoes) {
    for (float step : {0.3f, 0.0f, 0.04f, -0.05f}) {
        Ionogram ionogram = ionogram_of(1.0f, 20.0f, step, 40);
        std::fill(ionogram.amplitude_grid.begin(), ionogram.amplitude_grid.end(), 200);
        PlotCanvas canvas = scaling_canvas();
        draw_ionogram(canvas, ionogram);
        expect_frame(canvas);
        EXPECT_EQ(canvas.pixel(5, 5), black) << step;
        EXPECT_EQ(canvas.pixel(4, 50), grey) << step;
        EXPECT_EQ(canvas.pixel(12, 12), grey) << step;
    }
}

TEST(DrawIonogramTest, AllZeroAmplitudesDrawFrameGridAndLabels) {
    PlotCanvas canvas = scaling_canvas();
    Ionogram ionogram = ionogram_of(1.0f, 20.0f, 0.025f, 761);
    normalise_amplitudes(ionogram);
    draw_ionogram(canvas, ionogram);
    expect_frame(canvas);
    EXPECT_EQ(canvas.texts(), expected_labels());
    EXPECT_EQ(canvas.pixel(5, 5), black);
}

TEST(DrawIonogramTest, EchoesStayInsideTheFrame) {
    // A sounding reaching below 1 MHz and beyond 20 MHz.
    Ionogram ionogram = ionogram_of(0.5f, 25.0f, 0.5f, 50);
    std::fill(ionogram.amplitude_grid.begin(), ionogram.amplitude_grid.end(), 100);
    PlotCanvas canvas = scaling_canvas();
    draw_ionogram(canvas, ionogram);
    EXPECT_TRUE(column_is(canvas, -1, 1, 600, blue));
    EXPECT_TRUE(column_is(canvas, -16, 1, 600, blue));
    EXPECT_TRUE(column_is(canvas, 766, 1, 600, blue));
    EXPECT_TRUE(column_is(canvas, 790, 1, 600, blue));
    EXPECT_EQ(canvas.pixel(764, 300), (Rgb{100, 100, 100}));
}

TEST(DrawIonogramTest, BlocksCutByTheFrameEdges) {
    Ionogram low = ionogram_of(0.9f, 20.0f, 0.1f, 192); // first block -3 .. 0
    low.cell(1, 10) = 200;
    Ionogram high = ionogram_of(1.0f, 20.05f, 0.05f, 382); // last block 765 .. 766
    high.cell(382, 10) = 200;
    PlotCanvas canvas = scaling_canvas();
    draw_ionogram(canvas, low);
    EXPECT_TRUE(column_is(canvas, 0, 37, 40, (Rgb{200, 200, 200})));
    EXPECT_TRUE(column_is(canvas, -1, 37, 40, blue));
    EXPECT_EQ(canvas.pixel(1, 40), black);
    draw_ionogram(canvas, high);
    EXPECT_TRUE(column_is(canvas, 765, 37, 40, (Rgb{200, 200, 200})));
    EXPECT_TRUE(column_is(canvas, 766, 37, 40, blue));
    EXPECT_EQ(canvas.pixel(0, 40), yellow);
    EXPECT_EQ(canvas.pixel(763, 40), black);
}

TEST(DrawIonogramTest, RedrawRemovesEarlierMarks) {
    Ionogram ionogram = ionogram_of(1.0f, 20.0f, 0.1f, 191);
    ionogram.cell(10, 10) = 254;
    PlotCanvas canvas = scaling_canvas();
    draw_ionogram(canvas, ionogram);
    const std::vector<std::uint32_t> first = canvas.pixels();
    canvas.line(1, 1, 700, 500, Rgb{255, 0, 0});
    const auto revision = canvas.revision();
    draw_ionogram(canvas, ionogram);
    EXPECT_GT(canvas.revision(), revision);
    EXPECT_EQ(canvas.pixels(), first);
    EXPECT_EQ(canvas.texts(), expected_labels());
}

TEST(DrawIonogramTest, CompanionCanvasGetsTheSamePlot) {
    Ionogram ionogram = ionogram_of(1.0f, 20.0f, 0.05f, 381);
    for (int i = 1; i <= 381; i += 7)
        ionogram.cell(i, (i % 150) + 1) = static_cast<std::int16_t>(i % 254 + 1);
    PlotCanvas scaling = scaling_canvas();
    PlotCanvas companion{-30, 795, 670, -51, form_background};
    draw_ionogram(scaling, ionogram);
    draw_ionogram(companion, ionogram);
    for (int y = -51; y <= 670; y += 3)
        for (int x = -30; x <= 794; ++x)
            ASSERT_EQ(scaling.pixel(x, y), companion.pixel(x, y)) << x << " " << y;
    EXPECT_EQ(scaling.texts(), companion.texts());
}

} // namespace
} // namespace scalvo
