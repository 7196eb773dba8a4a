// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/monthly_run.h"

#include "support/month_records.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::RecordLine;

class MonthlyRun : public ::testing::Test {
  protected:
    MonthlyRun() {
        std::filesystem::create_directories(folder / "ionograms");
        testing::write_bytes(
            folder / "ionograms" / "ZE20R_02122026_60.txt",
            testing::day_file(60, {{12, RecordLine(12, 0).set(Row::foF2, 72).text()}}));
    }
    static std::optional<std::string> picture(const MonthTables&, const std::string& title) {
        return "PNG of " + title;
    }
    MonthlyReport run(const StationReading& station) {
        return make_monthly_tables(request_for({2026, 12}, folder.path()), station, picture);
    }
    testing::TempFolder folder;
};

StationReading a_station() {
    return check_station(std::map<std::string, std::string>{{"name", "Roma"},
                                                            {"ursi_code", "RO041"},
                                                            {"latitude", "41.8"},
                                                            {"longitude", "12.5"},
                                                            {"meridian_time", "15"},
                                                            {"ionosonde", "DORVIK"},
                                                            {"scaling", "manual"},
                                                            {"editing", "edited"}});
}

TEST_F(MonthlyRun, WritesTheFiveFilesIntoOutput) {
    const MonthlyReport report = run(a_station());
    EXPECT_EQ(report.exit_status(), 0);
    const auto out = folder / "output";
    EXPECT_EQ(report.written, (std::vector<std::filesystem::path>{
                                  out / "monthly_2026_12.txt", out / "monthly_2026_12.iiwg",
                                  out / "monthly_2026_12.csv", out / "monthly_2026_12_medians.csv",
                                  out / "monthly_2026_12.png"}));
    for (const auto& file : report.written)
        EXPECT_TRUE(std::filesystem::is_regular_file(file)) << file;
    EXPECT_EQ(testing::read_bytes(out / "monthly_2026_12.png"),
              "PNG of December 2026, Roma (RO041)");
    EXPECT_NE(testing::read_bytes(out / "monthly_2026_12.csv").find("2,12,foF2,7.2,,"),
              std::string::npos);
}

TEST_F(MonthlyRun, WithoutTheStationEveryOtherFileAndStatus1) {
    const MonthlyReport report = run(check_station(std::nullopt));
    EXPECT_EQ(report.exit_status(), 1);
    EXPECT_EQ(report.written.size(), 4u);
    EXPECT_FALSE(std::filesystem::exists(folder / "output" / "monthly_2026_12.iiwg"));
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].file, folder / "station.ini");
    EXPECT_NE(report.problems[0].text.find("name, ursi_code"), std::string::npos);
}

TEST_F(MonthlyRun, BadInputLeftOutGivesStatus1ButEveryFile) {
    testing::write_bytes(folder / "ionograms" / "ZE20R_03122026_60.txt", "cut");
    const MonthlyReport report = run(a_station());
    EXPECT_EQ(report.exit_status(), 1);
    EXPECT_EQ(report.written.size(), 5u);
    ASSERT_FALSE(report.problems.empty());
    EXPECT_EQ(report.problems[0].file, folder / "ionograms" / "ZE20R_03122026_60.txt");
}

TEST_F(MonthlyRun, AnOutputFolderThatCannotBeMadeWritesNothing) {
    testing::write_bytes(folder / "output", "a file where the folder should be");
    const MonthlyReport report = run(a_station());
    EXPECT_EQ(report.exit_status(), 1);
    EXPECT_TRUE(report.written.empty());
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].text.find("nothing is written"), std::string::npos);
}

TEST_F(MonthlyRun, AMonthWithoutFilesWritesNothing) {
    std::filesystem::create_directories(folder / "output");
    testing::write_bytes(folder / "output" / "monthly_2026_11.txt", "the tables made before");
    const MonthlyReport report =
        make_monthly_tables(request_for({2026, 11}, folder.path()), a_station(), picture);
    EXPECT_EQ(report.exit_status(), 1);
    EXPECT_TRUE(report.written.empty());
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].text,
              "there is no scaled-values file of November 2026 to read: nothing is written");
    EXPECT_EQ(testing::read_bytes(folder / "output" / "monthly_2026_11.txt"),
              "the tables made before");
}

TEST_F(MonthlyRun, AnEarlierMonthOfTheSameNameIsReplacedWhole) {
    std::filesystem::create_directories(folder / "output");
    testing::write_bytes(folder / "output" / "monthly_2026_12.csv", std::string(100000, 'x'));
    run(a_station());
    const std::string csv = testing::read_bytes(folder / "output" / "monthly_2026_12.csv");
    EXPECT_EQ(csv.find('x'), std::string::npos);
    EXPECT_EQ(csv.rfind("day,hour,", 0), 0u);
}

} // namespace
} // namespace scalvo
