// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/navigation.h"

#include "common/calendar.h"
#include "common/conversions.h"
#include "common/shared_state.h"
#include "records/record_file.h"
#include "support/scaling_fixture.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::read_bytes;
using testing::TempFolder;
using testing::write_bytes;

// An ionogram file whose header bytes 60-61 can be watched; its size fails the size rule,
// so showing it gives the empty frame.
std::string header_with(const std::string& code) {
    std::string header(197, 'h');
    header.replace(59, 2, code);
    header[196] = '\n';
    return header;
}

class NavigationTest : public testing::ScalingTest {
  protected:
    void SetUp() override { start("15"); }

    void start(const std::string& interval) {
        std::filesystem::create_directories(folder / "ionograms");
        shared.program_folder = folder.path();
        shared.ionogram_folder = folder / "ionograms";
        fill_hour_texts(shared);
        shared.working_date = "05-12-2026";
        shared.working_year = "2026";
        shared.day_of_year_text = "339";
        shared.interval_text = interval;
        shared.scaled_values_file = folder / "ionograms" / ("ZE20R_05122026_" + interval + ".txt");
        std::filesystem::remove(shared.scaled_values_file);
        ASSERT_FALSE(
            create_blank_scaled_values_file(shared.scaled_values_file, records_per_day(interval)));
        form.option_yes = false; // the sheet check has tests of its own
    }
    void at(int hour, int minute, int record) {
        shared.sounding_hour = static_cast<std::int16_t>(hour);
        shared.sounding_minute = static_cast<std::int16_t>(minute);
        shared.current_record_number = static_cast<std::int16_t>(record);
        form.ionogram_file_name = make_ionogram_file_name(shared, hour, minute);
    }
    void expect_at(int hour, int minute, int record) {
        EXPECT_EQ(shared.sounding_hour, hour);
        EXPECT_EQ(shared.sounding_minute, minute);
        EXPECT_EQ(shared.current_record_number, record);
    }
    std::string record(int n) const {
        return read_bytes(shared.scaled_values_file).substr((n - 1) * 248, 248);
    }
    std::string settings() const { return read_bytes(folder / "setting.txt"); }
    std::filesystem::path ionogram(int hour, int minute) const {
        return shared.ionogram_folder / make_ionogram_file_name(shared, hour, minute);
    }
    // A foF2 stored earlier for hour:minute.
    void store_at(int hour, int minute, const std::string& foF2) {
        std::string bytes = read_bytes(shared.scaled_values_file);
        const std::size_t n = static_cast<std::size_t>((hour * 60 + minute) / 15);
        bytes.replace(n * 248 + 165, 3, std::string(3 - foF2.size(), ' ') + foF2);
        bytes.replace(n * 248, 5, two_digit_text(hour) + ":" + two_digit_text(minute));
        write_bytes(shared.scaled_values_file, bytes);
    }

    TempFolder folder;
};

TEST_F(NavigationTest, NextAndPreviousStepByTheIntervalAndRememberThePosition) {
    at(10, 0, 41);
    form.set_text(value_box(Row::foF2), "72");
    prima_click(scaling);
    expect_at(9, 45, 40);
    EXPECT_EQ(settings(), "05-12-2026\r\n09\r\n45\r\n15\r\n40\r\n");
    EXPECT_EQ(record(41).substr(0, 5), "10:00");
    EXPECT_EQ(record(41).substr(165, 3), " 72");
    EXPECT_EQ(form.text(value_box(Row::foF2)), "");    // the sheet of 09:45, blank
    EXPECT_EQ(form.text(previous_box(Row::foF2)), ""); // 09:30 is blank too
    successivo_click(scaling);
    expect_at(10, 0, 41);
    EXPECT_EQ(form.text(value_box(Row::foF2)), "72");
    EXPECT_EQ(settings(), "05-12-2026\r\n10\r\n00\r\n15\r\n41\r\n");
    EXPECT_EQ(form.selected_characteristic, Row::foF2);
    EXPECT_EQ(form.focus, descriptive_box(Row::foF2));
}

TEST_F(NavigationTest, TheFirstAndLastSoundingsStayAfterTheirRecordIsWritten) {
    write_bytes(ionogram(0, 0), header_with("ab"));
    at(0, 0, 1);
    shared.ionogram_loaded = true;
    form.particular_case_code = ParticularCase::daytime_es_missing;
    form.set_text(value_box(Row::fmin), "15");
    prima_click(scaling);
    expect_at(0, 0, 1);
    EXPECT_EQ(dialogs.last().text, "This is the first ionogram you can scale");
    EXPECT_EQ(dialogs.last().title, "FIRST IONOGRAM");
    EXPECT_EQ(record(1).substr(0, 18), "00:00 fmin    = 15");
    EXPECT_EQ(read_bytes(ionogram(0, 0)).substr(59, 2), "ab");

    at(23, 45, 96);
    form.set_text(value_box(Row::fmin), "16");
    successivo_click(scaling);
    expect_at(23, 45, 96);
    EXPECT_EQ(dialogs.last().text, "This is the last ionogram you can scale");
    EXPECT_EQ(dialogs.last().title, "LAST IONOGRAM");
    EXPECT_EQ(record(96).substr(0, 18), "23:45 fmin    = 16");
}

