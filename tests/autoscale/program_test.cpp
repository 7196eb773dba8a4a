// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built autoscale as a real process on files in a temporary folder.
#include "sounding_builder.h"
#include "support/param_name.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace scalvo::autoscale::testing;
using scalvo::testing::read_bytes;
using scalvo::testing::TempFolder;
using scalvo::testing::write_bytes;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// An ionogram file of the station's format: the 197-byte header, then 150 bytes a frequency.
std::string ionogram_file(const scalvo::Ionogram& ionogram) {
    std::string header(197, ' ');
    header.replace(0, 19, "01.000 20.000 0.025");
    header.replace(59, 2, "xx");
    header.replace(122, 5, "ZE20R");
    header[196] = '\n';
    std::string bytes = header;
    for (const auto cell : ionogram.amplitude_grid)
        bytes += static_cast<char>(cell);
    return bytes;
}

class Program : public ::testing::Test {
  protected:
    void SetUp() override {
        write_bytes(folder / "ZE20R_2026105013000.rdf",
                    ionogram_file(SoundingBuilder()
                                      .noise(20)
                                      .trace(1.3, 3.3, layer_curve(240, 3.3, 40), 220)
                                      .build()));
        write_bytes(folder / "ZE20R_2026105014500.rdf", std::string(100, 'x'));
    }

    Outcome run(const std::string& args) {
        const std::string command =
            "cd '" + folder.path().string() + "' && '" AUTOSCALE_BINARY "' " + args + " >out 2>err";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_bytes(folder / "out"),
                read_bytes(folder / "err")};
    }

    TempFolder folder;
};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string field(const std::string& line, int k) {
    std::istringstream in(line);
    std::string value;
    for (int n = 0; n <= k; ++n)
        std::getline(in, value, ',');
    return value;
}

struct Refusal {
    std::string args;
    std::string first_error_line;
};

class Refused : public Program, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refused, WithOneLineTheUsageAndStatus2) {
    const Outcome r = run(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    const auto lines = lines_of(r.err);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], GetParam().first_error_line);
    EXPECT_EQ(lines[1].rfind("usage: autoscale", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Arguments, Refused,
                         ::testing::Values(Refusal{"--bogus ZE20R_2026105013000.rdf",
                                                   "autoscale: unknown option --bogus"},
                                           Refusal{"-x", "autoscale: unknown option -x"},
                                           Refusal{"", "autoscale: no ionogram file given"},
                                           Refusal{"ZE20R_2026105013000.rdf --truth",
                                                   "autoscale: --truth needs a file"}));

TEST_F(Program, HelpAndVersionGoToStandardOutput) {
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: autoscale", 0), 0u);
    EXPECT_EQ(help.err, "");
    const Outcome version = run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("autoscale ", 0), 0u);
    EXPECT_EQ(lines_of(version.out).size(), 1u);
}

TEST_F(Program, WritesOneLinePerFileInOrderAndGoesOnPastBadOnes) {
    const Outcome r = run("missing.rdf ZE20R_2026105013000.rdf ZE20R_2026105014500.rdf");
    EXPECT_EQ(r.status, 1);
    const auto lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              "file,fmin,foE,hE,foEs,hEs,fbEs,hF,foF1,hF2,foF2,fxI,MUF3000F2,M3000F2,separation");
    EXPECT_EQ(lines[1], "missing.rdf,,,,,,,,,,,,,,");
    EXPECT_EQ(field(lines[2], 0), "ZE20R_2026105013000.rdf");
    EXPECT_NEAR(std::stod(field(lines[2], 10)), 3.3, 0.1); // foF2
    EXPECT_EQ(field(lines[2], 2), "");                     // no E by night
    EXPECT_EQ(lines[3], "ZE20R_2026105014500.rdf,,,,,,,,,,,,,,");
    const auto errors = lines_of(r.err);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "autoscale: missing.rdf: no such file");
    EXPECT_EQ(errors[1],
              "autoscale: ZE20R_2026105014500.rdf: not an ionogram file of a usable size");
}

// A file that is no ionogram at all is named as such, not as a missing file.
TEST_F(Program, AFileThatIsNoIonogramIsNamedAsSuch) {
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"notes.txt", std::string(300, 'n'),
         "not an ionogram: no header (no line feed at byte 197)"},
        {"ZE20R_2026105020000.rdf", std::string(57347, '\0'),
         "not an ionogram: no header (no line feed at byte 197)"},
    };
    for (const auto& c : cases) {
        write_bytes(folder / c.name, c.bytes);
        const Outcome r = run(c.name);
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_EQ(r.err, std::string("autoscale: ") + c.name + ": " + c.reason + "\n");
    }
}

