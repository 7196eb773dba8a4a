// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/scaling_controller.h"

#include "records/particular_cases.h"

#include "support/scaling_controller_fixture.h"

#include <string>
#include <vector>

namespace scalvo {
namespace {

using testing::ScalingControllerTest;

// Through the facade, as the window delivers the keys.
TEST_F(ScalingControllerTest, TypingALetterInFminsEmptyQualifyingBoxStoresItAndMovesOn) {
    select(Row::fmin);
    form.focus = qualifying_box(Row::fmin);
    EXPECT_EQ(logic.box_key_press(qualifying_box(Row::fmin), 'a', Caret{}), 1);
    EXPECT_EQ(form.text(qualifying_box(Row::fmin)), "A");
    EXPECT_EQ(form.focus, descriptive_box(Row::fmin));
    EXPECT_TRUE(form.focus_lost.empty());

    logic.box_key_press(descriptive_box(Row::fmin), 'b', Caret{});
    EXPECT_EQ(form.text(descriptive_box(Row::fmin)), "B");
    EXPECT_EQ(form.focus, descriptive_box(Row::fmin));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ScalingControllerTest, AFullBoxKeepsItsLetterUnlessTheLetterIsSelected) {
    select(Row::fmin);
    form.set_text(qualifying_box(Row::fmin), "D");
    form.focus = qualifying_box(Row::fmin);
    logic.box_key_press(qualifying_box(Row::fmin), 'a', Caret{});
    EXPECT_EQ(form.text(qualifying_box(Row::fmin)), "D");
    EXPECT_EQ(form.focus, descriptive_box(Row::fmin));

    form.focus = qualifying_box(Row::fmin);
    logic.box_key_press(qualifying_box(Row::fmin), 'a', Caret{0, 0, 1});
    EXPECT_EQ(form.text(qualifying_box(Row::fmin)), "A");

    form.focus = qualifying_box(Row::fmin);
    logic.box_key_press(qualifying_box(Row::fmin), 8, Caret{});
    EXPECT_EQ(form.text(qualifying_box(Row::fmin)), "");
    EXPECT_EQ(form.focus, qualifying_box(Row::fmin));

    logic.box_key_press(qualifying_box(Row::fmin), 'b', Caret{});
    logic.box_key_press(qualifying_box(Row::fmin), '5', Caret{});
    EXPECT_EQ(form.text(qualifying_box(Row::fmin)), "");
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"This is not a qualificative letter!"});
}

TEST_F(ScalingControllerTest, TheM3000RuleRunsOnceTheTypedLetterIsInItsBox) {
    select(Row::foF1);
    form.set_text(value_box(Row::foF1), "433");
    form.set_text(value_box(Row::MUF3000F1), "150");
    form.set_text(value_box(Row::M3000F1), "346");
    form.focus = qualifying_box(Row::foF1);
    logic.box_key_press(qualifying_box(Row::foF1), 'u', Caret{});
    EXPECT_EQ(form.focus, descriptive_box(Row::foF1));
    EXPECT_TRUE(form.focus_lost.empty());
    // Qualifying-box version, B.1: the new foF1 letter reaches M(3000)F1.
    EXPECT_EQ(form.text(qualifying_box(Row::M3000F1)), "U");

    logic.box_key_press(descriptive_box(Row::foF1), 'a', Caret{});
    EXPECT_EQ(form.text(descriptive_box(Row::M3000F1)), "");
    logic.focus_changed(qualifying_box(Row::foF1));
    EXPECT_EQ(form.text(qualifying_box(Row::M3000F1)), "U");
    EXPECT_EQ(form.text(descriptive_box(Row::M3000F1)), "A");
}

TEST_F(ScalingControllerTest, FacadeClicksOnLetterBoxesReachTheClickHandler) {
    form.selected_characteristic = Row::foF2;
    logic.box_click(descriptive_box(Row::fmin));
    EXPECT_EQ(form.selected_characteristic, Row::fmin);
    EXPECT_EQ(form.focus, descriptive_box(Row::fmin));
    logic.box_click(qualifying_box(Row::MUF3000F2));
    EXPECT_EQ(form.selected_characteristic, Row::MUF3000F2);
}

TEST_F(ScalingControllerTest, TheRightButtonRunsTheEsMissingCaseAndNeverPicks) {
    shared.ionogram_loaded = true;
    form.ionogram.start_frequency = 1.0f;
    form.selected_characteristic = Row::foF2;
    logic.mouse_down(2, 0, 284, 190);
    EXPECT_EQ(form.picked_text, "");
    EXPECT_EQ(form.foF2_point.frequency, 0.0f);
    // Nighttime Es missing on an empty sheet: refused.
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{case_refused_text});
}

} // namespace
} // namespace scalvo
