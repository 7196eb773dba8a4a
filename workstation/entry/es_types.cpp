// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/es_types.h"

#include "common/dialogs.h"
#include "common/text_box.h"

#include <string_view>

namespace scalvo {

namespace {

constexpr std::string_view es_type_letters = "ACDFHKLQRS";
// The types whose multiple reflections the step buttons count, in the order they are tried.
constexpr std::string_view stepped_letters = "CFLH";
constexpr char highest_reflection = '5';

bool is_es_type_letter(int code) {
    return code >= 'A' && code <= 'Z' &&
           es_type_letters.find(static_cast<char>(code)) != std::string_view::npos;
}

// A single entry the buttons can step: one of C, F, L, H and a digit 1 to 5.
bool steppable(const std::string& content) {
    return content.size() == 2 && stepped_letters.find(content[0]) != std::string_view::npos &&
           content[1] >= '1' && content[1] <= highest_reflection;
}

} // namespace

int es_types_key_press(const std::string& content, int code) {
    if (code == key_backspace)
        return code;
    switch (content.size()) {
    case 0:
    case 2: // a type letter is due
        if (code >= 'a' && code <= 'z')
            code -= 32;
        return is_es_type_letter(code) ? code : 0;
    case 1:
    case 3: // its number of reflections is due
        return code >= '1' && code <= '9' ? code : 0;
    case 4:
        return 0;
    default:
        return code;
    }
}

int es_types_key_down(int key_code) {
    switch (key_code) {
    case 37: // left
    case 38: // up
    case 39: // right
    case 40: // down
    case 46: // delete
        return 0;
    default:
        return key_code;
    }
}

void esup_click(Scaling& scaling) {
    std::string& content = scaling.form.text(value_box(Row::es_types));
    if (!steppable(content))
        return;
    if (content[1] == highest_reflection) {
        scaling.dialogs.message("A sixth multiple reflection is not considered by the software!!",
                                "Es multiple refelctions!!");
        return;
    }
    ++content[1];
}

void esdown_click(Scaling& scaling) {
    std::string& content = scaling.form.text(value_box(Row::es_types));
    if (!steppable(content))
        return;
    if (content[1] == '1') {
        scaling.dialogs.message("You cannot go below " + content + "!!",
                                "Es multiple reflections!!");
        return;
    }
    --content[1];
}

bool es_types_format_ok(Scaling& scaling, bool closing) {
    const std::size_t length = scaling.form.text(value_box(Row::es_types)).size();
    if (length == 0 || length == 2 || length == 4)
        return true;
    scaling.dialogs.message(closing ? "The format Es Types is not correct!!"
                                    : "The format of Es Types is not correct!!",
                            "Be careful!!");
    return false;
}

} // namespace scalvo
