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
