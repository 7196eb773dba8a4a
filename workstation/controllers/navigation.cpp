// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/navigation.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/settings_file.h"
#include "common/shared_state.h"
#include "controllers/show_sounding.h"
#include "entry/es_types.h"
#include "ionogram/case_code_file.h"
#include "records/record_file.h"
#include "records/sheet_check.h"
#include "records/sheet_record.h"
#include "scaling/selection.h"

namespace scalvo {

namespace {

// The sheet may be stored: the Es types format and, when asked for, the sheet check.
bool sheet_may_be_stored(Scaling& scaling, bool closing) {
    if (!es_types_format_ok(scaling, closing))
        return false;
    return !(scaling.form.option_yes && check_sheet(scaling, scaling.form.particular_case_code));
}

// The case code into the ionogram file of the sounding being left, when it was loaded. A
// failure is told and the leaving goes on: the case is kept in the record as well, and an
// archived read-only file must not hold the operator on the sounding.
void store_case_code(Scaling& scaling) {
    if (!scaling.shared.ionogram_loaded)
        return;
    const auto error = write_particular_case_code(
        scaling.shared.ionogram_folder / scaling.form.ionogram_file_name,
        scaling.form.particular_case_code, scaling.form.ionogram_identity);
    if (error)
        scaling.dialogs.message(file_error_text(*error) + "\r\n" + case_code_not_written_note,
                                file_error_title);
}

FileResult write_record(Scaling& scaling) {
    compose_sheet_record(scaling);
    return write_current_record(scaling);
}

bool store_record(Scaling& scaling) {
    const auto error = write_record(scaling);
    if (error)
        report_file_error(scaling.dialogs, *error);
    return !error;
}

struct Position {
    std::int16_t hour, minute, record;
};

Position position_of(const SharedState& shared) {
    return {shared.sounding_hour, shared.sounding_minute, shared.current_record_number};
}

void restore(SharedState& shared, Position position) {
    shared.sounding_hour = position.hour;
    shared.sounding_minute = position.minute;
    shared.current_record_number = position.record;
}

// Steps the time by the interval; false (with its message) at the first or last sounding.
bool step_time(Scaling& scaling, bool forward) {
    SharedState& shared = scaling.shared;
    const auto interval = static_cast<std::int16_t>(numeric_value(shared.interval_text));
    const Position before = position_of(shared);
    if (forward) {
        shared.sounding_minute = static_cast<std::int16_t>(shared.sounding_minute + interval);
        ++shared.current_record_number;
        if (shared.sounding_minute >= 60) {
            if (shared.sounding_hour < 23) {
                ++shared.sounding_hour;
                shared.sounding_minute = 0;
            } else {
                scaling.dialogs.message("This is the last ionogram you can scale", "LAST IONOGRAM");
                restore(shared, before);
                return false;
            }
        }
    } else {
        shared.sounding_minute = static_cast<std::int16_t>(shared.sounding_minute - interval);
        --shared.current_record_number;
        if (shared.sounding_minute < 0) {
            if (shared.sounding_hour > 0) {
                --shared.sounding_hour;
                shared.sounding_minute = static_cast<std::int16_t>(60 - interval);
            } else {
                scaling.dialogs.message("This is the first ionogram you can scale",
                                        "FIRST IONOGRAM");
                restore(shared, before);
                return false;
            }
        }
    }
    return true;
}

FileResult write_position(const SharedState& shared) {
    return write_settings(shared.program_folder / settings_file_name,
                          {shared.working_date, two_digit_text(shared.sounding_hour),
                           two_digit_text(shared.sounding_minute), shared.interval_text,
                           trimmed_number_text(shared.current_record_number)});
}

// The chain of a move; step sets the new position, or refuses with its message.
template <typename Step> void move(Scaling& scaling, bool forward, Step step) {
    ScalingForm& form = scaling.form;
    // Looking only: no check, nothing written, the next sounding shown.
    if (scaling.shared.look_only) {
        if (forward)
            set_day_night(form);
        if (step())
            show_sounding(scaling);
        return;
    }
    if (!sheet_may_be_stored(scaling, false))
        return;
    if (forward)
        set_day_night(form);
    if (!store_record(scaling))
        return;
    const Position before = position_of(scaling.shared);
    if (!step())
        return;
    // Everything that can fail on the way out is done before the new sounding replaces the
    // one on screen, so that a failure leaves the operator's sounding and sheet in place.
    store_case_code(scaling);
    if (const auto error = write_position(scaling.shared)) {
        report_file_error(scaling.dialogs, *error);
        restore(scaling.shared, before);
        return;
    }
    show_sounding(scaling);
}

} // namespace

void successivo_click(Scaling& scaling) {
    move(scaling, true, [&] { return step_time(scaling, true); });
}

void prima_click(Scaling& scaling) {
    move(scaling, false, [&] { return step_time(scaling, false); });
}

void go_to_record(Scaling& scaling, int record) {
    SharedState& shared = scaling.shared;
    const int count = records_per_day(shared.interval_text);
    if (record < 1 || record > count || record == shared.current_record_number)
        return;
    const int minute = minute_of_record(shared.interval_text, record);
    move(scaling, record > shared.current_record_number, [&] {
        shared.sounding_hour = static_cast<std::int16_t>(minute / 60);
        shared.sounding_minute = static_cast<std::int16_t>(minute % 60);
        shared.current_record_number = static_cast<std::int16_t>(record);
        return true;
    });
}

bool end_of_scaling(Scaling& scaling) {
    if (scaling.shared.look_only) {
        scaling.form.selected_characteristic.reset();
        return true;
    }
    if (!sheet_may_be_stored(scaling, false))
        return false;
    store_case_code(scaling);
    if (!store_record(scaling))
        return false;
    scaling.form.selected_characteristic.reset();
    return true;
}

bool form_query_unload(Scaling& scaling) {
    if (scaling.shared.look_only)
        return true;
    if (!sheet_may_be_stored(scaling, true))
        return false;
    store_case_code(scaling);
    const auto error = write_record(scaling);
    if (!error)
        return true;
    // A record that cannot be stored (a full disk, a folder gone) must not keep the operator
    // in the form for good: closing anyway is offered, with what it costs, and staying is the
    // default.
    return scaling.dialogs.ask_yes_no_default_no(unstored_record_question(scaling, *error),
                                                 file_error_title) == answer_yes;
}

std::string unstored_record_question(const Scaling& scaling, const FileError& error) {
    const SharedState& shared = scaling.shared;
    return file_error_text(error) + "\r\n\r\n" + "The sheet of " +
           two_digit_text(shared.sounding_hour) + ":" + two_digit_text(shared.sounding_minute) +
           " is not stored. Close Scalvo without storing it? Everything scaled on this sounding "
           "since it was last stored will be lost; the records already stored stay as they "
           "are.\r\n\r\nNo (the default) stays on the sounding, to try again.";
}

} // namespace scalvo
