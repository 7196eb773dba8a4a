// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/muf_tool.h"

#include "common/shared_state.h"
#include "ionogram/plot.h"
#include "scaling/m3000.h"
#include "scaling/picking.h"
#include "support/scaling_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace scalvo {
namespace {

using testing::FakeDialogs;
using testing::ShownBox;

constexpr int key_up = 38;
constexpr int key_down = 40;

class MufToolTest : public testing::ScalingTest {
  protected:
    MufToolTest() { shared.ionogram_loaded = true; }
    void open(Row key) {
        form.selected_characteristic = key;
        open_muf_tool(scaling);
    }
    // As the operator holds the MUF at a value before a key.
    void hold(Row key, int code) {
        form.selected_characteristic = key;
        form.muf_code = static_cast<std::int16_t>(code);
        form.muf_value = static_cast<float>(code) / 10.0f;
    }
    void press(int key_code, int shift = 0) { muf_step(scaling, key_code, shift); }
    int red_pixels() const {
        int count = 0;
        for (int y = -50; y <= 670; ++y)
            for (int x = -220; x < 795; ++x)
                count += form.plot.pixel(x, y) == muf_curve_colour;
        return count;
    }
};

// foF2 picked at 8.0 MHz on the row of 299.25 km: 29.26 MHz through the point, 29.3 taken,
// 29.4 shown; 29400 / 80 = 367.5 goes to the even 368.
TEST_F(MufToolTest, WorkedExampleFromThePickedPoint) {
    form.selected_characteristic = Row::foF2;
    pick_on_plot(scaling, 284, 190);
    ASSERT_EQ(form.text(value_box(Row::foF2)), "80");
    EXPECT_NEAR(muf_of_echo(form.foF2_point.frequency, form.foF2_point.height), 29.26, 0.005);

    open(Row::MUF3000F2);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "294");
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "368");
    EXPECT_EQ(form.muf_code, 294);
    EXPECT_EQ(form.muf_value, 29.4f);
    EXPECT_EQ(form.muf_product, 29400);
    // The curve runs one unit right of and below the mapping: just right of the click.
    EXPECT_EQ(form.plot.pixel(284, 189), muf_curve_colour);
    EXPECT_EQ(form.plot.pixel(285, 190), muf_curve_colour);
    EXPECT_NE(form.plot.pixel(284, 190), muf_curve_colour);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(form.esup_visible);
}

TEST_F(MufToolTest, InitialValueTakesTheFirstRuleThatApplies) {
    const PlotPoint f1_point{4.325f, 254.25f}; // 17.33 MHz through it
    const PlotPoint f2_point{8.0f, 299.25f};   // 29.26 MHz
    const struct {
        const char* name;
        Row key;
        testing::BoxTexts sheet;
        bool points;
        int code;
        const char* shown; // MUF box after opening
    } cases[] = {
        {"F2 own value first",
         Row::MUF3000F2,
         {{value_box(Row::MUF3000F2), "253"}, {value_box(Row::foF2), "80"}},
         true,
         254,
         "254"},
        {"F1 own value first",
         Row::MUF3000F1,
         {{value_box(Row::MUF3000F1), "120"}, {value_box(Row::foF1), "433"}},
         true,
         121,
         "121"},
        {"F1 from its point", Row::MUF3000F1, {{value_box(Row::foF1), "433"}}, true, 174, "174"},
        {"F2 from the F1 value",
         Row::MUF3000F2,
         {{value_box(Row::MUF3000F1), "120"}, {value_box(Row::foF2), "80"}},
         false,
         121,
         "121"},
        {"F2 from the F1 value, no foF2",
         Row::MUF3000F2,
         {{value_box(Row::MUF3000F1), "120"}},
         true,
         120,
         ""},
        {"F1 never from the F2 value",
         Row::MUF3000F1,
         {{value_box(Row::MUF3000F2), "200"}, {value_box(Row::foF1), "433"}},
         false,
         151,
         "151"},
        {"point without its value", Row::MUF3000F2, {}, true, 150, ""},
        {"value without its point",
         Row::MUF3000F2,
         {{value_box(Row::foF2), "130"}},
         false,
         151,
         "151"},
    };
    for (const auto& c : cases) {
        form = ScalingForm{};
        fill(c.sheet);
        if (c.points) {
            form.foF1_point = f1_point;
            form.foF2_point = f2_point;
        }
        open(c.key);
        EXPECT_EQ(form.muf_code, c.code) << c.name;
        EXPECT_EQ(form.text(c.key == Row::MUF3000F1 ? value_box(Row::MUF3000F1)
                                                    : value_box(Row::MUF3000F2)),
                  c.shown)
            << c.name;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MufToolTest, EveryOpeningAddsATenth) {
    fill({{value_box(Row::foF2), "72"}, {value_box(Row::MUF3000F2), "253"}});
    open(Row::MUF3000F2);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "254");
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "353"); // 25400 / 72 = 352.8
    open(Row::MUF3000F2);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "255");
}

