// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built autoscale as a real process on files in a temporary folder.
#include "sounding_builder.h"
#include "support/param_name.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
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

} // namespace