// Files of one day and minute (names differing in seconds, or one file given twice): each line
// must hold its own file's reading.
struct SameMinute {
    std::string name;
    std::string args;
    std::vector<double> foF2; // of each line, in order
};

class SameMinuteFiles : public Program, public ::testing::WithParamInterface<SameMinute> {
  protected:
    void SetUp() override {
        Program::SetUp();
        write_bytes(folder / "ZE20R_2026105013030.rdf",
                    ionogram_file(SoundingBuilder()
                                      .noise(20)
                                      .trace(1.3, 5.0, layer_curve(240, 5.0, 40), 220)
                                      .build()));
    }
};

TEST_P(SameMinuteFiles, EachGetsItsOwnReading) {
    const Outcome r = run(GetParam().args);
    EXPECT_EQ(r.status, 0) << r.err;
    const auto lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), GetParam().foF2.size() + 1);
    for (std::size_t k = 0; k < GetParam().foF2.size(); ++k)
        EXPECT_NEAR(std::stod(field(lines[k + 1], 10)), GetParam().foF2[k], 0.1) << lines[k + 1];
}

INSTANTIATE_TEST_SUITE_P(
    Files, SameMinuteFiles,
    ::testing::Values(
        SameMinute{"SecondsApart", "ZE20R_2026105013000.rdf ZE20R_2026105013030.rdf", {3.3, 5.0}},
        SameMinute{"SecondsApartLaterFirst",
                   "ZE20R_2026105013030.rdf ZE20R_2026105013000.rdf",
                   {5.0, 3.3}},
        SameMinute{"OneFileTwice", "ZE20R_2026105013000.rdf ZE20R_2026105013000.rdf", {3.3, 3.3}},
        SameMinute{"OneFileTwiceAroundAnother",
                   "ZE20R_2026105013030.rdf ZE20R_2026105013000.rdf "
                   "ZE20R_2026105013030.rdf",
                   {5.0, 3.3, 5.0}}),
    scalvo::testing::param_name);

TEST_F(Program, ComparesWithATruthFile) {
    write_bytes(folder / "truth.csv",
                "time,file,fmin,foE,hE,foEs,hEs,fbEs,hF,foF1,hF2,foF2,fxI,MUF3000F2\r\n"
                "01:30,written,1.30,,,,,,240.0,,,3.30,3.80,\r\n"
                "01:45,broken,1.30,,,,,,240.0,,,3.30,3.80,\r\n");
    const Outcome r = run("--truth truth.csv ZE20R_2026105013000.rdf ZE20R_2026105014500.rdf");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("agreement with the truth: 1 soundings"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("foF2             0.10 MHz      1  100.0%"), std::string::npos) << r.err;
}

TEST_F(Program, RefusesATruthFileItCannotRead) {
    const Outcome r = run("--truth nowhere.csv ZE20R_2026105013000.rdf");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "autoscale: cannot read the truth file nowhere.csv\n");
}

// Generated days, read as an archive is: the threads, the folders and the terminal must change
// nothing of what is written.
class Archive : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        top_ = new TempFolder;
        for (const char* date : {"14-04-2026", "15-04-2026"}) {
            const std::string command = "'" SYNTHETIC_DAY_BINARY "' --date " + std::string(date) +
                                        " --interval 30 --step 0.1 --broken 12:00 --out '" +
                                        top_->path().string() + "' >/dev/null";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
        }
    }
    static void TearDownTestSuite() {
        delete top_;
        top_ = nullptr;
    }

    // The ionogram files by name, as "ionograms/<name>".
    static std::vector<std::string> files() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(top_->path() / "ionograms"))
            if (entry.path().extension() == ".rdf")
                names.push_back("ionograms/" + entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string joined(const std::vector<std::string>& words) {
        std::string line;
        for (const std::string& word : words)
            line += " '" + word + "'";
        return line;
    }

    static Outcome run(const std::string& args) {
        const std::string command = "cd '" + top_->path().string() +
                                    "' && '" AUTOSCALE_BINARY "' " + args +
                                    " >out 2>err </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_bytes(top_->path() / "out"),
                read_bytes(top_->path() / "err")};
    }

    static TempFolder* top_;
};

TempFolder* Archive::top_ = nullptr;

struct SameOutput {
    std::string name;
    std::string args; // with FILES for the files by name, SHUFFLED for them out of order
};

class ArchiveRead : public Archive, public ::testing::WithParamInterface<SameOutput> {};

