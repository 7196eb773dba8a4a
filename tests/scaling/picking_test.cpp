// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/picking.h"

#include "common/shared_state.h"
#include "support/scaling_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>

namespace scalvo {
namespace {

using testing::FakeDialogs;

class PickingTest : public testing::ScalingTest {
  protected:
    PickingTest() {
        shared.ionogram_loaded = true;
        form.ionogram.start_frequency = 1.0f;
    }
    void click(std::optional<Row> key, float x, float y = 300) {
        form.selected_characteristic = key;
        pick_on_plot(scaling, x, y);
    }
    // The column of a frequency in MHz and the row of a height in km.
    static float column(double mhz) { return static_cast<float>(std::lrint(40 * mhz - 36)); }
};

// Every column gives the nearest code, halves going up: tenths judged on the hundredths digit,
// hundredths exactly. The click frequency in thousandths is 25 X + 900.
TEST_F(PickingTest, EveryColumnCodesToTheNearestValue) {
    for (int x = 1; x <= 764; ++x) {
        const int thousandths = x <= 3 ? 1000 : 25 * x + 900;
        click(Row::foF2, static_cast<float>(x));
        EXPECT_EQ(form.text(value_box(Row::foF2)), std::to_string((thousandths / 10 + 5) / 10))
            << x;
        if (x < 364) {
            click(Row::foE, static_cast<float>(x));
            EXPECT_EQ(form.text(value_box(Row::foE)), std::to_string((thousandths + 5) / 10)) << x;
        }
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

// Every row gives the nearest kilometre, halves going up, except the grid rows, which read as
// their round heights. h'F2 is plausible from row 102 to 458; the others are accepted.
TEST_F(PickingTest, EveryRowCodesToTheNearestKilometre) {
    const std::map<int, std::string> grid{{12, "100"},  {102, "200"}, {190, "300"}, {280, "400"},
                                          {368, "500"}, {458, "600"}, {546, "700"}};
    for (int y = 1; y <= 600; ++y) {
        dialogs.answers = {answer_yes};
        click(Row::hF2, 100, static_cast<float>(y));
        const auto found = grid.find(y);
        const std::string expected =
            found != grid.end() ? found->second : std::to_string((1125 * y + 85500 + 500) / 1000);
        EXPECT_EQ(form.text(value_box(Row::hF2)), expected) << y;
        EXPECT_EQ(dialogs.answers.empty(), y < 102 || y > 458) << y;
    }
}

TEST_F(PickingTest, PickedTextKeepsTheClickAndItsDecimalPoint) {
    click(Row::foE, 137);
    EXPECT_EQ(form.picked_text, " 4.325");
    EXPECT_EQ(form.decimal_point_position, 3);
    EXPECT_EQ(form.text(value_box(Row::foE)), "433");
    click(Row::hF, 100, 190);
    EXPECT_EQ(form.picked_text, "300");
    EXPECT_EQ(form.decimal_point_position, 0);
    click(Row::hF, 100, 103);
    EXPECT_EQ(form.picked_text, " 201.375");
    EXPECT_EQ(form.decimal_point_position, 5);
    EXPECT_EQ(form.text(value_box(Row::hF)), "201");
}

TEST_F(PickingTest, LeftEdgeCountsAsOneMegahertzButThePointKeepsTheClick) {
    click(Row::foF2, 2, 190);
    EXPECT_EQ(form.text(value_box(Row::foF2)), "10");
    EXPECT_EQ(form.picked_text, "1");
    EXPECT_FLOAT_EQ(form.foF2_point.frequency, 0.95f);
    EXPECT_FLOAT_EQ(form.foF2_point.height, 299.25f);
    click(Row::foE, 2);
    EXPECT_EQ(form.text(value_box(Row::foE)), "100");
    click(Row::foF1, 3, 12);
    EXPECT_EQ(form.text(value_box(Row::foF1)), "100");
    EXPECT_FLOAT_EQ(form.foF1_point.frequency, 0.975f);
    EXPECT_FLOAT_EQ(form.foF1_point.height, 99.0f);
}

TEST_F(PickingTest, FoEBelowTenMegahertzOnly) {
    click(Row::foE, 363);
    EXPECT_EQ(form.text(value_box(Row::foE)), "998");
    click(Row::foE, 364);
    EXPECT_EQ(form.text(value_box(Row::foE)), "998");
    ASSERT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(PickingTest, HeightGridRowWinsOverRounding) {
    click(Row::hF, 100, 280);
    EXPECT_EQ(form.text(value_box(Row::hF)), "400");
    dialogs.answers = {answer_yes};
    click(Row::hF, 100, 281);
    EXPECT_EQ(form.text(value_box(Row::hF)), "402");
    EXPECT_EQ(form.last_answer, answer_yes);
}

TEST_F(PickingTest, IgnoredClicksChangeNothing) {
    const struct {
        std::optional<Row> key;
        float x, y;
        bool loaded;
    } cases[] = {
        {Row::foF2, 0, 300, true},
        {Row::foF2, 765, 300, true},
        {Row::foF2, 100, 0, true},
        {Row::foF2, 100, 601, true},
        {Row::foF2, std::numeric_limits<float>::quiet_NaN(), 300, true},
        {Row::foF2, 100, 300, false},
        {std::nullopt, 100, 300, true},
        {Row::es_types, 100, 300, true},
        {Row::MUF3000F1, 100, 300, true},
        {Row::MUF3000F2, 100, 300, true},
        {Row::M3000F2, 100, 300, true},
    };
    for (const auto& c : cases) {
        shared.ionogram_loaded = c.loaded;
        click(c.key, c.x, c.y);
        for (const Box box : sheet_boxes)
            EXPECT_EQ(form.text(box), "") << c.key << " " << c.x << " " << box;
        EXPECT_EQ(form.picked_text, "");
        EXPECT_EQ(form.foF2_point.frequency, 0.0f);
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PickingTest, FractionalPositionIsTakenAtItsNearestUnit) {
    click(Row::foF2, 283.6f, 189.7f);
    EXPECT_EQ(form.text(value_box(Row::foF2)), "80");
    EXPECT_FLOAT_EQ(form.foF2_point.height, 299.25f);
}

TEST_F(PickingTest, FxINearFoF2IsTheOrdinaryTraceMovedOneSeparation) {
    form.set_text(value_box(Row::foF2), "72");
    click(Row::fxI, column(7.3));
    EXPECT_EQ(form.text(value_box(Row::fxI)), "77");
    EXPECT_EQ(form.text(qualifying_box(Row::fxI)), "O");
    EXPECT_EQ(form.text(descriptive_box(Row::fxI)), "");

    form.set_text(qualifying_box(Row::fxI), "");
    click(Row::fxI, column(7.7));
    EXPECT_EQ(form.text(value_box(Row::fxI)), "77");
    EXPECT_EQ(form.text(qualifying_box(Row::fxI)), "");
    EXPECT_EQ(form.text(descriptive_box(Row::fxI)), "X");

    // Without foF2 no letter rule applies.
    form.set_text(descriptive_box(Row::fxI), "");
    form.set_text(value_box(Row::foF2), "");
    click(Row::fxI, column(7.3));
    EXPECT_EQ(form.text(value_box(Row::fxI)), "73");
    EXPECT_EQ(form.text(qualifying_box(Row::fxI)), "");
    EXPECT_EQ(form.text(descriptive_box(Row::fxI)), "");
}

TEST_F(PickingTest, FoF2NearFxIIsTheExtraordinaryTrace) {
    form.set_text(value_box(Row::fxI), "80");
    click(Row::foF2, column(7.9));
    EXPECT_EQ(form.text(value_box(Row::foF2)), "75");
    EXPECT_EQ(form.text(qualifying_box(Row::foF2)), "J");
    EXPECT_EQ(form.text(descriptive_box(Row::fxI)), "X");

    // Exactly one separation below fxI: the pair is marked, foF2 kept as clicked.
    form.set_text(descriptive_box(Row::fxI), "");
    form.set_text(qualifying_box(Row::foF2), "");
    click(Row::foF2, column(7.5));
    EXPECT_EQ(form.text(value_box(Row::foF2)), "75");
    EXPECT_EQ(form.text(qualifying_box(Row::foF2)), "");
    EXPECT_EQ(form.text(descriptive_box(Row::fxI)), "X");

    form.set_text(descriptive_box(Row::fxI), "");
    click(Row::foF2, column(7.0));
    EXPECT_EQ(form.text(value_box(Row::foF2)), "70");
    EXPECT_EQ(form.text(descriptive_box(Row::fxI)), "");
}

TEST_F(PickingTest, FminAtTheStartFrequencyIsTheSoundersLimit) {
    click(Row::fmin, column(1.0));
    EXPECT_EQ(form.text(value_box(Row::fmin)), "10");
    EXPECT_EQ(form.text(qualifying_box(Row::fmin)), "E");
    EXPECT_EQ(form.text(descriptive_box(Row::fmin)), "E");

    form.set_text(qualifying_box(Row::fmin), "");
    form.set_text(descriptive_box(Row::fmin), "");
    click(Row::fmin, column(1.1));
    EXPECT_EQ(form.text(value_box(Row::fmin)), "11");
    EXPECT_EQ(form.text(qualifying_box(Row::fmin)), "");
    EXPECT_EQ(form.text(descriptive_box(Row::fmin)), "");

    form.ionogram.start_frequency = 1.5f;
    click(Row::fmin, column(1.2));
    EXPECT_EQ(form.text(value_box(Row::fmin)), "15");
    EXPECT_EQ(form.text(qualifying_box(Row::fmin)), "E");
}

// A start frequency off the 0.1 MHz grid must not put a decimal point into the box.
TEST_F(PickingTest, FminLimitOffTheGridIsTheNextTenth) {
    form.ionogram.start_frequency = 1.05f;
    click(Row::fmin, column(1.0));
    EXPECT_EQ(form.text(value_box(Row::fmin)), "11");
    EXPECT_EQ(form.text(descriptive_box(Row::fmin)), "E");
}

TEST_F(PickingTest, FbEsLettersAgainstFoEs) {
    const struct {
        Row picked;
        double mhz;
        const char* foEs;
        const char* fbEs;
        const char* letters;
    } cases[] = {
        {Row::fbEs, 4.5, "45", "45", "AA"}, {Row::fbEs, 4.7, "45", "47", "UY"},
        {Row::fbEs, 4.3, "45", "43", ""},   {Row::foEs, 4.5, "45", "45", "AA"},
        {Row::foEs, 4.3, "43", "45", "UY"}, {Row::fbEs, 4.5, "", "45", ""},
    };
    for (const auto& c : cases) {
        form.set_text(qualifying_box(Row::fbEs), "");
        form.set_text(descriptive_box(Row::fbEs), "");
        form.set_text(value_box(Row::foEs), c.picked == Row::fbEs ? c.foEs : "");
        form.set_text(value_box(Row::fbEs), c.picked == Row::foEs ? c.fbEs : "");
        click(c.picked, column(c.mhz));
        EXPECT_EQ(form.text(value_box(Row::foEs)), c.foEs) << c.picked << c.mhz;
        EXPECT_EQ(form.text(value_box(Row::fbEs)), c.fbEs) << c.picked << c.mhz;
        EXPECT_EQ(form.text(qualifying_box(Row::fbEs)) + form.text(descriptive_box(Row::fbEs)),
                  c.letters)
            << c.picked << c.mhz;
    }
}

TEST_F(PickingTest, CriticalFrequencyPickRecomputesM3000) {
    form.set_text(value_box(Row::MUF3000F1), "150");
    click(Row::foF1, 137, 150);
    EXPECT_EQ(form.text(value_box(Row::foF1)), "433");
    EXPECT_EQ(form.text(value_box(Row::M3000F1)), "346"); // 150000 / 433 = 346.4
    EXPECT_FLOAT_EQ(form.foF1_point.frequency, 4.325f);
    EXPECT_FLOAT_EQ(form.foF1_point.height, 254.25f);

    form.set_text(value_box(Row::MUF3000F2), "253");
    click(Row::foF2, column(7.2));
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "351"); // 25300 / 72 = 351.4

    // Halves go to the even neighbour: 29400 / 80 = 367.5.
    form.set_text(value_box(Row::MUF3000F2), "294");
    click(Row::foF2, column(8.0));
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "368");

    // Without a MUF(3000) there is nothing to compute.
    form.set_text(value_box(Row::MUF3000F2), "");
    form.set_text(value_box(Row::M3000F2), "");
    click(Row::foF2, column(8.0));
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "");
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace scalvo
