// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/key_map.h"

#include "controllers/navigation.h"
#include "entry/key_commands.h"
#include "records/particular_cases.h"
#include "scaling/muf_tool.h"
#include "scaling/selection.h"

#include <algorithm>

namespace scalvo {

namespace {

using K = KeyCommand;

constexpr std::array bindings{
    KeyBinding{K::next_characteristic,
               {112},
               any_shift,
               "Select the next characteristic in the scaling order, skipping the layers that "
               "are absent."},
    KeyBinding{K::previous_characteristic, {113}, any_shift, "Select the previous characteristic."},
    KeyBinding{K::foF2_from_hF, {32}, any_shift, "From h'F or foF1, select foF2."},
    KeyBinding{K::next_sounding,
               {114},
               any_shift,
               "Check and store the sheet, then show the next sounding."},
    KeyBinding{K::previous_sounding,
               {115},
               any_shift,
               "Check and store the sheet, then show the previous sounding."},
    KeyBinding{K::end_of_scaling,
               {27},
               any_shift,
               "Check and store the sheet, then go back to the parameters form."},
    KeyBinding{K::daytime_es_missing, {116}, any_shift, "Particular case: daytime Es missing."},
    KeyBinding{K::nighttime_es_missing, {117}, any_shift, "Particular case: nighttime Es missing."},
    KeyBinding{K::partial_absorption, {118}, any_shift, "Particular case: partial absorption."},
    KeyBinding{K::delete_case, {119}, any_shift, "Delete the particular case."},
    KeyBinding{K::no_ionogram, {120}, any_shift, "Particular case: no ionogram."},
    KeyBinding{K::clear_selected, {123, 17}, any_shift, "Clear the selected characteristic."},
    KeyBinding{K::f1_layer_absent,
               {220},
               any_shift,
               "The F1 layer is absent: foF1, MUF(3000)F1, M(3000)F1 and h'F2 get the "
               "descriptive letter L, and foF2 is selected."},
    KeyBinding{K::muf_step,
               {38, 51},
               any_shift,
               "With MUF(3000) selected, move the transmission curve 0.1 MHz down (with Ctrl, "
               "2 MHz)."},
    KeyBinding{K::muf_step,
               {40, 52},
               any_shift,
               "With MUF(3000) selected, move the transmission curve 0.1 MHz up (with Ctrl, "
               "2 MHz)."},
    KeyBinding{K::muf_step,
               {49},
               any_shift,
               "With MUF(3000) selected, move the transmission curve 2 MHz down."},
    KeyBinding{K::muf_step,
               {50},
               any_shift,
               "With MUF(3000) selected, move the transmission curve 2 MHz up."},
    KeyBinding{K::day_overview,
               {121},
               any_shift,
               "View > Day overview: the day's stored values against the time of day; a click "
               "on a time moves there as Next and Previous do."},
    KeyBinding{K::accept_proposals,
               {122},
               any_shift,
               "Accept the proposals shown in grey, through the ordinary picks and the "
               "MUF(3000) tool with the usual letters and warnings, on the rows that hold "
               "nothing of the operator's; then the Es missing case shown in grey, as F5 or F6 "
               "would."},
    KeyBinding{K::save_picture,
               {83},
               alt_mask,
               "File > Save picture: the plot as it is shown, with a caption line, as a PNG "
               "picture."},
    KeyBinding{K::undo,
               {8},
               alt_mask,
               "Edit > Undo: take back the last change to the sheet of the sounding on "
               "screen (a pick, a letter, a clear, F11, a particular case, a run of the "
               "MUF(3000) tool)."},
    KeyBinding{K::redo, {8}, alt_mask | shift_mask, "Edit > Redo: make the change again."},
    KeyBinding{K::move_focus,
               {9},
               any_shift,
               "Move the focus to the next letter box or the Es types box (Shift+Tab: back)."},
    KeyBinding{K::left_button,
               {},
               any_shift,
               "On the plot, scale the selected characteristic at the pointer; on the label of a "
               "row, select it.",
               "Left button"},
    KeyBinding{K::right_button,
               {},
               any_shift,
               "Particular case daytime Es missing when foE or its descriptive letter is there, "
               "otherwise nighttime Es missing.",
               "Right button"},
};

bool runs(const KeyBinding& binding, int key_code, int shift) {
    if (key_code == 0 ||
        std::find(binding.codes.begin(), binding.codes.end(), key_code) == binding.codes.end())
        return false;
    return binding.shift == any_shift || binding.shift == shift;
}

std::string plain_key_name(int key_code) {
    if (key_code >= 112 && key_code <= 123)
        return "F" + std::to_string(key_code - 111);
    if ((key_code >= 48 && key_code <= 57) || (key_code >= 65 && key_code <= 90))
        return std::string(1, static_cast<char>(key_code));
    switch (key_code) {
    case 8:
        return "Backspace";
    case 9:
        return "Tab";
    case 17:
        return "Ctrl";
    case 27:
        return "Escape";
    case 32:
        return "Space";
    case 38:
        return "Up arrow";
    case 40:
        return "Down arrow";
    case 220:
        return "\\";
    default:
        return "key " + std::to_string(key_code);
    }
}

} // namespace

std::span<const KeyBinding> key_bindings() {
    return bindings;
}

std::optional<KeyCommand> key_command(int key_code, int shift) {
    for (const KeyBinding& binding : bindings)
        if (runs(binding, key_code, shift))
            return binding.command;
    return std::nullopt;
}

std::string key_name(int key_code, int shift) {
    std::string name;
    if (shift != any_shift) {
        if (shift & ctrl_mask)
            name += "Ctrl+";
        if (shift & alt_mask)
            name += "Alt+";
        if (shift & shift_mask)
            name += "Shift+";
    }
    return name + plain_key_name(key_code);
}

std::string keys_of(const KeyBinding& binding) {
    if (!binding.input.empty())
        return std::string(binding.input);
    std::string keys;
    for (const int code : binding.codes) {
        if (code == 0)
            break;
        if (!keys.empty())
            keys += ", ";
        keys += key_name(code, binding.shift);
    }
    return keys;
}

WindowRequest form_key_down(Scaling& scaling, int key_code, int shift) {
    const std::optional<KeyCommand> command = key_command(key_code, shift);
    if (!command)
        return WindowRequest::none;
    const std::optional<Row> selected = scaling.form.selected_characteristic;
    switch (*command) {
    case K::muf_step:
        // The tool itself ignores these keys without an ionogram or a MUF row selected.
        muf_step(scaling, key_code, shift);
        break;
    case K::clear_selected: // Ctrl arrives as its own key event before any Ctrl combination
        clear_selected_characteristic(scaling);
        break;
    case K::next_characteristic:
        select_next_characteristic(scaling);
        break;
    case K::previous_characteristic:
        select_previous_characteristic(scaling);
        break;
    case K::foF2_from_hF:
        if (selected == Row::hF || selected == Row::foF1)
            select_characteristic(scaling, Row::foF2);
        break;
    case K::next_sounding:
        successivo_click(scaling);
        break;
    case K::previous_sounding:
        prima_click(scaling);
        break;
    // The case keys run their commands whatever the menu's enabled state.
    case K::daytime_es_missing:
        run_case_command(scaling, CaseCommand::daytime_es_missing);
        break;
    case K::nighttime_es_missing:
        run_case_command(scaling, CaseCommand::nighttime_es_missing);
        break;
    case K::partial_absorption:
        run_case_command(scaling, CaseCommand::partial_absorption);
        break;
    case K::delete_case:
        run_case_command(scaling, CaseCommand::delete_case);
        break;
    case K::no_ionogram:
        run_case_command(scaling, CaseCommand::no_ionogram);
        break;
    case K::f1_layer_absent:
        f1_layer_absent(scaling);
        break;
    case K::end_of_scaling:
        if (end_of_scaling(scaling))
            return WindowRequest::show_parameters_form;
        break;
    default:
        // Ours: the window's menu entries and the controller's commands.
        break;
    }
    return WindowRequest::none;
}

} // namespace scalvo
