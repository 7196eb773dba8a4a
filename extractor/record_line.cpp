// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_line.h"

namespace tabulor {

namespace {

// 0-based offsets of the foF2 fields in a record: value at 166-168, letters at 169-170.
constexpr std::size_t kValueAt = 165;
constexpr std::size_t kValueWidth = 3;
constexpr std::size_t kLettersAt = 168;
constexpr std::size_t kLettersWidth = 2;

// A control byte is never part of a record; copied as it is, a stray CR would split a
// table line and put every later line of both tables out of step.
std::string printable(std::string_view field) {
    std::string text(field);
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            c = ' ';
        }
    }
    return text;
}

} // namespace

TableLines convert_record_line(std::string_view line) {
    TableLines lines;
    // A value field cut short by the end of the line is not a value: reading " 4" as " 4."
    // would turn 0.4 MHz into 4 MHz, so it gives an empty value line like an absent one.
    if (line.size() >= kValueAt + kValueWidth) {
        const std::string field = printable(line.substr(kValueAt, kValueWidth));
        if (field.find_first_not_of(' ') != std::string::npos) {
            lines.value = field.substr(0, 2) + '.' + field[2];
        }
    }
    if (line.size() > kLettersAt) {
        lines.letters = printable(line.substr(kLettersAt, kLettersWidth));
    }
    return lines;
}

} // namespace tabulor