TEST_F(MufToolTest, DefaultMovesTowardsTheCriticalFrequency) {
    const struct {
        Row key;
        Box critical_box;
        const char* critical;
        const char* muf;
        const char* m3000;
        int beeps;
    } cases[] = {
        {Row::MUF3000F2, value_box(Row::foF2), "130", "151", "116",
         0}, // 10 x 13.0 above 15.0: kept
        {Row::MUF3000F2, value_box(Row::foF2), "10", "99", "990",
         0}, // down to 9.9; the step comes back
        {Row::MUF3000F2, value_box(Row::foF2), "153", "155", "101",
         0}, // up past 15.3, then the step
        {Row::MUF3000F2, value_box(Row::foF2), "700", "700", "100",
         1}, // capped at 70.0 on both counts
        {Row::MUF3000F1, value_box(Row::foF1), "120", "119", "992", 0}, // 1.20 MHz: below 12.0
        {Row::MUF3000F1, value_box(Row::foF1), "433", "151", "349", 0},
    };
    for (const auto& c : cases) {
        form = ScalingForm{};
        dialogs.clear();
        form.set_text(c.critical_box, c.critical);
        open(c.key);
        const bool f1 = c.key == Row::MUF3000F1;
        EXPECT_EQ(form.text(f1 ? value_box(Row::MUF3000F1) : value_box(Row::MUF3000F2)), c.muf)
            << c.critical;
        EXPECT_EQ(form.text(f1 ? value_box(Row::M3000F1) : value_box(Row::M3000F2)), c.m3000)
            << c.critical;
        EXPECT_EQ(dialogs.beeps, c.beeps) << c.critical;
        EXPECT_TRUE(dialogs.shown.empty()) << c.critical;
    }
}

TEST_F(MufToolTest, WithoutCriticalFrequencyOpeningWritesAndDrawsNothing) {
    form.set_text(value_box(Row::M3000F2), "345");
    open(Row::MUF3000F2);
    EXPECT_EQ(form.muf_code, 150);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "");
    EXPECT_EQ(red_pixels(), 0);

    // The keys still move the curve and write the code; M(3000) is left alone.
    press(key_down);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "151");
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "345");
    EXPECT_GT(red_pixels(), 0);
}