TEST_F(NavigationTest, HourlySoundings) {
    start("60");
    at(5, 0, 6);
    prima_click(scaling);
    expect_at(4, 0, 5);
    at(22, 0, 23);
    successivo_click(scaling);
    expect_at(23, 0, 24);
}

TEST_F(NavigationTest, TheCaseCodeGoesIntoTheIonogramLeftWhenItWasLoaded) {
    const struct {
        const char* code;
        bool loaded;
        const char* stored;
    } cases[] = {{"xx", true, "xx"}, {"3a", true, "3a"}, {"06", true, "ab"}, {"05", false, "ab"}};
    for (const auto& c : cases) {
        write_bytes(ionogram(12, 0), header_with("ab"));
        at(12, 0, 49);
        shared.ionogram_loaded = c.loaded;
        form.particular_case_code = case_of_code(c.code);
        successivo_click(scaling);
        expect_at(12, 15, 50);
        const std::string bytes = read_bytes(ionogram(12, 0));
        EXPECT_EQ(bytes.substr(59, 2), c.stored) << c.code;
        EXPECT_EQ(bytes, header_with(c.stored)) << "only bytes 60-61 change";
    }
}

TEST_F(NavigationTest, TheEsTypesFormatBlocksEveryWayOut) {
    at(12, 0, 49);
    for (const char* types : {"F", "F1L"}) {
        dialogs.clear();
        form.set_text(value_box(Row::es_types), types);
        successivo_click(scaling);
        prima_click(scaling);
        EXPECT_FALSE(end_of_scaling(scaling));
        EXPECT_FALSE(form_query_unload(scaling));
        expect_at(12, 0, 49);
        EXPECT_EQ(dialogs.texts(),
                  (std::vector<std::string>{"The format of Es Types is not correct!!",
                                            "The format of Es Types is not correct!!",
                                            "The format of Es Types is not correct!!",
                                            "The format Es Types is not correct!!"}));
        EXPECT_EQ(record(49), blank_record());
    }
    for (const char* types : {"", "F1", "F1L2"}) {
        at(12, 0, 49);
        form.set_text(value_box(Row::es_types), types);
        successivo_click(scaling);
        expect_at(12, 15, 50);
    }
}

TEST_F(NavigationTest, TheSheetCheckRunsOnlyWithYes) {
    at(12, 0, 49);
    form.option_yes = true;
    successivo_click(scaling);
    expect_at(12, 0, 49);
    EXPECT_EQ(dialogs.last().text, "fmin missing!!");
    form.option_yes = false;
    successivo_click(scaling);
    expect_at(12, 15, 50);
}

TEST_F(NavigationTest, NextDecidesDayOrNight) {
    at(12, 0, 49);
    successivo_click(scaling);
    EXPECT_EQ(form.day_night, DayNight::night);
    form.set_text(qualifying_box(Row::foE), "E");
    successivo_click(scaling);
    EXPECT_EQ(form.day_night, DayNight::day);
    form.day_night = DayNight::unset;
    prima_click(scaling);
    EXPECT_EQ(form.day_night, DayNight::unset);
}

TEST_F(NavigationTest, MovingOntoTheFirstSoundingEmptiesThePreviousBoxes) {
    at(0, 15, 2);
    form.set_text(previous_box(Row::foF2), "72");
    prima_click(scaling);
    expect_at(0, 0, 1);
    for (const Row row : all_rows)
        EXPECT_EQ(form.text(previous_box(row)), "") << row;
}

TEST_F(NavigationTest, AFailedRecordWriteStopsTheMoveAndKeepsTheSheet) {
    at(12, 0, 49);
    form.set_text(value_box(Row::foF2), "72");
    std::filesystem::remove(shared.scaled_values_file);
    std::filesystem::create_directory(shared.scaled_values_file);
    successivo_click(scaling);
    expect_at(12, 0, 49);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find("ZE20R_05122026_15.txt"), std::string::npos);
    EXPECT_EQ(form.text(value_box(Row::foF2)), "72");
    EXPECT_FALSE(std::filesystem::exists(folder / "setting.txt"));
}

TEST_F(NavigationTest, AFailedSettingsWriteUndoesTheStepAFailedCaseCodeDoesNot) {
    at(12, 0, 49);
    form.set_text(value_box(Row::foF2), "72");
    // A folder where the file should be refuses the rename onto it.
    std::filesystem::create_directory(folder / "setting.txt");
    successivo_click(scaling);
    expect_at(12, 0, 49);
    EXPECT_NE(dialogs.last().text.find("setting.txt"), std::string::npos);
    EXPECT_EQ(form.text(value_box(Row::foF2)), "72");
    EXPECT_EQ(record(49).substr(165, 3), " 72");
    std::filesystem::remove(folder / "setting.txt");

    // The case code is kept in the record too: its file failing is told, and the move goes on.
    dialogs.clear();
    shared.ionogram_loaded = true;
    form.particular_case_code = ParticularCase::partial_absorption;
    std::filesystem::create_directory(ionogram(12, 0));
    prima_click(scaling);
    expect_at(11, 45, 48);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find(make_ionogram_file_name(shared, 12, 0)), std::string::npos);
    EXPECT_EQ(record(49).substr(165, 3), " 72");
}

