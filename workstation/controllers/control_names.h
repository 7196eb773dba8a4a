// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one table of the scaling form's control names, as the operator, the files and the
// descriptions know them (the event names are control + "_" + event: Text17_KeyPress). They
// are for the edges only: the widgets' object names, and the checks from outside. The logic
// says Box, Row, FormControl and CaseCommand.
#include "records/particular_cases.h"
#include "scaling/sheet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace scalvo {

// The scaling form's controls besides the sheet that have events of their own.
enum class FormControl : std::uint8_t {
    next_sounding,       // the label "Next Ionogram (F3)"
    previous_sounding,   // the label "Previous Ionogram (F4)"
    show_simultaneously, // the button that opens the companion window
    es_up,               // the Es types step buttons
    es_down,
    check_yes, // the sheet check's option buttons
    check_no,
};

// The submenus of the particular cases, which have no command of their own.
enum class CaseSubmenu : std::uint8_t {
    daytime_blanketing,
    nighttime_blanketing,
    daytime_multiple,
    nighttime_multiple,
};

// The label of a row of the sheet; its name is the characteristic key ("fmin", "tipoEs").
struct RowLabel {
    Row row;
    friend constexpr bool operator==(RowLabel, RowLabel) = default;
};

using Control = std::variant<Box, RowLabel, FormControl, CaseCommand, CaseSubmenu>;

std::string_view control_name(Box box);
std::string_view control_name(RowLabel label);
std::string_view control_name(FormControl control);
std::string_view control_name(CaseCommand command);
std::string_view control_name(CaseSubmenu submenu);
std::string_view control_name(const Control& control);

// The control of a name; nullopt for a name the scaling form does not have.
std::optional<Control> control_named(std::string_view name);

// Every named control of the scaling form, in the table's order.
const std::vector<Control>& named_controls();

// What a screen reader announces for a box: "foF2 descriptive letter", "Es Types".
std::string accessible_name(Box box);

} // namespace scalvo
