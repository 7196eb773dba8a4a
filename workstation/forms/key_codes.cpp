// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/key_codes.h"

#include <QGuiApplication>

namespace scalvo {

namespace {

// The keys 1 to 0 of the digit row have the codes 49-57 and 48 whatever they type: a French
// "1" types "&", Shift+3 types "#" on a US layout. They are known by their place on the
// keyboard, which the native scan code gives: X11 and Wayland key codes are the kernel's key
// numbers plus 8, Windows scan codes are those numbers themselves (2 to 11 for 1 to 0). The
// keypad's digits have other places and keep their own codes. 0 for any other key.
int digit_row_code(const QKeyEvent& event) {
    const quint32 scan = event.nativeScanCode();
    if (scan == 0 || (event.modifiers() & Qt::KeypadModifier))
        return 0;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("cocoa") || platform == QLatin1String("ios"))
        return 0; // no scan codes there
    const quint32 offset = platform == QLatin1String("windows") ? 0 : 8;
    if (scan < offset + 2 || scan > offset + 11)
        return 0;
    const int place = static_cast<int>(scan - offset); // 2 for "1" ... 11 for "0"
    return place == 11 ? 48 : 47 + place;
}

} // namespace

int virtual_key_code(const QKeyEvent& event) {
    if (const int digit = digit_row_code(event))
        return digit;
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 96 + (key - Qt::Key_0) : 48 + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 65 + (key - Qt::Key_A);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Asterisk:
        return keypad ? 106 : 0;
    case Qt::Key_Plus:
        return keypad ? 107 : 187;
    case Qt::Key_Minus:
        return keypad ? 109 : 189;
    case Qt::Key_Slash:
        return keypad ? 111 : 191;
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Period:
        return keypad ? 110 : 190;
    case Qt::Key_Semicolon:
        return 186;
    case Qt::Key_QuoteLeft:
        return 192;
    case Qt::Key_BracketLeft:
        return 219;
    // Whatever the layout, the key that carries the backslash is the one the F1-layer
    // command listens to.
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return 220;
    case Qt::Key_BracketRight:
        return 221;
    case Qt::Key_Apostrophe:
        return 222;
    default:
        return 0;
    }
}

int shift_state(const QKeyEvent& event) {
    const auto modifiers = event.modifiers();
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

int character_code(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1)
        return 0;
    const char16_t c = text.at(0).unicode();
    if (c < 32 && !(event.modifiers() & Qt::ControlModifier))
        return 0;
    return c <= 255 ? static_cast<int>(c) : 0;
}

} // namespace scalvo
