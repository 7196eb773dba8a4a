// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram/ionogram_file.h"

#include "ionogram/synthetic_ionogram.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace scalvo {
namespace {

using testing::ionogram_file;
using testing::ionogram_header;

const IonogramHeader& header_of(const HeaderResult& result) {
    return std::get<IonogramHeader>(result);
}

TEST(IonogramHeaderTest, FrequenciesCountCodeAndStation) {
    const struct {
        const char* frequencies;
        float start, end, step;
        int count;
    } cases[] = {
        {"01.000 20.000 0.050", 1.0f, 20.0f, 0.05f, 381},
        {"01.000 20.000 0.025", 1.0f, 20.0f, 0.025f, 761},
        {"02.000 10.000 0.100", 2.0f, 10.0f, 0.1f, 81},
        {"01.500 16.000 0.500", 1.5f, 16.0f, 0.5f, 30},
        {"01.000 01.000 0.050", 1.0f, 1.0f, 0.05f, 1},
        // separators are not read, whatever their value
        {"01x000y20#000/0:050", 1.0f, 20.0f, 0.05f, 381},
    };
    for (const auto& c : cases) {
        const HeaderResult result =
            read_ionogram_header(ionogram_header(c.frequencies, "3b", "KV012"));
        ASSERT_TRUE(std::holds_alternative<IonogramHeader>(result)) << c.frequencies;
        const IonogramHeader& header = header_of(result);
        EXPECT_EQ(header.start_frequency, c.start) << c.frequencies;
        EXPECT_EQ(header.end_frequency, c.end) << c.frequencies;
        EXPECT_EQ(header.frequency_step, c.step) << c.frequencies;
        EXPECT_EQ(header.frequency_count, c.count) << c.frequencies;
        EXPECT_EQ(header.particular_case_code, "3b");
        EXPECT_EQ(header.station_code, "KV012");
    }
}

TEST(IonogramHeaderTest, AbsurdNumbersGiveNoCount) {
    // These must neither divide by zero nor ask for a huge grid: the size rule refuses them.
    for (const char* frequencies :
         {"01.000 20.000 0.000", "20.000 01.000 0.050", "01.000 20.000 -.050",
          "-1.000 20.000 -.050", "   .      .     .   ", "ab.cde fg.hij k.lmn"})
        EXPECT_EQ(header_of(read_ionogram_header(ionogram_header(frequencies))).frequency_count, 0)
            << frequencies;
    EXPECT_EQ(frequency_count_of(0.0f, 99.999f, 0.001f), 100000);
}

TEST(IonogramHeaderTest, LineFeedsMarkTheHeader) {
    std::string header = ionogram_header("01.000 20.000 0.050");
    EXPECT_EQ(std::get<HeaderFault>(read_ionogram_header(header.substr(0, 196))),
              HeaderFault::too_short);
    std::string old_header = header;
    old_header[49] = '\n';
    EXPECT_EQ(std::get<HeaderFault>(read_ionogram_header(old_header)), HeaderFault::short_header);
    std::string no_header = header;
    no_header[196] = ' ';
    EXPECT_EQ(std::get<HeaderFault>(read_ionogram_header(no_header)), HeaderFault::no_header);
}

TEST(IonogramSizeTest, SizeRule) {
    const struct {
        std::int64_t size;
        std::int64_t count;
        bool usable;
    } cases[] = {
        {57347, 381, true}, {57348, 381, false}, {57197, 381, false}, {197, 0, false},
        {197, 1, false},    {347, 1, true},      {346, 1, false},     {0, 0, false},
        {-153, -2, false},  {347, 0, false},     {497, 2, true},      {497, 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(check_ionogram_size(c.size, c.count), c.usable) << c.size << " " << c.count;
}

TEST(ReadIonogramTest, AmplitudesInFileOrderSmallOnesDropped) {
    const std::string header = ionogram_header("01.000 01.100 0.050");
    const int values[] = {0, 6, 7, 255};
    const std::string bytes = ionogram_file(
        header, 3, [&](int i, int j) { return j <= 4 ? values[j - 1] : (i * 10 + j) % 256; });
    Ionogram ionogram;
    const HeaderResult result = read_ionogram(bytes, ionogram);
    ASSERT_TRUE(std::holds_alternative<IonogramHeader>(result));
    EXPECT_EQ(ionogram.frequency_count, 3);
    EXPECT_EQ(ionogram.start_frequency, 1.0f);
    EXPECT_EQ(ionogram.end_frequency, 1.1f);
    EXPECT_EQ(ionogram.frequency_step, 0.05f);
    ASSERT_EQ(ionogram.amplitude_grid.size(), 450u);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(ionogram.cell(i, 1), 0);
        EXPECT_EQ(ionogram.cell(i, 2), 0);
        EXPECT_EQ(ionogram.cell(i, 3), 7);
        EXPECT_EQ(ionogram.cell(i, 4), 255);
        EXPECT_EQ(ionogram.cell(i, 5), i * 10 + 5);
        EXPECT_EQ(ionogram.cell(i, 150), (i * 10 + 150) % 256);
    }
}

TEST(ReadIonogramTest, ANewReadReplacesTheGridWhole) {
    Ionogram ionogram;
    read_ionogram(
        ionogram_file(ionogram_header("01.000 20.000 0.050"), 381, [](int, int) { return 100; }),
        ionogram);
    read_ionogram(ionogram_file(ionogram_header("01.000 01.050 0.050"), 2,
                                [](int i, int) { return i == 2 ? 50 : 0; }),
                  ionogram);
    EXPECT_EQ(ionogram.frequency_count, 2);
    ASSERT_EQ(ionogram.amplitude_grid.size(), 300u);
    EXPECT_EQ(ionogram.cell(1, 1), 0);
    EXPECT_EQ(ionogram.cell(2, 150), 50);
}

TEST(ReadIonogramTest, RefusedBytesLeaveTheIonogramAsItWas) {
    Ionogram ionogram;
    read_ionogram(
        ionogram_file(ionogram_header("01.000 01.050 0.050"), 2, [](int, int) { return 9; }),
        ionogram);
    const Ionogram before = ionogram;
    const std::string good =
        ionogram_file(ionogram_header("01.000 01.100 0.050"), 3, [](int, int) { return 200; });
    for (const std::string& bytes :
         {good.substr(0, good.size() - 1), good + "x", std::string(good.substr(0, 197)),
          ionogram_file(ionogram_header("01.000 20.000 0.000"), 3, [](int, int) { return 1; })}) {
        EXPECT_TRUE(std::holds_alternative<HeaderFault>(read_ionogram(bytes, ionogram)));
        EXPECT_EQ(ionogram.frequency_count, before.frequency_count);
        EXPECT_EQ(ionogram.amplitude_grid, before.amplitude_grid);
    }
}

TEST(StationTest, Names) {
    const struct {
        const char* code;
        const char* name;
    } cases[] = {{"DS045", "Brisca"},   {"KV012", "Alderon"},  {"NX61P", "Corvale Bay"},
                 {"WA32Q", "Dunmere"},  {"HL083", "Estoria"},  {"ZE20R", "Farnel"},
                 {"ze20r", "XXXXXXXX"}, {"     ", "XXXXXXXX"}, {"ZE20", "XXXXXXXX"}};
    for (const auto& c : cases)
        EXPECT_EQ(station_name_of(c.code), c.name) << c.code;
}

TEST(ParticularCaseCaptionTest, StoredCodesAndOthers) {
    const struct {
        const char* code;
        const char* caption;
    } cases[] = {
        {"01", "Particular Case: Nighttime Es missing"},
        {"02", "Particular Case: Daytime Es missing"},
        {"3a", "Particular Case: Daytime Es blanketing - single reflection"},
        {"3b", "Particular Case: Daytime Es blanketing - multiple reflections - second "
               "reflection >= foEs"},
        {"3c", "Particular Case: Daytime Es blanketing - multiple reflections - second "
               "reflection < foEs"},
        {"4a", "Particular Case: Nighttime Es blanketing - single reflection"},
        {"4b", "Particular Case: Nighttime Es blanketing - multiple reflections - second "
               "reflection >= foEs"},
        {"4c", "Particular Case: Nighttime Es blanketing - multiple reflections - second "
               "reflection < foEs"},
        {"05", "Particular Case: Partial absorption"},
        {"xx", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(particular_case_caption(case_of_code(c.code)),
                  std::optional<std::string_view>(c.caption))
            << c.code;
    for (const char* other : {"06", "  ", "XX", "3A", ""})
        EXPECT_EQ(particular_case_caption(case_of_code(other)), std::nullopt) << other;
}

// The thin layer over the disk, in a real folder.
class LoadIonogramFileTest : public ::testing::Test {
  protected:
    std::filesystem::path file(const std::string& bytes) {
        const auto path = folder / "ZE20R_2026339074500.rdf";
        testing::write_bytes(path, bytes);
        return path;
    }

    testing::TempFolder folder;
    Ionogram ionogram;
};

TEST_F(LoadIonogramFileTest, UsableFile) {
    const auto path = file(testing::daytime_ionogram());
    const IonogramLoad load = load_ionogram_file(path, ionogram);
    EXPECT_EQ(load.outcome, IonogramOutcome::usable);
    EXPECT_EQ(load.header.frequency_count, 381);
    EXPECT_EQ(load.header.station_code, "ZE20R");
    EXPECT_EQ(ionogram.frequency_count, 381);
    EXPECT_EQ(ionogram.amplitude_grid.size(), 381u * 150u);
}

TEST_F(LoadIonogramFileTest, MissingAndUnreadableFilesAreMissing) {
    EXPECT_EQ(load_ionogram_file(folder / "nothing.rdf", ionogram).outcome,
              IonogramOutcome::missing);
    EXPECT_EQ(load_ionogram_file(folder / "nothing.rdf", ionogram).error_number, 53);
    std::filesystem::create_directory(folder / "folder.rdf");
    const IonogramLoad folder_load = load_ionogram_file(folder / "folder.rdf", ionogram);
    EXPECT_EQ(folder_load.outcome, IonogramOutcome::missing);
    EXPECT_EQ(folder_load.error_number, 75);
    if (::geteuid() != 0) { // permissions do not stop the superuser
        const auto path = file(testing::daytime_ionogram());
        std::filesystem::permissions(path, std::filesystem::perms::none);
        EXPECT_EQ(load_ionogram_file(path, ionogram).outcome, IonogramOutcome::missing);
    }
    EXPECT_EQ(ionogram.frequency_count, 0);
}

TEST_F(LoadIonogramFileTest, RefusedFilesAreLeftUntouched) {
    const std::string good = testing::daytime_ionogram();
    std::string old_header = good;
    old_header[49] = '\n';
    std::string no_header = good;
    no_header[196] = 'x';
    const struct {
        std::string bytes;
        IonogramOutcome outcome;
    } cases[] = {
        {good.substr(0, 197), IonogramOutcome::unusable},
        {good.substr(0, 100), IonogramOutcome::unusable},
        {"", IonogramOutcome::unusable},
        {good + "x", IonogramOutcome::unusable},
        {good.substr(0, good.size() - 150), IonogramOutcome::unusable},
        {old_header, IonogramOutcome::unusable},
        {no_header, IonogramOutcome::missing},
        {ionogram_file(ionogram_header("01.000 20.000 0.000"), 2, [](int, int) { return 50; }),
         IonogramOutcome::unusable},
    };
    for (const auto& c : cases) {
        const auto path = file(c.bytes);
        EXPECT_EQ(load_ionogram_file(path, ionogram).outcome, c.outcome) << c.bytes.size();
        EXPECT_EQ(testing::read_bytes(path), c.bytes);
        EXPECT_TRUE(ionogram.amplitude_grid.empty());
    }
}

TEST_F(LoadIonogramFileTest, AHugeFileIsRefusedFromItsHeaderAlone) {
    // 4 GiB that the disk does not hold: only the header may be read.
    const auto path = file(ionogram_header("01.000 20.000 0.050"));
    std::filesystem::resize_file(path, std::uintmax_t{1} << 32);
    EXPECT_EQ(load_ionogram_file(path, ionogram).outcome, IonogramOutcome::unusable);
    EXPECT_TRUE(ionogram.amplitude_grid.empty());
}

} // namespace
} // namespace scalvo
