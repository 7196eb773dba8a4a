// SPDX-License-Identifier: GPL-3.0-or-later
// What accepting a proposal would store is what the operator's own command stores at the
// proposed point: the placeholders can never show a code the sheet would not get.
#include "scaling/proposed_values.h"

#include "ionogram/plot_canvas.h"
#include "scaling/muf_tool.h"
#include "scaling/picking.h"
#include "support/scaling_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace scalvo {
namespace {

class ProposedValuesTest : public testing::ScalingTest {
  protected:
    ProposedValuesTest() {
        shared.ionogram_loaded = true;
        form.ionogram.start_frequency = 1.0f;
    }
    void propose(Row row, int x, int y) { form.proposals[index_of(row)] = ProposedPoint{x, y}; }
    // What the operator's click at (x, y) writes into the row's empty box, warnings answered
    // Yes; the other boxes empty, so that no letter rule moves the value.
    std::string picked(Row row, int x, int y) {
        form.set_text(value_box(row), "");
        form.selected_characteristic = row;
        dialogs.answers = {answer_yes, answer_yes};
        pick_on_plot(scaling, static_cast<float>(x), static_cast<float>(y));
        std::string text = form.text(value_box(row));
        form.set_text(value_box(row), "");
        form.set_text(qualifying_box(row), "");
        form.set_text(descriptive_box(row), "");
        return text;
    }
    static int column(double mhz) { return static_cast<int>(std::lround(40 * mhz - 36)); }
    static int row_of(double km) { return static_cast<int>(std::lround((km - 85.5) / 1.125)); }
};

// Every column for the frequencies and every row for the heights, on first frequencies on and
// off the 0.1 MHz grid (fmin's lower limit), and foE and foF1 up to the 10 MHz refusal.
TEST_F(ProposedValuesTest, EveryProposedPointGivesWhatItsPickWrites) {
    const struct {
        Row row;
        bool height;
    } rows[] = {{Row::fmin, false}, {Row::foEs, false}, {Row::fbEs, false}, {Row::foF2, false},
                {Row::fxI, false},  {Row::foE, false},  {Row::foF1, false}, {Row::hE, true},
                {Row::hEs, true},   {Row::hF, true},    {Row::hF2, true}};
    for (const float start : {1.0f, 1.5f, 1.05f}) {
        form.ionogram.start_frequency = start;
        for (const auto& r : rows) {
            for (int k = 1; k <= (r.height ? 600 : 764); ++k) {
                const int x = r.height ? 300 : k;
                const int y = r.height ? k : 300;
                propose(r.row, x, y);
                const std::string expected = picked(r.row, x, y);
                EXPECT_EQ(proposed_code(form, r.row).value_or(""), expected)
                    << r.row << " at " << x << "," << y << " from " << start;
                EXPECT_EQ(placeholder(form, value_box(r.row)), expected) << r.row;
            }
            form.proposals = {};
        }
    }
}

// The MUF(3000) code is the one whose transmission curve passes through the proposed echo:
// the tool's curve at that MUF crosses the echo's row within a column of it.
TEST_F(ProposedValuesTest, TheProposedMufCurvePassesThroughItsEcho) {
    const struct {
        double mhz;
        double km;
    } echoes[] = {{4.0, 250}, {6.5, 300}, {8.2, 330}, {10.0, 280}, {12.4, 400}, {3.1, 220}};
    for (const auto& echo : echoes) {
        const int x = column(echo.mhz);
        const int y = row_of(echo.km);
        propose(Row::foF2, x, y);
        propose(Row::MUF3000F2, x, y);
        const auto code = proposed_code(form, Row::MUF3000F2);
        ASSERT_TRUE(code) << echo.mhz;
        PlotCanvas plot(-220, 795, 670, -51, form_background);
        draw_muf_curve(plot, std::stof(*code) / 10);
        int nearest = 1000;
        for (int column = 1; column <= 764; ++column)
            if (plot.pixel(column, y) == muf_curve_colour)
                nearest = std::min(nearest, std::abs(column - x));
        EXPECT_LE(nearest, 2) << echo.mhz << " MHz " << echo.km << " km: " << *code;
    }
}

// M(3000)F2 is shown where accepting writes MUF(3000)F2 or foF2, from the codes both will
// hold; where the operator has both, accepting computes nothing.
TEST_F(ProposedValuesTest, MFactorFollowsTheCodesAsTheyWillStand) {
    const int muf_x = column(6.0);
    const int muf_y = row_of(320);
    // The MUF's code, read with a foF2 to go with it.
    propose(Row::foF2, column(7.2), row_of(300));
    propose(Row::MUF3000F2, muf_x, muf_y);
    const int proposed_muf = std::stoi(proposed_code(form, Row::MUF3000F2).value_or("0"));
    ASSERT_GT(proposed_muf, 0);
    const auto muf_proposed = [&] {
        propose(Row::MUF3000F2, muf_x, muf_y);
        return proposed_muf;
    };
    const struct {
        const char* name;
        bool propose_muf;
        const char* muf_box;
        bool propose_foF2; // at 7.2 MHz
        const char* foF2_box;
        const char* m3000_box;
        bool shown;
        int foF2_code; // what the quotient divides by
    } cases[] = {
        {"both proposed", true, "", true, "", "", true, 72},
        {"operator's MUF", false, "253", true, "", "", true, 72},
        {"operator's foF2", true, "", false, "80", "", true, 80},
        {"operator's foF2 over a proposal", true, "", true, "80", "", true, 80},
        {"both the operator's", false, "253", false, "72", "", false, 0},
        {"both the operator's, proposals aside", true, "253", true, "72", "", false, 0},
        {"no foF2 at all", true, "", false, "", "", false, 0},
        {"no MUF at all", false, "", true, "", "", false, 0},
        {"M(3000) already there", true, "", true, "", "350", false, 0},
    };
    for (const auto& c : cases) {
        form.proposals = {};
        int muf = 253;
        if (c.propose_muf)
            muf = c.muf_box[0] ? 253 : muf_proposed();
        if (c.propose_foF2)
            propose(Row::foF2, column(7.2), row_of(300));
        form.set_text(value_box(Row::MUF3000F2), c.muf_box);
        form.set_text(value_box(Row::foF2), c.foF2_box);
        form.set_text(value_box(Row::M3000F2), c.m3000_box);
        const std::string shown = placeholder(form, value_box(Row::M3000F2));
        if (!c.shown) {
            EXPECT_EQ(shown, "") << c.name;
            continue;
        }
        const long long expected = std::llrint(muf * 100.0 / c.foF2_code);
        EXPECT_EQ(shown, std::to_string(expected)) << c.name;
    }
}

// The MUF(3000)F2 the reading gives is proposed only where the tool can show it: its echo on
// the plot, a foF2 on the plot to go with it (proposed, or the operator's), and the MUF within
// 3.0 to 70.0 MHz, above foF2 and below ten times it.
TEST_F(ProposedValuesTest, AMufIsProposedOnlyWhereTheToolCanShowIt) {
    const ProposedPoint f2{column(7.2), row_of(300)};
    const ProposedPoint echo{column(6.0), row_of(320)};
    const struct {
        const char* name;
        std::optional<ProposedPoint> foF2;
        testing::BoxTexts boxes;
        ProposedPoint muf;
        bool proposed;
    } cases[] = {
        {"foF2 proposed", f2, {}, echo, true},
        {"the operator's foF2", std::nullopt, {{value_box(Row::foF2), "72"}}, echo, true},
        {"no foF2", std::nullopt, {}, echo, false},
        {"foF2 off the plot", ProposedPoint{column(27), row_of(300)}, {}, echo, false},
        {"foF2 a letter alone", f2, {{descriptive_box(Row::foF2), "S"}}, echo, false},
        {"the echo right of the plot", f2, {}, {800, row_of(320)}, false},
        {"the echo above the plot", f2, {}, {column(6.0), 601}, false},
        {"beyond 70 MHz",
         ProposedPoint{column(19.5), row_of(300)},
         {},
         {column(19), row_of(100)},
         false},
        {"below foF2", f2, {}, {column(3.0), row_of(700)}, false},
        {"ten times foF2", std::nullopt, {{value_box(Row::foF2), "10"}}, echo, false},
    };
    for (const auto& c : cases) {
        form.proposals = {};
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        if (c.foF2)
            form.proposals[index_of(Row::foF2)] = *c.foF2;
        fill(c.boxes);
        propose(Row::MUF3000F2, c.muf.x, c.muf.y);
        EXPECT_EQ(proposed_code(form, Row::MUF3000F2).has_value(), c.proposed) << c.name;
        EXPECT_EQ(placeholder(form, value_box(Row::MUF3000F2)).empty(), !c.proposed) << c.name;
    }
}

TEST_F(ProposedValuesTest, OnlyEmptyValueBoxesShowAPlaceholder) {
    propose(Row::foF2, column(7.2), row_of(300));
    EXPECT_EQ(placeholder(form, value_box(Row::foF2)), "72");
    for (const Box box : {qualifying_box(Row::foF2), descriptive_box(Row::foF2),
                          previous_box(Row::foF2), value_box(Row::fxI), value_box(Row::es_types)})
        EXPECT_EQ(placeholder(form, box), "") << box;
    form.set_text(value_box(Row::foF2), "75");
    EXPECT_EQ(placeholder(form, value_box(Row::foF2)), "");
    // A letter alone makes the row the operator's too.
    for (const Box letter : {qualifying_box(Row::foF2), descriptive_box(Row::foF2)}) {
        form.set_text(value_box(Row::foF2), "");
        form.set_text(letter, "L");
        EXPECT_EQ(placeholder(form, value_box(Row::foF2)), "") << letter;
        form.set_text(letter, "");
    }
    // Outside the plot nothing is picked.
    propose(Row::hF, 300, 601);
    EXPECT_EQ(placeholder(form, value_box(Row::hF)), "");
}

// An interpolated value shows its letters beside it, in grey, while the row is F11's to fill.
TEST_F(ProposedValuesTest, AnInterpolatedValueShowsItsLetters) {
    form.proposals[index_of(Row::hF)] = ProposedPoint{column(5.0), row_of(200), false, 'I', 'A'};
    EXPECT_EQ(placeholder(form, value_box(Row::hF)), "200");
    EXPECT_EQ(placeholder(form, qualifying_box(Row::hF)), "I");
    EXPECT_EQ(placeholder(form, descriptive_box(Row::hF)), "A");
    form.set_text(value_box(Row::hF), "210");
    EXPECT_EQ(placeholder(form, qualifying_box(Row::hF)), "");
    EXPECT_EQ(placeholder(form, descriptive_box(Row::hF)), "");
    // Nothing where the value itself is not proposed.
    form.set_text(value_box(Row::hF), "");
    form.proposals[index_of(Row::hF)] = ProposedPoint{300, 601, false, 'I', 'A'};
    EXPECT_EQ(placeholder(form, qualifying_box(Row::hF)), "");
}

// Over a blanketing sporadic E the lowest F echo read is only an upper bound of h'F: more than
// 5 km above the previous sounding's h'F it is taken for the hidden start's top and not
// proposed (no grey code, no cross, nothing for F11); without a previous value to go by it is
// not proposed either. Read plainly it is proposed as it is.
TEST_F(ProposedValuesTest, AHeightAboveABlanketingEsIsNoProposalWhereTheStartIsHidden) {
    const struct {
        double read_km;
        bool upper_bound;
        const char* previous; // the hidden box: value and letters
        bool proposed;
    } cases[] = {
        {241, true, "200", false}, {241, true, "200IA", false}, {205, true, "200", true},
        {206, true, "200", false}, {241, false, "200", true},   {241, true, "", false},
        {241, true, "A", false},   {190, true, "200", true},
    };
    for (const auto& c : cases) {
        form.proposals[index_of(Row::hF)] =
            ProposedPoint{column(5.0), row_of(c.read_km), c.upper_bound};
        form.set_text(previous_box(Row::hF), c.previous);
        const auto code = proposed_code(form, Row::hF);
        EXPECT_EQ(code.has_value(), c.proposed) << c.read_km << " " << c.previous;
        if (code) {
            EXPECT_EQ(*code, std::to_string(static_cast<int>(std::lround(c.read_km))));
        }
    }
}

} // namespace
} // namespace scalvo
