// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/show_sounding.h"

#include "autoscale/autoscale.h"
#include "ionogram/ionogram_file.h"

#include "common/shared_state.h"
#include "ionogram/synthetic_ionogram.h"
#include "ionogram/window_caption.h"
#include "records/particular_cases.h"
#include "scaling/plot_view.h"
#include "support/scaling_fixture.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

constexpr const char* file_0745 = "ZE20R_2026339074500.rdf";
constexpr const char* caption_0745 =
    "SCALVO - file: ZE20R_2026339074500.rdf * Farnel * 2026-December- 5  07:45 [UT]";

class ShowSoundingTest : public testing::ScalingTest {
  protected:
    void SetUp() override {
        testing::start_day(shared, folder.path());
        shared.sounding_hour = 7;
        shared.sounding_minute = 45;
    }
    void write_ionogram(const std::string& bytes, const char* name = file_0745) {
        testing::write_bytes(shared.ionogram_folder / name, bytes);
    }
    void expect_no_ionogram() {
        EXPECT_FALSE(shared.ionogram_loaded);
        EXPECT_EQ(form.particular_case_code, ParticularCase::none);
        EXPECT_EQ(form.label11, "");
        for (std::size_t k = 0; k < case_command_count; ++k) {
            const auto command = static_cast<CaseCommand>(k);
            EXPECT_EQ(case_command_enabled(shared.ionogram_loaded, command),
                      command == CaseCommand::no_ionogram)
                << k;
        }
        EXPECT_EQ(form.plot.pixel(300, 300), (Rgb{0, 0, 0}));
        EXPECT_EQ(form.plot.pixel(4, 300), (Rgb{0, 0, 0})); // no grey line
        EXPECT_EQ(form.plot.pixel(0, 0), (Rgb{255, 255, 0}));
        EXPECT_EQ(form.plot.texts().size(), 29u);
    }

    testing::TempFolder folder;
};

TEST_F(ShowSoundingTest, UsableFileIsReadNormalisedAndDrawn) {
    write_ionogram(testing::daytime_ionogram("01.000 20.000 0.050", 381, 1.0, 0.05, "05"));
    shared.station_name = "Before";
    load_sounding(scaling);
    EXPECT_TRUE(shared.ionogram_loaded);
    EXPECT_EQ(form.ionogram_file_name, file_0745);
    EXPECT_EQ(form.sounding_caption, "2026-December- 5  07:45 [UT]");
    EXPECT_EQ(form.caption, std::string(caption_0745) + "  (sounding frequency step =  .05 MHz)");
    EXPECT_EQ(shared.station_name, "Farnel");
    EXPECT_EQ(form.particular_case_code, ParticularCase::partial_absorption);
    EXPECT_EQ(form.label11, "Particular Case: Partial absorption");
    for (std::size_t k = 0; k < case_command_count; ++k)
        EXPECT_TRUE(case_command_enabled(shared.ionogram_loaded, static_cast<CaseCommand>(k))) << k;
    EXPECT_EQ(
        *std::max_element(form.ionogram.amplitude_grid.begin(), form.ionogram.amplitude_grid.end()),
        254);
    EXPECT_EQ(form.plot.pixel(4, 300), (Rgb{100, 100, 100}));
    int echoes = 0;
    for (int y = 1; y <= 600; ++y)
        for (int x = 1; x <= 764; ++x) {
            const Rgb p = form.plot.pixel(x, y);
            echoes += p.r == p.g && p.g == p.b && p.r != 0 && p.r != 100;
        }
    EXPECT_GT(echoes, 1000);
}

TEST_F(ShowSoundingTest, CaptionShowsTheFileStep) {
    write_ionogram(testing::daytime_ionogram("01.000 20.000 0.025", 761, 1.0, 0.025));
    load_sounding(scaling);
    EXPECT_EQ(form.caption, std::string(caption_0745) + "  (sounding frequency step =  .025 MHz)");
    EXPECT_EQ(form.particular_case_code, ParticularCase::none);
    EXPECT_EQ(form.label11, "");
}

TEST_F(ShowSoundingTest, MissingFile) {
    shared.station_name = "Farnel";
    form.label11 = "Particular Case: Partial absorption";
    form.particular_case_code = ParticularCase::partial_absorption;
    load_sounding(scaling);
    EXPECT_EQ(form.caption, caption_0745);
    EXPECT_EQ(shared.last_error_number, 53);
    expect_no_ionogram();
}

TEST_F(ShowSoundingTest, UnusableFilesLookMissingAndStayUntouched) {
    const std::string good = testing::daytime_ionogram();
    for (const std::string& bytes : {good + "x", good.substr(0, 197), std::string("short")}) {
        write_ionogram(bytes);
        shared.ionogram_loaded = true;
        shared.last_error_number = 0;
        load_sounding(scaling);
        expect_no_ionogram();
        EXPECT_FALSE(form.file_invalid);
        EXPECT_EQ(shared.last_error_number, 0);
        EXPECT_EQ(testing::read_bytes(shared.ionogram_folder / file_0745), bytes);
    }
}

