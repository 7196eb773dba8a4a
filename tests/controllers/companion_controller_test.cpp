// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/companion_controller.h"

#include "common/shared_state.h"
#include "controllers/scaling_controller.h"
#include "controllers/show_sounding.h"
#include "ionogram/synthetic_ionogram.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

class CompanionTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::start_day(shared, folder.path()); }
    void at(int hour, int minute) {
        shared.sounding_hour = static_cast<std::int16_t>(hour);
        shared.sounding_minute = static_cast<std::int16_t>(minute);
    }
    void companion_at(int hour, int minute) {
        companion.companion_hour = static_cast<std::int16_t>(hour);
        companion.companion_minute = static_cast<std::int16_t>(minute);
    }
    std::string shown_time() const {
        return std::to_string(companion.companion_hour) + ":" +
               std::to_string(companion.companion_minute);
    }

    testing::TempFolder folder;
    SharedState shared;
    testing::FakeDialogs dialogs;
    CompanionForm companion;
    CompanionController controller{companion, shared, dialogs};
};

TEST_F(CompanionTest, StepsThroughTheDayIndependently) {
    at(10, 45);
    show_next_ionogram(companion, shared, dialogs);
    EXPECT_TRUE(companion.shown);
    EXPECT_EQ(shown_time(), "11:0");
    EXPECT_EQ(companion.companion_file_name, "ZE20R_2026339110000.rdf");
    next_new_form_click(companion, shared, dialogs);
    EXPECT_EQ(companion.companion_file_name, "ZE20R_2026339111500.rdf");
    previous_new_form_click(companion, shared, dialogs);
    previous_new_form_click(companion, shared, dialogs);
    EXPECT_EQ(companion.companion_file_name, "ZE20R_2026339104500.rdf");
    EXPECT_EQ(shared.sounding_hour, 10); // the scaling form's sounding does not move
    EXPECT_EQ(shared.sounding_minute, 45);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CompanionTest, EachShowRebasesOnTheScalingForm) {
    at(10, 45);
    show_next_ionogram(companion, shared, dialogs);
    next_new_form_click(companion, shared, dialogs);
    at(12, 0);
    show_next_ionogram(companion, shared, dialogs);
    EXPECT_EQ(shown_time(), "12:15");
}

TEST_F(CompanionTest, TimeSteps) {
    const struct {
        const char* interval;
        int hour, minute;
        bool forward;
        int new_hour, new_minute;
    } cases[] = {
        {"60", 9, 0, false, 8, 0},
        {"05", 10, 0, false, 9, 55},
        {"10", 10, 0, false, 9, 50},
        {"30", 10, 0, false, 9, 30},
        {"15", 0, 15, false, 0, 0},
        {"05", 22, 55, true, 23, 0},
        {"60", 22, 0, true, 23, 0},
        {"30", 0, 0, true, 0, 30},
        // an interval outside the five: the time stays and the load runs for it
        {"20", 10, 0, true, 10, 0},
        {"", 10, 0, false, 10, 0},
    };
    for (const auto& c : cases) {
        shared.interval_text = c.interval;
        companion_at(c.hour, c.minute);
        if (c.forward)
            next_new_form_click(companion, shared, dialogs);
        else
            previous_new_form_click(companion, shared, dialogs);
        EXPECT_EQ(shown_time(), std::to_string(c.new_hour) + ":" + std::to_string(c.new_minute))
            << c.interval << " " << c.hour << ":" << c.minute;
        EXPECT_EQ(companion.companion_file_name.substr(13, 4),
                  (c.new_hour < 10 ? "0" : "") + std::to_string(c.new_hour) +
                      (c.new_minute < 10 ? "0" : "") + std::to_string(c.new_minute));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CompanionTest, FirstAndLastSoundingsOfTheDay) {
    const struct {
        const char* interval;
        int hour, minute;
        int command; // 0 show, 1 next, 2 previous
        const char* text;
        const char* title;
    } cases[] = {
        {"15", 23, 45, 0, "This is the last ionogram you can scale", "LAST IONOGRAM"},
        {"30", 23, 30, 1, "This is the last ionogram you can view", "LAST IONOGRAM"},
        {"60", 23, 0, 1, "This is the last ionogram you can view", "LAST IONOGRAM"},
        {"15", 0, 0, 2, "This is the first ionogram you can view", "FIRST IONOGRAM"},
        {"05", 0, 0, 2, "This is the first ionogram you can view", "FIRST IONOGRAM"},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        shared.interval_text = c.interval;
        // the companion already shows 06:00
        companion = CompanionForm{};
        at(5, 60 - std::stoi(c.interval));
        show_next_ionogram(companion, shared, dialogs);
        ASSERT_EQ(companion.companion_file_name, "ZE20R_2026339060000.rdf");
        companion.shown = c.command != 0;
        const auto picture = companion.plot.pixels();
        const std::string caption = companion.caption;
        if (c.command == 0) {
            at(c.hour, c.minute);
            show_next_ionogram(companion, shared, dialogs);
        } else {
            companion_at(c.hour, c.minute);
            if (c.command == 1)
                next_new_form_click(companion, shared, dialogs);
            else
                previous_new_form_click(companion, shared, dialogs);
        }
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.text;
        EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::ok);
        EXPECT_EQ(dialogs.last().text, c.text);
        EXPECT_EQ(dialogs.last().title, c.title);
        EXPECT_EQ(companion.shown, c.command != 0) << c.text; // no window opens
        EXPECT_EQ(companion.plot.pixels(), picture) << c.text;
        EXPECT_EQ(companion.caption, caption) << c.text;
        if (c.command == 0) {
            EXPECT_EQ(shown_time(), "6:0") << c.text; // the companion time stays
        } else {
            EXPECT_EQ(shown_time(), std::to_string(c.hour) + ":" + std::to_string(c.minute));
        }
    }
}

