// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/characteristics.h"

namespace scalvo {

const Characteristic& characteristic_of(Row row) {
    for (const Characteristic& c : characteristics)
        if (c.row == row)
            return c;
    return characteristics.back();
}

Place place_of_replacement(Row row, char descriptive) {
    const bool frequency = row == Row::fmin || row == Row::foE || row == Row::foEs ||
                           row == Row::fbEs || row == Row::foF1 || row == Row::foF2 ||
                           row == Row::fxI || row == Row::MUF3000F1 || row == Row::MUF3000F2;
    if (!frequency)
        return Place::unknown;
    switch (descriptive) {
    case 'D':
        return Place::above_all;
    case 'E':
        return Place::below_all;
    case 'G': {
        const bool critical = row == Row::foE || row == Row::foEs || row == Row::fbEs ||
                              row == Row::foF1 || row == Row::foF2;
        return critical ? Place::below_all : Place::unknown;
    }
    default:
        return Place::unknown;
    }
}

bool is_qualifying_letter(char letter) {
    return std::string_view("ADEIJMOTUZ").find(letter) != std::string_view::npos;
}

bool is_descriptive_letter(char letter) {
    return letter >= 'A' && letter <= 'Z' && letter != 'I' && letter != 'J' && letter != 'U';
}

bool is_es_types_text(std::string_view text) {
    if (text.size() != 2 && text.size() != 4)
        return false;
    for (std::size_t k = 0; k < text.size(); k += 2) {
        if (std::string_view("ACDFHKLQRS").find(text[k]) == std::string_view::npos)
            return false;
        if (text[k + 1] < '1' || text[k + 1] > '9')
            return false;
    }
    return true;
}

} // namespace scalvo
