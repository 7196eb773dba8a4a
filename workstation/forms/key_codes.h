// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's key events in the program's vocabulary: virtual-key codes, the shift mask and the
// typed character code. The one place where keys are translated.
#include <QKeyEvent>

namespace scalvo {

// Virtual-key code of the key (F1 = 112, Escape = 27, the backslash key = 220 ...);
// 0 for a key the program has no code for. The digit row is known by its place on the
// keyboard, whatever the layout and Shift.
int virtual_key_code(const QKeyEvent& event);
// 1 Shift, 2 Ctrl, 4 Alt.
int shift_state(const QKeyEvent& event);
// The one-byte character the key types (backspace 8, Enter 13, Escape 27); 0 for none.
int character_code(const QKeyEvent& event);

} // namespace scalvo
