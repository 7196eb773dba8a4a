// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the logic talks to the operator: modal message boxes and the beep.
// Passed in by reference; the GUI implements it with real message boxes, tests with a fake.
#include <string>

namespace scalvo {

inline constexpr int answer_yes = 6;
inline constexpr int answer_no = 7;

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // OK-only box. An empty title leaves the window's default title.
    virtual void message(const std::string& text, const std::string& title,
                         bool information_icon = false) = 0;
    // Yes/No box; returns answer_yes or answer_no.
    virtual int ask_yes_no(const std::string& text, const std::string& title) = 0;
    // A Yes/No box whose cautious answer, No, is the default: Enter and Escape both give it.
    virtual int ask_yes_no_default_no(const std::string& text, const std::string& title) {
        return ask_yes_no(text, title);
    }
    virtual void beep() = 0;
};

// Two-line texts of the warnings are joined by carriage return and line feed.
inline std::string two_lines(const std::string& first, const std::string& second) {
    return first + "\r\n" + second;
}

} // namespace scalvo
