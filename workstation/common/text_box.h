// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text box as the forms know it: text, lock, maximum length, visibility. Typing goes
// through the box's key filter first; what the filter lets pass is typed here.
#include <string>

namespace scalvo {

struct TextBox {
    std::string text;
    int max_length = 0; // 0: no limit
    bool locked = false;
    bool visible = true;
};

// Caret and selection of the box at the moment of the key (0-based character positions).
struct Caret {
    int position = -1; // -1: at the end
    int selection_start = 0;
    int selection_length = 0;
};

inline constexpr int key_backspace = 8;

// Types character code into a box's text as an edit control does: backspace deletes the selection
// or the character before the caret; a printable character replaces the selection or is
// inserted at the caret while the maximum length allows. Locked boxes and control codes other
// than backspace change nothing. Returns the new caret position.
int type_character(std::string& text, int max_length, bool locked, int code, Caret caret = {});
inline int type_character(TextBox& box, int code, Caret caret = {}) {
    return type_character(box.text, box.max_length, box.locked, code, caret);
}

} // namespace scalvo
