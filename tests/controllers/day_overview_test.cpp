// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/day_overview.h"

#include "common/calendar.h"
#include "common/shared_state.h"
#include "controllers/navigation.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/particular_cases.h"
#include "records/record_file.h"
#include "records/sheet_record.h"
#include "support/scaling_fixture.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <gtest/gtest.h>

#include <cmath>

namespace scalvo {
namespace {

using testing::write_bytes;

// A usable ionogram file holding a case code; a wrong size when usable is false.
std::string ionogram_with(const char* code, bool usable = true) {
    std::string bytes = testing::ionogram_file(
        testing::ionogram_header("01.000 20.000 0.050", code), 381, [](int, int) { return 0; });
    if (!usable)
        bytes.resize(bytes.size() - 1);
    return bytes;
}

class DayOverviewTest : public testing::ScalingTest {
  protected:
    void SetUp() override { start("15"); }
    void start(const char* interval) {
        testing::start_day(shared, folder.path());
        shared.interval_text = interval;
        shared.scaled_values_file =
            shared.ionogram_folder / (std::string("ZE20R_05122026_") + interval + ".txt");
        ASSERT_FALSE(
            create_blank_scaled_values_file(shared.scaled_values_file, records_per_day(interval)));
    }
    // The sheet of hour:minute stored as the scaling form stores it.
    void store(int hour, int minute, const testing::BoxTexts& texts) {
        ScalingForm sheet;
        Scaling other{sheet, shared, dialogs};
        for (const auto& [box, text] : texts)
            sheet.set_text(box, text);
        shared.sounding_hour = static_cast<std::int16_t>(hour);
        shared.sounding_minute = static_cast<std::int16_t>(minute);
        const int interval = 24 * 60 / records_per_day(shared.interval_text);
        shared.current_record_number =
            static_cast<std::int16_t>((hour * 60 + minute) / interval + 1);
        compose_sheet_record(other);
        ASSERT_FALSE(write_current_record(other));
    }
    std::filesystem::path ionogram(int hour, int minute) const {
        return shared.ionogram_folder / make_ionogram_file_name(shared, hour, minute);
    }
    static std::optional<double> value(const OverviewSounding& sounding, Row row) {
        for (std::size_t k = 0; k < overview_rows.size(); ++k)
            if (overview_rows[k] == row)
                return sounding.values[k];
        return std::nullopt;
    }

