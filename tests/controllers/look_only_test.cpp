// SPDX-License-Identifier: GPL-3.0-or-later
// Looking only: moving through a day writes nothing at all, and the commands that would change
// the sheet are refused with one message.
#include "controllers/key_map.h"
#include "controllers/scaling_controller.h"

#include "common/calendar.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "support/scaling_controller_fixture.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace scalvo {
namespace {

using testing::read_bytes;
using testing::write_bytes;

int column(double mhz) {
    return static_cast<int>(std::lround(40 * mhz - 36));
}
int row_of(double km) {
    return static_cast<int>(std::lround((km - 85.5) / 1.125));
}

class LookOnlyTest : public testing::ScalingControllerTest {
  protected:
    void SetUp() override {
        testing::start_day(shared, folder.path());
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        for (const int minute : {0, 15})
            write_bytes(ionogram(10, minute), testing::daytime_ionogram());
        write_bytes(folder / "setting.txt", "05-12-2026\r\n10\r\n00\r\n15\r\n41\r\n");
        // A stored foF2 at 10:15, which the move must show.
        std::string bytes = read_bytes(shared.scaled_values_file);
        bytes.replace(41 * 248, 8, "10:15   ");
        bytes.replace(41 * 248 + 166, 2, "81");
        write_bytes(shared.scaled_values_file, bytes);
        shared.sounding_hour = 10;
        shared.current_record_number = 41;
        shared.look_only = true;
        logic.load();
        ASSERT_TRUE(shared.ionogram_loaded);
    }
    std::filesystem::path ionogram(int hour, int minute) const {
        return shared.ionogram_folder / make_ionogram_file_name(shared, hour, minute);
    }
    // Every file of the folder with its bytes.
    std::map<std::filesystem::path, std::string> files() const {
        std::map<std::filesystem::path, std::string> all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
            if (entry.is_regular_file())
                all[entry.path()] = read_bytes(entry.path());
        return all;
    }
    testing::TempFolder folder;
};

// An unscaled sounding with the sheet check on: Next, Previous, a jump, Escape and closing all
// leave it without a word, and not one byte of the folder changes.
TEST_F(LookOnlyTest, WalkingThroughTheDayWritesNothing) {
    ASSERT_TRUE(form.option_yes);
    form.set_text(value_box(Row::fxI), "99"); // left on the sheet: nothing stores it
    const auto before = files();
    logic.key_down(114, 0); // Next
    EXPECT_EQ(shared.current_record_number, 42);
    EXPECT_EQ(form.text(value_box(Row::foF2)), "81");
    logic.control_click(FormControl::previous_sounding);
    EXPECT_EQ(shared.current_record_number, 41);
    logic.go_to_record(1);
    EXPECT_EQ(shared.current_record_number, 1);
    logic.key_down(115, 0); // Previous at 00:00: the described message, nothing written
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().title, "FIRST IONOGRAM");
    logic.key_down(27, 0); // Escape
    EXPECT_EQ(logic.take_request(), WindowRequest::show_parameters_form);
    EXPECT_TRUE(logic.query_unload());
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(files(), before);
}

TEST_F(LookOnlyTest, ADayNotStartedIsShownBlankAndNotMade) {
    std::filesystem::remove(shared.scaled_values_file);
    logic.load();
    logic.key_down(114, 0);
    EXPECT_EQ(shared.current_record_number, 42);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().text;
    EXPECT_FALSE(std::filesystem::exists(shared.scaled_values_file));
    logic.revert_to_stored();
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().text;
}

