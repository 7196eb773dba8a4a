// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the letters of the international scaling rules mean, and the characteristics in full:
// the tooltips of the letter boxes, for the operator who is still learning them.
#include "scaling/sheet.h"

#include <span>
#include <string>
#include <string_view>

namespace scalvo {

struct LetterMeaning {
    char letter;
    std::string_view meaning;
};

// The letters the qualifying (descriptive) boxes accept, A to Z, each with its meaning.
std::span<const LetterMeaning> qualifying_letter_meanings();
std::span<const LetterMeaning> descriptive_letter_meanings();

// "foF2: ordinary-wave critical frequency of the F2 layer".
std::string characteristic_in_full(Row row);

// The tooltip of a letter box: the characteristic in full, then one line per letter the box
// accepts ("D: greater than"). The M(3000) letter boxes take no typing: theirs says whose
// letters they follow. "" for a box that holds no letter.
std::string letter_box_tooltip(Box box);

} // namespace scalvo
