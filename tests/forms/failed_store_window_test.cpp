// SPDX-License-Identifier: GPL-3.0-or-later
// A record that cannot be stored never traps the operator in the window: closing asks, staying
// is what Enter and Escape give, and Yes closes without the record.
#include "forms/qt_dialogs.h"
#include "support/scaling_window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace scalvo {
namespace {

// Answers the next message box with a key, after noting its default and escape buttons.
struct BoxSeen {
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
    QMessageBox::StandardButton escape_button = QMessageBox::NoButton;
};

template <typename Command> BoxSeen answer_with_key(int key, Command command) {
    BoxSeen seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.default_button = box->standardButton(box->defaultButton());
        seen.escape_button = box->standardButton(box->escapeButton());
        QTest::keyClick(box, static_cast<Qt::Key>(key));
    });
    timer.start(10);
    command();
    return seen;
}

TEST(CautiousQuestion, EnterAndEscapeBothAnswerNo) {
    QtDialogs dialogs;
    for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
        int answer = 0;
        const BoxSeen seen = answer_with_key(
            key, [&] { answer = dialogs.ask_yes_no_default_no("Close without storing?", "t"); });
        EXPECT_EQ(answer, answer_no) << key;
        EXPECT_EQ(seen.default_button, QMessageBox::No);
        EXPECT_EQ(seen.escape_button, QMessageBox::No);
    }
}

class FailedStoreWindowTest : public testing::ScalingWindowFixture {};

TEST_F(FailedStoreWindowTest, ClosingAsksAndStaysUnlessTold) {
    start(12, 0);
    open();
    // The day file's place taken by a folder: no record can be stored.
    std::filesystem::remove(shared.scaled_values_file);
    std::filesystem::create_directory(shared.scaled_values_file);
    dialogs.clear();
    form().option_yes = false;
    dialogs.answers = {answer_no};
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::yes_no);

    bool closed = false;
    QObject::connect(window.get(), &ScalingWindow::closed, [&] { closed = true; });
    dialogs.answers = {answer_yes};
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(closed);
    EXPECT_TRUE(std::filesystem::is_directory(shared.scaled_values_file));
}

} // namespace
} // namespace scalvo
