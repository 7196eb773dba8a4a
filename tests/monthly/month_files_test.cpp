// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/month_files.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

const Month december{2026, 12};

TEST(MonthFiles, TakesTheDayFilesOfTheMonthAtAnyInterval) {
    const MonthFiles files = choose_month_files(
        "ionograms",
        {"ZE20R_01122026_15.txt", "ZE20R_02122026_05.txt", "ZE20R_31122026_60.txt",
         "ZE20R_01112026_15.txt", "ZE20R_01122025_15.txt", "ZE20R_2026339074500.rdf",
         "ZE20R_03122026_15.txt.bak", "setting.txt", "ZE20R_04122026_15.TXT"},
        december);
    EXPECT_TRUE(files.problems.empty());
    ASSERT_TRUE(files.days[0]);
    EXPECT_EQ(files.days[0]->path, std::filesystem::path("ionograms/ZE20R_01122026_15.txt"));
    EXPECT_EQ(files.days[0]->interval, 15);
    ASSERT_TRUE(files.days[1]);
    EXPECT_EQ(files.days[1]->interval, 5);
    ASSERT_TRUE(files.days[30]);
    EXPECT_EQ(files.days[30]->interval, 60);
    for (const int day : {3, 4, 5, 30})
        EXPECT_FALSE(files.days[static_cast<std::size_t>(day - 1)]) << day;
}

// A day with files of two intervals is refused rather than one chosen silently.
TEST(MonthFiles, NamesBothFilesOfADayWithTwoIntervals) {
    const MonthFiles files = choose_month_files(
        "ionograms", {"ZE20R_07122026_15.txt", "ZE20R_07122026_05.txt", "ZE20R_08122026_05.txt"},
        december);
    EXPECT_FALSE(files.days[6]);
    EXPECT_TRUE(files.days[7]);
    ASSERT_EQ(files.problems.size(), 1u);
    const Problem& p = files.problems.front();
    EXPECT_EQ(p.file, std::filesystem::path("ionograms"));
    EXPECT_NE(p.text.find("day 7 has files of more than one interval (ZE20R_07122026_05.txt and "
                          "ZE20R_07122026_15.txt)"),
              std::string::npos)
        << p.text;
}

TEST(MonthFiles, NamesTheNamesOfTheMonthThatCannotBe) {
    const MonthFiles files = choose_month_files("ionograms",
                                                {"ZE20R_31022027_15.txt", "ZE20R_00022027_15.txt",
                                                 "ZE20R_03022027_07.txt", "ZE20R_29022027_15.txt",
                                                 "ZE20R_28022027_15.txt"},
                                                Month{2027, 2});
    EXPECT_EQ(files.problems.size(), 4u);
    EXPECT_TRUE(files.days[27]);
}

TEST(MonthFiles, MonthTextsAndLengths) {
    EXPECT_EQ(parse_month("2026-12"), december);
    for (const char* wrong : {"2026-13", "2026-00", "2026-1", "26-12", "2026/12", "", "2026-12x"})
        EXPECT_FALSE(parse_month(wrong)) << wrong;
    EXPECT_EQ(month_text(december), "2026-12");
    EXPECT_EQ(days_in(Month{2024, 2}), 29);
    EXPECT_EQ(days_in(Month{2100, 2}), 28);
    EXPECT_EQ(days_in(Month{2000, 2}), 29);
    EXPECT_EQ(days_in(Month{2026, 4}), 30);
}

TEST(MonthFiles, ReadsOnlyOrdinaryFilesOfTheFolder) {
    testing::TempFolder folder;
    testing::write_bytes(folder / "ZE20R_01122026_15.txt", "");
    std::filesystem::create_directory(folder / "ZE20R_02122026_15.txt");
    const MonthFiles files = find_month_files(folder.path(), december);
    EXPECT_TRUE(files.days[0]);
    EXPECT_FALSE(files.days[1]);
    EXPECT_TRUE(files.problems.empty());
    const MonthFiles none = find_month_files(folder / "no-such-folder", december);
    ASSERT_EQ(none.problems.size(), 1u);
    EXPECT_NE(problem_text(none.problems[0]).find("cannot be listed"), std::string::npos);
}

} // namespace
} // namespace scalvo
