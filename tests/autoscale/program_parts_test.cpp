// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the autoscale program around the engine: its options, the folders it is given,
// the progress line, and the threads that must not change a single result.
#include "parallel_scaling.h"
#include "program_options.h"
#include "progress_line.h"
#include "sounding_list.h"
#include "support/param_name.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace scalvo::autoscale;
using scalvo::testing::TempFolder;
using scalvo::testing::write_bytes;

std::vector<std::string_view> words(const std::vector<std::string>& owned) {
    return {owned.begin(), owned.end()};
}

struct OptionsCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string error; // empty: accepted
    std::vector<std::string> inputs;
    std::vector<std::string> truths;
    int jobs = 0;
};

class Options : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(Options, AreTakenOrRefusedWithOneLine) {
    const OptionsCase& c = GetParam();
    const std::vector<std::string> owned = c.arguments;
    const ParsedProgramOptions parsed = parse_program_options(words(owned));
    EXPECT_EQ(parsed.error, c.error);
    ASSERT_EQ(parsed.options.has_value(), c.error.empty());
    if (!parsed.options)
        return;
    EXPECT_EQ(parsed.options->inputs, c.inputs);
    EXPECT_EQ(parsed.options->truths, c.truths);
    EXPECT_EQ(parsed.options->jobs, c.jobs);
}

OptionsCase accepted(std::string name, std::vector<std::string> arguments,
                     std::vector<std::string> inputs, std::vector<std::string> truths = {},
                     int jobs = 0) {
    return {std::move(name), std::move(arguments), "", std::move(inputs), std::move(truths), jobs};
}

OptionsCase refused(std::string name, std::vector<std::string> arguments, std::string error) {
    return {std::move(name), std::move(arguments), std::move(error), {}, {}, 0};
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Options,
    ::testing::Values(
        accepted("FilesInOrder", {"b.rdf", "a.rdf", "b.rdf"}, {"b.rdf", "a.rdf", "b.rdf"}),
        accepted("TruthsRepeated", {"--truth", "t1.csv", "x.rdf", "--truth=t2.csv"}, {"x.rdf"},
                 {"t1.csv", "t2.csv"}),
        // One file after --truth, never more: the next word is an ionogram again.
        accepted("TruthTakesOneFile", {"--truth", "t.csv", "a.rdf"}, {"a.rdf"}, {"t.csv"}),
        accepted("Jobs", {"--jobs", "2", "a.rdf"}, {"a.rdf"}, {}, 2),
        accepted("JobsShort", {"-j3", "a.rdf"}, {"a.rdf"}, {}, 3),
        accepted("JobsLastCounts", {"-j", "1", "--jobs=4", "a.rdf"}, {"a.rdf"}, {}, 4),
        accepted("JobsMost", {"-j", "256", "a.rdf"}, {"a.rdf"}, {}, 256),
        accepted("DashIsAFile", {"-"}, {"-"}),
        accepted("AfterDoubleDashAllFiles", {"--", "-j", "--truth"}, {"-j", "--truth"}),
        refused("NoFile", {}, "no ionogram file given"),
        refused("OnlyTruth", {"--truth", "t.csv"}, "no ionogram file given"),
        refused("Unknown", {"--bogus", "a.rdf"}, "unknown option --bogus"),
        refused("UnknownWithValue", {"--bogus=3", "a.rdf"}, "unknown option --bogus"),
        refused("UnknownShort", {"-x"}, "unknown option -x"),
        refused("TruthWithoutFile", {"a.rdf", "--truth"}, "--truth needs a file"),
        refused("JobsWithoutNumber", {"a.rdf", "--jobs"}, "--jobs needs a number"),
        refused("JobsZero", {"-j", "0", "a.rdf"}, "--jobs '0' is not a number from 1 to 256"),
        refused("JobsTooMany", {"-j", "257", "a.rdf"},
                "--jobs '257' is not a number from 1 to 256"),
        refused("JobsWord", {"--jobs=all", "a.rdf"}, "--jobs 'all' is not a number from 1 to 256"),
        refused("JobsTrailing", {"-j", "2x", "a.rdf"},
                "--jobs '2x' is not a number from 1 to 256")),
    scalvo::testing::param_name);

TEST(Options, HelpAndVersionNeedNoFile) {
    for (const char* flag : {"--help", "-h", "--version"}) {
        const std::vector<std::string> owned{std::string(flag)};
        const ParsedProgramOptions parsed = parse_program_options(words(owned));
        ASSERT_TRUE(parsed.options) << flag << ": " << parsed.error;
        EXPECT_TRUE(parsed.options->help || parsed.options->version) << flag;
    }
}

