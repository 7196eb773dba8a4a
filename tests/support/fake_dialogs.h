// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted operator: records every message box and answers Yes/No boxes from a queue.
#include "common/dialogs.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace scalvo::testing {

struct ShownBox {
    enum class Kind { ok, yes_no } kind;
    std::string text;
    std::string title;
    bool information_icon = false;
};

class FakeDialogs : public Dialogs {
  public:
    void message(const std::string& text, const std::string& title,
                 bool information_icon = false) override {
        if (on_show)
            on_show();
        shown.push_back({ShownBox::Kind::ok, text, title, information_icon});
    }
    int ask_yes_no(const std::string& text, const std::string& title) override {
        if (on_show)
            on_show();
        shown.push_back({ShownBox::Kind::yes_no, text, title, false});
        if (answers.empty())
            throw std::logic_error("unexpected question: " + text);
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void beep() override { ++beeps; }

    // Texts of the boxes shown so far.
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& box : shown)
            result.push_back(box.text);
        return result;
    }
    const ShownBox& last() const { return shown.back(); }
    void clear() {
        shown.clear();
        beeps = 0;
    }

    std::vector<ShownBox> shown;
    std::deque<int> answers;
    int beeps = 0;
    // Runs as each box opens: what the operator sees behind it.
    std::function<void()> on_show;
};

} // namespace scalvo::testing
