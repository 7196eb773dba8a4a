// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controller of the parameters form: the day, the first sounding and the interval,
// remembered in "setting.txt"; its start command prepares the day and opens the scaling form.
#include "common/settings_file.h"
#include "common/text_box.h"

#include <string>
#include <string_view>
#include <vector>

namespace scalvo {

class Dialogs;
struct SharedState;

struct ComboBox {
    std::vector<std::string> items;
    std::string text;
};

struct ParametersForm {
    std::string caption = "SCALVO - Parameters Setting - Ionograms Scaling - DORVIK Ionosonde";
    TextBox giorno{.text = {}, .max_length = 10, .locked = false, .visible = true};
    ComboBox hour;
    ComboBox minutes;
    ComboBox incremento;
    SettingsLines stored_settings;
};

inline constexpr const char* screen_message =
    "To use this software the monitor resolution has to be at least 1024 X 768";

// The minutes offered for an interval text; empty for a text outside the five intervals.
std::vector<std::string> minute_list_for(std::string_view interval_text);

// Current record number of hour:minute at this interval; keeps `previous` for other texts.
int record_number_of(int hour, int minute, std::string_view interval_text, int previous);

class ParametersController {
  public:
    ParametersController(ParametersForm& form, SharedState& shared, Dialogs& dialogs)
        : form_(form), shared_(shared), dialogs_(dialogs) {}

    // Returns false when the screen is too narrow: the message has been shown and the
    // program ends.
    bool load(int screen_width, const std::filesystem::path& working_folder,
              std::string_view today);
    // The load without the screen: the remembered position, or without "setting.txt" the
    // latest day that has ionogram files (today when there is none).
    void load_settings(const std::filesystem::path& working_folder, std::string_view today);
    // Character typed in the date box; returns the code to type, 0 to discard it.
    int giorno_key_press(int code) const;
    void giorno_lost_focus();
    void hour_chosen(const std::string& text);
    void minutes_chosen(const std::string& text);
    void incremento_chosen(const std::string& text);
    // Key on the form, before the control sees it; true when the key was used.
    bool form_key_down(int key_code);
    // Returns true when the scaling form is to be shown. While looking only it writes
    // nothing: neither "setting.txt" nor a day file.
    bool start_command();
    // The start for a day and interval chosen from the days the folder holds, as if typed on
    // the form: the date, then the interval, then the start command.
    bool start_day(const std::string& date, const std::string& interval_text);

  private:
    void reset_hour_and_minute();
    bool date_is_valid();

    ParametersForm& form_;
    SharedState& shared_;
    Dialogs& dialogs_;
};

} // namespace scalvo
