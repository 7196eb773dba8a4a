// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qualifying and descriptive letters: the key filters, the clicks on the letter boxes and the
// M(3000) letter rule.
#include "scaling/scaling_form.h"

namespace scalvo {

// True for the 13 typed qualifying (or descriptive) letter boxes: every row but the Es types
// and the computed M(3000) rows.
bool is_qualifying_letter_box(Box box);
bool is_descriptive_letter_box(Box box);
// Key filters; return the code to type, 0 to discard it.
int qualifying_letter_key_press(Scaling& scaling, Box box, int code);
int descriptive_letter_key_press(Scaling& scaling, Box box, int code);
void letter_box_click(Scaling& scaling, Box box);
// The M(3000) letter rule when the focus leaves a foFn or MUF(3000)Fn letter box.
void letter_box_lost_focus(Scaling& scaling, Box box);

} // namespace scalvo
