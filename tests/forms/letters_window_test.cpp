#include "forms/scaling_window.h"

#include "common/shared_state.h"
#include "controllers/companion_controller.h"
#include "support/fake_dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::FakeDialogs;

class LettersWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.sync();
    }
    QLineEdit* box(const char* name) {
        auto* widget = window.findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Puts the logic's focus into a box and lets the window follow.
    void focus(const char* name) {
        window.form().focus = name;
        window.sync();
        ASSERT_EQ(QApplication::focusWidget(), box(name));
    }

    SharedState shared;
    FakeDialogs dialogs;
    CompanionForm companion_form;
    CompanionController companion{companion_form, shared, dialogs};
    ScalingWindow window{shared, dialogs, companion};
};

TEST_F(LettersWindowTest, ALetterTypedInAQualifyingBoxGoesThroughItsFilter) {
    auto* label = window.findChild<QLabel*>(QStringLiteral("fmin"));
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, Qt::LeftButton);
    ASSERT_EQ(window.form().selected_characteristic, "fmin");
    // The row's boxes open as the selection leaves them.
    window.form().box("Text17").locked = false;
    window.form().box("Text23").locked = false;
    focus("Text17");

    QTest::keyClick(box("Text17"), Qt::Key_5);
    QTest::keyClick(box("Text17"), Qt::Key_B);
    EXPECT_EQ(box("Text17")->text(), "");
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"This is not a qualificative letter!"});

    QTest::keyClick(box("Text17"), Qt::Key_A);
    EXPECT_EQ(box("Text17")->text(), "A");
    EXPECT_EQ(window.form().text("Text17"), "A");
    EXPECT_EQ(window.form().focus, "Text23");
    EXPECT_EQ(QApplication::focusWidget(), box("Text23"));

    QTest::keyClick(box("Text23"), Qt::Key_U);
    QTest::keyClick(box("Text23"), Qt::Key_S);
    EXPECT_EQ(box("Text23")->text(), "S");
    EXPECT_EQ(window.form().text("Text23"), "S");
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
    EXPECT_EQ(window.form().text("Text7"), "F2L1");
}

} // namespace
} // namespace scalvo
