// Keys in the real scaling window: nothing reaches a sheet box around its filter.
#include "forms/scaling_window.h"

#include "common/shared_state.h"
#include "controllers/companion_controller.h"
#include "records/record_file.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class ScalingKeysTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::start_day(shared, folder.path());
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        window = std::make_unique<ScalingWindow>(shared, dialogs, companion);
        window->load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
    }
    QLineEdit* box(const char* name) {
        return window->findChild<QLineEdit*>(QString::fromLatin1(name));
    }

    testing::TempFolder folder;
    SharedState shared;
    testing::FakeDialogs dialogs;
    CompanionForm companion_form;
    CompanionController companion{companion_form, shared, dialogs};
    std::unique_ptr<ScalingWindow> window;
};

TEST_F(ScalingKeysTest, PasteUndoAndTheMiddleButtonPutNothingIntoABox) {
    QApplication::clipboard()->setText(QStringLiteral("hello"));
    window->form().box("Text7").locked = false;
    window->form().set_text("Text7", "F1");
    window->sync();
    QLineEdit* types = box("Text7");
    types->setFocus();
    types->setCursorPosition(2);
    QTest::keyClick(types, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(types, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(types, Qt::MiddleButton);
    QTest::keyClick(types, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(types->text(), "F1");
    EXPECT_EQ(window->form().text("Text7"), "F1");
    QTest::keyClick(types, Qt::Key_L);
    QTest::keyClick(types, Qt::Key_2);
    EXPECT_EQ(window->form().text("Text7"), "F1L2");
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