TEST_F(MufToolTest, StepKeys) {
    const struct {
        int key;
        int shift;
        int code;
    } cases[] = {
        {49, 0, 280}, {50, 0, 320}, {49, 2, 280}, {38, 0, 299}, {38, 2, 280}, {38, 1, 299},
        {38, 3, 299}, {51, 0, 299}, {51, 2, 280}, {40, 0, 301}, {40, 2, 320}, {40, 6, 301},
        {52, 0, 301}, {52, 2, 320}, {53, 0, 300}, {37, 0, 300}, {39, 2, 300},
    };
    for (const auto& c : cases) {
        form.set_text(value_box(Row::MUF3000F2), "");
        hold(Row::MUF3000F2, 300);
        press(c.key, c.shift);
        EXPECT_EQ(form.muf_code, c.code) << c.key << " " << c.shift;
        EXPECT_EQ(form.muf_value, static_cast<float>(c.code) / 10) << c.key << " " << c.shift;
        EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), c.code == 300 ? "" : std::to_string(c.code))
            << c.key;
    }
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(MufToolTest, LimitsHoldWithABeepEachTime) {
    const struct {
        int start;
        int key;
        int shift;
        int code;
    } cases[] = {
        {690, 50, 0, 700}, {700, 50, 0, 700},   {700, key_down, 0, 700}, {695, key_down, 2, 700},
        {31, 49, 0, 30},   {30, key_up, 0, 30}, {40, key_up, 2, 30},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        hold(Row::MUF3000F1, c.start);
        press(c.key, c.shift);
        EXPECT_EQ(form.muf_code, c.code) << c.start;
        EXPECT_EQ(form.muf_value, static_cast<float>(c.code) / 10) << c.start;
        EXPECT_EQ(form.text(value_box(Row::MUF3000F1)), std::to_string(c.code));
        EXPECT_EQ(dialogs.beeps, 1) << c.start;
    }
    // Reaching a limit exactly is no error.
    dialogs.clear();
    hold(Row::MUF3000F1, 699);
    press(key_down);
    hold(Row::MUF3000F1, 31);
    press(key_up);
    EXPECT_EQ(dialogs.beeps, 0);
}

// Long runs of tenths keep the value on the code: no drift reaches a limit early.
TEST_F(MufToolTest, ValueFollowsTheCodeOverLongRuns) {
    hold(Row::MUF3000F2, 150);
    for (int code = 149; code >= 30; --code) {
        press(key_up);
        ASSERT_EQ(form.muf_value, static_cast<float>(code) / 10);
    }
    hold(Row::MUF3000F2, 550);
    for (int code = 551; code <= 700; ++code) {
        press(key_down);
        ASSERT_EQ(form.muf_value, static_cast<float>(code) / 10);
    }
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(MufToolTest, MufStaysBetweenTheCriticalFrequencyAndTenTimesIt) {
    const struct {
        const char* name;
        Row key;
        testing::BoxTexts sheet;
        int start;
        int key_code;
        const char* message;
        const char* title;
        const char* muf;
        const char* m3000;
    } cases[] = {
        {"F2 ten times",
         Row::MUF3000F2,
         {{value_box(Row::foF2), "30"}, {value_box(Row::MUF3000F2), "299"}},
         299,
         key_down,
         "MUF(3000)F2 cannot be 10 times greater than foF2!!",
         "Be careful!!",
         "299",
         "997"},
        {"F2 below foF2",
         Row::MUF3000F2,
         {{value_box(Row::foF2), "80"}, {value_box(Row::MUF3000F2), "81"}},
         81,
         key_up,
         "foF2 cannot be greater than MUF(3000)F2!!!",
         "Be careful!",
         "81",
         "101"},
        {"F2 two MHz below foF2",
         Row::MUF3000F2,
         {{value_box(Row::foF2), "80"}, {value_box(Row::MUF3000F2), "90"}},
         90,
         49,
         "foF2 cannot be greater than MUF(3000)F2!!!",
         "Be careful!",
         "81",
         "101"},
        {"F1 ten times",
         Row::MUF3000F1,
         {{value_box(Row::foF1), "150"}, {value_box(Row::MUF3000F1), "149"}},
         149,
         key_down,
         "MUF(3000)F1 cannot be 10 times greater than foF1!!",
         "Be careful!!",
         "149",
         "993"},
        {"F1 below foF1",
         Row::MUF3000F1,
         {{value_box(Row::foF1), "433"}, {value_box(Row::MUF3000F1), "44"}},
         44,
         key_up,
         "foF1 cannot be greater than MUF(3000)F1!!",
         "Be careful!",
         "44",
         "102"},
        {"F1 within",
         Row::MUF3000F1,
         {{value_box(Row::foF1), "433"}, {value_box(Row::MUF3000F1), "150"}},
         150,
         key_up,
         "",
         "",
         "149",
         "344"},
        // Below 0.3 MHz ten times the critical frequency lies under the lowest MUF.
        {"F2 tiny foF2",
         Row::MUF3000F2,
         {{value_box(Row::foF2), "2"}, {value_box(Row::MUF3000F2), "30"}},
         30,
         key_down,
         "MUF(3000)F2 cannot be 10 times greater than foF2!!",
         "Be careful!!",
         "30",
         "1500"},
    };
    for (const auto& c : cases) {
        form = ScalingForm{};
        dialogs.clear();
        fill(c.sheet);
        hold(c.key, c.start);
        press(c.key_code);
        const bool f1 = c.key == Row::MUF3000F1;
        EXPECT_EQ(form.text(f1 ? value_box(Row::MUF3000F1) : value_box(Row::MUF3000F2)), c.muf)
            << c.name;
        EXPECT_EQ(form.text(f1 ? value_box(Row::M3000F1) : value_box(Row::M3000F2)), c.m3000)
            << c.name;
        if (std::string(c.message).empty()) {
            EXPECT_TRUE(dialogs.shown.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.last().kind, ShownBox::Kind::ok);
        EXPECT_EQ(dialogs.last().text, c.message);
        EXPECT_EQ(dialogs.last().title, c.title);
    }
}

TEST_F(MufToolTest, NothingWithoutIonogramOrMufSelection) {
    form.set_text(value_box(Row::foF2), "80");
    shared.ionogram_loaded = false;
    open(Row::MUF3000F2);
    hold(Row::MUF3000F2, 200);
    press(key_down);
    EXPECT_EQ(form.muf_code, 200);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "");

    shared.ionogram_loaded = true;
    hold(Row::foF2, 200);
    press(key_down);
    press(50);
    open(Row::foF2);
    EXPECT_EQ(form.muf_code, 200);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "");
    EXPECT_EQ(red_pixels(), 0);
}

