// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCursor>

namespace scalvo {

// The form's own pointer over the plot: a thin cross with a hollow centre, so that the echo
// under it stays visible.
QCursor plot_cursor();

} // namespace scalvo
