// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/tooltips.h"

#include "entry/letter_meanings.h"

namespace scalvo {

std::string tooltip(Box box) {
    return letter_box_tooltip(box);
}

std::string tooltip(RowLabel label) {
    return characteristic_in_full(label.row);
}

} // namespace scalvo
