// SPDX-License-Identifier: GPL-3.0-or-later
// The program's text: CSV lines, sounding times from file names, the truth file and the
// agreement table.
#include "autoscale/report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <variant>

namespace {

using namespace scalvo::autoscale;
using C = Characteristic;

Proposal at(double value) {
    return Proposal{value, 0.9, 100, 200, 0, 0};
}

TEST(CsvLine, HeaderNamesEveryCharacteristicInOrder) {
    EXPECT_EQ(csv_header(),
              "file,fmin,foE,hE,foEs,hEs,fbEs,hF,foF1,hF2,foF2,fxI,MUF3000F2,M3000F2,separation");
}

struct LineCase {
    std::string file;
    C characteristic;
    double value;
    std::string expected;
};

class CsvLineCase : public ::testing::TestWithParam<LineCase> {};

TEST_P(CsvLineCase, FormatsEachUnit) {
    const LineCase& c = GetParam();
    Proposals proposals;
    proposals[c.characteristic] = at(c.value);
    EXPECT_EQ(csv_line(c.file, proposals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Units, CsvLineCase,
    ::testing::Values(
        // MHz with two decimals, km with one, M(3000) with two; nothing else filled.
        LineCase{"a.rdf", C::foF2, 7.875, "a.rdf,,,,,,,,,,7.88,,,,"},
        LineCase{"a.rdf", C::fmin, 1.3, "a.rdf,1.30,,,,,,,,,,,,,"},
        LineCase{"a.rdf", C::hF, 195.75, "a.rdf,,,,,,,195.8,,,,,,,"},
        LineCase{"a.rdf", C::hE, 100, "a.rdf,,,100.0,,,,,,,,,,,"},
        LineCase{"a.rdf", C::muf3000F2, 29.3, "a.rdf,,,,,,,,,,,,29.30,,"},
        LineCase{"a.rdf", C::m3000F2, 3.675, "a.rdf,,,,,,,,,,,,,3.67,"},
        // A name that would break the columns is quoted.
        LineCase{"x,y.rdf", C::fmin, 1.3, "\"x,y.rdf\",1.30,,,,,,,,,,,,,"},
        LineCase{"say \"x\".rdf", C::fmin, 1.3, "\"say \"\"x\"\".rdf\",1.30,,,,,,,,,,,,,"}));

TEST(CsvLine, TheSeparationUsedIsTheLastField) {
    Proposals proposals;
    for (const auto& [separation, expected] :
         {std::pair{0.375, "s.rdf,,,,,,,,,,,,,,0.38"}, std::pair{0.0, "s.rdf,,,,,,,,,,,,,,0.00"}}) {
        proposals.separation = separation;
        EXPECT_EQ(csv_line("s.rdf", proposals), expected) << separation;
    }
}

TEST(CsvLine, NoProposalsLeavesEveryFieldEmpty) {
    EXPECT_EQ(csv_line("gone.rdf", Proposals{}), "gone.rdf,,,,,,,,,,,,,,");
}

struct TimeCase {
    std::string path;
    std::string expected; // "" for none
};

class SoundingTime : public ::testing::TestWithParam<TimeCase> {};

TEST_P(SoundingTime, ComesFromTheFileName) {
    const auto time = sounding_time_of(GetParam().path);
    EXPECT_EQ(time.value_or(""), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SoundingTime,
    ::testing::Values(TimeCase{"ZE20R_2026105074500.rdf", "07:45"},
                      TimeCase{"day/ionograms/ZE20R_2026105235900.rdf", "23:59"},
                      TimeCase{"C:\\day\\ZE20R_2026105000000.rdf", "00:00"},
                      TimeCase{"ZE20R_2026105074500.txt", ""},
                      TimeCase{"ZE20R_20261050745.rdf", ""},
                      TimeCase{"ZE20R_2026105x74500.rdf", ""},
                      TimeCase{"ZE20R-2026105074500.rdf", ""}, TimeCase{".rdf", ""}));

const std::string truth_header =
    "time,file,fmin,foE,hE,foEs,hEs,fbEs,hF,foF1,hF2,foF2,fxI,MUF3000F2\r\n";

TEST(Truth, ReadsValuesAndDerivesM3000) {
    std::istringstream in(truth_header +
                          "07:45,written,2.01,3.52,100.5,,,,195.1,5.20,301.5,8.00,8.50,24.00\r\n"
                          "08:00,missing,1.50,,,,,,250.0,,,3.00,3.50,9.00\r\n");
    const auto read = read_truth(in);
    ASSERT_TRUE(std::holds_alternative<std::vector<TruthRow>>(read));
    const auto& rows = std::get<std::vector<TruthRow>>(read);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].time, "07:45");
    EXPECT_EQ(rows[1].state, "missing");
    EXPECT_DOUBLE_EQ(*rows[0].values[static_cast<std::size_t>(C::hF2)], 301.5);
    EXPECT_FALSE(rows[0].values[static_cast<std::size_t>(C::foEs)]);
    EXPECT_DOUBLE_EQ(*rows[0].values[static_cast<std::size_t>(C::m3000F2)], 3.0);
}

class BadTruth : public ::testing::TestWithParam<std::string> {};

TEST_P(BadTruth, IsRefusedWithAReason) {
    std::istringstream in(GetParam());
    const auto read = read_truth(in);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_FALSE(std::get<std::string>(read).empty());
}

INSTANTIATE_TEST_SUITE_P(Files, BadTruth,
                         ::testing::Values(std::string(), std::string("file,fmin\n"),
                                           truth_header + "07:45,written,2.01\r\n",
                                           truth_header + "07:45,written,abc,,,,,,,,,,,\r\n"));

// Two written soundings and one broken: only the written ones count.
TEST(Agreement, CountsWithinWrongMissedAndFalse) {
    std::istringstream in(truth_header + "07:45,written,2.00,3.50,,,,,,,,8.00,,\r\n" +
                          "08:00,written,2.00,,,,,,,,,8.00,,\r\n" +
                          "08:15,broken,2.00,,,,,,,,,8.00,,\r\n");
    const auto truth = std::get<std::vector<TruthRow>>(read_truth(in));
    std::vector<ScaledFile> files(3);
    files[0].path = "ZE20R_2026105074500.rdf";
    files[0].proposals[C::foF2] = at(8.05); // within
    files[0].proposals[C::fmin] = at(2.3);  // wrong
    files[1].path = "ZE20R_2026105080000.rdf";
    files[1].proposals[C::foE] = at(3.0);      // false: no E in the truth
    files[2].path = "ZE20R_2026105081500.rdf"; // broken: left out
    files[2].proposals[C::foF2] = at(1.0);
    const std::string table = agreement_table(files, {{"truth.csv", truth}});
    EXPECT_NE(table.find("2 soundings (1 files without a written truth row left out)"),
              std::string::npos)
        << table;
    // name, tolerance, truth, within, wrong, missed, no truth, false
    EXPECT_NE(
        table.find("foF2             0.10 MHz      2   50.0%    0.0%   50.0%         0       -"),
        std::string::npos)
        << table;
    EXPECT_NE(
        table.find("fmin             0.10 MHz      2    0.0%   50.0%   50.0%         0       -"),
        std::string::npos)
        << table;
    EXPECT_NE(
        table.find("foE              0.10 MHz      1    0.0%    0.0%  100.0%         1  100.0%"),
        std::string::npos)
        << table;
}

// Several days: each truth file speaks for its own folder only.
TEST(Agreement, MatchesEachFileWithTheTruthOfItsFolder) {
    std::istringstream a(truth_header + "07:45,written,2.00,,,,,,,,,8.00,,\r\n");
    std::istringstream b(truth_header + "07:45,written,2.00,,,,,,,,,5.00,,\r\n");
    const std::vector<TruthFile> truths = {{"days/a/ionograms/ZE20R_2026105_truth.csv",
                                            std::get<std::vector<TruthRow>>(read_truth(a))},
                                           {"days/b/ionograms/ZE20R_2026106_truth.csv",
                                            std::get<std::vector<TruthRow>>(read_truth(b))}};
    std::vector<ScaledFile> files(3);
    files[0].path = "days/a/ionograms/ZE20R_2026105074500.rdf";
    files[0].proposals[C::foF2] = at(8.0);
    files[1].path = "days/b/./ionograms/ZE20R_2026106074500.rdf";
    files[1].proposals[C::foF2] = at(5.0);
    files[2].path = "elsewhere/ZE20R_2026106074500.rdf"; // no truth for its folder
    files[2].proposals[C::foF2] = at(5.0);
    const std::string table = agreement_table(files, truths);
    EXPECT_NE(table.find("2 soundings (1 files without a written truth row left out)"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("foF2             0.10 MHz      2  100.0%"), std::string::npos) << table;
}

} // namespace
