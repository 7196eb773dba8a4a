// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the keyboard that are not commands of another control: moving the
// selection through the characteristics, clearing one, and marking the F1 layer absent.
#include "scaling/scaling_form.h"

namespace scalvo {

// F1: the next characteristic in scaling order, skipping the absent layers.
void select_next_characteristic(Scaling& scaling);
// F2: the previous characteristic, without skips.
void select_previous_characteristic(Scaling& scaling);
// F12 or Ctrl: empties the selected characteristic (and keeps the M(3000) letters coherent).
void clear_selected_characteristic(Scaling& scaling);
// The key that carries the backslash: no F1 layer.
void f1_layer_absent(Scaling& scaling);

} // namespace scalvo
