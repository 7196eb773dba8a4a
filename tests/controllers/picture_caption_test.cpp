// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/picture_caption.h"

#include "common/shared_state.h"
#include "support/scaling_fixture.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

class PictureCaptionTest : public testing::ScalingTest {
  protected:
    void SetUp() override {
        shared.working_date = "05-12-2026";
        shared.sounding_hour = 7;
        shared.sounding_minute = 45;
        shared.station_name = "Farnel";
    }
};

TEST_F(PictureCaptionTest, StationDateTimeAndTheValuesAsTheOperatorReadsThem) {
    const struct {
        testing::BoxTexts sheet;
        ParticularCase particular_case;
        const char* caption;
    } cases[] = {
        {{}, ParticularCase::none, "Farnel  2026-12-05 07:45 UT   nothing scaled"},
        {{{value_box(Row::foF2), "72"},
          {qualifying_box(Row::foF2), "U"},
          {descriptive_box(Row::foF2), "A"},
          {value_box(Row::foE), "305"},
          {value_box(Row::hF), "250"},
          {value_box(Row::es_types), "L1"},
          {value_box(Row::M3000F2), "305"}},
         ParticularCase::none,
         "Farnel  2026-12-05 07:45 UT   foE 3.05  Es Types L1  h'F 250  foF2 7.2UA  M(3000)F2 "
         "3.05"},
        {{{descriptive_box(Row::fbEs), "A"}},
         ParticularCase::daytime_blanketing_single,
         "Farnel  2026-12-05 07:45 UT   fbEs A  case 3a"},
        {{{descriptive_box(Row::fmin), "C"}},
         ParticularCase::no_ionogram,
         "Farnel  2026-12-05 07:45 UT   fmin C  case 06"},
    };
    for (const auto& c : cases) {
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        fill(c.sheet);
        form.particular_case_code = c.particular_case;
        EXPECT_EQ(picture_caption(scaling), c.caption);
    }
}

TEST_F(PictureCaptionTest, WithoutAStationNameTheDateComesFirst) {
    shared.station_name.clear();
    EXPECT_EQ(picture_caption(scaling).rfind("2026-12-05 07:45 UT", 0), 0u);
}

TEST_F(PictureCaptionTest, PicturesAreProposedInTheWorkingFolder) {
    shared.program_folder = "/station/work";
    shared.scaled_values_file = "/station/ionograms/ZE20R_05122026_15.txt";
    EXPECT_EQ(plot_picture_path(scaling), "/station/work/scalvo.png"); // nothing loaded yet
    form.ionogram_file_name = "ZE20R_2026339074500.rdf";
    EXPECT_EQ(plot_picture_path(scaling), "/station/work/ZE20R_2026339074500.png");
    EXPECT_EQ(overview_picture_path(shared), "/station/work/ZE20R_05122026_15.png");
}

TEST(PictureFileName, TheIonogramsNameAsPng) {
    EXPECT_EQ(picture_file_name("ZE20R_2026339074500.rdf"), "ZE20R_2026339074500.png");
    EXPECT_EQ(picture_file_name("scalvo"), "scalvo.png");
}

TEST(PictureArea, FromTheSheetColumnToTheRightEdgeBelowTheReadout) {
    EXPECT_EQ(plot_picture_area.width(), 798);
    EXPECT_EQ(plot_picture_area.height(), 643);
    // The Es types step buttons end at x = -4 (twips 2880 + 375 from the inner area's left
    // edge at x = -220); the readout labels at y = 613 (twips 600 + 255 below its top at 670).
    EXPECT_GT(plot_picture_area.left, -220 + (2880 + 375) / 15 - 1);
    EXPECT_LT(plot_picture_area.top, 670 - (600 + 255) / 15);
    // The frequency labels and "MHz" (from y = -4 and -10 down, 11 pixels high) are in.
    EXPECT_LE(plot_picture_area.bottom, -10 - 13);
}

} // namespace
} // namespace scalvo