TEST_F(ShowSoundingTest, AFolderOfThatNameLooksMissingAndIsReported) {
    std::filesystem::create_directory(shared.ionogram_folder / file_0745);
    load_sounding(scaling);
    expect_no_ionogram();
    EXPECT_NE(shared.last_error_number, 0);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find(file_0745), std::string::npos);
    EXPECT_NE(dialogs.last().text.find("Is a directory"), std::string::npos);
}

TEST_F(ShowSoundingTest, AnUnknownCodeLeavesNoCaptionOfAnotherSounding) {
    write_ionogram(testing::daytime_ionogram("01.000 20.000 0.050", 381, 1.0, 0.05, "3a"));
    load_sounding(scaling);
    EXPECT_EQ(form.label11, "Particular Case: Daytime Es blanketing - single reflection");
    shared.sounding_minute = 30;
    write_ionogram(testing::daytime_ionogram("01.000 20.000 0.050", 381, 1.0, 0.05, "  "),
                   "ZE20R_2026339073000.rdf");
    load_sounding(scaling);
    EXPECT_TRUE(shared.ionogram_loaded);
    EXPECT_EQ(form.particular_case_code, ParticularCase::unknown);
    EXPECT_EQ(form.label11, "");
}

TEST_F(ShowSoundingTest, MovingOntoAMissingSoundingClearsThePicture) {
    write_ionogram(testing::daytime_ionogram());
    load_sounding(scaling);
    ASSERT_TRUE(shared.ionogram_loaded);
    shared.sounding_minute = 0;
    load_sounding(scaling);
    EXPECT_EQ(form.caption,
              "SCALVO - file: ZE20R_2026339070000.rdf * Farnel * 2026-December- 5  07:00 [UT]");
    expect_no_ionogram();
    for (int y = 1; y <= 600; y += 5)
        for (int x = 1; x <= 764; ++x)
            ASSERT_EQ(form.plot.pixel(x, y), (Rgb{0, 0, 0})) << x << " " << y;
}

TEST_F(ShowSoundingTest, RedrawFromMemory) {
    write_ionogram(testing::daytime_ionogram());
    load_sounding(scaling);
    const auto picture = form.plot.pixels();
    std::filesystem::remove(shared.ionogram_folder / file_0745); // a redraw never reads it
    form.plot.line(1, 1, 700, 500, Rgb{255, 0, 0});
    redraw_plot(scaling);
    EXPECT_EQ(form.plot.pixels(), picture);
    shared.ionogram_loaded = false;
    redraw_plot(scaling);
    EXPECT_EQ(form.plot.pixel(300, 300), (Rgb{0, 0, 0}));
    EXPECT_EQ(form.plot.pixel(4, 300), (Rgb{0, 0, 0}));
}

// The automatic scaling reads the sounding as its file gave it, row by row; M(3000) has no
// reading of its own. A sounding without an ionogram has none.
TEST_F(ShowSoundingTest, TheReadingComesWithTheSoundingAndGoesWithIt) {
    write_ionogram(testing::daytime_ionogram());
    Ionogram raw;
    ASSERT_EQ(load_ionogram_file(shared.ionogram_folder / file_0745, raw).outcome,
              IonogramOutcome::usable);
    const autoscale::Proposals read = autoscale::propose(raw);
    load_sounding(scaling);
    using autoscale::Characteristic;
    const std::pair<Characteristic, Row> pairs[] = {
        {Characteristic::fmin, Row::fmin}, {Characteristic::hE, Row::hE},
        {Characteristic::foE, Row::foE},   {Characteristic::foEs, Row::foEs},
        {Characteristic::hEs, Row::hEs},   {Characteristic::fbEs, Row::fbEs},
        {Characteristic::hF, Row::hF},     {Characteristic::foF1, Row::foF1},
        {Characteristic::hF2, Row::hF2},   {Characteristic::foF2, Row::foF2},
        {Characteristic::fxI, Row::fxI},   {Characteristic::muf3000F2, Row::MUF3000F2}};
    ASSERT_TRUE(read[Characteristic::foF2] && read[Characteristic::hF]);
    for (const auto& [characteristic, row] : pairs) {
        const auto& proposal = read[characteristic];
        EXPECT_EQ(form.proposals[index_of(row)],
                  proposal ? std::optional(ProposedPoint{proposal->x, proposal->y}) : std::nullopt)
            << row;
    }
    for (const Row row : {Row::es_types, Row::MUF3000F1, Row::M3000F1, Row::M3000F2})
        EXPECT_FALSE(form.proposals[index_of(row)]) << row;

    shared.sounding_minute = 0;
    load_sounding(scaling);
    for (const Row row : all_rows)
        EXPECT_FALSE(form.proposals[index_of(row)]) << row;
}

} // namespace
} // namespace scalvo
