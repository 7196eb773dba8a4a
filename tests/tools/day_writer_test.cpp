// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_writer.h"
#include "ionogram_file.h"
#include "png_read_back.h"
#include "preview.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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

// Each test writes into its own temporary working folder.
class DayWriter : public testing::Test {
  protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("synth_") + test->name());
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    DayReport write(std::vector<std::string_view> extra) {
        std::string out = folder_.string();
        std::vector<std::string_view> arguments = {"--out", out};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        auto parsed = parse_options(arguments);
        EXPECT_TRUE(parsed.options) << parsed.error;
        return write_day(*parsed.options);
    }
    std::vector<std::uint8_t> sounding(int minute) const {
        return file_bytes(folder_ / "ionograms" / ionogram_file_name(Date{15, 4, 2026}, minute));
    }

    fs::path folder_;
};

TEST_F(DayWriter, EveryFileOfEveryStepPassesTheSizeRule) {
    for (auto [step, count] :
         {std::pair{"0.025", 761}, {"0.05", 381}, {"0.1", 191}, {"0.2", 96}, {"0.5", 39}}) {
        EXPECT_EQ(write({"--interval", "60", "--step", step}).written, 24);
        int files = 0;
        for (const auto& entry : fs::directory_iterator(folder_ / "ionograms")) {
            if (entry.path().extension() == ".rdf") {
                auto bytes = file_bytes(entry.path());
                EXPECT_EQ(bytes.size(), 197u + 150u * count) << entry.path();
                auto read = read_back(bytes); // the header's own N agrees with the size
                ASSERT_TRUE(read) << entry.path();
                EXPECT_EQ(read->count, count);
                ++files;
            }
        }
        EXPECT_EQ(files, 24);
        fs::remove_all(folder_);
    }
}

TEST_F(DayWriter, SameArgumentsSameBytesWhateverTheInterval) {
    write({"--interval", "60", "--seed", "7"});
    auto first = sounding(600);
    auto truth = file_text(folder_ / "ionograms" / "ZE20R_2026105_truth.csv");
    write({"--interval", "05", "--seed", "7"});
    EXPECT_EQ(sounding(600), first);
    EXPECT_NE(file_text(folder_ / "ionograms" / "ZE20R_2026105_truth.csv"), truth);
    write({"--interval", "60", "--seed", "7"});
    EXPECT_EQ(file_text(folder_ / "ionograms" / "ZE20R_2026105_truth.csv"), truth);
    write({"--interval", "60", "--seed", "8"});
    EXPECT_NE(sounding(600), first);
}

TEST_F(DayWriter, MissingAndBrokenSoundingsShowInTheTruth) {
    // A file left by an earlier run must not hide the missing sounding.
    write({"--step", "0.5"});
    ASSERT_FALSE(sounding(630).empty());
    auto report = write({"--skip", "10:30", "--broken", "11:00,11:15,11:30", "--step", "0.5"});
    EXPECT_EQ(report.written, 92);
    EXPECT_EQ(report.missing, 1);
    EXPECT_EQ(report.broken, 3);
    EXPECT_TRUE(sounding(630).empty());
    for (int minute : {660, 675, 690}) {
        auto bytes = sounding(minute);
        ASSERT_GE(bytes.size(), 197u);
        EXPECT_FALSE(read_back(bytes)) << minute;
    }
    auto truth = file_text(report.truth_file);
    EXPECT_EQ(truth.rfind("time,file,fmin,foE,hE,", 0), 0u);
    EXPECT_NE(truth.find("\r\n00:00,written,"), std::string::npos);
    EXPECT_NE(truth.find("\r\n10:30,missing,"), std::string::npos);
    EXPECT_NE(truth.find("\r\n11:00,broken,"), std::string::npos);
    EXPECT_NE(truth.find("\r\n23:45,written,"), std::string::npos);
    EXPECT_EQ(std::count(truth.begin(), truth.end(), '\n'), 97);
}

TEST_F(DayWriter, SettingFilePointsAtTheStartSounding) {
    write({"--step", "0.5", "--setting", "10:00"});
    EXPECT_EQ(file_text(folder_ / "setting.txt"), "15-04-2026\r\n10\r\n00\r\n15\r\n41\r\n");
    EXPECT_FALSE(fs::exists(folder_ / "setting.txt.tmp"));
    EXPECT_EQ(setting_text(Date{5, 12, 2026}, 23 * 60 + 55, 5),
              "05-12-2026\r\n23\r\n55\r\n05\r\n288\r\n");
    EXPECT_EQ(setting_text(Date{5, 12, 2026}, 13 * 60, 60),
              "05-12-2026\r\n13\r\n00\r\n60\r\n14\r\n");
}

