// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

namespace scalvo {

// Screen readers and accessibility tools announce each control by what it means: a box or a
// list by the accessible name its window gave it ("foF2 descriptive letter"), the other
// controls by their own text. The control name stays the object name and becomes the
// accessible description, for the tools that look a control up by it.
void name_controls_for_accessibility(QWidget& window);

} // namespace scalvo
