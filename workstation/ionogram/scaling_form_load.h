#pragma once
// Finding, checking, reading and drawing the ionogram of the sounding on the scaling form,
// with the caption, the particular-case caption and the menu states that follow from it.
#include "scaling/scaling_form.h"

namespace scalvo {

// The ionogram part of showing a sounding (the time is sounding_hour:sounding_minute).
void load_sounding(Scaling& scaling);
// Redraws the plot from memory: the ionogram when one is loaded, else the empty frame.
void redraw_plot(Scaling& scaling);
// The live readout of frequency and height under the mouse pointer.
void update_readout(Scaling& scaling, int x, int y);

} // namespace scalvo
