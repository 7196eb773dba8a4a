// SPDX-License-Identifier: GPL-3.0-or-later
// File > Monthly tables… on the real scaling window.
#include "forms/added_menus.h"
#include "forms/scaling_window.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class MonthlyMenuTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start(7, 45);
        testing::write_bytes(folder / "station.ini", "[station]\nname=Roma\nursi_code=RO041\n"
                                                     "latitude=41.8\nlongitude=12.5\n"
                                                     "meridian_time=15\nionosonde=DORVIK\n"
                                                     "scaling=manual\nediting=edited\n");
        // The day on screen, not scaled yet.
        std::string day;
        for (int k = 0; k < 96; ++k)
            day += std::string(246, ' ') + "\r\n";
        testing::write_bytes(shared.scaled_values_file, day);
        open();
    }
};

TEST_F(MonthlyMenuTest, AfterSavePictureInTheFileMenuAfterTheDescribedMenus) {
    QMenu* file = file_menu(*window);
    QStringList entries;
    for (QAction* entry : file->actions())
        entries << entry->objectName();
    EXPECT_EQ(entries, (QStringList{"open_day", "save_picture", "monthly_tables"}));
    EXPECT_EQ(child<QAction>("monthly_tables")->text(), QStringLiteral("Monthly tables…"));
    EXPECT_EQ(window->menuBar()->actions().indexOf(file->menuAction()), 7);
}

TEST_F(MonthlyMenuTest, WritesTheMonthOnScreenAndSaysWhere) {
    dialogs.clear();
    child<QAction>("monthly_tables")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u) << dialogs.texts().front();
    EXPECT_EQ(dialogs.last().title, "Monthly tables");
    EXPECT_TRUE(dialogs.last().information_icon) << dialogs.last().text;
    EXPECT_NE(dialogs.last().text.find("The monthly tables of December 2026 are in " +
                                       (folder / "output").string()),
              std::string::npos)
        << dialogs.last().text;
    for (const char* name : {"monthly_2026_12.txt", "monthly_2026_12.iiwg", "monthly_2026_12.csv",
                             "monthly_2026_12_medians.csv", "monthly_2026_12.png"})
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / "output" / name)) << name;
}

} // namespace
} // namespace scalvo
