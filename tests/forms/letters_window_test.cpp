// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/scaling_window.h"

#include "support/scaling_window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

// The scaling window before any sounding is loaded.
class LettersWindowTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override { show_unloaded(); }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    // Puts the logic's focus into a box and lets the window follow.
    void focus(const char* name) {
        window->form().focus = testing::sheet_box(name);
        window->sync();
        ASSERT_EQ(QApplication::focusWidget(), box(name));
    }
};

TEST_F(LettersWindowTest, ALetterTypedInAQualifyingBoxGoesThroughItsFilter) {
    // The click on the row's label opens the row's boxes; every other box stays locked.
    ASSERT_TRUE(box("Text17")->isReadOnly());
    QTest::mouseClick(child<QLabel>("fmin"), Qt::LeftButton);
    ASSERT_EQ(window->form().selected_characteristic, Row::fmin);
    EXPECT_FALSE(box("Text17")->isReadOnly());
    EXPECT_FALSE(box("Text23")->isReadOnly());
    EXPECT_TRUE(box("Text18")->isReadOnly());
    EXPECT_TRUE(box("Text7")->isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), box("Text23"));
    focus("Text17");

    QTest::keyClick(box("Text17"), Qt::Key_5);
    QTest::keyClick(box("Text17"), Qt::Key_B);
    EXPECT_EQ(box("Text17")->text(), "");
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"This is not a qualificative letter!"});

    QTest::keyClick(box("Text17"), Qt::Key_A);
    EXPECT_EQ(box("Text17")->text(), "A");
    EXPECT_EQ(window->form().text(testing::sheet_box("Text17")), "A");
    EXPECT_EQ(window->form().focus, testing::sheet_box("Text23"));
    EXPECT_EQ(QApplication::focusWidget(), box("Text23"));

    QTest::keyClick(box("Text23"), Qt::Key_U);
    QTest::keyClick(box("Text23"), Qt::Key_S);
    EXPECT_EQ(box("Text23")->text(), "S");
    EXPECT_EQ(window->form().text(testing::sheet_box("Text23")), "S");
}

TEST_F(LettersWindowTest, CaretKeysAndDeleteDoNothingInTheEsTypesBox) {
    focus("Text7");
    QLineEdit* es_types = box("Text7");
    QTest::keyClicks(es_types, "f2");
    ASSERT_EQ(es_types->text(), "F2");

    es_types->setCursorPosition(0);
    QTest::keyClick(es_types, Qt::Key_Delete);
    QTest::keyClick(es_types, Qt::Key_Right);
    EXPECT_EQ(es_types->text(), "F2");
    EXPECT_EQ(es_types->cursorPosition(), 0);

    es_types->setCursorPosition(2);
    QTest::keyClick(es_types, Qt::Key_Left);
    EXPECT_EQ(es_types->cursorPosition(), 2);
    QTest::keyClicks(es_types, "l1");
    EXPECT_EQ(es_types->text(), "F2L1");
    EXPECT_EQ(window->form().text(testing::sheet_box("Text7")), "F2L1");
}

} // namespace
} // namespace scalvo
