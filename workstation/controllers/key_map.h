// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard commands of the scaling form, which sees every key before the focused box. One
// table says which key runs which command and what it does: the form's key handler dispatches
// from it and the key reference (Help > Keys, the README, the manual page) is written from it.
#include "controllers/window_request.h"
#include "scaling/scaling_form.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace scalvo {

inline constexpr int shift_mask = 1;
inline constexpr int ctrl_mask = 2;
inline constexpr int alt_mask = 4;

enum class KeyCommand : std::uint8_t {
    next_characteristic,
    previous_characteristic,
    foF2_from_hF,
    next_sounding,
    previous_sounding,
    end_of_scaling,
    daytime_es_missing,
    nighttime_es_missing,
    partial_absorption,
    delete_case,
    no_ionogram,
    clear_selected,
    f1_layer_absent,
    muf_step,
    // Ours, after the described keys: the window's menu entries and the controller's own.
    day_overview,
    accept_proposals,
    save_picture,
    undo,
    redo,
    // The focus and the mouse, listed with the keys for the operator; no key handler runs them.
    move_focus,
    left_button,
    right_button,
};

// Any shift state: the described keys do not look at Shift, Ctrl or Alt (the MUF steps aside).
inline constexpr int any_shift = -1;

struct KeyBinding {
    KeyCommand command;
    // Virtual-key codes of the keys that run it; 0 ends the list.
    std::array<int, 2> codes;
    // The exact shift state the keys need (1 Shift, 2 Ctrl, 4 Alt), or any_shift.
    int shift;
    // What it does, in a sentence for the operator.
    std::string_view does;
    // The name of what is not a key (a mouse button); empty for keys, named from their codes.
    std::string_view input = {};
};

// Every key of the scaling form, then the focus and the mouse, in the order the key reference
// lists them.
std::span<const KeyBinding> key_bindings();
// The command of a key in this shift state; nullopt for a key that does nothing.
std::optional<KeyCommand> key_command(int key_code, int shift);
// "F1", "Up arrow", "Alt+Backspace", "F12, Ctrl", "Right button": the keys as the operator
// reads them.
std::string key_name(int key_code, int shift);
std::string keys_of(const KeyBinding& binding);

// Form_KeyDown: runs the key's command of the described form; Escape may ask for the
// parameters form. The commands of our own (undo, F11, the menu entries) are not run here.
WindowRequest form_key_down(Scaling& scaling, int key_code, int shift);

} // namespace scalvo
