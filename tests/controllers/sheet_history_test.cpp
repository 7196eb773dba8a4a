// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo through the form's events: every command that changes the sheet is one step,
// and a step puts back the sheet, the selection and the particular case.
#include "controllers/key_map.h"
#include "controllers/scaling_controller.h"

#include "common/calendar.h"
#include "records/record_file.h"
#include "records/sheet_record.h"
#include "support/scaling_controller_fixture.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace scalvo {
namespace {

int column(double mhz) {
    return static_cast<int>(std::lround(40 * mhz - 36));
}
int row_of(double km) {
    return static_cast<int>(std::lround((km - 85.5) / 1.125));
}

class SheetHistoryTest : public testing::ScalingControllerTest {
  protected:
    SheetHistoryTest() { with_ionogram(); }
    void with_ionogram() {
        shared.ionogram_loaded = true;
        form.ionogram.start_frequency = 1.0f;
        form.ionogram.end_frequency = 20.0f;
        form.ionogram.frequency_step = 0.05f;
        form.ionogram.frequency_count = 381;
        form.ionogram.amplitude_grid.assign(381 * 150, 0);
    }
    static void undo(ScalingController& c) { EXPECT_TRUE(c.key_down(8, alt_mask)); }
    static void redo(ScalingController& c) { EXPECT_TRUE(c.key_down(8, alt_mask | shift_mask)); }
};

// One command, then Alt+Backspace: the sheet, the selection and the case are as before it;
// Alt+Shift+Backspace gives the command's outcome again.
TEST_F(SheetHistoryTest, EachCommandIsOneStep) {
    const struct {
        const char* name;
        testing::BoxTexts sheet;
        Row selected;
        std::function<void(ScalingController&)> command;
    } cases[] = {
        {"a pick",
         {},
         Row::foF2,
         [](ScalingController& c) { c.mouse_down(1, 0, column(7.2), row_of(300)); }},
        {"a letter",
         {{value_box(Row::foF2), "72"}},
         Row::foF2,
         [](ScalingController& c) { c.box_key_press(descriptive_box(Row::foF2), 'Z', {}); }},
        {"a clear by Ctrl",
         {{value_box(Row::foF2), "72"},
          {qualifying_box(Row::foF2), "J"},
          {value_box(Row::M3000F2), "351"},
          {descriptive_box(Row::fxI), "X"}},
         Row::foF2,
         [](ScalingController& c) { c.key_down(17, ctrl_mask); }},
        {"a particular case by its key",
         {{value_box(Row::foE), "285"}, {value_box(Row::hE), "105"}},
         Row::foF2,
         [](ScalingController& c) { c.key_down(116, 0); }},
        {"a case from the menu",
         {{value_box(Row::fmin), "15"}},
         Row::foF2,
         [](ScalingController& c) { c.menu_click(CaseCommand::partial_absorption); }},
        {"the right button",
         {{value_box(Row::fmin), "15"}},
         Row::hE,
         [](ScalingController& c) { c.mouse_down(2, 0, 900, 900); }},
        {"the F1-layer key",
         {{value_box(Row::foF1), "433"}},
         Row::foF1,
         [](ScalingController& c) { c.key_down(220, 0); }},
        {"a deletion",
         {{value_box(Row::foF2), "72"}, {descriptive_box(Row::foF2), "Z"}},
         Row::foF2,
         [](ScalingController& c) { c.box_text_edited(descriptive_box(Row::foF2), ""); }},
    };
    for (const auto& c : cases) {
        form = ScalingForm{};
        with_ionogram();
        ScalingController logic_of_case{form, shared, dialogs, companion};
        fill(c.sheet);
        select(c.selected);
        const auto before = sheet();
        c.command(logic_of_case);
        const auto after = sheet();
        const auto case_after = form.particular_case_code;
        ASSERT_NE(after, before) << c.name;
        ASSERT_TRUE(logic_of_case.can_undo()) << c.name;
        undo(logic_of_case);
        EXPECT_EQ(sheet(), before) << c.name;
        EXPECT_EQ(form.selected_characteristic, c.selected) << c.name;
        EXPECT_EQ(form.focus, descriptive_box(c.selected)) << c.name;
        EXPECT_EQ(form.particular_case_code, ParticularCase::none) << c.name;
        EXPECT_EQ(form.label11, "") << c.name;
        EXPECT_FALSE(logic_of_case.can_undo()) << c.name;
        redo(logic_of_case);
        EXPECT_EQ(sheet(), after) << c.name;
        EXPECT_EQ(form.particular_case_code, case_after) << c.name;
        EXPECT_FALSE(logic_of_case.can_redo()) << c.name;
        EXPECT_TRUE(dialogs.shown.empty()) << c.name << ": " << dialogs.last().text;
    }
}

// F11 fills many rows through many commands: one Alt+Backspace takes all of it back.
TEST_F(SheetHistoryTest, F11IsOneStepWhateverItDoes) {
    form.proposals[index_of(Row::fmin)] = ProposedPoint{column(1.8), row_of(105)};
    form.proposals[index_of(Row::hF)] = ProposedPoint{column(3.2), row_of(200)};
    form.proposals[index_of(Row::foF2)] = ProposedPoint{column(7.2), row_of(300)};
    form.proposals[index_of(Row::fxI)] = ProposedPoint{column(7.7), row_of(300)};
    select(Row::foF2);
    logic.key_down(122, 0);
    ASSERT_EQ(form.text(value_box(Row::foF2)), "72");
    ASSERT_EQ(form.text(value_box(Row::fmin)), "18");
    undo(logic);
    EXPECT_TRUE(sheet().empty());
    EXPECT_EQ(form.selected_characteristic, Row::foF2);
    EXPECT_FALSE(logic.can_undo());
}

// Opening the MUF(3000) tool writes its first value; the step keys that follow belong to the
// same run: one undo goes back to before the tool was opened.
TEST_F(SheetHistoryTest, ARunOfTheMufToolIsOneStep) {
    select(Row::foF2);
    logic.mouse_down(1, 0, column(7.2), row_of(300));
    ASSERT_EQ(form.text(value_box(Row::foF2)), "72");
    const auto picked = sheet();
    logic.label_click(Row::MUF3000F2);
    ASSERT_FALSE(form.empty(value_box(Row::MUF3000F2)));
    for (int k = 0; k < 3; ++k)
        logic.key_down(40, 0);
    logic.key_down(50, 0);
    undo(logic);
    EXPECT_EQ(sheet(), picked);
    EXPECT_EQ(form.selected_characteristic, Row::foF2);
    undo(logic);
    EXPECT_TRUE(sheet().empty());
    // Another row selected in between ends the run: two runs, two steps.
    logic.mouse_down(1, 0, column(7.2), row_of(300));
    logic.label_click(Row::MUF3000F2);
    logic.key_down(40, 0);
    const std::string first_run = form.text(value_box(Row::MUF3000F2));
    logic.label_click(Row::fxI);
    logic.label_click(Row::MUF3000F2);
    logic.key_down(40, 0);
    ASSERT_NE(form.text(value_box(Row::MUF3000F2)), first_run);
    undo(logic);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), first_run);
    EXPECT_EQ(form.selected_characteristic, Row::fxI);
}

