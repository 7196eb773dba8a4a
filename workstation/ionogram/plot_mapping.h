// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plot mapping: plot coordinates (one unit one pixel, y upwards) to frequency and virtual
// height, and the rows of the height grid, whose lines read as their round heights.
#include <array>
#include <cmath>

namespace scalvo {

// The plot area: columns 1 .. 764, rows 1 .. 600.
inline constexpr int plot_right = 764;
inline constexpr int plot_top = 600;

constexpr bool in_plot_area(int x, int y) {
    return x >= 1 && x <= plot_right && y >= 1 && y <= plot_top;
}

// f = 0.025 x + 0.9 MHz and h = 1.125 y + 85.5 km, in double: the shortest text of every
// column then has at most three decimals.
constexpr double frequency_at(int x) {
    return 0.025 * x + 0.9;
}
constexpr double height_at(int y) {
    return 1.125 * y + 85.5;
}

// The nearest column and row of a frequency (MHz) and a height (km).
inline int x_at_frequency(double megahertz) {
    return static_cast<int>(std::lround(40 * megahertz - 36));
}
inline int y_at_height(double kilometres) {
    return static_cast<int>(std::lround((kilometres - 85.5) / 1.125));
}

// The grid lines of 100 ... 700 km stand on fixed rows, so that the readout and a pick show the
// whole hundreds exactly on them; each label stands four rows above its line.
struct HeightGridRow {
    int y;
    int kilometres;
};

inline constexpr std::array<HeightGridRow, 7> height_grid_rows{
    {{12, 100}, {102, 200}, {190, 300}, {280, 400}, {368, 500}, {458, 600}, {546, 700}}};

inline constexpr int height_label_offset = 4;

} // namespace scalvo
