// SPDX-License-Identifier: GPL-3.0-or-later
// F11: the proposals accepted through the operator's own commands, and nothing else.
#include "controllers/scaling_controller.h"

#include "common/shared_state.h"
#include "records/sheet_check.h"
#include "scaling/marks.h"
#include "scaling/proposed_values.h"
#include "support/scaling_controller_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace scalvo {
namespace {

constexpr int f11 = 122;

int column(double mhz) {
    return static_cast<int>(std::lround(40 * mhz - 36));
}
int row_of(double km) {
    return static_cast<int>(std::lround((km - 85.5) / 1.125));
}

// A daytime reading: E layer, F2 with its twin, the MUF(3000)F2 echo; no sporadic E.
const std::map<Row, ProposedPoint> daytime{
    {Row::fmin, {column(1.8), row_of(105)}},      {Row::hE, {column(1.8), row_of(105)}},
    {Row::foE, {column(3.0), row_of(130)}},       {Row::hF, {column(3.2), row_of(200)}},
    {Row::foF2, {column(7.2), row_of(300)}},      {Row::fxI, {column(7.7), row_of(300)}},
    {Row::MUF3000F2, {column(6.0), row_of(320)}},
};

class AcceptProposalsTest : public testing::ScalingControllerTest {
  protected:
    AcceptProposalsTest() {
        shared.ionogram_loaded = true;
        form.ionogram.start_frequency = 1.0f;
        form.ionogram.frequency_step = 0.05f;
        propose(daytime);
        form.selected_characteristic = Row::foF2;
    }
    void propose(const std::map<Row, ProposedPoint>& points) {
        form.proposals = {};
        for (const auto& [row, point] : points)
            form.proposals[index_of(row)] = point;
    }
    std::map<Box, std::string> placeholders() const {
        std::map<Box, std::string> shown;
        for (const Row row : all_rows)
            if (const std::string text = logic.placeholder(value_box(row)); !text.empty())
                shown[value_box(row)] = text;
        return shown;
    }
};

// Each box gets what its placeholder showed; the pick's letter rule for fxI runs (fxI is foF2
// plus the separation); the sounding's fbEs is what a clean daytime sounding still lacks.
TEST_F(AcceptProposalsTest, EveryEmptyBoxGetsItsPlaceholder) {
    const auto shown = placeholders();
    ASSERT_EQ(shown.size(), 8u); // the seven proposals and M(3000)F2
    logic.key_down(f11, 0);
    for (const auto& [box, text] : shown)
        EXPECT_EQ(form.text(box), text) << box;
    EXPECT_EQ(form.text(descriptive_box(Row::fxI)), "X");
    EXPECT_EQ(form.text(value_box(Row::foF1)), "");
    EXPECT_EQ(form.selected_characteristic, Row::fbEs);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().text;
    EXPECT_TRUE(placeholders().empty());
}

// The operator's values stay; the rows after them are picked as after the operator's own
// value, with the pick's rules (fxI within 0.2 MHz of foF2 is taken as the ordinary trace's).
TEST_F(AcceptProposalsTest, AValueTheOperatorGaveIsNeverTouched) {
    const struct {
        const char* name;
        testing::BoxTexts before;
        testing::BoxTexts after;
    } cases[] = {
        {"foF2 and its letter",
         {{value_box(Row::foF2), "75"}, {descriptive_box(Row::foF2), "A"}},
         {{value_box(Row::foF2), "75"},
          {descriptive_box(Row::foF2), "A"},
          {value_box(Row::fxI), "80"},
          {qualifying_box(Row::fxI), "O"}}},
        {"MUF(3000)F2",
         {{value_box(Row::MUF3000F2), "260"}},
         {{value_box(Row::MUF3000F2), "260"}, {value_box(Row::M3000F2), "361"}}},
        {"fmin and h'F",
         {{value_box(Row::fmin), "15"}, {value_box(Row::hF), "230"}},
         {{value_box(Row::fmin), "15"}, {value_box(Row::hF), "230"}}},
    };
    for (const auto& c : cases) {
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        fill(c.before);
        logic.key_down(f11, 0);
        for (const auto& [box, text] : c.after)
            EXPECT_EQ(form.text(box), text) << c.name << ": " << box;
        EXPECT_EQ(form.text(value_box(Row::hE)), "105") << c.name;
    }
}

TEST_F(AcceptProposalsTest, NothingAtAllWhereThereIsNothingToAccept) {
    const struct {
        const char* name;
        bool loaded;
        ParticularCase code;
        bool shown;
        bool proposals;
        bool full;
    } cases[] = {
        {"no ionogram", false, ParticularCase::none, true, true, false},
        {"a particular case", true, ParticularCase::daytime_es_missing, true, true, false},
        {"a code no case names", true, ParticularCase::unknown, true, true, false},
        {"proposals not shown", true, ParticularCase::none, false, true, false},
        {"no proposal", true, ParticularCase::none, true, false, false},
        {"every proposed box filled", true, ParticularCase::none, true, true, true},
    };
    for (const auto& c : cases) {
        shared.ionogram_loaded = c.loaded;
        form.particular_case_code = c.code;
        logic.set_view({c.shown, true, {}});
        propose(c.proposals ? daytime : std::map<Row, ProposedPoint>{});
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        if (c.full)
            for (const auto& [row, point] : daytime)
                form.set_text(value_box(row), "1");
        select(Row::hF2);
        const auto before = sheet();
        logic.key_down(f11, 0);
        EXPECT_EQ(sheet(), before) << c.name;
        EXPECT_EQ(form.selected_characteristic, Row::hF2) << c.name;
        EXPECT_TRUE(dialogs.shown.empty()) << c.name;
    }
}

// A warning after a pick is the operator's to answer, as after a click: Yes keeps the value,
// No leaves the box empty; the rows after it are filled either way.
TEST_F(AcceptProposalsTest, WarningsAreAnsweredAsAfterAPick) {
    for (const int answer : {answer_yes, answer_no}) {
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        form.set_text(value_box(Row::hEs), "250");
        dialogs.clear();
        dialogs.answers = {answer};
        logic.key_down(f11, 0);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.last().text,
                  two_lines("h'Es cannot be greater than h'F", "Do you want to continue?"));
        EXPECT_EQ(form.text(value_box(Row::hF)), answer == answer_yes ? "200" : "") << answer;
        EXPECT_EQ(form.text(value_box(Row::foF2)), "72") << answer;
        EXPECT_FALSE(form.empty(value_box(Row::MUF3000F2))) << answer;
    }
}

