// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing the sounding of the shared state on the scaling form: its ionogram found, checked,
// read and drawn with the caption, the particular-case caption and the menu states that follow,
// then the stored sheets and the selection of foF2.
#include "scaling/scaling_form.h"

namespace scalvo {

// The ionogram part of showing a sounding (the time is sounding_hour:sounding_minute).
void load_sounding(Scaling& scaling);
// The whole chain: the ionogram, the sheet and the previous sounding's boxes from the file,
// foF2 selected without a redraw.
void show_sounding(Scaling& scaling);

} // namespace scalvo
