// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/monthly_command.h"

#include "common/shared_state.h"
#include "support/fake_dialogs.h"
#include "support/month_records.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

std::optional<std::string> no_picture(const MonthTables&, const std::string&) {
    return std::nullopt;
}
std::optional<std::string> a_picture(const MonthTables&, const std::string&) {
    return std::string("png");
}

TEST(MonthlyCommand, TheMonthOfTheWorkingDateInTheWorkingFolder) {
    testing::TempFolder folder;
    SharedState shared;
    testing::start_day(shared, folder.path()); // 05-12-2026
    const auto request = monthly_request(shared);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->month, (Month{2026, 12}));
    EXPECT_EQ(request->folder, folder.path());
    EXPECT_EQ(request->out, folder / "output");
    shared.working_date = "";
    EXPECT_FALSE(monthly_request(shared));
    shared.working_date = "05-13-2026";
    EXPECT_FALSE(monthly_request(shared));
}

TEST(MonthlyCommand, TellsWhereTheFilesWentAndWhatWasLeftOut) {
    const MonthlyRequest request = request_for({2026, 12}, "/srv/station");
    MonthlyReport report;
    report.written = {"/srv/station/output/monthly_2026_12.txt",
                      "/srv/station/output/monthly_2026_12.csv"};
    EXPECT_EQ(monthly_report_text(request, report),
              "The monthly tables of December 2026 are in /srv/station/output:\r\n"
              "  monthly_2026_12.txt\r\n"
              "  monthly_2026_12.csv\r\n"
              "\r\n"
              "Nothing was left out.");
    report.problems.push_back({"/elsewhere/f.txt", 0, "cut"});
    for (int k = 1; k <= 10; ++k)
        report.problems.push_back({"/srv/station/ionograms/f.txt", k, "cut"});
    const std::string text = monthly_report_text(request, report, 3);
    EXPECT_NE(
        text.find("Left out:\r\n  /elsewhere/f.txt: cut\r\n  ionograms/f.txt:1: cut\r\n"
                  "  ionograms/f.txt:2: cut\r\n  and 8 more (monthly_tables lists them all)."),
        std::string::npos)
        << text;
    report.written.clear();
    EXPECT_EQ(
        monthly_report_text(request, report).rfind("No file of December 2026 was written.", 0), 0u);
}

TEST(MonthlyCommand, RunsTheMonthAndShowsOneMessage) {
    testing::TempFolder folder;
    SharedState shared;
    testing::start_day(shared, folder.path());
    testing::write_bytes(
        shared.ionogram_folder / "ZE20R_05122026_15.txt",
        testing::day_file(15, {{28, testing::RecordLine(7, 0).set(Row::foF2, 72).text()}}));
    testing::FakeDialogs dialogs;
    run_monthly_tables(shared, dialogs, check_station(std::nullopt), a_picture);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().title, "Monthly tables");
    EXPECT_FALSE(dialogs.last().information_icon); // the station file is missing: left out
    EXPECT_NE(dialogs.last().text.find("there is no station.ini"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "output" / "monthly_2026_12.png"));

    dialogs.clear();
    run_monthly_tables(shared, dialogs, check_station(std::nullopt), no_picture);
    EXPECT_NE(dialogs.last().text.find("the picture cannot be made"), std::string::npos);
}

} // namespace
} // namespace scalvo