// Afterwards: the first row a clean sounding of this time of day reports and still lacks;
// foF2 when there is none. By day (an E layer read now or in the sounding before) that
// includes h'E and foE.
TEST_F(AcceptProposalsTest, TheSelectionGoesWhereTheOperatorIsNeeded) {
    auto without = [](std::initializer_list<Row> rows) {
        auto points = daytime;
        for (const Row row : rows)
            points.erase(row);
        return points;
    };
    auto with_fbEs = [](std::map<Row, ProposedPoint> points) {
        points[Row::foEs] = {column(2.5), row_of(110)};
        points[Row::fbEs] = {column(2.5), row_of(110)};
        return points;
    };
    const struct {
        const char* name;
        std::map<Row, ProposedPoint> points;
        const char* previous_foE;
        Row expected;
    } cases[] = {
        {"day without sporadic E", daytime, "", Row::fbEs},
        {"day, all read", with_fbEs(daytime), "", Row::foF2},
        {"day without h'E", with_fbEs(without({Row::hE})), "", Row::hE},
        {"no fmin", with_fbEs(without({Row::fmin})), "", Row::fmin},
        {"night", with_fbEs(without({Row::hE, Row::foE})), "", Row::foF2},
        {"E hidden, there before", with_fbEs(without({Row::hE, Row::foE})), "300CA", Row::hE},
        {"no MUF", with_fbEs(without({Row::MUF3000F2})), "", Row::MUF3000F2},
    };
    for (const auto& c : cases) {
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        form.set_text(previous_box(Row::foE), c.previous_foE);
        propose(c.points);
        logic.key_down(f11, 0);
        EXPECT_EQ(form.selected_characteristic, c.expected) << c.name;
        EXPECT_EQ(form.focus, descriptive_box(c.expected)) << c.name;
    }
}

// A MUF the tool could not show is no proposal: below foF2 (the tool would stop at its own
// limit, not at the reading), foF2 off the plot (echoes beyond 20 MHz), or beyond 70 MHz.
TEST_F(AcceptProposalsTest, AMufTheToolCannotShowIsLeftEmpty) {
    const struct {
        const char* name;
        ProposedPoint foF2;
        ProposedPoint muf;
        const char* foF2_after;
    } cases[] = {
        {"below foF2", {column(7.2), row_of(300)}, {column(1.2), row_of(700)}, "72"},
        {"foF2 off the plot", {column(27), row_of(300)}, {column(19), row_of(300)}, ""},
        {"beyond 70 MHz", {column(19.5), row_of(300)}, {column(19), row_of(100)}, "195"},
    };
    for (const auto& c : cases) {
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        auto points = daytime;
        points[Row::foF2] = c.foF2;
        points.erase(Row::fxI);
        points[Row::MUF3000F2] = c.muf;
        propose(points);
        EXPECT_EQ(logic.placeholder(value_box(Row::MUF3000F2)), "") << c.name;
        logic.key_down(f11, 0);
        EXPECT_EQ(form.text(value_box(Row::foF2)), c.foF2_after) << c.name;
        EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "") << c.name;
        EXPECT_EQ(form.text(value_box(Row::M3000F2)), "") << c.name;
        EXPECT_TRUE(dialogs.shown.empty()) << c.name << ": " << dialogs.last().text;
    }
}