TEST_F(SheetHistoryTest, ANewCommandAfterUndoDropsTheRedo) {
    select(Row::foF2);
    logic.mouse_down(1, 0, column(7.2), row_of(300));
    undo(logic);
    ASSERT_TRUE(logic.can_redo());
    logic.mouse_down(1, 0, column(8.0), row_of(300));
    EXPECT_FALSE(logic.can_redo());
    redo(logic); // nothing to do again: nothing changes
    EXPECT_EQ(form.text(value_box(Row::foF2)), "80");
    // A selection alone is no step.
    logic.label_click(Row::hF);
    undo(logic);
    EXPECT_EQ(form.text(value_box(Row::foF2)), "");
    EXPECT_FALSE(logic.can_undo());
    undo(logic);
    EXPECT_TRUE(dialogs.shown.empty());
}

// The steps belong to the sounding on screen, on a day of a real folder.
class SoundingHistoryTest : public SheetHistoryTest {
  protected:
    void SetUp() override {
        testing::start_day(shared, folder.path());
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        shared.sounding_hour = 10;
        shared.current_record_number = 41;
        logic.load(); // no ionogram file: the empty frame
        form.option_yes = false;
    }
    testing::TempFolder folder;
};

TEST_F(SoundingHistoryTest, TheStepsGoWhenTheSoundingIsLeft) {
    logic.box_key_press(descriptive_box(Row::foF2), 'Z', {});
    ASSERT_TRUE(logic.can_undo());
    logic.key_down(114, 0); // Next
    ASSERT_EQ(shared.current_record_number, 42);
    EXPECT_FALSE(logic.can_undo());
    logic.key_down(115, 0); // back: the letter is stored, and no step comes back with it
    EXPECT_EQ(form.text(descriptive_box(Row::foF2)), "Z");
    EXPECT_FALSE(logic.can_undo());
}

// Revert to stored puts back the stored record and the case the file held, as a step of its
// own.
TEST_F(SoundingHistoryTest, RevertPutsBackTheStoredRecord) {
    form.set_text(value_box(Row::foF2), "72");
    form.set_text(descriptive_box(Row::fxI), "A");
    compose_sheet_record(scaling);
    ASSERT_FALSE(write_current_record(scaling));
    logic.load();
    ASSERT_EQ(form.text(value_box(Row::foF2)), "72");
    logic.key_down(123, 0); // F12 with foF2 selected
    logic.box_key_press(descriptive_box(Row::foF2), 'Z', {});
    form.set_text(value_box(Row::fmin), "15");
    logic.menu_click(CaseCommand::partial_absorption);
    ASSERT_EQ(form.particular_case_code, ParticularCase::partial_absorption);
    const auto changed = sheet();

    logic.revert_to_stored();
    EXPECT_EQ(sheet(),
              (testing::BoxTexts{{value_box(Row::foF2), "72"}, {descriptive_box(Row::fxI), "A"}}));
    EXPECT_EQ(form.particular_case_code, ParticularCase::none);
    EXPECT_EQ(form.label11, "");
    undo(logic);
    EXPECT_EQ(sheet(), changed);
    EXPECT_EQ(form.particular_case_code, ParticularCase::partial_absorption);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().text;
}

} // namespace
} // namespace scalvo
