// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/contrast.h"

#include "ionogram/plot.h"
#include "ionogram/plot_mapping.h"

#include <algorithm>
#include <cmath>

namespace scalvo {

namespace {

constexpr int brightest_echo = 254;

// The vertical grid lines stand at the whole MHz: x = 40 f - 36.
bool on_grid_column(int x) {
    return x >= 4 && (x - 4) % 40 == 0;
}

bool on_grid_row(int y) {
    return std::any_of(height_grid_rows.begin(), height_grid_rows.end(),
                       [y](const HeightGridRow& row) { return row.y == y; });
}

} // namespace

Contrast within_limits(Contrast contrast) {
    // A NaN from a damaged settings file is no choice: the default.
    if (!std::isfinite(contrast.gain))
        contrast.gain = 1.0;
    if (!std::isfinite(contrast.gamma))
        contrast.gamma = 1.0;
    contrast.gain = std::clamp(contrast.gain, lowest_gain, highest_gain);
    contrast.gamma = std::clamp(contrast.gamma, lowest_gamma, highest_gamma);
    return contrast;
}

ContrastTable contrast_table(const Contrast& contrast) {
    ContrastTable table{};
    for (int level = 0; level < 256; ++level)
        table[static_cast<std::size_t>(level)] = static_cast<std::uint8_t>(level);
    if (contrast.is_default())
        return table;
    const Contrast chosen = within_limits(contrast);
    for (int level = 1; level < 256; ++level) {
        const double scaled = std::min(1.0, chosen.gain * level / brightest_echo);
        const double shown = brightest_echo * std::pow(scaled, 1.0 / chosen.gamma);
        table[static_cast<std::size_t>(level)] = static_cast<std::uint8_t>(
            std::clamp(static_cast<int>(std::nearbyint(shown)), 1, brightest_echo));
    }
    return table;
}

void shown_row(const PlotCanvas& canvas, const ContrastTable& table, int row, std::uint32_t* out) {
    const int width = canvas.width();
    const std::uint32_t* source =
        canvas.pixels().data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width);
    std::copy(source, source + width, out);
    const int y = canvas.top_y() - row;
    if (y < 1 || y > plot_top)
        return;
    const bool grid_row = on_grid_row(y);
    const std::uint32_t grid = word_of(grid_colour);
    for (int x = std::max(1, canvas.left_x()); x <= plot_right; ++x) {
        const int column = x - canvas.left_x();
        if (column >= width)
            break;
        const std::uint32_t word = source[column];
        const std::uint32_t level = word & 0xFFu;
        if (word != level * 0x010101u || level == 0)
            continue; // not grey, or black: no echo
        if (word == grid && (grid_row || on_grid_column(x)))
            continue;
        const std::uint32_t shown = table[level];
        out[column] = shown * 0x010101u;
    }
}

} // namespace scalvo