// A stored code reads as tenths of MHz, as it is: the limits belong to the steps.
TEST_F(MufToolTest, StoredCodesDecode) {
    // A stride prime to 10 meets every last digit.
    for (int code = 30; code <= 700; code += 7) {
        std::string dotted = std::to_string(code);
        dotted.insert(dotted.size() - 1, ".");
        form.set_text(value_box(Row::MUF3000F2), std::to_string(code));
        open(Row::MUF3000F2);
        ASSERT_EQ(form.muf_code, code);
        ASSERT_EQ(form.muf_value, std::stof(dotted)) << code;
    }
    const std::pair<const char*, int> odd[] = {{"5", 5},       {"25", 25}, {"20", 20}, {"999", 999},
                                               {"1234", 1234}, {"abc", 0}, {"-5", -5}};
    for (const auto& [text, code] : odd) {
        form.set_text(value_box(Row::MUF3000F2), text);
        open(Row::MUF3000F2);
        EXPECT_EQ(form.muf_code, code) << text;
        EXPECT_EQ(form.muf_value, static_cast<float>(code) / 10.0f) << text;
    }
}

// A stored code beyond the step limits opens where it is; only a step past a limit in its own
// direction brings it back, with a beep.
TEST_F(MufToolTest, StoredCodesOutsideTheLimitsStepFromWhereTheyAre) {
    const struct {
        const char* stored;
        const char* foF2;
        std::vector<int> keys;
        const char* shown;
        const char* m3000;
        int beeps;
    } cases[] = {
        {"25", "", {}, "25", "", 0},         // nothing written without foF2
        {"25", "", {key_down}, "26", "", 0}, // 2.6 MHz: no limit crossed upwards
        {"25", "", {key_up}, "30", "", 1},   // 2.4 MHz: below 3.0 downwards
        {"25", "20", {}, "26", "130", 0},    // the opening step: 2600 / 20
        {"25", "20", {50}, "46", "230", 0},    {"999", "", {key_up}, "998", "", 0},
        {"999", "", {key_down}, "700", "", 1}, {"5", "", {key_down, key_down}, "7", "", 0},
    };
    for (const auto& c : cases) {
        form = ScalingForm{};
        dialogs.clear();
        fill({{value_box(Row::MUF3000F2), c.stored}, {value_box(Row::foF2), c.foF2}});
        open(Row::MUF3000F2);
        for (int key : c.keys)
            press(key);
        EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), c.shown)
            << c.stored << " " << c.keys.size();
        EXPECT_EQ(form.text(value_box(Row::M3000F2)), c.m3000) << c.stored;
        EXPECT_EQ(dialogs.beeps, c.beeps) << c.stored;
        EXPECT_TRUE(dialogs.shown.empty()) << c.stored;
    }
}

