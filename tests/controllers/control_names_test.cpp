// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of control names: every name resolves to its control and back, and every
// dispatcher of the scaling controller, given each name of the table as the window resolves
// it, runs the control's own command: no name is ignored.
#include "controllers/control_names.h"

#include "records/record_file.h"
#include "support/scaling_controller_fixture.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <set>
#include <string>
#include <variant>

namespace scalvo {
namespace {

TEST(ControlNames, EveryNameIsUniqueAndComesBackToItsControl) {
    std::set<std::string> names;
    for (const Control& control : named_controls()) {
        const std::string name(control_name(control));
        ASSERT_FALSE(name.empty());
        EXPECT_TRUE(names.insert(name).second) << name;
        const auto found = control_named(name);
        ASSERT_TRUE(found.has_value()) << name;
        EXPECT_TRUE(*found == control) << name;
    }
    // 62 boxes, 16 row labels, 7 other controls, 11 commands and 4 submenus.
    EXPECT_EQ(names.size(), 100u);
    for (const char* unknown : {"", "Text51", "Text0", "text17", "Lettera_descrittiva_fof2",
                                "tipoes", "Label11", "menu_bar", "Text17 "})
        EXPECT_FALSE(control_named(unknown).has_value()) << unknown;
}

TEST(ControlNames, NamesOfTheDescriptions) {
    EXPECT_EQ(control_name(qualifying_box(Row::fmin)), "Text17");
    EXPECT_EQ(control_name(descriptive_box(Row::foF2)), "lettera_descrittiva_fof2");
    EXPECT_EQ(control_name(value_box(Row::es_types)), "Text7");
    EXPECT_EQ(control_name(value_box(Row::fbEs)), "Text6");
    EXPECT_EQ(control_name(previous_box(Row::M3000F2)), "Text50");
    EXPECT_EQ(control_name(RowLabel{Row::es_types}), "tipoEs");
    EXPECT_EQ(control_name(FormControl::next_sounding), "successivo");
    EXPECT_EQ(control_name(CaseCommand::no_ionogram), "no_ionogramma");
    EXPECT_EQ(control_name(CaseSubmenu::nighttime_multiple), "notte_doppia_riflessione");
}

TEST(ControlNames, BoxesAreAnnouncedByRowAndField) {
    EXPECT_EQ(accessible_name(descriptive_box(Row::foF2)), "foF2 descriptive letter");
    EXPECT_EQ(accessible_name(qualifying_box(Row::hE)), "h'E qualifying letter");
    EXPECT_EQ(accessible_name(value_box(Row::MUF3000F1)), "MUF(3000)F1 value");
    EXPECT_EQ(accessible_name(value_box(Row::es_types)), "Es Types");
    EXPECT_EQ(accessible_name(previous_box(Row::fmin)), "fmin previous sounding");
    std::set<std::string> names;
    for (const Box box : sheet_boxes)
        EXPECT_TRUE(names.insert(accessible_name(box)).second) << accessible_name(box);
}

// The form of 12:00 on the demo day, no ionogram, the sheet check off, foF2 selected.
class DispatchTest : public testing::ScalingControllerTest {
  protected:
    void SetUp() override {
        form = ScalingForm();
        companion_form = CompanionForm();
        logic.take_request();
        testing::start_day(shared, folder.path());
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        shared.sounding_hour = 12;
        shared.sounding_minute = 0;
        shared.current_record_number = 49;
        form.option_yes = false;
        logic.load();
        ASSERT_EQ(form.selected_characteristic, Row::foF2);
        dialogs.clear();
    }
    // The control of a name, as the window resolves a widget's object name.
    Control resolved(const Control& control) { return *control_named(control_name(control)); }

    void dispatch(Box box) {
        const bool typed_letter =
            box.row != Row::es_types && !is_m3000(box.row) &&
            (box.field == Field::qualifying || box.field == Field::descriptive);
        const bool es_types = box == value_box(Row::es_types);

        logic.box_click(box);
        const std::optional<Row> clicked = typed_letter ? box.row
                                           : es_types   ? Row::es_types
                                                        : Row::foF2;
        EXPECT_EQ(form.selected_characteristic, clicked) << control_name(box);

        logic.focus_changed(box);
        EXPECT_EQ(form.focus, box) << control_name(box);

        EXPECT_EQ(logic.box_key_down(box, 37, 0), es_types ? 0 : 37) << control_name(box);

        // A letter typed into the box with its row selected lands only where the box is open.
        logic.label_click(box.row);
        const int code = box.field == Field::qualifying ? 'a' : 'c';
        logic.box_key_press(box, code, Caret{});
        const bool open = typed_letter || es_types;
        EXPECT_EQ(form.text(box), open ? std::string(1, static_cast<char>(code - 32)) : "")
            << control_name(box);
        logic.box_text_edited(box, "");
        EXPECT_EQ(form.text(box), "") << control_name(box);
    }
    void dispatch(RowLabel label) {
        logic.label_click(label.row);
        const Row expected = is_m3000(label.row) ? Row::foF2 : label.row;
        EXPECT_EQ(form.selected_characteristic, expected) << control_name(label);
        EXPECT_TRUE(logic.label_red(expected)) << control_name(label);
    }
    void dispatch(FormControl control) {
        form.set_text(value_box(Row::es_types), "C2");
        logic.control_click(control);
        const std::string es_types = form.text(value_box(Row::es_types));
        switch (control) {
        case FormControl::next_sounding:
            EXPECT_EQ(shared.sounding_minute, 15);
            break;
        case FormControl::previous_sounding:
            EXPECT_EQ(shared.sounding_hour, 11);
            EXPECT_EQ(shared.sounding_minute, 45);
            break;
        case FormControl::show_simultaneously:
            EXPECT_EQ(logic.take_request(), WindowRequest::show_companion);
            EXPECT_EQ(companion_form.companion_minute, 15);
            break;
        case FormControl::es_up:
            EXPECT_EQ(es_types, "C3");
            break;
        case FormControl::es_down:
            EXPECT_EQ(es_types, "C1");
            break;
        case FormControl::check_yes:
        case FormControl::check_no:
            form.option_yes = control == FormControl::check_no;
            logic.control_click(control);
            EXPECT_EQ(form.option_yes, control == FormControl::check_yes);
            break;
        }
    }
    void dispatch(CaseCommand command) {
        logic.menu_click(command);
        switch (command) {
        case CaseCommand::no_ionogram:
            EXPECT_EQ(form.particular_case_code, ParticularCase::no_ionogram);
            EXPECT_EQ(form.text(descriptive_box(Row::foF2)), "C");
            break;
        case CaseCommand::delete_case:
            EXPECT_EQ(form.particular_case_code, ParticularCase::none);
            EXPECT_TRUE(dialogs.shown.empty());
            break;
        default:
            // Every other case needs entries this empty sheet does not have.
            EXPECT_EQ(dialogs.texts(), std::vector<std::string>{case_refused_text})
                << control_name(command);
        }
    }
    void dispatch(CaseSubmenu submenu) {
        // A submenu carries no command of its own: its name is no command's.
        EXPECT_FALSE(std::holds_alternative<CaseCommand>(resolved(submenu)))
            << control_name(submenu);
    }

    testing::TempFolder folder;
};

TEST_F(DispatchTest, EveryNameOfTheTableReachesItsCommand) {
    for (const Control& control : named_controls()) {
        SetUp();
        std::visit([this](auto value) { dispatch(value); }, resolved(control));
    }
}

} // namespace
} // namespace scalvo
