// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing an ionogram in grey scale with its frame, grid and labels, in plot coordinates.
#include "ionogram/ionogram.h"
#include "ionogram/plot_canvas.h"

namespace scalvo {

// The grey of the grid lines at every whole MHz and every 100 km.
inline constexpr Rgb grid_colour{100, 100, 100};

// Scales the amplitudes in place to 0..254 (the largest becomes 254).
void normalise_amplitudes(Ionogram& ionogram);
// Background, frame, frequency and height grid with labels, echoes.
void draw_ionogram(PlotCanvas& canvas, const Ionogram& ionogram);
// Background, frame and labels only, for a sounding without an ionogram.
void draw_empty_frame(PlotCanvas& canvas);

} // namespace scalvo
