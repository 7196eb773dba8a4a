// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Design positions are in twips, 15 to the pixel, from the top-left of the inner area.
#include <QColor>
#include <QRect>

namespace scalvo {

inline QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// The dark blue of the scaling form and its labels (&H00C00000).
inline QColor form_blue() {
    return QColor(0, 0, 192);
}

} // namespace scalvo
