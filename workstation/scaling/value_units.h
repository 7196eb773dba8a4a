// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the value code of a row stands for: 0.1 MHz for most frequencies, 0.01 MHz for foE and
// foF1, km for the heights, hundredths for the M(3000) factors. For the windows that show stored
// values as numbers (the day overview, the caption of a saved picture).
#include "scaling/sheet.h"

#include <optional>
#include <string>
#include <string_view>

namespace scalvo {

enum class ValueUnit { megahertz, kilometres, factor, none };

// none for the Es types, which hold no number.
ValueUnit unit_of(Row row);

// The number a code stands for, in the row's unit; nullopt for an empty code or one that is
// not all digits (a damaged record must not draw a point).
std::optional<double> value_of_code(Row row, std::string_view code);

// The code as the operator reads it: "7.2" (foF2 72), "3.05" (foE 305), "250" (h'F 250),
// "10.00" (M(3000)F2 1000); the text itself for the Es types; "" for an empty code, and the
// code unchanged when it is not all digits.
std::string reading_of_code(Row row, std::string_view code);

} // namespace scalvo
