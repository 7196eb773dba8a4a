// SPDX-License-Identifier: GPL-3.0-or-later
// View > Look only on the real scaling window: the caption says so, the keys move through the
// day without a word and without a byte written, and a change is refused with one message.
#include "controllers/scaling_controller.h"
#include "forms/scaling_window.h"

#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

namespace scalvo {
namespace {

class LookOnlyWindowTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start(7, 45);
        shared.current_record_number = 32;
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        for (const char* name : {"ZE20R_2026339074500.rdf", "ZE20R_2026339080000.rdf"})
            testing::write_bytes(shared.ionogram_folder / name, testing::daytime_ionogram());
        testing::write_bytes(folder / "setting.txt", "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    }
    void open_active() {
        open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    std::map<std::filesystem::path, std::string> files() const {
        std::map<std::filesystem::path, std::string> all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
            if (entry.is_regular_file())
                all[entry.path()] = testing::read_bytes(entry.path());
        return all;
    }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};

TEST_F(LookOnlyWindowTest, TheEntryMarksTheCaptionAndRefusesChanges) {
    open_active();
    const QString caption = window->windowTitle();
    ASSERT_TRUE(caption.startsWith("SCALVO - file: ZE20R_2026339074500.rdf"));
    auto* entry = child<QAction>("view_look_only");
    EXPECT_FALSE(entry->isChecked());
    entry->trigger();
    EXPECT_TRUE(entry->isChecked());
    EXPECT_TRUE(shared.look_only);
    EXPECT_EQ(window->windowTitle(), caption + " (look only)");

    // F5 and a letter typed into foF2's open box: one message each, nothing on the sheet.
    key(Qt::Key_F5);
    child<QLineEdit>("lettera_qualificativa_fof2")->setFocus();
    key(Qt::Key_J);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    for (const auto& shown : dialogs.shown)
        EXPECT_EQ(shown.text, look_only_text);
    EXPECT_EQ(child<QLineEdit>("lettera_qualificativa_fof2")->text(), "");
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), "");

    entry->trigger();
    EXPECT_FALSE(shared.look_only);
    EXPECT_EQ(window->windowTitle(), caption);
}

// An unscaled day, the sheet check on: F3 and F4 move at once, and the folder is byte for byte
// what it was.
TEST_F(LookOnlyWindowTest, WalkingTheDayLeavesEveryFileAsItWas) {
    shared.look_only = true; // as when the folder cannot be written
    open_active();
    EXPECT_TRUE(child<QAction>("view_look_only")->isChecked());
    EXPECT_TRUE(window->windowTitle().endsWith(" (look only)"));
    const auto before = files();
    key(Qt::Key_F3);
    EXPECT_EQ(shared.current_record_number, 33);
    EXPECT_TRUE(window->windowTitle().contains("ZE20R_2026339080000.rdf"));
    EXPECT_TRUE(window->windowTitle().endsWith(" (look only)"));
    key(Qt::Key_F3);
    key(Qt::Key_F4);
    key(Qt::Key_F4);
    EXPECT_EQ(shared.current_record_number, 32);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().text;
    EXPECT_EQ(files(), before);
}

} // namespace
} // namespace scalvo
