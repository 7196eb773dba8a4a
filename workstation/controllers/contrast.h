// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contrast of the plot as shown: a gain and a gamma applied to the echoes' grey levels on
// their way to the screen. The picture the logic draws never changes; at the default every
// pixel is shown exactly as drawn.
#include "ionogram/plot_canvas.h"

#include <array>
#include <cstdint>

namespace scalvo {

struct Contrast {
    // The grey level is multiplied by the gain, then raised to 1 / gamma (a gamma above 1
    // brightens the faint echoes more than the strong ones).
    double gain = 1.0;
    double gamma = 1.0;
    bool is_default() const { return gain == 1.0 && gamma == 1.0; }
    friend bool operator==(const Contrast&, const Contrast&) = default;
};

// What the operator can choose; a remembered value outside is brought back within.
inline constexpr double lowest_gain = 0.5;
inline constexpr double highest_gain = 8.0;
inline constexpr double lowest_gamma = 0.4;
inline constexpr double highest_gamma = 3.0;
Contrast within_limits(Contrast contrast);

// The level each echo level 0 .. 255 is shown at. 0 stays 0 (no echo), an echo stays visible
// (at least 1), and nothing becomes brighter than the strongest echo the plot draws (254).
using ContrastTable = std::array<std::uint8_t, 256>;
ContrastTable contrast_table(const Contrast& contrast);

// Row `row` (0 = top) of the canvas as shown, as 0xRRGGBB words. Only the echoes inside the
// frame change: grey pixels of the plot area, except the grid's own grey on its lines.
void shown_row(const PlotCanvas& canvas, const ContrastTable& table, int row, std::uint32_t* out);

} // namespace scalvo
