// SPDX-License-Identifier: GPL-3.0-or-later
// Every program answers --help and --version the same way, with no display and without
// touching the folder it runs in, and refuses an unknown option with one line, the usage and
// status 2.
#include "scalvo_version.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Program {
    const char* name;
    const char* binary;
};

void PrintTo(const Program& p, std::ostream* os) {
    *os << p.name;
}

std::vector<Program> programs() {
    std::vector<Program> all{{"scalvo", SCALVO_BINARY},
                             {"tabulor", TABULOR_BINARY},
                             {"synthetic_day", SYNTHETIC_DAY_BINARY},
                             {"monthly_tables", MONTHLY_TABLES_BINARY}};
    if (*AUTOSCALE_BINARY)
        all.push_back({"autoscale", AUTOSCALE_BINARY});
    return all;
}

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// A fresh empty folder to run in, so that a program that does its work instead of answering
// leaves files behind.
class InFolder {
  public:
    InFolder() {
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("scalvo-cli-" + std::to_string(seed()));
        fs::create_directories(root_ / "work");
    }
    ~InFolder() { fs::remove_all(root_); }

    // `environment` is put before the program (VAR=value ...); the display is taken away.
    Outcome run(const std::string& binary, const std::string& arguments,
                const std::string& environment = "") const {
        const std::string command = "cd '" + work().string() +
                                    "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                    environment + " '" + binary + "' " + arguments + " >'" +
                                    (root_ / "out").string() + "' 2>'" + (root_ / "err").string() +
                                    "' </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(root_ / "out"),
                read(root_ / "err")};
    }
    fs::path work() const { return root_ / "work"; }
    bool untouched() const { return fs::is_empty(work()); }

  private:
    fs::path root_;
};

class CommandLine : public ::testing::TestWithParam<Program> {
  protected:
    Outcome run(const std::string& arguments) const {
        return folder_.run(GetParam().binary, arguments);
    }
    std::string name() const { return GetParam().name; }
    InFolder folder_;
};

TEST_P(CommandLine, HelpIsTheUsageOnStandardOutput) {
    for (const char* option : {"--help", "-h"}) {
        const Outcome r = run(option);
        EXPECT_EQ(r.status, 0) << option;
        EXPECT_EQ(r.err, "") << option;
        EXPECT_EQ(r.out.rfind("usage: " + name() + " ", 0), 0u) << option << ": " << r.out;
        EXPECT_NE(r.out.find("--help"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("--version"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.back(), '\n');
    }
    EXPECT_TRUE(folder_.untouched());
}

TEST_P(CommandLine, VersionIsTheProjectVersion) {
    const Outcome r = run("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, name() + " " SCALVO_VERSION "\n");
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(folder_.untouched());
}

TEST_P(CommandLine, UnknownOptionIsOneLineThenTheUsage) {
    const std::string usage = run("--help").out;
    const struct {
        const char* option;
        const char* named; // in the first line
    } cases[] = {{"--no-such-option", "no-such-option"},
                 {"--no-such-option=3", "no-such-option"},
                 {"-Z", "Z"}};
    for (const auto& c : cases) {
        const Outcome r = run(c.option);
        EXPECT_EQ(r.status, 2) << c.option;
        EXPECT_EQ(r.out, "") << c.option;
        const auto line_end = r.err.find('\n');
        ASSERT_NE(line_end, std::string::npos) << c.option;
        const std::string line = r.err.substr(0, line_end);
        EXPECT_EQ(line.rfind(name() + ": ", 0), 0u) << line;
        EXPECT_NE(line.find(c.named), std::string::npos) << line;
        EXPECT_EQ(r.err.substr(line_end + 1), usage) << c.option;
    }
    EXPECT_TRUE(folder_.untouched());
}

INSTANTIATE_TEST_SUITE_P(Programs, CommandLine, ::testing::ValuesIn(programs()),
                         [](const auto& info) { return std::string(info.param.name); });

// Scalvo's own refusals, before any window: each is a mistake in the arguments.
struct Refusal {
    const char* name;
    const char* arguments;
    const char* why; // part of the first line
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.arguments;
}

class ScalvoRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(ScalvoRefuses, WithStatus2AndNoWindow) {
    const InFolder folder;
    const Outcome r = folder.run(SCALVO_BINARY, GetParam().arguments);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    const std::string line = r.err.substr(0, r.err.find('\n'));
    EXPECT_EQ(line.rfind("scalvo: ", 0), 0u) << r.err;
    EXPECT_NE(line.find(GetParam().why), std::string::npos) << line;
    EXPECT_NE(r.err.find("usage: scalvo"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ScalvoRefuses,
    ::testing::Values(Refusal{"Positional", "ionograms", "unexpected argument ionograms"},
                      Refusal{"FolderWithoutValue", "--folder", "folder"},
                      Refusal{"TwoSources", "--folder . --last-folder", "one of"},
                      Refusal{"ChooseAndLast", "--choose-folder --last-folder", "one of"},
                      Refusal{"TwoFolders", "--folder . --folder ..", "one of"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Scalvo, QtOwnOptionsStillAccepted) {
    const InFolder folder;
    const Outcome r = folder.run(SCALVO_BINARY, "-platform offscreen -reverse --version");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "scalvo " SCALVO_VERSION "\n");
}

TEST(Scalvo, NoDisplayNamesTheVirtualOne) {
    const InFolder folder;
    const Outcome r = folder.run(SCALVO_BINARY, "");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("xvfb-run"), std::string::npos) << r.err;
    EXPECT_TRUE(folder.untouched());
}

TEST(Scalvo, MissingFolderRefusedBeforeAnyWindow) {
    const InFolder folder;
    const Outcome r = folder.run(SCALVO_BINARY, "--folder no/such/folder",
                                 "QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME='" +
                                     folder.work().string() + "/../config'");
    EXPECT_EQ(r.status, 2);
    // Qt may say something of its own before (a missing XDG_RUNTIME_DIR).
    const std::string line = "scalvo: no/such/folder: no such folder\n";
    ASSERT_GE(r.err.size(), line.size()) << r.err;
    EXPECT_EQ(r.err.substr(r.err.size() - line.size()), line);
    EXPECT_TRUE(folder.untouched());
}

} // namespace
