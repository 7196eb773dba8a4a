// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

using namespace synth;

namespace {

ParsedOptions parse(std::vector<std::string_view> arguments) {
    return parse_options(arguments);
}

TEST(Options, Defaults) {
    auto parsed = parse({});
    ASSERT_TRUE(parsed.options);
    const Options& o = *parsed.options;
    EXPECT_EQ(date_text(o.date), "15-04-2026");
    EXPECT_EQ(o.interval, 15);
    EXPECT_EQ(o.axis.step_khz, 50);
    EXPECT_EQ(o.seed, 1u);
    EXPECT_EQ(o.working_folder, ".");
    EXPECT_FALSE(o.setting || o.keep_scaled);
}

TEST(Options, EveryOptionTaken) {
    auto parsed = parse({"--date",       "05-12-2026",   "--interval",
                         "05",           "--out",        "/tmp/w",
                         "--step=0.025", "--seed",       "18446744073709551615",
                         "--skip",       "10:30,11:05",  "--skip",
                         "00:00",        "--broken",     "12:00",
                         "--preview",    "07:45",        "--setting",
                         "07:45",        "--keep-scaled"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const Options& o = *parsed.options;
    EXPECT_EQ(date_text(o.date), "05-12-2026");
    EXPECT_EQ(o.interval, 5);
    EXPECT_EQ(o.working_folder, "/tmp/w");
    EXPECT_EQ(o.axis.step_khz, 25);
    EXPECT_EQ(o.seed, 18446744073709551615u);
    EXPECT_EQ(o.skipped, (std::vector<int>{630, 665, 0}));
    EXPECT_EQ(o.broken, (std::vector<int>{720}));
    EXPECT_EQ(o.previews, (std::vector<int>{465}));
    EXPECT_EQ(o.setting, 465);
    EXPECT_TRUE(o.keep_scaled);
}

struct StepCase {
    const char* text;
    int khz; // 0: refused
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << "'" << c.text << "'";
}

class StepOption : public testing::TestWithParam<StepCase> {};

TEST_P(StepOption, OnlyTheStepsThePlotCanPlace) {
    auto parsed = parse({"--step", GetParam().text});
    if (GetParam().khz == 0) {
        EXPECT_FALSE(parsed.options) << GetParam().text;
        return;
    }
    ASSERT_TRUE(parsed.options) << GetParam().text;
    EXPECT_EQ(parsed.options->axis.step_khz, GetParam().khz);
}

INSTANTIATE_TEST_SUITE_P(Steps, StepOption,
                         testing::Values(StepCase{"0.025", 25}, StepCase{"0.05", 50},
                                         StepCase{"0.050", 50}, StepCase{".1", 100},
                                         StepCase{"0.2", 200}, StepCase{"0.5", 500},
                                         StepCase{"0.3", 0}, StepCase{"1", 0},
                                         StepCase{"0.0250", 0}, StepCase{"", 0}, StepCase{".", 0},
                                         StepCase{"0,05", 0}));

struct RefusedCase {
    std::vector<std::string_view> arguments;
    const char* why; // part of the message
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    for (auto a : c.arguments) {
        *os << a << " ";
    }
}

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, SaysWhy) {
    auto parsed = parse(GetParam().arguments);
    EXPECT_FALSE(parsed.options);
    EXPECT_NE(parsed.error.find(GetParam().why), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Refused,
    testing::Values(RefusedCase{{"--date", "31-04-2026"}, "dd-mm-yyyy"},
                    RefusedCase{{"--interval", "20"}, "05, 10, 15, 30, 60"},
                    RefusedCase{{"--seed", "-3"}, "whole number"},
                    RefusedCase{{"--seed", "12x"}, "whole number"},
                    RefusedCase{{"--skip", "7:45"}, "HH:MM"},
                    RefusedCase{{"--skip", "10:10"}, "not a sounding"},
                    RefusedCase{{"--interval", "30", "--setting", "10:15"}, "not a sounding"},
                    RefusedCase{{"--skip", "10:00", "--broken", "10:00"}, "both"},
                    RefusedCase{{"--date"}, "needs a value"},
                    RefusedCase{{"--colour", "red"}, "unknown option --colour"},
                    // A flag the program does not know is unknown, not short of a value.
                    RefusedCase{{"--colour"}, "unknown option --colour"},
                    RefusedCase{{"--out", "/tmp/w", "-q"}, "unknown option -q"},
                    RefusedCase{{"--versions"}, "unknown option --versions"},
                    RefusedCase{{"/tmp/w"}, "unexpected argument /tmp/w"},
                    RefusedCase{{"--out", ""}, "empty"}));

TEST(Options, HelpAndVersionAreFlags) {
    for (std::vector<std::string_view> arguments : {std::vector<std::string_view>{"--help"},
                                                    {"-h"},
                                                    {"--version"},
                                                    {"--help", "--version"}}) {
        auto parsed = parse(arguments);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->help, arguments.front() != "--version");
        EXPECT_EQ(parsed.options->version, arguments.back() == "--version");
    }
}

TEST(Options, HelpNamesEveryOption) {
    for (const char* option :
         {"--date", "--interval", "--out", "--step", "--seed", "--skip", "--broken", "--preview",
          "--setting", "--keep-scaled", "--help", "--version"}) {
        EXPECT_NE(usage_text().find(option), std::string::npos) << option;
    }
}

} // namespace

namespace {

// "--date dd-mm-yyyy" for each option line of the help, in order.
std::vector<std::string> help_entries(const std::string& help) {
    std::vector<std::string> entries;
    std::istringstream in(help);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("  -")) {
            std::istringstream words(line);
            std::string name, value;
            words >> name;
            if (line.size() > 2 + name.size() && line[2 + name.size()] == ' ' &&
                line[3 + name.size()] != ' ') {
                words >> value;
            }
            entries.push_back(value.empty() ? name : name + " " + value);
        }
    }
    return entries;
}

// The same out of the manual page's option paragraphs (the line after each .TP).
std::vector<std::string> manual_entries(const std::string& page) {
    std::vector<std::string> entries;
    std::istringstream in(page);
    bool in_options = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(".SH")) {
            in_options = line == ".SH OPTIONS";
        }
        if (!in_options || line != ".TP" || !std::getline(in, line)) {
            continue;
        }
        std::string entry;
        for (std::size_t i = line.find(' ') + 1; i < line.size(); ++i) {
            if (line[i] == '\\' || line[i] == '"') {
                continue;
            }
            entry += line[i];
        }
        // ".BR \\-h ", " \\-\\-help" is "-h,--help" in the help.
        for (auto at = entry.find(" ,"); at != std::string::npos; at = entry.find(" ,")) {
            entry.erase(at, 1);
        }
        for (auto at = entry.find(", "); at != std::string::npos; at = entry.find(", ")) {
            entry.erase(at + 1, 1);
        }
        for (auto at = entry.find("  "); at != std::string::npos; at = entry.find("  ")) {
            entry.erase(at, 1);
        }
        entries.push_back(entry);
    }
    return entries;
}

TEST(Options, ManualPageListsTheHelpsOptionsInItsOrder) {
    std::ifstream in(SYNTHETIC_DAY_MANUAL_PAGE);
    std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(page.empty());
    auto help = help_entries(usage_text());
    EXPECT_GT(help.size(), 10u);
    EXPECT_EQ(manual_entries(page), help);
}

} // namespace
