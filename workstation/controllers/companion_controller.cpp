// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/companion_controller.h"

#include "common/calendar.h"
#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/file_error.h"
#include "common/shared_state.h"
#include "ionogram/ionogram_file.h"
#include "ionogram/plot.h"
#include "ionogram/window_caption.h"

#include <array>
#include <optional>

namespace scalvo {

namespace {

struct Time {
    std::int16_t hour;
    std::int16_t minute;
};

// The interval in minutes, or none for a text outside the five intervals.
std::optional<int> interval_of(const SharedState& shared) {
    static constexpr std::array<std::string_view, 5> intervals{"05", "10", "15", "30", "60"};
    for (std::string_view interval : intervals)
        if (shared.interval_text == interval)
            return static_cast<int>(numeric_value(interval));
    return std::nullopt;
}

// One interval after base; none past the last sounding of the day. The message is shown
// here, and the companion's time stays as it was.
std::optional<Time> step_forward(Time base, int interval, Dialogs& dialogs,
                                 const char* last_message) {
    Time time{base.hour, static_cast<std::int16_t>(base.minute + interval)};
    if (time.minute >= 60) {
        if (base.hour >= 23) {
            dialogs.message(last_message, "LAST IONOGRAM");
            return std::nullopt;
        }
        time = {static_cast<std::int16_t>(base.hour + 1), 0};
    }
    return time;
}

std::optional<Time> step_back(Time base, int interval, Dialogs& dialogs) {
    Time time{base.hour, static_cast<std::int16_t>(base.minute - interval)};
    if (time.minute < 0) {
        if (base.hour <= 0) {
            dialogs.message("This is the first ionogram you can view", "FIRST IONOGRAM");
            return std::nullopt;
        }
        time = {static_cast<std::int16_t>(base.hour - 1), static_cast<std::int16_t>(60 - interval)};
    }
    return time;
}

// Finds, reads and draws the companion's sounding; clear_first wipes the whole window first.
void load_companion(CompanionForm& form, SharedState& shared, Dialogs& dialogs, bool clear_first) {
    form.companion_file_name =
        make_ionogram_file_name(shared, form.companion_hour, form.companion_minute);
    const std::string sounding_caption = make_sounding_caption(form.companion_file_name);
    const IonogramLoad load =
        load_ionogram_file(shared.ionogram_folder / form.companion_file_name, form.ionogram);
    if (clear_first)
        form.plot.clear();
    if (load.outcome == IonogramOutcome::usable) {
        form.companion_loaded = true;
        shared.station_name = std::string(station_name_of(load.header.station_code));
        form.caption = plot_window_caption(form.companion_file_name, shared.station_name,
                                           sounding_caption, form.ionogram.frequency_step);
        normalise_amplitudes(form.ionogram);
        draw_ionogram(form.plot, form.ionogram);
        return;
    }
    // Unusable files stay in place untouched; unreadable ones are shown as missing, and named
    // with the reason as the scaling form does.
    form.companion_invalid = load.outcome == IonogramOutcome::unusable;
    if (load.error_number != 0)
        shared.last_error_number = load.error_number;
    form.companion_loaded = false;
    form.caption =
        plot_window_caption(form.companion_file_name, shared.station_name, sounding_caption, {});
    draw_empty_frame(form.plot);
    form.companion_invalid = false;
    if (load.read_error)
        report_file_error(dialogs, *load.read_error);
}

} // namespace

void show_next_ionogram(CompanionForm& form, SharedState& shared, Dialogs& dialogs) {
    if (const auto interval = interval_of(shared)) {
        const auto time = step_forward({shared.sounding_hour, shared.sounding_minute}, *interval,
                                       dialogs, "This is the last ionogram you can scale");
        if (!time)
            return;
        form.companion_hour = time->hour;
        form.companion_minute = time->minute;
    }
    load_companion(form, shared, dialogs, false);
    form.shown = true;
}

void next_new_form_click(CompanionForm& form, SharedState& shared, Dialogs& dialogs) {
    if (const auto interval = interval_of(shared)) {
        const auto time = step_forward({form.companion_hour, form.companion_minute}, *interval,
                                       dialogs, "This is the last ionogram you can view");
        if (!time)
            return;
        form.companion_hour = time->hour;
        form.companion_minute = time->minute;
    }
    load_companion(form, shared, dialogs, true);
}

void previous_new_form_click(CompanionForm& form, SharedState& shared, Dialogs& dialogs) {
    if (const auto interval = interval_of(shared)) {
        const auto time =
            step_back({form.companion_hour, form.companion_minute}, *interval, dialogs);
        if (!time)
            return;
        form.companion_hour = time->hour;
        form.companion_minute = time->minute;
    }
    load_companion(form, shared, dialogs, true);
}

} // namespace scalvo
