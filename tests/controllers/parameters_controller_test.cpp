// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/parameters_controller.h"

#include "common/shared_state.h"
#include "records/record_file.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::FakeDialogs;
using testing::read_bytes;
using testing::TempFolder;
using testing::write_bytes;

class ParametersFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(folder / "ionograms");
        write_bytes(folder / "setting.txt", "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    }
    void load() { ASSERT_TRUE(logic.load(1280, folder.path(), "07-12-2026")); }
    std::string settings() const { return read_bytes(folder / "setting.txt"); }

    TempFolder folder;
    SharedState shared;
    FakeDialogs dialogs;
    ParametersForm form;
    ParametersController logic{form, shared, dialogs};
};

TEST_F(ParametersFormTest, LoadShowsTheStoredPosition) {
    load();
    EXPECT_EQ(form.giorno.text, "05-12-2026");
    EXPECT_EQ(form.hour.text, "07");
    EXPECT_EQ(form.minutes.text, "45");
    EXPECT_EQ(form.incremento.text, "15");
    EXPECT_EQ(form.minutes.items, (std::vector<std::string>{"00", "15", "30", "45"}));
    EXPECT_EQ(shared.sounding_hour, 7);
    EXPECT_EQ(shared.sounding_minute, 45);
    EXPECT_EQ(shared.current_record_number, 32);
    EXPECT_EQ(form.hour.items.size(), 24u);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ParametersFormTest, NarrowScreenEndsTheProgramWithItsMessage) {
    EXPECT_FALSE(logic.load(800, folder.path(), "07-12-2026"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().text, screen_message);
    EXPECT_EQ(dialogs.last().title, "");
    EXPECT_TRUE(dialogs.last().information_icon);
    EXPECT_TRUE(logic.load(801, folder.path(), "07-12-2026"));
}

TEST_F(ParametersFormTest, DateChecksRefuseWithTheirMessagesAndWriteNothing) {
    const struct {
        const char* date;
        const char* message;
    } cases[] = {
        {"5-12-2026", "The format of the date is not correct!!"},
        {"05/12/2026", "The format of the date is not correct!!"},
        {"05-12-20-6", "The format of the date is not correct!!"},
        {"05-13-2026", "The number representing the month cannot be greater than 12!!"},
        {"31-04-2026", "The day of the date is not correct!!"},
        {"29-02-2027", "The day of the date is not correct!!"},
        {"32-01-2026", "The day of the date is not correct!!"},
    };
    load();
    for (const auto& c : cases) {
        dialogs.clear();
        form.giorno.text = c.date;
        EXPECT_FALSE(logic.start_command()) << c.date;
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.date;
        EXPECT_EQ(dialogs.last().text, c.message) << c.date;
        EXPECT_EQ(dialogs.last().title, "Be careful!!");
        EXPECT_EQ(settings(), "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "ionograms"), {}), 0);
}

TEST_F(ParametersFormTest, DatesThePartAccepts) {
    load();
    for (const char* date : {"29-02-2028", "29-02-2100", "30-04-2026", "00-00-2026"}) {
        dialogs.clear();
        form.giorno.text = date;
        EXPECT_TRUE(logic.start_command()) << date;
        EXPECT_TRUE(dialogs.shown.empty()) << date;
    }
    EXPECT_EQ(shared.day_of_year_text, "");
}

TEST_F(ParametersFormTest, StartWritesTheSettingsAndCreatesTheDay) {
    load();
    logic.hour_chosen("07");
    logic.minutes_chosen("45");
    logic.incremento_chosen("15");
    ASSERT_TRUE(logic.start_command());
    EXPECT_EQ(settings(), "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    const auto file = folder / "ionograms" / "ZE20R_05122026_15.txt";
    EXPECT_EQ(shared.scaled_values_file, file);
    std::string blank_day;
    for (int n = 0; n < 96; ++n)
        blank_day += std::string(246, ' ') + "\r\n";
    EXPECT_EQ(read_bytes(file), blank_day);
    EXPECT_EQ(shared.working_year, "2026");
    EXPECT_EQ(shared.day_of_year_text, "339");
    EXPECT_EQ(shared.interval_text, "15");
    EXPECT_EQ(shared.current_record_number, 32);
    EXPECT_EQ(shared.ionogram_folder, folder / "ionograms");
}

TEST_F(ParametersFormTest, AnExistingDayIsLeftUntouched) {
    load();
    const auto file = folder / "ionograms" / "ZE20R_05122026_15.txt";
    std::string day;
    for (int n = 0; n < 96; ++n)
        day += n == 31 ? "07:45" + std::string(241, 'S') + "\r\n" : std::string(246, ' ') + "\r\n";
    write_bytes(file, day);
    ASSERT_TRUE(logic.start_command());
    EXPECT_EQ(read_bytes(file), day);
    // One that is no day file is left untouched too, and not opened.
    write_bytes(file, "scaled values");
    EXPECT_FALSE(logic.start_command());
    EXPECT_EQ(read_bytes(file), "scaled values");
}

TEST_F(ParametersFormTest, ADayThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    load();
    std::filesystem::create_directory(folder / "ionograms" / "ZE20R_05122026_15.txt");
    logic.hour_chosen("08");
    EXPECT_FALSE(logic.start_command());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find("ZE20R_05122026_15.txt"), std::string::npos);
    EXPECT_EQ(settings(), "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
}

TEST_F(ParametersFormTest, ChangingTheIntervalRebuildsTheMinutesAndResetsTheTime) {
    load();
    const struct {
        const char* interval;
        std::size_t minutes;
    } lists[] = {{"05", 12}, {"10", 6}, {"15", 4}, {"30", 2}, {"60", 1}};
    for (const auto& l : lists) {
        logic.incremento_chosen(l.interval);
        EXPECT_EQ(form.minutes.items.size(), l.minutes) << l.interval;
    }
    logic.incremento_chosen("30");
    EXPECT_EQ(form.hour.text, "00");
    EXPECT_EQ(form.minutes.text, "00");
    EXPECT_EQ(shared.current_record_number, 1);
    // Back to the stored interval with the stored date: the stored time comes back.
    logic.incremento_chosen("15");
    EXPECT_EQ(form.hour.text, "07");
    EXPECT_EQ(form.minutes.text, "45");
}

TEST_F(ParametersFormTest, ANewDateResetsTheTimeOnLeavingTheBox) {
    load();
    form.giorno.text = "06-12-2026";
    logic.giorno_lost_focus();
    EXPECT_EQ(form.hour.text, "00");
    EXPECT_EQ(form.minutes.text, "00");
    EXPECT_EQ(shared.current_record_number, 1);
    ASSERT_TRUE(logic.start_command());
    EXPECT_EQ(settings(), "06-12-2026\r\n00\r\n00\r\n15\r\n1\r\n");
}

TEST_F(ParametersFormTest, DateBoxTakesDigitsDashAndBackspaceOnly) {
    for (int code : {int{'0'}, int{'9'}, int{'-'}, 8})
        EXPECT_EQ(logic.giorno_key_press(code), code);
    for (int code : {int{'a'}, int{'/'}, int{' '}, int{'.'}, 13})
        EXPECT_EQ(logic.giorno_key_press(code), 0);
}

TEST_F(ParametersFormTest, EnterStarts) {
    load();
    EXPECT_TRUE(logic.form_key_down(13));
    EXPECT_TRUE(std::filesystem::exists(folder / "ionograms" / "ZE20R_05122026_15.txt"));
    EXPECT_FALSE(logic.form_key_down(65));
}

TEST(RecordNumber, FromHourMinuteAndInterval) {
    EXPECT_EQ(record_number_of(0, 0, "15", 9), 1);
    EXPECT_EQ(record_number_of(23, 45, "15", 9), 96);
    EXPECT_EQ(record_number_of(23, 55, "05", 9), 288);
    EXPECT_EQ(record_number_of(5, 0, "60", 9), 6);
    EXPECT_EQ(record_number_of(10, 0, "15", 9), 41);
    EXPECT_EQ(record_number_of(10, 0, "20", 9), 9);
}

} // namespace
} // namespace scalvo