// A row with anything of the operator's in it gets no placeholder and no value; no box that
// held something changes, even where a pick's letter rule would rewrite it; the rules still
// run for the rows F11 fills.
TEST_F(AcceptProposalsTest, WhatTheOperatorPutOnTheSheetStays) {
    auto with = [](std::map<Row, ProposedPoint> added) {
        auto points = daytime;
        for (const auto& [row, point] : added)
            points[row] = point;
        return points;
    };
    const struct {
        const char* name;
        std::map<Row, ProposedPoint> points;
        bool f1_absent; // key 220 first
        testing::BoxTexts before;
        std::vector<Row> left_empty;
        testing::BoxTexts after;
    } cases[] = {
        {"F1 layer absent",
         with({{Row::foF1, {column(4.5), row_of(190)}}, {Row::hF2, {column(5.0), row_of(260)}}}),
         true,
         {},
         {Row::foF1, Row::hF2},
         {{descriptive_box(Row::foF1), "L"}, {descriptive_box(Row::hF2), "L"}}},
        {"a letter typed alone",
         daytime,
         false,
         {{descriptive_box(Row::fxI), "A"}},
         {Row::fxI},
         {}},
        {"fbEs's letters after a proposed foEs",
         with({{Row::foEs, {column(4.5), row_of(110)}}}),
         false,
         {{value_box(Row::fbEs), "45"},
          {qualifying_box(Row::fbEs), "E"},
          {descriptive_box(Row::fbEs), "S"}},
         {},
         {{value_box(Row::foEs), "45"}}},
        {"fxI's letter after foF2 on the extraordinary trace",
         with({{Row::foF2, {column(7.7), row_of(300)}}}),
         false,
         {{value_box(Row::fxI), "77"}, {descriptive_box(Row::fxI), "A"}},
         {},
         {{value_box(Row::foF2), "72"}, {qualifying_box(Row::foF2), "J"}}},
        {"fmin's lower limit on F11's own fmin",
         with({{Row::fmin, {column(1.0), row_of(105)}}}),
         false,
         {},
         {},
         {{value_box(Row::fmin), "10"},
          {qualifying_box(Row::fmin), "E"},
          {descriptive_box(Row::fmin), "E"}}},
    };
    for (const auto& c : cases) {
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        propose(c.points);
        fill(c.before);
        if (c.f1_absent)
            logic.key_down(220, 0);
        const auto before = sheet();
        const auto shown = placeholders();
        for (const Row row : c.left_empty)
            EXPECT_FALSE(shown.contains(value_box(row))) << c.name << ": " << row;
        logic.key_down(f11, 0);
        for (const auto& [box, text] : before)
            EXPECT_EQ(form.text(box), text) << c.name << ": " << box;
        for (const Row row : c.left_empty)
            EXPECT_EQ(form.text(value_box(row)), "") << c.name << ": " << row;
        for (const auto& [box, text] : c.after)
            EXPECT_EQ(form.text(box), text) << c.name << ": " << box;
        EXPECT_FALSE(form.empty(value_box(Row::hF))) << c.name;
        EXPECT_TRUE(dialogs.shown.empty()) << c.name << ": " << dialogs.last().text;
    }
}

// Where F11 would do nothing, nothing shows as proposed: no grey code, no cross, no case.
TEST_F(AcceptProposalsTest, NothingShowsWhereF11WouldDoNothing) {
    const struct {
        const char* name;
        bool loaded;
        ParticularCase code;
        bool shown;
    } cases[] = {
        {"no case", true, ParticularCase::none, true},
        {"a particular case", true, ParticularCase::partial_absorption, false},
        {"a code no case names", true, ParticularCase::unknown, false},
        {"no ionogram", false, ParticularCase::none, false},
    };
    for (const auto& c : cases) {
        shared.ionogram_loaded = c.loaded;
        form.particular_case_code = c.code;
        form.no_sporadic_e = true;
        EXPECT_EQ(placeholders().empty(), !c.shown) << c.name;
        const auto marks = logic.marks();
        const bool crosses = std::any_of(marks.begin(), marks.end(), [](const PlotMark& mark) {
            return mark.kind == MarkKind::proposal;
        });
        EXPECT_EQ(crosses, c.shown) << c.name;
        EXPECT_EQ(logic.proposed_case_caption().empty(), !c.shown) << c.name;
    }
}

