// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MUF(3000) transmission-curve tool: a MUF value proposed for the selected MUF(3000) row,
// moved by the step keys, written to the sheet with its M(3000), and shown as the red curve of
// the 3000 km path over the ionogram.
#include "ionogram/plot_canvas.h"
#include "ionogram/secant_law.h"
#include "scaling/scaling_form.h"

#include <cstdint>

namespace scalvo {

inline constexpr std::int16_t muf_lowest_code = 30;   // 3.0 MHz
inline constexpr std::int16_t muf_highest_code = 700; // 70.0 MHz
inline constexpr Rgb muf_curve_colour{200, 0, 0};

// Opens the tool after the selection of MUF3000F1 or MUF3000F2.
void open_muf_tool(Scaling& scaling);
// One step key (49, 50, 51, 52, 38, 40) with the keyboard-state mask; other keys, another
// selection or no ionogram change nothing.
void muf_step(Scaling& scaling, int key_code, int shift);

// The MUF(3000) code whose transmission curve passes through an echo at point (MHz, km): where
// the tool opens from the point clicked last for the critical frequency.
std::int16_t muf_code_through(const PlotPoint& point);

// The transmission curve of a MUF (MHz) drawn over the plot.
void draw_muf_curve(PlotCanvas& plot, float muf_value);

} // namespace scalvo