TEST_F(NavigationTest, EscapeStoresTheSheetAndAsksForTheParametersForm) {
    write_bytes(ionogram(12, 0), header_with("ab"));
    at(12, 0, 49);
    shared.ionogram_loaded = true;
    form.particular_case_code = ParticularCase::partial_absorption;
    form.selected_characteristic = Row::hF;
    form.set_text(value_box(Row::hF), "250");
    EXPECT_TRUE(end_of_scaling(scaling));
    EXPECT_EQ(form.selected_characteristic, std::nullopt);
    EXPECT_EQ(record(49).substr(120, 3), "250");
    EXPECT_EQ(read_bytes(ionogram(12, 0)).substr(59, 2), "05");
}

TEST_F(NavigationTest, ClosingStoresTheSheetOfTheSoundingOnScreen) {
    at(12, 0, 49);
    form.set_text(value_box(Row::hF), "250");
    EXPECT_TRUE(form_query_unload(scaling));
    EXPECT_EQ(record(49).substr(120, 3), "250");
    expect_at(12, 0, 49);
}

TEST_F(NavigationTest, GoingToARecordRunsTheChainOfAMove) {
    write_bytes(ionogram(7, 45), header_with("ab"));
    at(7, 45, 32);
    shared.ionogram_loaded = true;
    form.particular_case_code = ParticularCase::daytime_es_missing;
    form.set_text(value_box(Row::foF2), "72");
    store_at(12, 0, "95");
    go_to_record(scaling, 49);
    expect_at(12, 0, 49);
    EXPECT_EQ(record(32).substr(0, 5), "07:45");
    EXPECT_EQ(record(32).substr(165, 3), " 72");
    EXPECT_EQ(read_bytes(ionogram(7, 45)).substr(59, 2), "02");
    EXPECT_EQ(settings(), "05-12-2026\r\n12\r\n00\r\n15\r\n49\r\n");
    EXPECT_EQ(form.text(value_box(Row::foF2)), "95");
    EXPECT_EQ(form.ionogram_file_name, make_ionogram_file_name(shared, 12, 0));
    EXPECT_EQ(form.selected_characteristic, Row::foF2);
    EXPECT_TRUE(dialogs.shown.empty());

    go_to_record(scaling, 1);
    expect_at(0, 0, 1);
    for (const Row row : all_rows)
        EXPECT_EQ(form.text(previous_box(row)), "") << row;
    go_to_record(scaling, 96);
    expect_at(23, 45, 96);
}

TEST_F(NavigationTest, GoingToTheSoundingOnScreenOrOutsideTheDayDoesNothing) {
    at(12, 0, 49);
    form.set_text(value_box(Row::foF2), "72");
    for (const int n : {49, 0, -3, 97, 1000}) {
        go_to_record(scaling, n);
        expect_at(12, 0, 49);
        EXPECT_EQ(record(49), blank_record()) << n << ": nothing stored";
        EXPECT_EQ(form.text(value_box(Row::foF2)), "72") << n;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NavigationTest, ARefusedCheckKeepsTheSoundingWhereItWas) {
    at(12, 0, 49);
    form.set_text(value_box(Row::foF2), "72");
    form.option_yes = true;
    go_to_record(scaling, 60);
    expect_at(12, 0, 49);
    EXPECT_EQ(dialogs.last().text, "fmin missing!!");
    EXPECT_EQ(record(49), blank_record());
    EXPECT_EQ(form.text(value_box(Row::foF2)), "72");
    form.option_yes = false;
    form.set_text(value_box(Row::es_types), "F");
    go_to_record(scaling, 60);
    expect_at(12, 0, 49);
    EXPECT_EQ(dialogs.last().text, "The format of Es Types is not correct!!");
}

TEST_F(NavigationTest, AJumpForwardsDecidesDayOrNightAsNextDoes) {
    const struct {
        int to;
        bool foE_letter;
        DayNight day_night;
    } cases[] = {
        {60, false, DayNight::night}, {60, true, DayNight::day}, {30, true, DayNight::unset}};
    for (const auto& c : cases) {
        at(12, 0, 49);
        form.day_night = DayNight::unset;
        form.set_text(qualifying_box(Row::foE), c.foE_letter ? "E" : "");
        go_to_record(scaling, c.to);
        EXPECT_EQ(shared.current_record_number, c.to);
        EXPECT_EQ(form.day_night, c.day_night) << c.to << " " << c.foE_letter;
    }
}

} // namespace
} // namespace scalvo
