// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plot of the scaling form as the sheet's commands leave it: redrawn from memory, and the
// live readout of the position under the mouse pointer.
#include "scaling/scaling_form.h"

namespace scalvo {

// Redraws the plot from memory: the ionogram when one is loaded, else the empty frame.
void redraw_plot(Scaling& scaling);
// The live readout of frequency and height under the mouse pointer.
void update_readout(Scaling& scaling, int x, int y);

} // namespace scalvo
