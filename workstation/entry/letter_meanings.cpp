// SPDX-License-Identifier: GPL-3.0-or-later
// The meanings come from the URSI Handbook of Ionogram Interpretation and Reduction (UAG-23A)
// as the station manuals quote it, shortened to a few words each. This file is the one table:
// a station that words them otherwise corrects them here, and every tooltip follows.
#include "entry/letter_meanings.h"

#include <array>

namespace scalvo {

namespace {

constexpr std::array<LetterMeaning, 10> qualifying_letters{{
    {'A', "less than: fbEs given as foEs, the Es blanketing up to its top"},
    {'D', "greater than"},
    {'E', "less than"},
    {'I', "missing value replaced by an interpolated value"},
    {'J', "ordinary-wave value deduced from the extraordinary trace"},
    {'M', "uncertain: ordinary and extraordinary traces not distinguishable"},
    {'O', "extraordinary-wave value deduced from the ordinary trace"},
    {'T', "value deduced from a sequence of soundings, this one being doubtful"},
    {'U', "uncertain or doubtful value"},
    {'Z', "value deduced from the third magnetoionic (z) trace"},
}};

constexpr std::array<LetterMeaning, 23> descriptive_letters{{
    {'A', "a lower thin layer (e.g. Es) influences or prevents the measurement"},
    {'B', "absorption near fmin"},
    {'C', "non-ionospheric cause (equipment failure or outage)"},
    {'D', "upper limit of the normal frequency range"},
    {'E', "lower limit of the normal frequency range"},
    {'F', "spread echoes"},
    {'G', "ionisation too weak to measure"},
    {'H', "stratification"},
    {'K', "particle E layer present"},
    {'L', "no sufficiently definite cusp between layers"},
    {'M', "ordinary and extraordinary traces not distinguishable"},
    {'N', "conditions prevent any interpretation"},
    {'O', "measurement refers to the ordinary trace"},
    {'P', "man-made perturbation, or spur-type trace"},
    {'Q', "range spread present"},
    {'R', "attenuation near a critical frequency"},
    {'S', "interference or atmospherics"},
    {'T', "value deduced from a sequence of soundings"},
    {'V', "forked trace"},
    {'W', "echo outside the recorded height range"},
    {'X', "measurement refers to the extraordinary trace"},
    {'Y', "lacuna or severe F-layer tilt"},
    {'Z', "measurement refers to the third magnetoionic (z) trace"},
}};

// In the order of the sheet's rows.
constexpr std::array<std::string_view, row_count> characteristics{
    "lowest frequency at which echoes are observed",
    "minimum virtual height of the E layer (ordinary wave)",
    "ordinary-wave critical frequency of the E layer",
    "highest ordinary-wave frequency of a mainly continuous Es trace",
    "minimum virtual height of the Es trace",
    "kinds of sporadic E seen, each with its multiplicity",
    "blanketing frequency of Es (lowest frequency at which Es becomes transparent)",
    "minimum virtual height of the F region (ordinary wave)",
    "ordinary-wave critical frequency of the F1 layer",
    "maximum usable frequency over 3000 km by the F1 layer",
    "MUF(3000)F1 divided by foF1",
    "minimum virtual height of the F2 layer (ordinary wave)",
    "ordinary-wave critical frequency of the F2 layer",
    "highest frequency of echoes from the F region (spread included)",
    "maximum usable frequency over 3000 km by the F2 layer",
    "MUF(3000)F2 divided by foF2",
};

std::string letter_lines(std::string_view heading, std::span<const LetterMeaning> letters) {
    std::string text(heading);
    for (const LetterMeaning& letter : letters) {
        text += '\n';
        text += letter.letter;
        text += ": ";
        text += letter.meaning;
    }
    return text;
}

} // namespace

std::span<const LetterMeaning> qualifying_letter_meanings() {
    return qualifying_letters;
}

std::span<const LetterMeaning> descriptive_letter_meanings() {
    return descriptive_letters;
}

std::string characteristic_in_full(Row row) {
    return std::string(caption(row)) + ": " + std::string(characteristics[index_of(row)]);
}

std::string letter_box_tooltip(Box box) {
    if (box.field != Field::qualifying && box.field != Field::descriptive)
        return "";
    if (!exists(box))
        return "";
    const std::string name = characteristic_in_full(box.row);
    if (is_m3000(box.row)) {
        const bool f1 = box.row == Row::M3000F1;
        return name + "\nNot typed: the " +
               (box.field == Field::qualifying ? "qualifying" : "descriptive") +
               " letter follows those of " +
               (f1 ? "foF1 and MUF(3000)F1" : "foF2 and MUF(3000)F2") + ".";
    }
    if (box.field == Field::qualifying)
        return name + "\n" + letter_lines("Qualifying letter:", qualifying_letters);
    return name + "\n" + letter_lines("Descriptive letter:", descriptive_letters);
}

} // namespace scalvo
