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
    select("fmin");
    form.focus = "Text17";
    EXPECT_EQ(logic.box_key_press("Text17", 'a', Caret{}), 1);
    EXPECT_EQ(form.text("Text17"), "A");
    EXPECT_EQ(form.focus, "Text23");
    EXPECT_TRUE(form.focus_lost.empty());

    logic.box_key_press("Text23", 'b', Caret{});
    EXPECT_EQ(form.text("Text23"), "B");
    EXPECT_EQ(form.focus, "Text23");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ScalingControllerTest, AFullBoxKeepsItsLetterUnlessTheLetterIsSelected) {
    select("fmin");
    form.set_text("Text17", "D");
    form.focus = "Text17";
    logic.box_key_press("Text17", 'a', Caret{});
    EXPECT_EQ(form.text("Text17"), "D");
    EXPECT_EQ(form.focus, "Text23");

    form.focus = "Text17";
    logic.box_key_press("Text17", 'a', Caret{0, 0, 1});
    EXPECT_EQ(form.text("Text17"), "A");

    form.focus = "Text17";
    logic.box_key_press("Text17", 8, Caret{});
    EXPECT_EQ(form.text("Text17"), "");
    EXPECT_EQ(form.focus, "Text17");

    logic.box_key_press("Text17", 'b', Caret{});
    logic.box_key_press("Text17", '5', Caret{});
    EXPECT_EQ(form.text("Text17"), "");
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"This is not a qualificative letter!"});
}

TEST_F(ScalingControllerTest, TheM3000RuleRunsOnceTheTypedLetterIsInItsBox) {
    select("foF1");
    form.set_text("Text9", "433");
    form.set_text("Text10", "150");
    form.set_text("Text11", "346");
    form.focus = "lettera_qualificativa_fof1";
    logic.box_key_press("lettera_qualificativa_fof1", 'u', Caret{});
    EXPECT_EQ(form.focus, "lettera_descrittiva_fof1");
    EXPECT_TRUE(form.focus_lost.empty());
    // Qualifying-box version, B.1: the new foF1 letter reaches M(3000)F1.
    EXPECT_EQ(form.text("lettera_qualificativa_m3000f1"), "U");

    logic.box_key_press("lettera_descrittiva_fof1", 'a', Caret{});
    EXPECT_EQ(form.text("lettera_descrittiva_m3000f1"), "");
    logic.focus_changed("lettera_qualificativa_fof1");
    EXPECT_EQ(form.text("lettera_qualificativa_m3000f1"), "U");
    EXPECT_EQ(form.text("lettera_descrittiva_m3000f1"), "A");
}

TEST_F(ScalingControllerTest, FacadeClicksOnLetterBoxesReachTheClickHandler) {
    form.selected_characteristic = "foF2";
    logic.box_click("Text23");
    EXPECT_EQ(form.selected_characteristic, "fmin");
    EXPECT_EQ(form.focus, "Text23");
    logic.box_click("lettera_qualificativa_muf3000f2");
    EXPECT_EQ(form.selected_characteristic, "MUF3000F2");
}

TEST_F(ScalingControllerTest, TheRightButtonRunsTheEsMissingCaseAndNeverPicks) {
    shared.ionogram_loaded = true;
    form.ionogram.start_frequency = 1.0f;
    form.selected_characteristic = "foF2";
    logic.mouse_down(2, 0, 284, 190);
    EXPECT_EQ(form.picked_text, "");
    EXPECT_EQ(form.foF2_point.frequency, 0.0f);
    // Nighttime Es missing on an empty sheet: refused.
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{case_refused_text});
}

} // namespace
} // namespace scalvo
