// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Save picture…" of the scaling form: the plot as the window paints it at that moment (the
// ionogram, the grid, the labels and every mark painted over them), with a caption line under
// it, saved as a PNG.
#include <QImage>

namespace scalvo {

class ScalingWindow;

// Taken from the window's own painting rather than drawn again, so that whatever the window
// shows over the plot comes along.
QImage plot_picture(ScalingWindow& window);

// The entry in the File menu (Alt+S).
void add_save_picture(ScalingWindow& window);

// Height in pixels of the caption under the plot.
inline constexpr int picture_caption_height = 48;

} // namespace scalvo