TEST_F(CompanionTest, MissingFileShowsTheEmptyFrame) {
    shared.station_name = "Farnel";
    at(10, 45);
    show_next_ionogram(companion, shared, dialogs);
    EXPECT_FALSE(companion.companion_loaded);
    EXPECT_EQ(companion.caption,
              "SCALVO - file: ZE20R_2026339110000.rdf * Farnel * 2026-December- 5  11:00 [UT]");
    EXPECT_EQ(shared.last_error_number, 53);
    EXPECT_EQ(companion.plot.pixel(0, 0), (Rgb{255, 255, 0}));
    EXPECT_EQ(companion.plot.pixel(4, 300), (Rgb{0, 0, 0}));
    EXPECT_EQ(companion.plot.texts().size(), 29u);
}

// A file that is there but cannot be read is named with the reason, as on the scaling form;
// the window still shows its empty frame.
TEST_F(CompanionTest, AnUnreadableFileIsReportedAsOnTheScalingForm) {
    const struct {
        const char* command;
        void (*run)(CompanionForm&, SharedState&, Dialogs&);
        const char* file;
    } commands[] = {
        {"show simultaneously", show_next_ionogram, "ZE20R_2026339110000.rdf"},
        {"next", next_new_form_click, "ZE20R_2026339111500.rdf"},
        {"previous", previous_new_form_click, "ZE20R_2026339110000.rdf"},
    };
    at(10, 45);
    for (const auto& c : commands) {
        std::filesystem::create_directory(shared.ionogram_folder / c.file);
        dialogs.clear();
        c.run(companion, shared, dialogs);
        EXPECT_EQ(companion.companion_file_name, c.file) << c.command;
        EXPECT_FALSE(companion.companion_loaded) << c.command;
        EXPECT_TRUE(companion.shown) << c.command;
        EXPECT_EQ(companion.plot.pixel(4, 300), (Rgb{0, 0, 0})) << c.command;
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.command;

        // The same sounding on the scaling form gives the same box.
        testing::FakeDialogs scaling_dialogs;
        ScalingForm form;
        Scaling scaling{form, shared, scaling_dialogs};
        at(companion.companion_hour, companion.companion_minute);
        load_sounding(scaling);
        at(10, 45);
        ASSERT_EQ(scaling_dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.last().text, scaling_dialogs.last().text) << c.command;
        EXPECT_EQ(dialogs.last().title, scaling_dialogs.last().title) << c.command;
        EXPECT_NE(dialogs.last().text.find(c.file), std::string::npos) << c.command;
        EXPECT_NE(dialogs.last().text.find("Is a directory"), std::string::npos) << c.command;
    }
}

TEST_F(CompanionTest, UsableFileWithItsOwnIonogram) {
    testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339110000.rdf",
                         testing::daytime_ionogram("01.000 20.000 0.100", 191, 1.0, 0.1, "05"));
    testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339104500.rdf",
                         testing::daytime_ionogram());
    ScalingForm form;
    Scaling scaling{form, shared, dialogs};
    at(10, 45);
    load_sounding(scaling);
    show_next_ionogram(companion, shared, dialogs);
    EXPECT_TRUE(companion.companion_loaded);
    EXPECT_EQ(companion.caption,
              "SCALVO - file: ZE20R_2026339110000.rdf * Farnel * 2026-December- 5  11:00 [UT]"
              "  (sounding frequency step =  .1 MHz)");
    EXPECT_EQ(companion.ionogram.frequency_count, 191);
    EXPECT_EQ(form.ionogram.frequency_count, 381);
    EXPECT_EQ(form.particular_case_code,
              ParticularCase::none); // the companion takes no particular case
    EXPECT_EQ(form.label11, "");
    // a refused file next: the window keeps nothing of the sounding before
    testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339111500.rdf", "no ionogram");
    next_new_form_click(companion, shared, dialogs);
    EXPECT_FALSE(companion.companion_loaded);
    EXPECT_EQ(companion.plot.pixel(4, 300), (Rgb{0, 0, 0}));
    EXPECT_EQ(testing::read_bytes(shared.ionogram_folder / "ZE20R_2026339111500.rdf"),
              "no ionogram");
    EXPECT_EQ(form.ionogram.frequency_count, 381);
}

TEST_F(CompanionTest, TheScalingFormAsksForTheWindow) {
    ScalingForm form;
    ScalingController logic(form, shared, dialogs, controller);
    at(10, 45);
    logic.control_click(FormControl::show_simultaneously);
    EXPECT_EQ(logic.take_request(), WindowRequest::show_companion);
    EXPECT_EQ(logic.take_request(), WindowRequest::none);
    companion.shown = false;
    at(23, 45);
    logic.control_click(FormControl::show_simultaneously);
    EXPECT_EQ(logic.take_request(), WindowRequest::none);
    EXPECT_EQ(dialogs.last().text, "This is the last ionogram you can scale");
}

} // namespace
} // namespace scalvo
