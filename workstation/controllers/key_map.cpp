// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/key_map.h"

#include "controllers/navigation.h"
#include "entry/key_commands.h"
#include "records/particular_cases.h"
#include "scaling/muf_tool.h"
#include "scaling/selection.h"

namespace scalvo {

WindowRequest form_key_down(Scaling& scaling, int key_code, int shift) {
    const std::optional<Row> selected = scaling.form.selected_characteristic;
    switch (key_code) {
    case 38: // Up arrow
    case 40: // Down arrow
    case 49: // "1"
    case 50: // "2"
    case 51: // "3"
    case 52: // "4"
        // The tool itself ignores these keys without an ionogram or a MUF row selected.
        muf_step(scaling, key_code, shift);
        break;
    case 123: // F12
    case 17:  // Ctrl, on its own key event before any Ctrl combination
        clear_selected_characteristic(scaling);
        break;
    case 112: // F1
        select_next_characteristic(scaling);
        break;
    case 113: // F2
        select_previous_characteristic(scaling);
        break;
    case 32: // Space
        if (selected == Row::hF || selected == Row::foF1)
            select_characteristic(scaling, Row::foF2);
        break;
    case 114: // F3
        successivo_click(scaling);
        break;
    case 115: // F4
        prima_click(scaling);
        break;
    // The case keys run their commands whatever the menu's enabled state.
    case 116: // F5
        run_case_command(scaling, CaseCommand::daytime_es_missing);
        break;
    case 117: // F6
        run_case_command(scaling, CaseCommand::nighttime_es_missing);
        break;
    case 118: // F7
        run_case_command(scaling, CaseCommand::partial_absorption);
        break;
    case 119: // F8
        run_case_command(scaling, CaseCommand::delete_case);
        break;
    case 120: // F9
        run_case_command(scaling, CaseCommand::no_ionogram);
        break;
    case 220: // the key that carries the backslash
        f1_layer_absent(scaling);
        break;
    case 27: // Escape
        if (end_of_scaling(scaling))
            return WindowRequest::show_parameters_form;
        break;
    default:
        break;
    }
    return WindowRequest::none;
}

} // namespace scalvo
