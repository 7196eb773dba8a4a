// SPDX-License-Identifier: GPL-3.0-or-later
// The days a folder holds, from the names of its files and the records of its day files; and
// the parameters form's start on them.
#include "controllers/days_held.h"

#include "common/shared_state.h"
#include "controllers/parameters_controller.h"
#include "records/record_file.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scalvo {

// Days in test messages.
std::ostream& operator<<(std::ostream& out, const DayHeld& day) {
    return out << day.date << " at " << day.interval_text << ": " << day.soundings << " soundings, "
               << day.stored << " stored of " << day.records;
}

namespace {

using testing::read_bytes;
using testing::write_bytes;

TEST(IntervalOfSoundings, TheOneThatTakesInMostTheLongerOnATie) {
    const struct {
        std::vector<int> minutes;
        const char* interval;
    } cases[] = {{{0, 15, 30, 45}, "15"}, {{0, 5, 10}, "05"},      {{0, 10, 20}, "10"},
                 {{0, 30, 60}, "30"},     {{0, 60, 120}, "60"},    {{0, 15, 20}, "05"},
                 {{7, 22}, "15"},         {{0, 15, 30, 37}, "15"}, {{}, "15"}};
    for (const auto& c : cases)
        EXPECT_EQ(interval_of(c.minutes), c.interval) << ::testing::PrintToString(c.minutes);
}

class DaysHeldTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(ionograms); }
    void touch(const std::string& name) { write_bytes(ionograms / name, "x"); }
    // A day file with sheets stored at these records.
    void day_file(const std::string& name, int records, std::vector<int> stored) {
        std::string bytes;
        for (int n = 1; n <= records; ++n)
            bytes += blank_record();
        for (const int n : stored)
            bytes.replace(static_cast<std::size_t>(n - 1) * 248, 5, "10:00");
        write_bytes(ionograms / name, bytes);
    }

    testing::TempFolder folder;
    std::filesystem::path ionograms = folder / "ionograms";
};

TEST_F(DaysHeldTest, LatestFirstWithSoundingsAndStoredRecords) {
    // 05-12-2026 (day 339): three soundings at 15 minutes, two of them stored; a day file at 05
    // minutes too, with none stored.
    for (const char* time : {"0000", "0015", "0030"})
        touch(std::string("ZE20R_2026339") + time + "00.rdf");
    day_file("ZE20R_05122026_15.txt", 96, {1, 41});
    day_file("ZE20R_05122026_05.txt", 288, {});
    // 04-12-2026: every 10 minutes, not started.
    for (const char* time : {"0000", "0010", "0020", "2350"})
        touch(std::string("ZE20R_2026338") + time + "00.rdf");
    // 01-12-2026: only stored records, its ionograms gone.
    day_file("ZE20R_01122026_60.txt", 24, {24});
    // 31-12-2025 comes before them all.
    touch("ZE20R_2025365120000.rdf");
    // Names that are not the station's soundings, or name no day.
    for (const char* name :
         {"ZE20R_2026339001500.txt", "ZE20R_2026400000000.rdf", "ZE20R_2026339001530.rdf",
          "ZE20R_2026339246000.rdf", "ZE20R_31022026_15.txt", "ZE20R_05122026_20.txt",
          "XX20R_2026339001500.rdf", "notes.txt"})
        touch(name);

    EXPECT_EQ(days_held(ionograms), (std::vector<DayHeld>{{"05-12-2026", "05", 3, 0, 288},
                                                          {"05-12-2026", "15", 3, 2, 96},
                                                          {"04-12-2026", "10", 4, 0, 144},
                                                          {"01-12-2026", "60", 0, 1, 24},
                                                          {"31-12-2025", "60", 1, 0, 24}}));
    const auto latest = latest_day_with_ionograms(ionograms);
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->date, "05-12-2026");
    EXPECT_EQ(latest->interval_text, "15");
}

