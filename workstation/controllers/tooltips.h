// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tooltips of the scaling form's sheet: what a characteristic is, and what each letter that
// a letter box accepts means.
#include "controllers/control_names.h"

#include <string>

namespace scalvo {

// A letter box's tooltip; "" for the other boxes.
std::string tooltip(Box box);
// A row label's: the characteristic in full.
std::string tooltip(RowLabel label);

} // namespace scalvo
