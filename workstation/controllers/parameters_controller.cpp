// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/parameters_controller.h"

#include "common/calendar.h"
#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/file_error.h"
#include "common/shared_state.h"
#include "common/text.h"
#include "controllers/days_held.h"
#include "records/record_file.h"

#include <algorithm>

namespace scalvo {

namespace {

constexpr const char* date_title = "Be careful!!";

bool contains(const std::vector<std::string>& items, const std::string& text) {
    return std::find(items.begin(), items.end(), text) != items.end();
}

} // namespace

std::vector<std::string> minute_list_for(std::string_view interval_text) {
    const int minutes =
        records_per_day(interval_text) == 0 ? 0 : static_cast<int>(numeric_value(interval_text));
    std::vector<std::string> list;
    for (int m = 0; minutes > 0 && m < 60; m += minutes)
        list.push_back(two_digit_text(m));
    return list;
}

int record_number_of(int hour, int minute, std::string_view interval_text, int previous) {
    if (records_per_day(interval_text) == 0)
        return previous;
    const double interval = numeric_value(interval_text);
    return static_cast<int>(nearest_integer(hour * (60.0 / interval) + minute / interval + 1.0));
}

bool ParametersController::load(int screen_width, const std::filesystem::path& working_folder,
                                std::string_view today) {
    if (screen_width <= 800) {
        dialogs_.message(screen_message, "", true);
        return false;
    }
    load_settings(working_folder, today);
    return true;
}

void ParametersController::load_settings(const std::filesystem::path& working_folder,
                                         std::string_view today) {
    shared_.ionogram_loaded = false;
    fill_hour_texts(shared_);
    shared_.program_folder = working_folder;

    form_.hour.items.assign(shared_.hour_texts.begin(), shared_.hour_texts.end());
    form_.incremento.items = {"05", "10", "15", "30", "60"};
    const std::filesystem::path settings = working_folder / settings_file_name;
    std::error_code error;
    // A folder started for the first time opens on its latest day rather than on today.
    const std::optional<DayHeld> latest =
        std::filesystem::exists(settings, error) || error
            ? std::nullopt
            : latest_day_with_ionograms(working_folder / "ionograms");
    form_.stored_settings = read_settings(settings, latest ? latest->date : today);
    if (latest)
        form_.stored_settings[3] = latest->interval_text;
    const SettingsLines& stored = form_.stored_settings;

    form_.giorno.text = stored[0];
    form_.hour.text = stored[1];
    shared_.sounding_hour = static_cast<std::int16_t>(numeric_value(stored[1]));
    // The minute list follows the interval from the start, so that only minutes of the
    // interval can be chosen.
    form_.incremento.text = stored[3];
    form_.minutes.items = minute_list_for(stored[3]);
    form_.minutes.text = contains(form_.minutes.items, stored[2]) ? stored[2] : "00";
    shared_.sounding_minute = static_cast<std::int16_t>(numeric_value(form_.minutes.text));
    shared_.current_record_number = static_cast<std::int16_t>(numeric_value(stored[4]));
}

int ParametersController::giorno_key_press(int code) const {
    if ((code >= '0' && code <= '9') || code == key_backspace || code == '-')
        return code;
    return 0;
}

void ParametersController::reset_hour_and_minute() {
    shared_.sounding_hour = 0;
    form_.hour.text = "00";
    shared_.sounding_minute = 0;
    form_.minutes.text = "00";
    shared_.current_record_number = 1;
}

void ParametersController::giorno_lost_focus() {
    if (form_.giorno.text != form_.stored_settings[0])
        reset_hour_and_minute();
}

void ParametersController::hour_chosen(const std::string& text) {
    if (contains(form_.hour.items, text))
        form_.hour.text = text;
}

void ParametersController::minutes_chosen(const std::string& text) {
    if (contains(form_.minutes.items, text))
        form_.minutes.text = text;
}

void ParametersController::incremento_chosen(const std::string& text) {
    if (!contains(form_.incremento.items, text))
        return;
    form_.incremento.text = text;
    const auto list = minute_list_for(text);
    if (!list.empty())
        form_.minutes.items = list;
    const SettingsLines& stored = form_.stored_settings;
    if (form_.giorno.text != stored[0] || text != stored[3]) {
        reset_hour_and_minute();
    } else {
        form_.hour.text = stored[1];
        form_.minutes.text = contains(form_.minutes.items, stored[2]) ? stored[2] : "00";
    }
}

bool ParametersController::form_key_down(int key_code) {
    if (key_code != 13)
        return false;
    start_command();
    return true;
}

bool ParametersController::date_is_valid() {
    const std::string& date = form_.giorno.text;
    const char* format_message = "The format of the date is not correct!!";
    if (date.size() != 10) {
        dialogs_.message(format_message, date_title);
        return false;
    }
    for (std::size_t position : {1, 2, 4, 5, 7, 8, 9, 10})
        if (date[position - 1] == '-') {
            dialogs_.message(format_message, date_title);
            return false;
        }
    if (date[2] != '-' || date[5] != '-') {
        dialogs_.message(format_message, date_title);
        return false;
    }
    if (numeric_value(mid(date, 4, 2)) > 12) {
        dialogs_.message("The number representing the month cannot be greater than 12!!",
                         date_title);
        return false;
    }
    const std::string month = mid(date, 4, 2);
    const double day = numeric_value(mid(date, 1, 2));
    double last_day = 99;
    if (month == "01" || month == "03" || month == "05" || month == "07" || month == "08" ||
        month == "10" || month == "12")
        last_day = 31;
    else if (month == "04" || month == "06" || month == "09" || month == "11")
        last_day = 30;
    else if (month == "02")
        last_day = static_cast<long long>(numeric_value(mid(date, 7, 4))) % 4 == 0 ? 29 : 28;
    if (day > last_day) {
        dialogs_.message("The day of the date is not correct!!", date_title);
        return false;
    }
    return true;
}

bool ParametersController::start_command() {
    shared_.ionogram_folder = shared_.program_folder / "ionograms";
    if (!date_is_valid())
        return false;
    if (form_.giorno.text != form_.stored_settings[0])
        reset_hour_and_minute();

    shared_.sounding_hour = static_cast<std::int16_t>(numeric_value(form_.hour.text));
    shared_.sounding_minute = static_cast<std::int16_t>(numeric_value(form_.minutes.text));
    shared_.current_record_number = static_cast<std::int16_t>(
        record_number_of(shared_.sounding_hour, shared_.sounding_minute, form_.incremento.text,
                         shared_.current_record_number));
    const SettingsLines lines{form_.giorno.text, two_digit_text(shared_.sounding_hour),
                              two_digit_text(shared_.sounding_minute), form_.incremento.text,
                              trimmed_number_text(shared_.current_record_number)};

    shared_.working_date = form_.giorno.text;
    shared_.day_of_year_text = make_day_of_year_text(shared_.working_date);
    shared_.interval_text = form_.incremento.text;
    shared_.working_year = mid(shared_.working_date, 7, 4);

    // The day's file is made before "setting.txt" is replaced, so that a day that cannot be
    // prepared leaves the settings as they were.
    const int record_count = records_per_day(shared_.interval_text);
    if (record_count > 0)
        shared_.scaled_values_file =
            shared_.ionogram_folder /
            scaled_values_file_name(shared_.working_date, shared_.interval_text);
    if (shared_.look_only)
        return true;
    if (record_count > 0) {
        if (const auto error =
                create_blank_scaled_values_file(shared_.scaled_values_file, record_count)) {
            shared_.last_error_number = is_missing(*error) ? 53 : 75;
            report_file_error(dialogs_, *error);
            return false;
        }
        // A day file that cannot be framed (its line ends converted, cut short) is not opened:
        // reading it shows nonsense, and a record written into it damages the next.
        if (const auto error = check_day_file(shared_.scaled_values_file)) {
            report_file_error(dialogs_, *error);
            return false;
        }
    }
    if (const auto error = write_settings(shared_.program_folder / settings_file_name, lines)) {
        report_file_error(dialogs_, *error);
        return false;
    }
    return true;
}

bool ParametersController::start_day(const std::string& date, const std::string& interval_text) {
    form_.giorno.text = date;
    giorno_lost_focus();
    incremento_chosen(interval_text);
    return start_command();
}

} // namespace scalvo