TEST_F(DaysHeldTest, AFolderWithoutDaysHoldsNone) {
    EXPECT_TRUE(days_held(ionograms).empty());
    EXPECT_FALSE(latest_day_with_ionograms(ionograms));
    EXPECT_TRUE(days_held(folder / "nowhere").empty());
    day_file("ZE20R_06122026_15.txt", 96, {3});
    EXPECT_EQ(days_held(ionograms).size(), 1u);
    EXPECT_FALSE(latest_day_with_ionograms(ionograms)); // a day file is no ionogram
}

class StartOnDaysTest : public DaysHeldTest {
  protected:
    void load() { ASSERT_TRUE(logic.load(1280, folder.path(), "07-12-2026")); }
    SharedState shared;
    testing::FakeDialogs dialogs;
    ParametersForm form;
    ParametersController logic{form, shared, dialogs};
};

// A first start in a folder opens on its latest day with ionograms, at their interval; with
// "setting.txt" the remembered position stays, whatever the folder holds.
TEST_F(StartOnDaysTest, WithoutSettingsTheLatestDayWithIonograms) {
    touch("ZE20R_2026337000000.rdf");
    touch("ZE20R_2026338000000.rdf");
    touch("ZE20R_2026338001000.rdf");
    day_file("ZE20R_06122026_15.txt", 96, {3});
    load();
    EXPECT_EQ(form.giorno.text, "04-12-2026");
    EXPECT_EQ(form.incremento.text, "10");
    EXPECT_EQ(form.hour.text, "00");
    EXPECT_EQ(form.minutes.text, "00");
    EXPECT_EQ(form.minutes.items.size(), 6u);

    write_bytes(folder / "setting.txt", "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    load();
    EXPECT_EQ(form.giorno.text, "05-12-2026");
    EXPECT_EQ(form.incremento.text, "15");
    EXPECT_EQ(form.hour.text, "07");

    std::filesystem::remove(folder / "setting.txt");
    std::filesystem::remove_all(ionograms);
    load();
    EXPECT_EQ(form.giorno.text, "07-12-2026");
    EXPECT_EQ(form.incremento.text, "15");
}

// Opening a day runs the start as if typed: the remembered day and interval keep their
// position, another starts at 00:00.
TEST_F(StartOnDaysTest, OpeningADayStartsItAsTheFormWould) {
    const struct {
        const char* date;
        const char* interval;
        const char* settings;
        const char* day_file;
    } cases[] = {
        {"05-12-2026", "15", "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n", "ZE20R_05122026_15.txt"},
        {"04-12-2026", "15", "04-12-2026\r\n00\r\n00\r\n15\r\n1\r\n", "ZE20R_04122026_15.txt"},
        {"05-12-2026", "30", "05-12-2026\r\n00\r\n00\r\n30\r\n1\r\n", "ZE20R_05122026_30.txt"},
    };
    for (const auto& c : cases) {
        write_bytes(folder / "setting.txt", "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
        logic.load_settings(folder.path(), "07-12-2026");
        ASSERT_TRUE(logic.start_day(c.date, c.interval)) << c.date;
        EXPECT_EQ(read_bytes(folder / "setting.txt"), c.settings) << c.date;
        EXPECT_EQ(shared.working_date, c.date);
        EXPECT_EQ(shared.interval_text, c.interval);
        EXPECT_EQ(shared.scaled_values_file, ionograms / c.day_file);
        EXPECT_TRUE(std::filesystem::exists(ionograms / c.day_file)) << c.day_file;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StartOnDaysTest, LookingOnlyTheStartWritesNothing) {
    write_bytes(folder / "setting.txt", "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    shared.look_only = true;
    load();
    ASSERT_TRUE(logic.start_day("04-12-2026", "15"));
    EXPECT_EQ(read_bytes(folder / "setting.txt"), "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    EXPECT_FALSE(std::filesystem::exists(ionograms / "ZE20R_04122026_15.txt"));
    EXPECT_EQ(shared.scaled_values_file, ionograms / "ZE20R_04122026_15.txt");
    EXPECT_EQ(shared.current_record_number, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace scalvo