// An echo low on the plot at its left edge gives 1.93 MHz through the point: 1.9, then the
// opening step.
TEST_F(MufToolTest, PointBelowThreeMegahertzStartsThere) {
    form.selected_characteristic = Row::foF2;
    pick_on_plot(scaling, 1, 600);
    ASSERT_EQ(form.text(value_box(Row::foF2)), "10");
    open(Row::MUF3000F2);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "20");
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "200");
    EXPECT_EQ(dialogs.beeps, 0);
}

// A point far off (20 MHz at the foot of the plot) would give 126.6 MHz.
TEST_F(MufToolTest, PointBeyondTheLimitsStartsAtTheLimit) {
    form.set_text(value_box(Row::foF2), "200");
    form.foF2_point = {20.0f, 90.0f};
    open(Row::MUF3000F2);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "700");
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "350");
    EXPECT_EQ(dialogs.beeps, 1);
}

// A critical frequency of 0 bounds nothing and divides nothing.
TEST_F(MufToolTest, ZeroCriticalFrequency) {
    for (const Row key : {Row::MUF3000F1, Row::MUF3000F2}) {
        form = ScalingForm{};
        const bool f1 = key == Row::MUF3000F1;
        form.set_text(f1 ? value_box(Row::foF1) : value_box(Row::foF2), "0");
        form.set_text(f1 ? value_box(Row::M3000F1) : value_box(Row::M3000F2), "345");
        open(key);
        EXPECT_EQ(form.text(f1 ? value_box(Row::MUF3000F1) : value_box(Row::MUF3000F2)), "31")
            << key;
        press(key_up);
        press(key_up);
        EXPECT_EQ(form.text(f1 ? value_box(Row::MUF3000F1) : value_box(Row::MUF3000F2)), "30")
            << key;
        EXPECT_EQ(form.text(f1 ? value_box(Row::M3000F1) : value_box(Row::M3000F2)), "345") << key;
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.beeps, 2);
}

TEST_F(MufToolTest, M3000BeyondSixteenBitsIsNoValue) {
    fill({{value_box(Row::MUF3000F2), "700"},
          {value_box(Row::foF2), "1"},
          {value_box(Row::M3000F2), "345"}});
    recompute_m3000(form, Layer::F2);
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), ""); // 70000
    fill({{value_box(Row::MUF3000F2), "327"}, {value_box(Row::foF2), "1"}});
    recompute_m3000(form, Layer::F2);
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "32700");
    fill({{value_box(Row::MUF3000F1), "150"}, {value_box(Row::foF1), "150"}});
    recompute_m3000(form, Layer::F1);
    EXPECT_EQ(form.text(value_box(Row::M3000F1)), "1000");
}

