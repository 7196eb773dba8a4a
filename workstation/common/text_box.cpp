// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text_box.h"

#include <algorithm>

namespace scalvo {

int type_character(std::string& text, int max_length, bool locked, int code, Caret caret) {
    const int size = static_cast<int>(text.size());
    int position = caret.position < 0 ? size : std::min(caret.position, size);
    int start = std::clamp(caret.selection_start, 0, size);
    int length = std::clamp(caret.selection_length, 0, size - start);
    if (locked)
        return position;

    if (code == 8) {
        if (length > 0) {
            text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
            return start;
        }
        if (position > 0) {
            text.erase(static_cast<std::size_t>(position - 1), 1);
            return position - 1;
        }
        return position;
    }
    if (code < 32 || code > 255)
        return position;

    if (length > 0) {
        if (max_length > 0 && size - length + 1 > max_length)
            return position;
        text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), 1,
                     static_cast<char>(code));
        return start + 1;
    }
    if (max_length > 0 && size >= max_length)
        return position;
    text.insert(static_cast<std::size_t>(position), 1, static_cast<char>(code));
    return position + 1;
}

} // namespace scalvo
