#include "day_writer.h"
#include "ionogram_file.h"
#include "preview.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

using namespace synth;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> file_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string file_text(const fs::path& path) {
    auto bytes = file_bytes(path);
    return {bytes.begin(), bytes.end()};
}

class DayWriter : public testing::Test {
  protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  (std::string("synth_") + test->test_suite_name() + "_" + test->name());
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    Options options(std::vector<std::string_view> extra = {}) {
        std::string out = folder_.string();
        std::vector<std::string_view> arguments = {"--out", out};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        auto parsed = parse_options(arguments);
        EXPECT_TRUE(parsed.options) << parsed.error;
        return *parsed.options;
    }

    fs::path ionograms() const { return folder_ / "ionograms"; }
    fs::path folder_;
};

struct StepCase {
    const char* step;
    std::size_t size;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << "step " << c.step;
}

class EveryStep : public testing::TestWithParam<StepCase> {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("synth_step_" + std::string(GetParam().step));
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_P(EveryStep, EveryFilePassesTheSizeRule) {
    std::string out = folder_.string();
    std::vector<std::string_view> arguments = {"--out", out,      "--interval",
                                               "60",    "--step", GetParam().step};
    auto report = write_day(*parse_options(arguments).options);
    EXPECT_EQ(report.written, 24);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder_ / "ionograms")) {
        if (entry.path().extension() != ".rdf") {
            continue;
        }
        ++files;
        auto bytes = file_bytes(entry.path());
        EXPECT_EQ(bytes.size(), GetParam().size) << entry.path();
        auto read = read_back(bytes);
        ASSERT_TRUE(read) << entry.path();
        EXPECT_TRUE(passes_size_rule(bytes.size(), read->count));
    }
    EXPECT_EQ(files, 24);
}

INSTANTIATE_TEST_SUITE_P(Steps, EveryStep,
                         testing::Values(StepCase{"0.025", 197 + 150 * 761},
                                         StepCase{"0.05", 197 + 150 * 381},
                                         StepCase{"0.1", 197 + 150 * 191},
                                         StepCase{"0.2", 197 + 150 * 96},
                                         StepCase{"0.5", 197 + 150 * 39}));

TEST_F(DayWriter, FilesNamedBySoundingTime) {
    write_day(options({"--date", "05-12-2026", "--interval", "30", "--step", "0.5"}));
    EXPECT_TRUE(fs::exists(ionograms() / "ZE20R_2026339000000.rdf"));
    EXPECT_TRUE(fs::exists(ionograms() / "ZE20R_2026339073000.rdf"));
    EXPECT_TRUE(fs::exists(ionograms() / "ZE20R_2026339233000.rdf"));
    EXPECT_FALSE(fs::exists(ionograms() / "ZE20R_2026339074500.rdf"));
    EXPECT_TRUE(fs::exists(ionograms() / "ZE20R_2026339_truth.csv"));
}

TEST_F(DayWriter, SameArgumentsSameBytesOtherSeedOtherBytes) {
    auto name = ionogram_file_name(Date{15, 4, 2026}, 600);
    write_day(options({"--interval", "60", "--seed", "7"}));
    auto first = file_bytes(ionograms() / name);
    auto truth = file_text(ionograms() / truth_file_name(Date{15, 4, 2026}));
    write_day(options({"--interval", "60", "--seed", "7"}));
    EXPECT_EQ(file_bytes(ionograms() / name), first);
    EXPECT_EQ(file_text(ionograms() / truth_file_name(Date{15, 4, 2026})), truth);
    write_day(options({"--interval", "60", "--seed", "8"}));
    EXPECT_NE(file_bytes(ionograms() / name), first);
}

TEST_F(DayWriter, TheSoundingDoesNotDependOnTheInterval) {
    auto name = ionogram_file_name(Date{15, 4, 2026}, 600);
    write_day(options({"--interval", "60"}));
    auto hourly = file_bytes(ionograms() / name);
    write_day(options({"--interval", "05"}));
    EXPECT_EQ(file_bytes(ionograms() / name), hourly);
}

TEST_F(DayWriter, MissingAndBrokenSoundings) {
    Date date{15, 4, 2026};
    fs::create_directories(ionograms());
    // A file left by an earlier run must not hide the missing sounding.
    std::ofstream(ionograms() / ionogram_file_name(date, 630)) << "old";
    auto report = write_day(options({"--skip", "10:30", "--broken", "11:00,11:15,11:30"}));
    EXPECT_EQ(report.written, 92);
    EXPECT_EQ(report.missing, 1);
    EXPECT_EQ(report.broken, 3);
    EXPECT_FALSE(fs::exists(ionograms() / ionogram_file_name(date, 630)));
    for (int minute : {660, 675, 690}) {
        auto bytes = file_bytes(ionograms() / ionogram_file_name(date, minute));
        ASSERT_GE(bytes.size(), 197u);
        EXPECT_FALSE(passes_size_rule(bytes.size(), 381)) << minute;
        EXPECT_FALSE(read_back(bytes)) << minute;
    }
    auto truth = file_text(report.truth_file);
    EXPECT_NE(truth.find("10:30,missing,"), std::string::npos);
    EXPECT_NE(truth.find("11:00,broken,"), std::string::npos);
    EXPECT_NE(truth.find("10:45,written,"), std::string::npos);
}