// After the opening curve (25.4 MHz) and a step of 2.0 MHz the plot holds the ionogram and one
// curve, that of 27.4 MHz: each row it crosses has one unbroken run of red, standing where the
// secant law puts 27.4 MHz at that height; the echoes, the grid and the frame stay beside it.
TEST_F(MufToolTest, EachStepRedrawsTheIonogramUnderOneCurve) {
    Ionogram& ionogram = form.ionogram;
    ionogram.start_frequency = 1.0f;
    ionogram.end_frequency = 20.0f;
    ionogram.frequency_step = 0.025f;
    ionogram.frequency_count = 761;
    ionogram.amplitude_grid.assign(761 * height_count, 0);
    for (int j = 1; j <= height_count; ++j)
        ionogram.cell(97, j) = 254; // an echo at every height of 3.4 MHz: column 100
    fill({{value_box(Row::foF2), "72"}, {value_box(Row::MUF3000F2), "253"}});
    open(Row::MUF3000F2);
    ASSERT_EQ(form.text(value_box(Row::MUF3000F2)), "254");
    press(50);
    ASSERT_EQ(form.text(value_box(Row::MUF3000F2)), "274");

    int rows_crossed = 0;
    for (int y = 1; y <= 600; ++y) {
        std::vector<int> red;
        for (int x = 1; x <= 764; ++x)
            if (form.plot.pixel(x, y) == muf_curve_colour)
                red.push_back(x);
        if (red.empty())
            continue;
        ++rows_crossed;
        EXPECT_EQ(red.back() - red.front() + 1, static_cast<int>(red.size())) << "row " << y;
        // The frequency of 27.4 MHz at the row's height; a column spans 0.025 MHz from
        // 0.025 x + 0.925.
        const float height = static_cast<float>(1.125 * y + 87.1875);
        const double frequency = 27.4 / muf_of_echo(1.0f, height);
        const double column = (frequency - 0.9375) / 0.025;
        EXPECT_GE(column, red.front() - 2) << "row " << y;
        EXPECT_LE(column, red.back() + 2) << "row " << y;
    }
    EXPECT_GT(rows_crossed, 500);
    EXPECT_EQ(form.plot.pixel(100, 300), (Rgb{254, 254, 254})); // the echo
    EXPECT_EQ(form.plot.pixel(700, 12), (Rgb{100, 100, 100}));  // the 100 km grid line
    EXPECT_EQ(form.plot.pixel(0, 0), (Rgb{255, 255, 0}));       // the frame
    EXPECT_EQ(form.plot.pixel(700, 300), (Rgb{0, 0, 0}));       // no echo, no curve
}

TEST_F(MufToolTest, CurveShape) {
    const struct {
        float muf;
        int lowest_row;
        int highest_row;
    } cases[] = {
        {29.4f, 11, 594}, // wholly on the plot from 99 km
        {70.0f, 11, 207}, // leaves the plot at the right: the rest is skipped
        {3.0f, 280, 594}, // starts only above 396 km
    };
    for (const auto& c : cases) {
        PlotCanvas plot{-220, 795, 670, -51, form_background};
        draw_muf_curve(plot, c.muf);
        std::map<int, int> row_pixels;
        int previous_x = -1000;
        for (int y = -50; y <= 670; ++y) {
            for (int x = -220; x < 795; ++x) {
                if (plot.pixel(x, y) == form_background)
                    continue;
                ASSERT_EQ(plot.pixel(x, y), muf_curve_colour);
                EXPECT_GT(x, 1) << c.muf;
                EXPECT_LT(x, 760) << c.muf;
                // Frequency rises with height: the curve never turns back to the left.
                EXPECT_GE(x, previous_x) << c.muf << " " << y;
                previous_x = x;
                ++row_pixels[y];
            }
        }
        ASSERT_FALSE(row_pixels.empty()) << c.muf;
        const int low = row_pixels.begin()->first;
        const int high = row_pixels.rbegin()->first;
        EXPECT_EQ(low, c.lowest_row) << c.muf;
        EXPECT_EQ(high, c.highest_row) << c.muf;
        // One unbroken line.
        EXPECT_EQ(static_cast<int>(row_pixels.size()), high - low + 1) << c.muf;
    }
}

} // namespace
} // namespace scalvo