// With no sporadic E read, F11 applies "Es missing" last, as its menu command does: daytime
// where foE is on the sheet, nighttime otherwise; the sheet then passes the check. Nothing
// where an Es row or the Es types hold anything, or where the command would not apply.
TEST_F(AcceptProposalsTest, NoSporadicEGivesTheEsMissingCase) {
    auto night = daytime;
    night.erase(Row::hE);
    night.erase(Row::foE);
    const std::string day_caption = "Particular Case: Daytime Es missing";
    const std::string night_caption = "Particular Case: Nighttime Es missing";
    const struct {
        const char* name;
        std::map<Row, ProposedPoint> points;
        bool no_sporadic_e;
        testing::BoxTexts before;
        std::deque<int> answers;
        std::string caption;
        ParticularCase code;
        testing::BoxTexts after;
    } cases[] = {
        {"by day",
         daytime,
         true,
         {},
         {},
         day_caption,
         ParticularCase::daytime_es_missing,
         {{value_box(Row::foEs), "30"},
          {descriptive_box(Row::foEs), "G"},
          {value_box(Row::fbEs), "30"},
          {qualifying_box(Row::fbEs), "E"},
          {descriptive_box(Row::hEs), "G"}}},
        {"by night",
         night,
         true,
         {},
         {},
         night_caption,
         ParticularCase::nighttime_es_missing,
         {{value_box(Row::foEs), "18"},
          {descriptive_box(Row::fbEs), "S"},
          {qualifying_box(Row::fmin), "E"},
          {descriptive_box(Row::fmin), "S"}}},
        {"by night, fmin at the first frequency",
         night,
         true,
         {{value_box(Row::fmin), "10"}, {descriptive_box(Row::fmin), "E"}},
         {},
         night_caption,
         ParticularCase::nighttime_es_missing,
         {{value_box(Row::foEs), "10"}, {descriptive_box(Row::foEs), "E"}}},
        {"a sporadic E may be there", daytime, false, {}, {}, "", ParticularCase::none, {}},
        {"Es types typed",
         daytime,
         true,
         {{value_box(Row::es_types), "C1"}},
         {},
         "",
         ParticularCase::none,
         {}},
        {"a letter of fbEs",
         daytime,
         true,
         {{descriptive_box(Row::fbEs), "A"}},
         {},
         "",
         ParticularCase::none,
         {}},
        {"h'Es given",
         daytime,
         true,
         {{value_box(Row::hEs), "105"}},
         {},
         "",
         ParticularCase::none,
         {}},
        {"by night, fmin's letter fits no case",
         night,
         true,
         {{value_box(Row::fmin), "18"}, {descriptive_box(Row::fmin), "A"}},
         {},
         "",
         ParticularCase::none,
         {}},
        // foE refused by the fmin warning: the right button would choose the nighttime case now,
        // which h'E forbids; F11 leaves it without a word.
        {"foE answered No",
         daytime,
         true,
         {{value_box(Row::fmin), "35"}},
         {answer_no},
         day_caption,
         ParticularCase::none,
         {{value_box(Row::foE), ""}, {value_box(Row::foEs), ""}}},
    };
    for (const auto& c : cases) {
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        form.particular_case_code = ParticularCase::none;
        form.label11.clear();
        dialogs.clear();
        dialogs.answers = c.answers;
        propose(c.points);
        form.no_sporadic_e = c.no_sporadic_e;
        fill(c.before);
        EXPECT_EQ(logic.proposed_case_caption(), c.caption) << c.name;
        logic.key_down(f11, 0);
        EXPECT_EQ(form.particular_case_code, c.code) << c.name;
        for (const auto& [box, text] : c.after)
            EXPECT_EQ(form.text(box), text) << c.name << ": " << box;
        EXPECT_EQ(dialogs.shown.size(), c.answers.size()) << c.name << ": " << dialogs.last().text;
        if (c.code == ParticularCase::none)
            continue;
        EXPECT_EQ(form.label11, c.caption) << c.name;
        EXPECT_FALSE(check_sheet(scaling, form.particular_case_code)) << dialogs.last().text;
        EXPECT_EQ(logic.proposed_case_caption(), "") << c.name;
    }
}

// h'F read over a blanketing sporadic E well above the previous sounding's: F11 leaves it to
// the operator, and the selection goes there.
TEST_F(AcceptProposalsTest, AHiddenStartOfTheFTraceIsTheOperators) {
    auto points = daytime;
    points[Row::foEs] = {column(5.5), row_of(106)};
    points[Row::fbEs] = {column(4.7), row_of(106)};
    points[Row::hF] = {column(5.0), row_of(241), true};
    propose(points);
    form.set_text(previous_box(Row::hF), "200");
    logic.key_down(f11, 0);
    EXPECT_EQ(form.text(value_box(Row::hF)), "");
    EXPECT_EQ(form.text(value_box(Row::foF2)), "72");
    EXPECT_EQ(form.selected_characteristic, Row::hF);
}

} // namespace
} // namespace scalvo