    testing::TempFolder folder;
};

TEST_F(DayOverviewTest, StoredValuesStandAtTheTimesOfTheirSoundings) {
    store(7, 45,
          {{value_box(Row::foF2), "72"},
           {value_box(Row::foE), "305"},
           {value_box(Row::fmin), "15"},
           {value_box(Row::hF), "250"}});
    store(
        12, 0,
        {{value_box(Row::foF2), "95"}, {value_box(Row::foEs), "40"}, {value_box(Row::hEs), "105"}});
    shared.current_record_number = 32;
    const DayOverview overview = read_day_overview(shared);
    ASSERT_EQ(overview.soundings.size(), 96u);
    EXPECT_EQ(overview.interval, 15);
    EXPECT_EQ(overview.current_record, 32);
    EXPECT_FALSE(overview.error);

    const struct {
        std::size_t index;
        int minute;
        Row row;
        std::optional<double> value;
    } cases[] = {
        {31, 465, Row::foF2, 7.2},           {31, 465, Row::foE, 3.05},
        {31, 465, Row::fmin, 1.5},           {31, 465, Row::hF, 250},
        {31, 465, Row::foEs, std::nullopt},  {48, 720, Row::foF2, 9.5},
        {48, 720, Row::foEs, 4.0},           {48, 720, Row::hEs, 105},
        {48, 720, Row::hF, std::nullopt},    {0, 0, Row::foF2, std::nullopt},
        {95, 1425, Row::foF2, std::nullopt},
    };
    for (const auto& c : cases) {
        const OverviewSounding& sounding = overview.soundings[c.index];
        EXPECT_EQ(sounding.record, static_cast<int>(c.index) + 1);
        EXPECT_EQ(sounding.minute, c.minute);
        const auto read = value(sounding, c.row);
        ASSERT_EQ(read.has_value(), c.value.has_value()) << c.index << " " << c.row;
        if (read) {
            EXPECT_NEAR(*read, *c.value, 1e-9) << c.index << " " << c.row;
        }
    }
    for (std::size_t k = 0; k < overview.soundings.size(); ++k)
        EXPECT_EQ(overview.soundings[k].blank, k != 31 && k != 48) << k;
}

TEST_F(DayOverviewTest, ARecordWithOnlyLettersIsScaledOneFromAnEmptySheetIsNot) {
    store(1, 0, {});
    store(2, 0, {{descriptive_box(Row::foF2), "C"}});
    store(3, 0, {{value_box(Row::es_types), "L1"}});
    const DayOverview overview = read_day_overview(shared);
    EXPECT_TRUE(overview.soundings[4].blank);
    EXPECT_FALSE(overview.soundings[8].blank);
    EXPECT_FALSE(overview.soundings[12].blank);
}

TEST_F(DayOverviewTest, ParticularCasesFromTheIonogramFileOrTheNoIonogramRecord) {
    // The sheet NO IONOGRAM leaves: the nine "C" letters, nothing else.
    ScalingForm sheet;
    Scaling other{sheet, shared, dialogs};
    run_case_command(other, CaseCommand::no_ionogram);
    testing::BoxTexts no_ionogram;
    for (const Box box : sheet_boxes)
        if (!sheet.empty(box))
            no_ionogram[box] = sheet.text(box);
    ASSERT_EQ(no_ionogram.size(), 9u);

    const struct {
        int hour;
        const char* file_code; // nullptr: no file
        bool usable;
        bool no_ionogram_sheet;
        const char* shown;
    } cases[] = {
        {1, "3a", true, false, "3a"}, {2, "xx", true, false, ""},     {3, "02", false, false, ""},
        {4, "zz", true, false, ""},   {5, nullptr, true, true, "06"}, {6, "xx", true, true, "06"},
        {7, "05", true, true, "05"},  {8, "4c", true, false, "4c"},   {9, nullptr, true, false, ""},
    };
    for (const auto& c : cases) {
        if (c.file_code)
            write_bytes(ionogram(c.hour, 0), ionogram_with(c.file_code, c.usable));
        if (c.no_ionogram_sheet)
            store(c.hour, 0, no_ionogram);
    }
    // Another letter beside the nine is no longer the case's own sheet.
    testing::BoxTexts more = no_ionogram;
    more[qualifying_box(Row::fmin)] = "U";
    store(10, 0, more);

    const DayOverview overview = read_day_overview(shared);
    for (const auto& c : cases) {
        const OverviewSounding& sounding = overview.soundings[static_cast<std::size_t>(c.hour * 4)];
        EXPECT_EQ(sounding.case_code, c.shown) << c.hour;
        EXPECT_EQ(sounding.case_name.empty(), std::string(c.shown).empty()) << c.hour;
    }
    EXPECT_EQ(overview.soundings[40].case_code, "");
    EXPECT_EQ(overview.soundings[4].case_name,
              "Particular Case: Daytime Es blanketing - single reflection");
}

TEST_F(DayOverviewTest, EveryIntervalGivesItsSoundings) {
    for (const auto& [interval, count, last_minute] :
         {std::tuple{"05", 288, 1435}, {"10", 144, 1430}, {"30", 48, 1410}, {"60", 24, 1380}}) {
        start(interval);
        const DayOverview overview = read_day_overview(shared);
        ASSERT_EQ(overview.soundings.size(), static_cast<std::size_t>(count)) << interval;
        EXPECT_EQ(overview.soundings.back().minute, last_minute) << interval;
        EXPECT_EQ(overview.soundings.back().record, count) << interval;
    }
    shared.interval_text = "07";
    EXPECT_TRUE(read_day_overview(shared).soundings.empty());
}

TEST_F(DayOverviewTest, AFileCutShortOrMissingShowsBlankSoundings) {
    store(0, 15, {{value_box(Row::foF2), "45"}});
    std::string bytes = testing::read_bytes(shared.scaled_values_file);
    bytes.resize(3 * record_length + 100);
    write_bytes(shared.scaled_values_file, bytes);
    DayOverview overview = read_day_overview(shared);
    ASSERT_EQ(overview.soundings.size(), 96u);
    EXPECT_FALSE(overview.error);
    EXPECT_FALSE(overview.soundings[1].blank);
    EXPECT_TRUE(overview.soundings[3].blank);
    EXPECT_TRUE(overview.soundings[95].blank);

    std::filesystem::remove(shared.scaled_values_file);
    overview = read_day_overview(shared);
    ASSERT_TRUE(overview.error);
    EXPECT_EQ(overview.error->path, shared.scaled_values_file);
    ASSERT_EQ(overview.soundings.size(), 96u);
    EXPECT_TRUE(overview.soundings[1].blank);
}

TEST_F(DayOverviewTest, AClickOnATimeMeansTheNearestSoundingOfTheDay) {
    const DayOverview overview = read_day_overview(shared);
    const struct {
        double minute;
        int record;
    } cases[] = {{0, 1},    {7, 1},   {7.5, 1},   {8, 2},       {465, 32},  {472, 32},
                 {473, 33}, {-30, 1}, {1425, 96}, {1439.9, 96}, {5000, 96}, {NAN, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(record_at_minute(overview, c.minute), c.record) << c.minute;
    EXPECT_EQ(record_at_minute(DayOverview{}, 30), 0);
}

TEST(ValueKinds, TheLettersMakeLimitsReplacementsAndTheEsMissingCodes) {
    const struct {
        Row row;
        const char* qualifying;
        const char* descriptive;
        ValueKind kind;
    } cases[] = {
        {Row::foF2, "", "", ValueKind::measured},
        {Row::foF2, "U", "A", ValueKind::measured},
        {Row::foF2, "J", "", ValueKind::measured},
        {Row::foF2, "D", "", ValueKind::greater_than},
        {Row::foF2, "D", "D", ValueKind::greater_than},
        {Row::foE, "E", "", ValueKind::less_than},
        {Row::fmin, "E", "S", ValueKind::less_than},
        {Row::hF, "A", "A", ValueKind::less_than},
        {Row::foF2, "I", "", ValueKind::replaced},
        {Row::hEs, "T", "", ValueKind::replaced},
        {Row::fmin, "", "E", ValueKind::measured},
        // What the three Es missing cases write into foEs.
        {Row::foEs, "E", "G", ValueKind::es_missing},
        {Row::foEs, "E", "S", ValueKind::es_missing},
        {Row::foEs, "E", "B", ValueKind::es_missing},
        {Row::foEs, "", "E", ValueKind::es_missing},
        // Other letters on foEs keep their own meaning.
        {Row::foEs, "E", "A", ValueKind::less_than},
        {Row::foEs, "D", "", ValueKind::greater_than},
        {Row::foEs, "", "G", ValueKind::measured},
        {Row::foE, "E", "G", ValueKind::less_than},
    };
    for (const auto& c : cases)
        EXPECT_EQ(value_kind(c.row, c.qualifying, c.descriptive), c.kind)
            << c.row << " " << c.qualifying << c.descriptive;
}

TEST_F(DayOverviewTest, TheLettersAreReadBesideTheValues) {
    // The sheet the daytime Es missing case leaves, with foF2 U A.
    store(9, 0,
          {{value_box(Row::foE), "285"},
           {value_box(Row::foEs), "29"},
           {qualifying_box(Row::foEs), "E"},
           {descriptive_box(Row::foEs), "G"},
           {descriptive_box(Row::hEs), "G"},
           {value_box(Row::foF2), "72"},
           {qualifying_box(Row::foF2), "U"},
           {descriptive_box(Row::foF2), "A"},
           {value_box(Row::hF), "240"},
           {qualifying_box(Row::hF), "D"}});
    // Kept: a reference into the temporary overview would outlive it.
    const DayOverview overview = read_day_overview(shared);
    const OverviewSounding& sounding = overview.soundings[36];
    const struct {
        Row row;
        const char* qualifying;
        const char* descriptive;
        ValueKind kind;
    } cases[] = {
        {Row::foF2, "U", "A", ValueKind::measured},   {Row::foE, "", "", ValueKind::measured},
        {Row::foEs, "E", "G", ValueKind::es_missing}, {Row::hEs, "", "G", ValueKind::measured},
        {Row::hF, "D", "", ValueKind::greater_than},  {Row::fmin, "", "", ValueKind::measured},
    };
    for (const auto& c : cases) {
        const auto k = static_cast<std::size_t>(
            std::find(overview_rows.begin(), overview_rows.end(), c.row) - overview_rows.begin());
        EXPECT_EQ(sounding.qualifying[k], c.qualifying) << c.row;
        EXPECT_EQ(sounding.descriptive[k], c.descriptive) << c.row;
        EXPECT_EQ(sounding.kinds[k], c.kind) << c.row;
    }
}

TEST(OverviewHint, ValuesWithUnitsLettersKindsAndTheCaseByName) {
    auto sounding = [](auto fill) {
        OverviewSounding s;
        s.minute = 465;
        s.blank = false;
        fill(s);
        return s;
    };
    // In the order of overview_rows: foF2, foE, foEs, fmin, h'F, h'Es.
    const struct {
        OverviewSounding sounding;
        const char* hint;
    } cases[] = {
        {sounding([](OverviewSounding& s) { s.blank = true; }), "07:45  not scaled"},
        {sounding([](OverviewSounding& s) {
             s.values[0] = 7.2;
             s.values[1] = 3.05;
             s.values[4] = 250;
         }),
         "07:45  foF2 7.2 MHz  foE 3.05 MHz  h'F 250 km"},
        {sounding([](OverviewSounding& s) {
             s.values[0] = 7.2;
             s.qualifying[0] = "U";
             s.descriptive[0] = "A";
             s.values[2] = 3.0;
             s.qualifying[2] = "E";
             s.descriptive[2] = "G";
             s.kinds[2] = ValueKind::es_missing;
             s.descriptive[5] = "G";
             s.case_code = "02";
             s.case_name = "Particular Case: Daytime Es missing";
         }),
         "07:45  foF2 7.2 MHz U/A  foEs 3 MHz E/G Es missing  h'Es -/G  case 02 Daytime Es "
         "missing"},
        {sounding([](OverviewSounding& s) {
             s.values[3] = 1.5;
             s.qualifying[3] = "E";
             s.kinds[3] = ValueKind::less_than;
             s.values[0] = 9.1;
             s.qualifying[0] = "D";
             s.kinds[0] = ValueKind::greater_than;
             s.values[4] = 240;
             s.qualifying[4] = "I";
             s.kinds[4] = ValueKind::replaced;
         }),
         "07:45  foF2 9.1 MHz D/- greater than  fmin 1.5 MHz E/- less than  h'F 240 km I/- "
         "replaced"},
        {sounding([](OverviewSounding& s) {
             for (std::size_t k = 0; k < overview_rows.size(); ++k)
                 s.descriptive[k] = "C";
             s.case_code = "06";
             s.case_name = "Particular Case: No ionogram";
         }),
         "07:45  foF2 -/C  foE -/C  foEs -/C  fmin -/C  h'F -/C  h'Es -/C  case 06 No ionogram"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(overview_hint(c.sounding), c.hint);
}

TEST_F(DayOverviewTest, TimesOfTheDay) {
    EXPECT_EQ(time_of_day_text(0), "00:00");
    EXPECT_EQ(time_of_day_text(465), "07:45");
    EXPECT_EQ(time_of_day_text(1435), "23:55");
}

TEST_F(DayOverviewTest, TheStampChangesWithEveryStoredRecordAndMove) {
    shared.sounding_hour = 12;
    shared.current_record_number = 49;
    form.option_yes = false;
    const StoredStamp before = stored_stamp(scaling);
    EXPECT_EQ(stored_stamp(scaling), before);
    form.set_text(value_box(Row::foF2), "72");
    EXPECT_EQ(stored_stamp(scaling), before) << "typing stores nothing";
    successivo_click(scaling);
    const StoredStamp moved = stored_stamp(scaling);
    EXPECT_NE(moved, before);
    // The last sounding: the record is written, the time stays.
    shared.sounding_hour = 23;
    shared.sounding_minute = 45;
    shared.current_record_number = 96;
    const StoredStamp last = stored_stamp(scaling);
    form.set_text(value_box(Row::foF2), "31");
    successivo_click(scaling);
    EXPECT_EQ(shared.current_record_number, 96);
    EXPECT_NE(stored_stamp(scaling), last);
}

} // namespace
} // namespace scalvo
