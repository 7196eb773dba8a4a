// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/key_codes.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

QKeyEvent press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                const QString& text = {}) {
    return QKeyEvent(QEvent::KeyPress, key, modifiers, text);
}

TEST(KeyCodes, EveryKeyOfTheScalingFormsMapHasItsCode) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        int code;
    } keys[] = {
        {Qt::Key_Up, Qt::NoModifier, {}, 38},
        {Qt::Key_Down, Qt::NoModifier, {}, 40},
        {Qt::Key_1, Qt::NoModifier, "1", 49},
        {Qt::Key_2, Qt::NoModifier, "2", 50},
        {Qt::Key_3, Qt::NoModifier, "3", 51},
        {Qt::Key_4, Qt::NoModifier, "4", 52},
        {Qt::Key_F1, Qt::NoModifier, {}, 112},
        {Qt::Key_F2, Qt::NoModifier, {}, 113},
        {Qt::Key_F3, Qt::NoModifier, {}, 114},
        {Qt::Key_F4, Qt::NoModifier, {}, 115},
        {Qt::Key_F5, Qt::NoModifier, {}, 116},
        {Qt::Key_F6, Qt::NoModifier, {}, 117},
        {Qt::Key_F7, Qt::NoModifier, {}, 118},
        {Qt::Key_F8, Qt::NoModifier, {}, 119},
        {Qt::Key_F9, Qt::NoModifier, {}, 120},
        {Qt::Key_F12, Qt::NoModifier, {}, 123},
        {Qt::Key_Control, Qt::ControlModifier, {}, 17},
        {Qt::Key_Space, Qt::NoModifier, " ", 32},
        {Qt::Key_Escape, Qt::NoModifier, {}, 27},
        {Qt::Key_Return, Qt::NoModifier, "\r", 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        // The key that carries the backslash, unshifted or shifted, on any layout.
        {Qt::Key_Backslash, Qt::NoModifier, "\\", 220},
        {Qt::Key_Bar, Qt::ShiftModifier, "|", 220},
        {Qt::Key_Left, Qt::NoModifier, {}, 37},
        {Qt::Key_Right, Qt::NoModifier, {}, 39},
        {Qt::Key_Delete, Qt::NoModifier, {}, 46},
        {Qt::Key_A, Qt::NoModifier, "a", 65},
        {Qt::Key_1, Qt::KeypadModifier, "1", 97},
    };
    for (const auto& k : keys) {
        const QKeyEvent event = press(k.key, k.modifiers, k.text);
        EXPECT_EQ(virtual_key_code(event), k.code) << k.key;
    }
}

// The digit row by its place (X11 key codes 10 to 19), whatever the layout types there and
// whether Shift is down; the keypad's digits keep their own codes.
TEST(KeyCodes, TheDigitRowIsKnownByItsPlace) {
    const struct {
        const char* layout;
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 scan_code;
        QString text;
        int code;
    } keys[] = {
        {"US 1", Qt::Key_1, Qt::NoModifier, 10, "1", 49},
        {"US Shift+1", Qt::Key_Exclam, Qt::ShiftModifier, 10, "!", 49},
        {"US Shift+2", Qt::Key_At, Qt::ShiftModifier, 11, "@", 50},
        {"US Shift+3", Qt::Key_NumberSign, Qt::ShiftModifier, 12, "#", 51},
        {"US Shift+4", Qt::Key_Dollar, Qt::ShiftModifier, 13, "$", 52},
        {"US Shift+9", Qt::Key_ParenLeft, Qt::ShiftModifier, 18, "(", 57},
        {"US Shift+0", Qt::Key_ParenRight, Qt::ShiftModifier, 19, ")", 48},
        {"French 1", Qt::Key_Ampersand, Qt::NoModifier, 10, "&", 49},
        {"French 2", Qt::Key_Eacute, Qt::NoModifier, 11, QString(QChar(0xe9)), 50},
        {"French 3", Qt::Key_QuoteDbl, Qt::NoModifier, 12, "\"", 51},
        {"French 4", Qt::Key_Apostrophe, Qt::NoModifier, 13, "'", 52},
        {"French Shift+3", Qt::Key_3, Qt::ShiftModifier, 12, "3", 51},
        {"Czech 1", Qt::Key_Plus, Qt::NoModifier, 10, "+", 49},
        {"Czech 2", 0x011b, Qt::NoModifier, 11, QString(QChar(0x11b)), 50},
        {"Ctrl+3", Qt::Key_3, Qt::ControlModifier, 12, {}, 51},
        {"keypad 1", Qt::Key_1, Qt::KeypadModifier, 87, "1", 97},
        {"keypad 3", Qt::Key_3, Qt::KeypadModifier, 89, "3", 99},
        {"keypad End", Qt::Key_End, Qt::KeypadModifier, 87, {}, 35},
        {"Q next to the row", Qt::Key_Q, Qt::NoModifier, 24, "q", 81},
        {"Escape before it", Qt::Key_Escape, Qt::NoModifier, 9, {}, 27},
        {"minus after it", Qt::Key_Minus, Qt::NoModifier, 20, "-", 189},
        {"no scan code", Qt::Key_3, Qt::NoModifier, 0, "3", 51},
    };
    for (const auto& k : keys) {
        const QKeyEvent event(QEvent::KeyPress, k.key, k.modifiers, k.scan_code, 0, 0, k.text);
        EXPECT_EQ(virtual_key_code(event), k.code) << k.layout;
    }
}

TEST(KeyCodes, ShiftStateAndCharacters) {
    EXPECT_EQ(shift_state(press(Qt::Key_Down, Qt::ControlModifier)), 2);
    EXPECT_EQ(shift_state(press(Qt::Key_A, Qt::ShiftModifier | Qt::AltModifier)), 5);
    EXPECT_EQ(shift_state(press(Qt::Key_A)), 0);
    EXPECT_EQ(character_code(press(Qt::Key_A, Qt::NoModifier, "a")), 'a');
    EXPECT_EQ(character_code(press(Qt::Key_Backspace, Qt::NoModifier, "\b")), 8);
    EXPECT_EQ(character_code(press(Qt::Key_Up)), 0);
    EXPECT_EQ(character_code(press(Qt::Key_E, Qt::NoModifier, QString(QChar(0x00e8)))), 0xe8);
    EXPECT_EQ(character_code(press(Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x20ac)))), 0);
}

} // namespace
} // namespace scalvo
