// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Selecting the characteristic to scale: red label, letter boxes unlocked, focus, plot redrawn
// and the derived day/night indication and Es types.
#include "scaling/scaling_form.h"

namespace scalvo {

// The click command of a row label (fmin_Click ... MUF3000F2_Click); the M(3000) rows do
// nothing.
void select_characteristic(Scaling& scaling, Row row);
// foF2 selected as after a move between soundings: without redrawing the plot.
void select_foF2_without_redraw(Scaling& scaling);

// True for the rows that have a selection command: all but the M(3000) rows.
bool is_selectable(Row row);

// Night when h'E and foE have neither values nor letters, day otherwise.
void set_day_night(ScalingForm& form);

} // namespace scalvo