TEST_F(DayWriter, AFolderWithScaledValuesIsLeftAsItIs) {
    write({"--step", "0.5", "--setting", "10:00"});
    auto before = sounding(600);
    std::ofstream(folder_ / "ionograms" / "ZE20R_2026105_truth.txt") << "not scaled values";
    EXPECT_FALSE(write({"--step", "0.5", "--seed", "9", "--keep-scaled", "--force"}).kept);
    EXPECT_NE(sounding(600), before);
    before = sounding(600);
    std::ofstream(folder_ / "ionograms" / "ZE20R_15042026_15.txt") << "scaled";
    auto report = write({"--step", "0.5", "--seed", "10", "--setting", "12:00", "--keep-scaled"});
    EXPECT_TRUE(report.kept);
    EXPECT_EQ(sounding(600), before);
    EXPECT_EQ(file_text(folder_ / "setting.txt").substr(12, 2), "10");
}

// Pointed at a station's folder by mistake, the generator overwrites and deletes nothing of it:
// a folder holding files it did not write is refused unless --force, and a link is never
// followed, not even then.
TEST_F(DayWriter, AFolderItDidNotWriteIsRefusedUnlessForced) {
    const Date day{15, 4, 2026};
    const auto ionograms = folder_ / "ionograms";
    const auto outside = fs::temp_directory_path() / "synth_outside_target";
    const struct {
        const char* name;
        std::function<void()> arrange;
        bool forced_writes;
    } cases[] = {
        {"an ionogram without its truth file",
         [&] { std::ofstream(ionograms / ionogram_file_name(day, 600)) << "real"; }, true},
        {"an ionogram of another day",
         [&] {
             write({"--step", "0.5"});
             std::ofstream(ionograms / ionogram_file_name(Date{16, 4, 2026}, 600)) << "real";
         },
         true},
        {"a scaled-values file",
         [&] { std::ofstream(ionograms / "ZE20R_15042026_15.txt") << "scaled"; }, true},
        {"a link named like an ionogram",
         [&] {
             write({"--step", "0.5"});
             fs::remove(ionograms / ionogram_file_name(day, 600));
             std::ofstream(outside) << "real";
             fs::create_symlink(outside, ionograms / ionogram_file_name(day, 600));
         },
         false},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder_);
        fs::remove(outside);
        fs::create_directories(ionograms);
        c.arrange();
        const auto before = fs::directory_iterator(ionograms);
        std::vector<std::string> names;
        for (const auto& entry : before)
            names.push_back(entry.path().filename().string());
        EXPECT_THROW(write({"--step", "0.5", "--skip", "10:00"}), std::runtime_error) << c.name;
        std::vector<std::string> after;
        for (const auto& entry : fs::directory_iterator(ionograms))
            after.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, names) << c.name;
        if (c.forced_writes) {
            EXPECT_EQ(write({"--step", "0.5", "--force"}).written, 96) << c.name;
        } else {
            EXPECT_THROW(write({"--step", "0.5", "--force"}), std::runtime_error) << c.name;
            EXPECT_EQ(file_text(outside), "real") << c.name;
        }
    }
    fs::remove(outside);

    // Its own earlier day, with what Scalvo leaves beside it, is written again without --force.
    fs::remove_all(folder_);
    write({"--step", "0.5"});
    std::ofstream(ionograms / ".scalvo.lock") << "";
    std::ofstream(ionograms / "ZE20R_2026105_truth.csv.tmp.AbC123") << "half";
    EXPECT_EQ(write({"--step", "0.5", "--seed", "2"}).written, 96);
}

TEST_F(DayWriter, PreviewIsAPngOfThePlot) {
    auto report = write({"--interval", "60", "--step", "0.1", "--preview", "10:00"});
    ASSERT_EQ(report.previews.size(), 1u);
    EXPECT_EQ(report.previews[0], folder_ / "previews" / "ZE20R_2026105100000.png");
    auto back = png_read_back(file_bytes(report.previews[0]));
    ASSERT_TRUE(back) << "libpng does not read the preview";
    auto plot = render_plot(*read_back(sounding(600)));
    EXPECT_EQ(back->width, plot.width);
    EXPECT_EQ(back->height, plot.height);
    EXPECT_TRUE(back->pixels == plot.pixels);
}

TEST_F(DayWriter, UnwritableFolderIsReported) {
    fs::create_directories(folder_);
    std::ofstream(folder_ / "ionograms") << "a file where the folder should be";
    EXPECT_THROW(write({"--step", "0.5"}), std::runtime_error);
}

} // namespace