TEST_F(DayWriter, TruthHasALinePerSoundingWithEmptyFieldsByNight) {
    auto report = write_day(options({"--interval", "30", "--step", "0.5"}));
    std::istringstream lines(file_text(report.truth_file));
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        all.push_back(line);
    }
    ASSERT_EQ(all.size(), 49u);
    EXPECT_EQ(all[0].rfind("time,file,fmin,foE", 0), 0u);
    EXPECT_EQ(all[1].rfind("00:00,written,", 0), 0u);
    // 01:00 UT is night at the station: no E, h'E, F1 or h'F2.
    std::string night = all[3];
    EXPECT_EQ(night.rfind("01:00,written,", 0), 0u);
    std::vector<std::string> fields;
    std::stringstream split(night.substr(0, night.size() - 1));
    for (std::string field; std::getline(split, field, ',');) {
        fields.push_back(field);
    }
    fields.resize(14);
    EXPECT_EQ(fields[3], "");  // foE
    EXPECT_EQ(fields[4], "");  // hE
    EXPECT_EQ(fields[9], "");  // foF1
    EXPECT_EQ(fields[10], ""); // hF2
    EXPECT_NE(fields[11], ""); // foF2
    EXPECT_NE(fields[13], ""); // MUF(3000)F2
}

TEST_F(DayWriter, SettingFilePointsAtTheStartSounding) {
    write_day(options({"--step", "0.5", "--setting", "10:00"}));
    EXPECT_EQ(file_text(folder_ / "setting.txt"), "15-04-2026\r\n10\r\n00\r\n15\r\n41\r\n");
    EXPECT_EQ(setting_text(Date{5, 12, 2026}, 23 * 60 + 55, 5),
              "05-12-2026\r\n23\r\n55\r\n05\r\n288\r\n");
    EXPECT_EQ(setting_text(Date{5, 12, 2026}, 7 * 60 + 45, 15),
              "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    EXPECT_EQ(setting_text(Date{5, 12, 2026}, 13 * 60, 60),
              "05-12-2026\r\n13\r\n00\r\n60\r\n14\r\n");
    EXPECT_FALSE(fs::exists(folder_ / "setting.txt.tmp"));
}

TEST_F(DayWriter, AFolderWithScaledValuesIsLeftAsItIs) {
    write_day(options({"--step", "0.5", "--setting", "10:00"}));
    auto name = ionogram_file_name(Date{15, 4, 2026}, 600);
    auto before = file_bytes(ionograms() / name);
    std::ofstream(ionograms() / "ZE20R_15042026_15.txt") << "scaled";
    auto report =
        write_day(options({"--step", "0.5", "--seed", "9", "--setting", "12:00", "--keep-scaled"}));
    EXPECT_TRUE(report.kept);
    EXPECT_EQ(file_bytes(ionograms() / name), before);
    EXPECT_EQ(file_text(folder_ / "setting.txt").substr(12, 2), "10");
    // Without the option the generator writes anyway.
    EXPECT_FALSE(write_day(options({"--step", "0.5", "--seed", "9"})).kept);
    EXPECT_NE(file_bytes(ionograms() / name), before);
}

TEST(ScaledValues, RecognisedByName) {
    fs::path folder = fs::temp_directory_path() / "synth_scaled_names";
    fs::remove_all(folder);
    fs::create_directories(folder);
    EXPECT_FALSE(holds_scaled_values(folder / "absent"));
    std::ofstream(folder / "ZE20R_2026105_truth.csv") << "x";
    std::ofstream(folder / "ZE20R_2026105100000.rdf") << "x";
    std::ofstream(folder / "notes.txt") << "x";
    EXPECT_FALSE(holds_scaled_values(folder));
    std::ofstream(folder / "ZE20R_15042026_30.txt") << "x";
    EXPECT_TRUE(holds_scaled_values(folder));
    fs::remove_all(folder);
}

TEST_F(DayWriter, PreviewIsAPngOfThePlot) {
    auto report = write_day(options({"--interval", "60", "--step", "0.1", "--preview", "10:00"}));
    ASSERT_EQ(report.previews.size(), 1u);
    EXPECT_EQ(report.previews[0], folder_ / "previews" / "ZE20R_2026105100000.png");
    auto png = file_bytes(report.previews[0]);
    ASSERT_GT(png.size(), 766u * 602u * 3u);
    EXPECT_EQ(png[1], 'P');
    EXPECT_EQ(png[2], 'N');
    EXPECT_EQ(png[3], 'G');
}

TEST_F(DayWriter, UnwritableFolderIsReported) {
    fs::create_directories(folder_);
    std::ofstream(folder_ / "ionograms") << "a file where the folder should be";
    EXPECT_THROW(write_day(options({"--step", "0.5"})), std::runtime_error);
}

} // namespace
