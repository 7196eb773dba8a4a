// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulor {

// The two table lines made from one record line, without their CR LF.
struct TableLines {
    std::string value;   // foF2 in MHz, e.g. "12.3" or " 4.5"; empty when not scaled
    std::string letters; // qualifying and descriptive letter as stored, e.g. "UA" or "  "
};

// Converts one line of a scaled-values file (its line break already removed).
TableLines convert_record_line(std::string_view line);

} // namespace tabulor
