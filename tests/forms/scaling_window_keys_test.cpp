// SPDX-License-Identifier: GPL-3.0-or-later
// Keys in the real scaling window: nothing reaches a sheet box around its filter.
#include "forms/scaling_window.h"

#include "records/record_file.h"
#include "support/scaling_window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class ScalingKeysTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start();
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        open();
        window->activateWindow();
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
};

TEST_F(ScalingKeysTest, PasteUndoAndTheMiddleButtonPutNothingIntoABox) {
    QApplication::clipboard()->setText(QStringLiteral("hello"));
    // No row selected: the Es types box is open, as at design, and Ctrl clears nothing.
    window->form().selected_characteristic.reset();
    window->form().set_text(testing::sheet_box("Text7"), "F1");
    window->sync();
    QLineEdit* types = box("Text7");
    types->setFocus();
    types->setCursorPosition(2);
    QTest::keyClick(types, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(types, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(types, Qt::MiddleButton);
    QTest::keyClick(types, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(types->text(), "F1");
    EXPECT_EQ(window->form().text(testing::sheet_box("Text7")), "F1");
    QTest::keyClick(types, Qt::Key_L);
    QTest::keyClick(types, Qt::Key_2);
    EXPECT_EQ(window->form().text(testing::sheet_box("Text7")), "F1L2");
    EXPECT_EQ(types->text(), "F1L2");
}

TEST_F(ScalingKeysTest, EscapeAsksForTheParametersForm) {
    WindowRequest asked = WindowRequest::none;
    QObject::connect(window.get(), &ScalingWindow::request,
                     [&asked](WindowRequest request) { asked = request; });
    window->form().option_yes = false;
    window->sync();
    box("lettera_descrittiva_fof2")->setFocus();
    QTest::keyClick(box("lettera_descrittiva_fof2"), Qt::Key_Escape);
    EXPECT_EQ(asked, WindowRequest::show_parameters_form);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace scalvo