TEST(Options, UsageStartsWithTheUsageLineAndNamesEveryOption) {
    const std::string usage = program_usage();
    EXPECT_EQ(usage.rfind("usage: autoscale [OPTIONS] ", 0), 0u) << usage;
    for (const char* option : {"--help", "--version", "--truth FILE", "--jobs N"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

class Folders : public ::testing::Test {
  protected:
    TempFolder top;
};

TEST_F(Folders, StandForTheirIonogramFilesSortedByName) {
    const auto folder = top / "ionograms";
    std::filesystem::create_directories(folder / "ZE20R_2026105020000.rdf"); // a folder
    for (const char* name :
         {"ZE20R_2026105013000.rdf", "ZE20R_2026104230000.rdf", "ZE20R_2026105_15.txt",
          "ZE20R_2026105_truth.csv", "notes.rdf", "ZE20R_2026105014500.rdf"})
        write_bytes(folder / name, "x");
    const std::string given = folder.string();
    const SoundingList list = list_soundings({"first.rdf", given, given + "/"});
    const std::vector<std::string> names{"ZE20R_2026104230000.rdf", "ZE20R_2026105013000.rdf",
                                         "ZE20R_2026105014500.rdf"};
    std::vector<std::string> expected{"first.rdf"};
    for (int given_as = 0; given_as < 2; ++given_as) // without and with the slash
        for (const std::string& name : names)
            expected.push_back(given + "/" + name);
    EXPECT_EQ(list.files, expected);
    EXPECT_TRUE(list.errors.empty());
}

TEST_F(Folders, WithoutIonogramsOrUnreadableAreNamed) {
    std::filesystem::create_directories(top / "empty");
    write_bytes(top / "empty" / "notes.txt", "x");
    const std::string empty = (top / "empty").string();
    const SoundingList list = list_soundings({empty, "missing.rdf"});
    EXPECT_EQ(list.files, std::vector<std::string>{"missing.rdf"});
    EXPECT_EQ(list.errors, std::vector<std::string>{empty + ": no ionogram files in the folder"});
}

struct ProgressCase {
    std::string name;
    std::size_t done, total;
    double seconds;
    std::string text;
};

class Progress : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(Progress, ShowsDoneRateAndTimeLeft) {
    const ProgressCase& c = GetParam();
    EXPECT_EQ(progress_text(c.done, c.total, c.seconds), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Progress,
    ::testing::Values(ProgressCase{"NothingYet", 0, 35040, 0.5, "autoscale: 0 of 35040 files"},
                      ProgressCase{"NoTimeYet", 3, 10, 0.0, "autoscale: 3 of 10 files"},
                      ProgressCase{"Seconds", 1000, 35040, 0.5,
                                   "autoscale: 1000 of 35040 files, 2000 files/s, 0:18 left"},
                      // A part of a second left is a second left, not none.
                      ProgressCase{"PartOfASecond", 199, 200, 1.0,
                                   "autoscale: 199 of 200 files, 199 files/s, 0:01 left"},
                      ProgressCase{"SlowWithTenths", 5, 100, 2.0,
                                   "autoscale: 5 of 100 files, 2.5 files/s, 0:38 left"},
                      ProgressCase{"Hours", 10, 105120, 10.0,
                                   "autoscale: 10 of 105120 files, 1.0 files/s, 29:11:50 left"},
                      ProgressCase{"Done", 96, 96, 0.25,
                                   "autoscale: 96 of 96 files, 384 files/s, 0:00 left"}),
    scalvo::testing::param_name);

TEST(ProgressLine, WritesNothingWhenNotShown) {
    std::ostringstream out;
    ProgressLine line(out, false, 10);
    line.update(0);
    line.update(5);
    line.clear();
    EXPECT_EQ(out.str(), "");
}

TEST(ProgressLine, IsRewrittenInPlaceAndClearedAway) {
    std::ostringstream out;
    ProgressLine line(out, true, 10);
    line.update(0);
    EXPECT_EQ(out.str(), "\rautoscale: 0 of 10 files");
    line.clear();
    const std::string blank = "\r" + std::string(24, ' ') + "\r";
    EXPECT_EQ(out.str(), "\rautoscale: 0 of 10 files" + blank);
    line.clear(); // nothing left to clear
    EXPECT_EQ(out.str(), "\rautoscale: 0 of 10 files" + blank);
    EXPECT_EQ(out.str().find('\n'), std::string::npos);
}

// A run that ends on a failure leaves no line behind for its message to run into.
TEST(ProgressLine, IsClearedWhenTheRunEnds) {
    std::ostringstream out;
    {
        ProgressLine line(out, true, 3);
        line.update(0);
    }
    EXPECT_EQ(out.str(), "\rautoscale: 0 of 3 files\r" + std::string(23, ' ') + "\r");
}

// Files the reader refuses each give their reason, in the order given, whatever the threads.
TEST(ParallelScaling, HandsOnEveryFileInTheOrderGivenWhateverTheThreads) {
    TempFolder folder;
    std::vector<std::string> files;
    std::set<std::string> written;
    for (int k = 0; k < 40; ++k) {
        // Days interleaved, one file given twice, and names without a day.
        const std::string name = k % 5 == 0 ? "plain" + std::to_string(k) + ".bin"
                                            : "ZE20R_202610" + std::to_string(k % 3) +
                                                  (k % 2 ? "01" : "02") + "0000.rdf";
        files.push_back((folder / name).string());
        if (k % 7 == 0) {
            write_bytes(folder / name, std::string(static_cast<std::size_t>(k) + 1, 'x'));
            written.insert(files.back());
        }
    }
    for (const int jobs : {1, 2, 3, 64}) {
        std::vector<std::size_t> order;
        std::vector<std::string> errors;
        std::size_t last_read = 0;
        ScalingCallbacks callbacks;
        callbacks.ready = [&](std::size_t k, const FileScaling& file) {
            order.push_back(k);
            errors.push_back(file.error);
        };
        callbacks.progress = [&](std::size_t read) {
            EXPECT_GE(read, last_read);
            last_read = read;
        };
        scale_files(files, jobs, callbacks);
        ASSERT_EQ(order.size(), files.size()) << jobs;
        for (std::size_t k = 0; k < order.size(); ++k) {
            EXPECT_EQ(order[k], k) << jobs;
            EXPECT_EQ(errors[k], written.contains(files[k])
                                     ? "not an ionogram file of a usable size"
                                     : "no such file")
                << jobs << " " << files[k];
        }
        EXPECT_EQ(last_read, files.size()) << jobs;
    }
}

TEST(ParallelScaling, NoFilesIsNoWork) {
    ScalingCallbacks callbacks;
    callbacks.ready = [](std::size_t, const FileScaling&) { FAIL(); };
    callbacks.progress = [](std::size_t) {};
    scale_files({}, 4, callbacks);
}

} // namespace
