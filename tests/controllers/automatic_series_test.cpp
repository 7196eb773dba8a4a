// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/automatic_series.h"

#include "common/calendar.h"
#include "common/shared_state.h"
#include "ionogram/synthetic_ionogram.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

class AutomaticSeriesTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::start_day(shared, folder.path()); }
    testing::TempFolder folder;
    SharedState shared;
};

TEST_F(AutomaticSeriesTest, TheFilesOfEverySoundingOfTheDay) {
    for (const auto& [interval, count] : {std::pair{"05", 288}, {"15", 96}, {"60", 24}}) {
        shared.interval_text = interval;
        const auto files = day_ionogram_files(shared);
        ASSERT_EQ(files.size(), static_cast<std::size_t>(count)) << interval;
        EXPECT_EQ(files.front().record, 1);
        EXPECT_EQ(files.front().path,
                  shared.ionogram_folder / make_ionogram_file_name(shared, 0, 0));
        EXPECT_EQ(files.back().record, count);
        const int last = 24 * 60 - 24 * 60 / count;
        EXPECT_EQ(files.back().path,
                  shared.ionogram_folder / make_ionogram_file_name(shared, last / 60, last % 60));
    }
    shared.interval_text = "";
    EXPECT_TRUE(day_ionogram_files(shared).empty());
}

TEST_F(AutomaticSeriesTest, TheEngineReadsFoF2OffUsableFilesOnly) {
    const auto file = folder / "sounding.rdf";
    EXPECT_FALSE(automatic_foF2(file)) << "missing";
    testing::write_bytes(file, testing::daytime_ionogram());
    const auto foF2 = automatic_foF2(file);
    ASSERT_TRUE(foF2);
    EXPECT_NEAR(*foF2, 8.4, 0.3);
    std::string cut = testing::daytime_ionogram();
    cut.pop_back();
    testing::write_bytes(file, cut);
    EXPECT_FALSE(automatic_foF2(file)) << "wrong size";
    testing::write_bytes(file,
                         testing::ionogram_file(testing::ionogram_header("01.000 20.000 0.050"),
                                                381, [](int, int) { return 0; }));
    EXPECT_FALSE(automatic_foF2(file)) << "no echoes";
}

TEST_F(AutomaticSeriesTest, KeptWhileTheDayStaysTheSame) {
    AutomaticSeries series;
    const DayKey day = day_key(shared);
    EXPECT_FALSE(series.holds(day));
    series.start_day(day, 4);
    EXPECT_TRUE(series.holds(day));
    EXPECT_FALSE(series.complete());
    EXPECT_EQ(series.next(), 0u);
    series.set(0, 7.5);
    series.set(1, std::nullopt);
    series.set(9, 1.0); // beyond the day: ignored
    EXPECT_EQ(series.next(), 2u);
    EXPECT_TRUE(series.computed(1));
    EXPECT_FALSE(series.value(1));
    EXPECT_EQ(series.value(0), 7.5);

    series.start_day(day, 4); // opened again: what is known stays
    EXPECT_EQ(series.next(), 2u);
    series.set(2, 6.0);
    series.set(3, 5.5);
    EXPECT_TRUE(series.complete());

    const struct {
        const char* what;
        DayKey other;
    } others[] = {
        {"another date", {day.ionogram_folder, "06-12-2026", day.interval}},
        {"another interval", {day.ionogram_folder, day.date, "05"}},
        {"another folder", {day.ionogram_folder / "x", day.date, day.interval}},
    };
    for (const auto& o : others) {
        AutomaticSeries copy = series;
        EXPECT_FALSE(copy.holds(o.other)) << o.what;
        copy.start_day(o.other, 4);
        EXPECT_EQ(copy.next(), 0u) << o.what;
        EXPECT_FALSE(copy.value(0)) << o.what;
    }
}

} // namespace
} // namespace scalvo
