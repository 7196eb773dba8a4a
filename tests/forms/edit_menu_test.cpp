// SPDX-License-Identifier: GPL-3.0-or-later
// Undo, redo and revert on the real scaling window: the keys as the keyboard delivers them, and
// the Edit menu.
#include "forms/scaling_window.h"

#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "records/sheet_record.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class EditMenuTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start(7, 45);
        shared.current_record_number = 32;
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339074500.rdf",
                             testing::daytime_ionogram());
        open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    QString text(const char* name) { return box(name)->text(); }
    void fill(std::initializer_list<std::pair<const char*, const char*>> texts) {
        for (const auto& [name, value] : texts)
            form().set_text(testing::sheet_box(name), value);
        window->sync();
    }
};

// Ctrl+S out of habit: the Ctrl key clears foF2 (with M(3000)F2 and fxI's letter) before the
// S arrives. Alt+Backspace brings all of it back, and the focused letter box loses nothing.
TEST_F(EditMenuTest, CtrlSThenAltBackspaceBringsTheClearedValuesBack) {
    fill({{"Text13", "72"},
          {"lettera_descrittiva_fof2", "Z"},
          {"Text15", "253"},
          {"Text16", "351"},
          {"Text44", "X"}});
    QLineEdit* focused = box("lettera_descrittiva_fof2");
    ASSERT_EQ(QApplication::focusWidget(), focused);
    // As X11 delivers them: Ctrl on its own, then S with the control character it types.
    QTest::keyPress(focused, Qt::Key_Control, Qt::ControlModifier);
    QKeyEvent s_press(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier, QString(QChar(0x13)));
    QApplication::sendEvent(focused, &s_press);
    QKeyEvent s_release(QEvent::KeyRelease, Qt::Key_S, Qt::ControlModifier, QString(QChar(0x13)));
    QApplication::sendEvent(focused, &s_release);
    QTest::keyRelease(focused, Qt::Key_Control, Qt::NoModifier);
    ASSERT_EQ(text("Text13"), "");
    ASSERT_EQ(text("Text16"), "");
    ASSERT_EQ(text("Text44"), "");
    EXPECT_TRUE(child<QAction>("edit_undo")->isEnabled());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text("Text13"), "72");
    EXPECT_EQ(text("lettera_descrittiva_fof2"), "Z");
    EXPECT_EQ(text("Text16"), "351");
    EXPECT_EQ(text("Text44"), "X");
    EXPECT_EQ(QApplication::focusWidget(), focused);
    EXPECT_FALSE(child<QAction>("edit_undo")->isEnabled());
    EXPECT_TRUE(child<QAction>("edit_redo")->isEnabled());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace,
                    Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(text("Text13"), "");
    EXPECT_EQ(text("Text44"), "");
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().text;
}

TEST_F(EditMenuTest, TheEntriesShowTheirKeysAndFollowTheSteps) {
    QMenu* menu = child<QMenu>("edit_menu");
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (QAction* entry : menu->actions())
        texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    EXPECT_EQ(texts, (QStringList{"&Undo\tAlt+Backspace", "&Redo\tAlt+Shift+Backspace", "-",
                                  "Re&vert to stored"}));
    auto* undo = child<QAction>("edit_undo");
    auto* redo = child<QAction>("edit_redo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9); // NO IONOGRAM
    ASSERT_EQ(text("Text23"), "C");
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(text("Text23"), "");
    EXPECT_EQ(form().particular_case_code, ParticularCase::none);
    redo->trigger();
    EXPECT_EQ(text("Text23"), "C");
    EXPECT_EQ(form().particular_case_code, ParticularCase::no_ionogram);
}

TEST_F(EditMenuTest, RevertPutsBackWhatIsStored) {
    fill({{"Text13", "72"}, {"lettera_descrittiva_fof2", "A"}});
    compose_sheet_record(window->controller().scaling());
    ASSERT_FALSE(write_current_record(window->controller().scaling()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z);
    ASSERT_EQ(text("Text13"), "");
    ASSERT_EQ(text("lettera_descrittiva_fof2"), "Z");
    child<QAction>("edit_revert")->trigger();
    EXPECT_EQ(text("Text13"), "72");
    EXPECT_EQ(text("lettera_descrittiva_fof2"), "A");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text("lettera_descrittiva_fof2"), "Z");
}

} // namespace
} // namespace scalvo