TEST_P(ArchiveRead, GivesWhatOneThreadGivesOnTheSameFiles) {
    std::vector<std::string> shuffled = files();
    // Days interleaved, backwards, one file twice and one missing.
    std::reverse(shuffled.begin(), shuffled.end());
    std::stable_partition(shuffled.begin(), shuffled.end(), [](const std::string& f) {
        return f[f.size() - 8] == '3'; // the soundings at half past first
    });
    shuffled.insert(shuffled.begin() + 5, "ionograms/ZE20R_2026105233000.rdf");
    shuffled.insert(shuffled.begin() + 9, "ionograms/missing.rdf");
    auto expand = [&](std::string args) {
        for (const auto& [word, list] : {std::pair{std::string("FILES"), files()},
                                         std::pair{std::string("SHUFFLED"), shuffled}})
            if (const auto at = args.find(word); at != std::string::npos)
                args.replace(at, word.size(), joined(list));
        return args;
    };
    const bool out_of_order = GetParam().args.find("SHUFFLED") != std::string::npos;
    const Outcome one = run(expand(out_of_order ? "--jobs 1 SHUFFLED" : "--jobs 1 FILES"));
    const Outcome many = run(expand(GetParam().args));
    EXPECT_EQ(many.out, one.out);
    EXPECT_EQ(many.err, one.err);
    EXPECT_EQ(many.status, one.status);
    // The broken noon soundings (and the missing file) are named; every line is there.
    EXPECT_EQ(lines_of(one.out).size(), (out_of_order ? shuffled.size() : files().size()) + 1);
    EXPECT_EQ(one.status, 1);
    EXPECT_NE(one.err.find("ZE20R_2026105120000.rdf: not an ionogram file of a usable size"),
              std::string::npos)
        << one.err;
}

INSTANTIATE_TEST_SUITE_P(Threads, ArchiveRead,
                         ::testing::Values(SameOutput{"TwoJobs", "--jobs 2 FILES"},
                                           SameOutput{"MoreJobsThanCores", "-j 7 FILES"},
                                           SameOutput{"AllCores", "FILES"},
                                           SameOutput{"Folder", "--jobs 2 ionograms"},
                                           SameOutput{"FolderWithSlash", "ionograms/"},
                                           SameOutput{"OutOfOrderTwoJobs", "--jobs 2 SHUFFLED"},
                                           SameOutput{"OutOfOrderManyJobs", "--jobs 16 SHUFFLED"}),
                         scalvo::testing::param_name);

// A day is read together: a sounding alone in its folder loses what its neighbours tell.
TEST_F(Archive, ReadsADayTogether) {
    const std::vector<std::string> day = files();
    std::string alone_args;
    for (std::size_t k = 0; k < day.size(); ++k) {
        const auto folder = top_->path() / ("alone" + std::to_string(k));
        std::filesystem::create_directories(folder);
        const auto name = std::filesystem::path(day[k]).filename();
        std::filesystem::copy_file(top_->path() / day[k], folder / name,
                                   std::filesystem::copy_options::overwrite_existing);
        alone_args +=
            " '" + (std::filesystem::path("alone" + std::to_string(k)) / name).string() + "'";
    }
    const auto together = lines_of(run(joined(day)).out);
    const auto alone = lines_of(run(alone_args).out);
    ASSERT_EQ(together.size(), alone.size());
    std::size_t differ = 0;
    for (std::size_t k = 1; k < together.size(); ++k)
        differ += together[k].substr(together[k].find(',')) != alone[k].substr(alone[k].find(','));
    EXPECT_GT(differ, 0u);
}

TEST_F(Archive, WritesNoProgressWhereStandardErrorIsNoTerminal) {
    const Outcome r = run("--jobs 2 ionograms");
    // Only the broken soundings' lines.
    for (const std::string& line : lines_of(r.err))
        EXPECT_NE(line.find(": not an ionogram file of a usable size"), std::string::npos) << line;
    EXPECT_EQ(r.err.find('\r'), std::string::npos);
}

// On a terminal the progress line comes and goes on standard error; standard output is as ever.
TEST_F(Archive, ShowsProgressOnATerminal) {
    const std::string out = (top_->path() / "tty-out").string();
    const std::string folder = (top_->path() / "ionograms").string();
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int file = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (file < 0 || dup2(file, STDOUT_FILENO) < 0)
            _exit(126);
        execl(AUTOSCALE_BINARY, "autoscale", "--jobs", "2", folder.c_str(), nullptr);
        _exit(127);
    }
    std::string shown;
    char buffer[4096];
    for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR);)
        if (n > 0)
            shown.append(buffer, static_cast<std::size_t>(n));
    close(terminal);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 1); // the broken soundings
    const std::size_t total = files().size();
    EXPECT_NE(shown.find("\rautoscale: 0 of " + std::to_string(total) + " files"),
              std::string::npos)
        << shown;
    // Cleared at the end: the last thing on the terminal is a carriage return after blanks.
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), '\r');
    EXPECT_EQ(read_bytes(out), run("--jobs 1 " + folder).out);
}

} // namespace
