// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The characteristics of a record as the monthly tables know them: their names, URSI codes and
// tabulation units, and which letters standing alone place a missing value below or above all
// others.
#include "scaling/sheet.h"

#include <array>
#include <string_view>

namespace scalvo {

struct Characteristic {
    Row row;
    std::string_view ursi_code; // the two characters of the international list, "00" for foF2
    std::string_view unit;      // of the value code: "0.1 MHz", "0.01 MHz", "km", "0.01"
};

// In the order of the printed tables; the Es types, which have no number, come last.
inline constexpr std::array<Characteristic, row_count> characteristics{{
    {Row::fmin, "42", "0.1 MHz"},
    {Row::hE, "24", "km"},
    {Row::foE, "20", "0.01 MHz"},
    {Row::foEs, "30", "0.1 MHz"},
    {Row::hEs, "34", "km"},
    {Row::fbEs, "32", "0.1 MHz"},
    {Row::hF, "16", "km"},
    {Row::foF1, "10", "0.01 MHz"},
    {Row::MUF3000F1, "17", "0.1 MHz"},
    {Row::M3000F1, "13", "0.01"},
    {Row::hF2, "04", "km"},
    {Row::foF2, "00", "0.1 MHz"},
    {Row::fxI, "51", "0.1 MHz"},
    {Row::MUF3000F2, "07", "0.1 MHz"},
    {Row::M3000F2, "03", "0.01"},
    {Row::es_types, "36", ""},
}};

// The characteristics with numbers: every one but the Es types.
inline constexpr std::size_t numeric_count = row_count - 1;

const Characteristic& characteristic_of(Row row);

// Where a value replaced by a letter alone stands among the values of the hour.
enum class Place { unknown, below_all, above_all };

// A descriptive letter without a value: D (the value lies above the sounder's frequency range)
// and E (below it) for the frequencies; G (the layer too weak to show its critical frequency) for
// the critical frequencies of the layers. Any other letter, and every letter of a height or an
// M(3000) factor, says nothing of where the value lies.
Place place_of_replacement(Row row, char descriptive);

// The letters the records may hold.
bool is_qualifying_letter(char letter);
bool is_descriptive_letter(char letter);
// An Es types text as the box stores it: one or two pairs of a type letter and a digit 1-9.
bool is_es_types_text(std::string_view text);

} // namespace scalvo
