// SPDX-License-Identifier: GPL-3.0-or-later
// The key table: every key dispatches to the command it is listed with, and the README and the
// manual page list the same keys with the same words.
#include "controllers/key_map.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace scalvo {
namespace {

TEST(KeyTable, EveryKeyRunsTheCommandItIsListedWith) {
    std::set<std::pair<int, int>> seen;
    for (const KeyBinding& binding : key_bindings()) {
        for (const int code : binding.codes) {
            if (code == 0)
                break;
            const int shift = binding.shift == any_shift ? 0 : binding.shift;
            EXPECT_EQ(key_command(code, shift), binding.command) << keys_of(binding);
            EXPECT_TRUE(seen.insert({code, binding.shift}).second) << keys_of(binding);
        }
        EXPECT_FALSE(binding.does.empty());
        EXPECT_FALSE(keys_of(binding).empty());
    }
}

TEST(KeyTable, TheUndoKeysAreNoDescribedKey) {
    // Backspace alone, with Shift or with Ctrl stays what it was: nothing for the form.
    for (const int shift : {0, shift_mask, ctrl_mask, ctrl_mask | alt_mask})
        EXPECT_EQ(key_command(8, shift), std::nullopt) << shift;
    EXPECT_EQ(key_command(8, alt_mask), KeyCommand::undo);
    EXPECT_EQ(key_command(8, alt_mask | shift_mask), KeyCommand::redo);
    // The described keys ignore the shift state.
    for (const int shift : {0, shift_mask, ctrl_mask, alt_mask})
        EXPECT_EQ(key_command(123, shift), KeyCommand::clear_selected) << shift;
    EXPECT_EQ(key_command(83, 0), std::nullopt); // S alone is no key of the form
}

TEST(KeyTable, KeysAreNamedAsTheOperatorReadsThem) {
    const struct {
        int code;
        int shift;
        const char* name;
    } cases[] = {{112, any_shift, "F1"},
                 {123, any_shift, "F12"},
                 {38, any_shift, "Up arrow"},
                 {220, any_shift, "\\"},
                 {51, any_shift, "3"},
                 {8, alt_mask, "Alt+Backspace"},
                 {8, alt_mask | shift_mask, "Alt+Shift+Backspace"},
                 {83, alt_mask, "Alt+S"},
                 {40, ctrl_mask, "Ctrl+Down arrow"}};
    for (const auto& c : cases)
        EXPECT_EQ(key_name(c.code, c.shift), c.name);
    for (const KeyBinding& binding : key_bindings()) {
        if (binding.command == KeyCommand::clear_selected) {
            EXPECT_EQ(keys_of(binding), "F12, Ctrl");
        }
    }
}

// The operator's reference lists the mouse, Tab and the keys we added with the described ones.
TEST(KeyTable, TheReferenceHoldsTheMouseTabAndOurKeys) {
    std::set<std::string> keys;
    for (const KeyBinding& binding : key_bindings())
        keys.insert(keys_of(binding));
    for (const char* key : {"Right button", "Left button", "Tab", "F10", "F11", "Alt+S",
                            "Alt+Backspace", "Alt+Shift+Backspace", "Escape", "\\"})
        EXPECT_TRUE(keys.contains(key)) << key;
}

std::string readme_list() {
    std::string text;
    for (const KeyBinding& binding : key_bindings())
        text += "- `" + keys_of(binding) + "`: " + std::string(binding.does) + "\n";
    return text;
}

std::string roff(std::string text) {
    std::string escaped;
    for (const char c : text)
        escaped += c == '\\' ? std::string("\\e") : std::string(1, c);
    if (!escaped.empty() && (escaped.front() == '.' || escaped.front() == '\''))
        escaped.insert(0, "\\&");
    return escaped;
}

std::string manual_list() {
    std::string text;
    for (const KeyBinding& binding : key_bindings())
        text += ".TP\n.B " + roff(keys_of(binding)) + "\n" + roff(std::string(binding.does)) + "\n";
    return text;
}

// The text between the line holding `from` and the next line holding `to`.
std::string block(const std::string& file, const std::string& from, const std::string& to) {
    const std::string text = testing::read_bytes(std::string(SCALVO_SOURCE_DIR) + "/" + file);
    const std::size_t start = text.find(from);
    if (start == std::string::npos)
        return "(no " + from + " in " + file + ")";
    const std::size_t begin = text.find('\n', start) + 1;
    const std::size_t end = text.find(to, begin);
    if (end == std::string::npos)
        return "(no " + to + " in " + file + ")";
    return text.substr(begin, text.rfind('\n', end) + 1 - begin);
}

TEST(KeyTable, TheReadmeListsTheSameKeys) {
    EXPECT_EQ(block("README.md", "<!-- keys -->", "<!-- /keys -->"), readme_list());
}

TEST(KeyTable, TheManualPageListsTheSameKeys) {
    EXPECT_EQ(block("data/man/scalvo.1.in", ".\\\" keys", ".\\\" /keys"), manual_list());
}

} // namespace
} // namespace scalvo