// Each command that would change the sheet: one message, the sheet as it was, no step.
TEST_F(LookOnlyTest, ChangesAreRefusedWithOneMessage) {
    const testing::BoxTexts sheet_shown{{value_box(Row::fmin), "15"},
                                        {value_box(Row::foF2), "72"},
                                        {value_box(Row::foF1), "433"},
                                        {value_box(Row::es_types), "C1"},
                                        {descriptive_box(Row::foF2), "Z"}};
    // As the window delivers a key: the form first, then the box unless the form took it.
    auto type = [](ScalingController& c, Box box, int code) {
        if (!c.key_down(code, 0))
            c.box_key_press(box, code, {});
    };
    const struct {
        const char* name;
        Row selected;
        std::function<void(ScalingController&)> command;
    } cases[] = {
        {"F5", Row::foF2, [](ScalingController& c) { c.key_down(116, 0); }},
        {"F9", Row::foF2, [](ScalingController& c) { c.key_down(120, 0); }},
        {"a case from the menu", Row::foF2,
         [](ScalingController& c) { c.menu_click(CaseCommand::partial_absorption); }},
        {"the right button", Row::foF2, [](ScalingController& c) { c.mouse_down(2, 0, 5, 5); }},
        {"a pick", Row::foF2,
         [](ScalingController& c) { c.mouse_down(1, 0, column(7.9), row_of(300)); }},
        {"a letter", Row::foF2,
         [&](ScalingController& c) { type(c, qualifying_box(Row::foF2), 'J'); }},
        {"backspace in a letter box", Row::foF2,
         [&](ScalingController& c) { type(c, descriptive_box(Row::foF2), 8); }},
        {"a deletion", Row::foF2,
         [](ScalingController& c) { c.box_text_edited(descriptive_box(Row::foF2), ""); }},
        {"an Es type typed", Row::es_types,
         [&](ScalingController& c) { type(c, value_box(Row::es_types), 'L'); }},
        {"F12", Row::foF2, [](ScalingController& c) { c.key_down(123, 0); }},
        {"Ctrl", Row::foF1, [](ScalingController& c) { c.key_down(17, ctrl_mask); }},
        {"the backslash key", Row::foF2, [](ScalingController& c) { c.key_down(220, 0); }},
        {"F11", Row::foF2, [](ScalingController& c) { c.key_down(122, 0); }},
        {"a MUF step typed in its letter box", Row::MUF3000F2,
         [&](ScalingController& c) { type(c, descriptive_box(Row::MUF3000F2), '2'); }},
        {"the Es step button", Row::es_types,
         [](ScalingController& c) { c.control_click(FormControl::es_up); }},
    };
    for (const auto& c : cases) {
        fill(sheet_shown);
        select(c.selected);
        dialogs.clear();
        c.command(logic);
        EXPECT_EQ(sheet(), sheet_shown) << c.name;
        EXPECT_EQ(form.particular_case_code, ParticularCase::none) << c.name;
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.last().text, look_only_text) << c.name;
        EXPECT_EQ(dialogs.last().title, look_only_title) << c.name;
        EXPECT_FALSE(logic.can_undo()) << c.name;
    }
}

// Looking around changes nothing and says nothing: selections (whose rules would write an Es
// type or the tool's first MUF), a clear of an empty row, a case that does not apply here.
TEST_F(LookOnlyTest, LookingSaysNothing) {
    form.set_text(descriptive_box(Row::foE), "A"); // rule L would write L1 into the Es types
    form.set_text(value_box(Row::foF2), "72");
    const auto shown = sheet();
    logic.label_click(Row::hEs);
    EXPECT_EQ(form.selected_characteristic, Row::hEs);
    logic.label_click(Row::MUF3000F2);
    EXPECT_EQ(form.selected_characteristic, Row::MUF3000F2);
    logic.key_down(112, 0); // F1
    logic.key_down(113, 0); // F2
    logic.label_click(Row::fxI);
    logic.key_down(123, 0);      // fxI is empty: nothing to clear
    logic.key_down(8, alt_mask); // nothing to undo
    logic.focus_changed(qualifying_box(Row::fxI));
    EXPECT_EQ(sheet(), shown);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().text;
}

TEST_F(LookOnlyTest, TheCaptionSaysSo) {
    ASSERT_FALSE(form.caption.empty());
    EXPECT_EQ(logic.caption(), form.caption + " (look only)");
    logic.set_look_only(false);
    EXPECT_EQ(logic.caption(), form.caption);
}

// Switching it on with changes that are not stored asks first; with none it does not.
TEST_F(LookOnlyTest, SwitchingOnWithChangesAsks) {
    logic.set_look_only(false);
    EXPECT_TRUE(logic.set_look_only(true));
    EXPECT_TRUE(dialogs.shown.empty());
    logic.set_look_only(false);
    logic.box_key_press(descriptive_box(Row::foF2), 'Z', {});
    dialogs.answers = {answer_no, answer_yes};
    EXPECT_FALSE(logic.set_look_only(true));
    EXPECT_FALSE(shared.look_only);
    EXPECT_TRUE(logic.set_look_only(true));
    EXPECT_TRUE(shared.look_only);
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

} // namespace
} // namespace scalvo
