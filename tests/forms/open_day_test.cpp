// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open day… and the start in a folder that cannot be written, through the running
// program's windows.
#include "controllers/scaling_controller.h"
#include "forms/open_day_dialog.h"
#include "forms/parameters_window.h"
#include "forms/scaling_window.h"
#include "forms/workstation_app.h"

#include "records/record_file.h"
#include "support/message_boxes.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::read_bytes;
using testing::write_bytes;

class OpenDayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder / "ionograms");
        // Names are all the list needs: files this short show as no ionogram.
        for (const char* name : {"ZE20R_2026339074500.rdf", "ZE20R_2026339080000.rdf",
                                 "ZE20R_2026338000000.rdf", "ZE20R_2026338001500.rdf"})
            write_bytes(folder / "ionograms" / name, "x");
        write_bytes(folder / "setting.txt", "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    }
    // The parameters form's start, as Enter gives it, up to the scaling form on screen.
    void start(WorkstationApp& app) {
        ASSERT_TRUE(app.show_parameters_form());
        auto* date = app.parameters()->findChild<QLineEdit*>(QStringLiteral("giorno"));
        app.parameters()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app.parameters()));
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Return);
        wait_for([&] { return app.scaling() != nullptr && app.scaling()->isVisible(); });
    }
    template <typename Condition> static void wait_for(Condition condition) {
        for (int k = 0; k < 200 && !condition(); ++k)
            QTest::qWait(5);
        ASSERT_TRUE(condition());
    }
    testing::TempFolder folder;
};

TEST_F(OpenDayTest, TheChosenDayIsStartedAsTheParametersFormStartsIt) {
    WorkstationApp app(folder.path());
    ASSERT_TRUE(app.lock_working_folder());
    start(app);
    ScalingWindow* first = app.scaling();
    ASSERT_EQ(app.shared().current_record_number, 32);
    first->form().option_yes = false; // the sheet check has tests of its own
    first->form().set_text(value_box(Row::foF2), "72");

    // The dialog lists the two days, latest first, the day on screen chosen; take the other.
    QStringList listed;
    QTimer::singleShot(0, [&listed] {
        auto* dialog = qobject_cast<OpenDayDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* days = dialog->findChild<QTreeWidget*>(QStringLiteral("days"));
        for (int row = 0; row < days->topLevelItemCount(); ++row) {
            QStringList columns;
            for (int column = 0; column < 4; ++column)
                columns << days->topLevelItem(row)->text(column);
            listed << columns.join(QLatin1Char(' '));
        }
        EXPECT_EQ(days->currentItem(), days->topLevelItem(0));
        days->setCurrentItem(days->topLevelItem(1));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
    });
    first->findChild<QAction*>(QStringLiteral("open_day"))->trigger();
    EXPECT_EQ(listed, (QStringList{"05-12-2026 15 2 0", "04-12-2026 15 2 0"}));
    wait_for([&] { return app.scaling() != first && app.scaling() && app.scaling()->isVisible(); });

    EXPECT_EQ(app.shared().working_date, "04-12-2026");
    EXPECT_EQ(app.shared().current_record_number, 1);
    EXPECT_EQ(read_bytes(folder / "setting.txt"), "04-12-2026\r\n00\r\n00\r\n15\r\n1\r\n");
    EXPECT_TRUE(std::filesystem::exists(folder / "ionograms" / "ZE20R_04122026_15.txt"));
    EXPECT_TRUE(app.scaling()->windowTitle().contains("ZE20R_2026338000000.rdf"));
    // The sounding left was stored as Escape stores it.
    const std::string day = read_bytes(folder / "ionograms" / "ZE20R_05122026_15.txt");
    EXPECT_EQ(day.substr(31 * 248, 5), "07:45");
    EXPECT_EQ(day.substr(31 * 248 + 166, 2), "72");
}

// On a share that cannot be written the program says so once and opens looking only: the start
// writes neither "setting.txt" nor a day file, and the caption says so.
TEST_F(OpenDayTest, AFolderThatCannotBeWrittenOpensLookingOnly) {
    WorkstationApp app(folder.path());
    app.write_check = [](const std::filesystem::path& path) -> FileResult {
        return FileError{path, "written", "Read-only file system"};
    };
    bool started = false;
    const auto boxes = testing::answering_boxes([&] { started = app.lock_working_folder(); });
    ASSERT_TRUE(started);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("Read-only file system")) << boxes[0].text.toStdString();
    EXPECT_TRUE(boxes[0].text.contains("look only")) << boxes[0].text.toStdString();
    EXPECT_TRUE(app.shared().look_only);

    std::filesystem::remove(folder / "setting.txt");
    start(app);
    EXPECT_FALSE(std::filesystem::exists(folder / "setting.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder / "ionograms" / "ZE20R_05122026_15.txt"));
    // With no settings the form opened on the latest day with ionograms.
    EXPECT_EQ(app.shared().working_date, "05-12-2026");
    EXPECT_TRUE(app.scaling()->windowTitle().endsWith(" (look only)"));
    EXPECT_TRUE(app.scaling()->findChild<QAction*>(QStringLiteral("view_look_only"))->isChecked());
}

TEST(OpenDayDialogList, ShowsTheCountsAndChoosesTheRowSelected) {
    const std::vector<DayHeld> days{{"05-12-2026", "15", 96, 40, 96},
                                    {"05-12-2026", "05", 3, 0, 288},
                                    {"04-12-2026", "10", 144, 144, 144}};
    OpenDayDialog dialog(days, "05-12-2026", "05", nullptr);
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("days"));
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->headerItem()->text(2), "Soundings");
    EXPECT_EQ(list->headerItem()->text(3), "Stored");
    EXPECT_EQ(list->topLevelItem(0)->text(3), "40");
    EXPECT_EQ(dialog.chosen(), days[1]);
    list->setCurrentItem(list->topLevelItem(2));
    EXPECT_EQ(dialog.chosen(), days[2]);
}

} // namespace
} // namespace scalvo
