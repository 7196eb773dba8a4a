// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/scaling_controller.h"

#include "common/dialogs.h"
#include "common/file_io.h"
#include "common/shared_state.h"
#include "controllers/accept_proposals.h"
#include "controllers/companion_controller.h"
#include "controllers/key_map.h"
#include "controllers/navigation.h"
#include "controllers/show_sounding.h"
#include "entry/es_types.h"
#include "entry/letters.h"
#include "records/sheet_record.h"
#include "scaling/picking.h"
#include "scaling/plot_view.h"
#include "scaling/proposed_values.h"
#include "scaling/selection.h"

#include <utility>

namespace scalvo {

namespace {

// Keys whose command writes into the sheet whenever it runs: refused at once while looking
// only. The clear and the F1-layer key run, and are refused only when they changed something.
bool always_changes(KeyCommand command, const Scaling& scaling, bool proposals) {
    switch (command) {
    case KeyCommand::daytime_es_missing:
    case KeyCommand::nighttime_es_missing:
    case KeyCommand::partial_absorption:
    case KeyCommand::delete_case:
    case KeyCommand::no_ionogram:
        return true;
    case KeyCommand::accept_proposals:
        return proposals && proposals_acceptable(scaling);
    case KeyCommand::muf_step:
        return scaling.shared.ionogram_loaded && scaling.form.selected_characteristic &&
               is_muf3000(*scaling.form.selected_characteristic);
    default:
        return false;
    }
}

bool refused_when_changed(KeyCommand command) {
    return command == KeyCommand::clear_selected || command == KeyCommand::f1_layer_absent;
}

} // namespace

void ScalingController::finish_event() {
    while (!scaling_.form.focus_lost.empty()) {
        const Box box = scaling_.form.focus_lost.front();
        scaling_.form.focus_lost.erase(scaling_.form.focus_lost.begin());
        letter_box_lost_focus(scaling_, box);
    }
}

ScalingController::Sounding ScalingController::sounding() const {
    return {scaling_.form.ionogram_file_name, scaling_.shared.current_record_number};
}

void ScalingController::new_sounding() {
    history_.clear();
    stored_case_ = scaling_.form.particular_case_code;
    stored_label11_ = scaling_.form.label11;
}

template <typename Command> bool ScalingController::event(Command command, bool muf_key) {
    const SheetState before = sheet_state_of(scaling_.form);
    const Sounding on_screen = sounding();
    command();
    finish_event();
    if (sounding() != on_screen) {
        new_sounding();
        return false;
    }
    const SheetState after = sheet_state_of(scaling_.form);
    if (look_only()) {
        // What a selection derives (an Es type, the MUF tool's first value) stays unwritten.
        if (same_sheet(before, after))
            return false;
        put_back_sheet(scaling_.form, before);
        return true;
    }
    // A run of the MUF(3000) tool: its opening and the step keys that follow, on one row.
    std::optional<Row> run;
    if (after.selected && is_muf3000(*after.selected) &&
        (muf_key || before.selected != after.selected))
        run = after.selected;
    history_.record(before, after, run);
    return false;
}

bool ScalingController::refused() {
    if (!look_only())
        return false;
    scaling_.dialogs.message(look_only_text, look_only_title, true);
    return true;
}

void ScalingController::load() {
    show_sounding(scaling_);
    // The first focus of the form is not a move away from anything.
    scaling_.form.focus_lost.clear();
    new_sounding();
}

void ScalingController::mouse_move(int x, int y) {
    update_readout(scaling_, x, y);
}

void ScalingController::mouse_down(int button, int /*shift*/, float x, float y) {
    const std::optional<Row> selected = scaling_.form.selected_characteristic;
    const bool picks =
        button != 2 && scaling_.shared.ionogram_loaded && selected &&
        pick_code(scaling_.form, *selected, static_cast<int>(x), static_cast<int>(y));
    if ((button == 2 || picks) && refused())
        return;
    event([&] {
        if (button == 2)
            run_case_command(scaling_, es_missing_case(scaling_.form));
        else
            pick_on_plot(scaling_, x, y);
    });
}

bool ScalingController::key_down(int key_code, int shift) {
    const std::optional<KeyCommand> command = key_command(key_code, shift);
    if (command == KeyCommand::undo) {
        undo();
        return true;
    }
    if (command == KeyCommand::redo) {
        redo();
        return true;
    }
    if (command && always_changes(*command, scaling_, view_.proposals) && refused())
        return true;
    const bool put_back = event(
        [&] {
            // F11 accepts the proposals on show, through the operator's own commands, each
            // followed by what follows an event; all of it is one step.
            if (command == KeyCommand::accept_proposals) {
                if (view_.proposals)
                    accept_proposals(
                        scaling_, [this] { finish_event(); }, [this] { refresh_(); });
                return;
            }
            const WindowRequest request = form_key_down(scaling_, key_code, shift);
            if (request != WindowRequest::none)
                request_ = request;
        },
        command == KeyCommand::muf_step);
    // A clear or the F1-layer key, put back as it was: the operator hears why.
    if (put_back && command && refused_when_changed(*command))
        return refused();
    return false;
}

int ScalingController::box_key_down(Box box, int key_code, int /*shift*/) {
    return box == value_box(Row::es_types) ? es_types_key_down(key_code) : key_code;
}

int ScalingController::box_key_press(Box box, int code, Caret caret) {
    ScalingForm& form = scaling_.form;
    // Typing and backspace would change an open box.
    if (!locked(box) && (code >= 32 || code == 8) && refused())
        return caret.position;
    int position = caret.position;
    event([&] {
        if (box == value_box(Row::es_types))
            code = es_types_key_press(form.text(box), code);
        else if (is_qualifying_letter_box(box))
            code = qualifying_letter_key_press(scaling_, box, code);
        else if (is_descriptive_letter_box(box))
            code = descriptive_letter_key_press(scaling_, box, code);
        if (code != 0)
            position = type_character(form.text(box), max_length(box), locked(box), code, caret);
    });
    return position;
}

void ScalingController::box_text_edited(Box box, std::string text) {
    // Only deletions come this way (Delete, cut); anything typed goes through the filters.
    const std::string& current = scaling_.form.text(box);
    if (locked(box) || text.size() >= current.size())
        return;
    if (refused())
        return;
    event([&] { scaling_.form.text(box) = std::move(text); });
}

void ScalingController::box_click(Box box) {
    event([&] {
        if (box == value_box(Row::es_types))
            select_characteristic(scaling_, Row::es_types);
        else if (is_qualifying_letter_box(box) || is_descriptive_letter_box(box))
            letter_box_click(scaling_, box);
    });
}

void ScalingController::focus_changed(std::optional<Box> box) {
    event([&] { set_focus(scaling_.form, box); });
}

void ScalingController::label_click(Row row) {
    event([&] { select_characteristic(scaling_, row); });
}

void ScalingController::control_click(FormControl control) {
    switch (control) {
    case FormControl::next_sounding:
        event([&] { successivo_click(scaling_); });
        break;
    case FormControl::previous_sounding:
        event([&] { prima_click(scaling_); });
        break;
    case FormControl::show_simultaneously:
        companion_.show_next_ionogram();
        if (companion_.form().shown)
            request_ = WindowRequest::show_companion;
        finish_event();
        break;
    case FormControl::es_up:
    case FormControl::es_down:
        if (refused())
            return;
        event([&] {
            if (control == FormControl::es_up)
                esup_click(scaling_);
            else
                esdown_click(scaling_);
        });
        break;
    case FormControl::check_yes:
    case FormControl::check_no:
        scaling_.form.option_yes = control == FormControl::check_yes;
        return;
    }
}

void ScalingController::menu_click(CaseCommand command) {
    if (refused())
        return;
    event([&] { run_case_command(scaling_, command); });
}

void ScalingController::go_to_record(int record) {
    event([&] { scalvo::go_to_record(scaling_, record); });
}

bool ScalingController::query_unload() {
    const bool close = form_query_unload(scaling_);
    finish_event();
    return close;
}

void ScalingController::undo() {
    if (!history_.can_undo() || refused())
        return;
    history_.undo(scaling_);
}

void ScalingController::redo() {
    if (!history_.can_redo() || refused())
        return;
    history_.redo(scaling_);
}

void ScalingController::revert_to_stored() {
    const SheetState before = sheet_state_of(scaling_.form);
    std::string record;
    if (const auto error = read_record(scaling_, scaling_.shared.current_record_number, record)) {
        // A day file not made yet, while looking only, stores nothing: a blank sheet.
        if (!(look_only() && is_missing(*error))) {
            report_file_error(scaling_.dialogs, *error);
            return;
        }
    }
    scaling_.form.current_record = std::move(record);
    fill_sheet_from_record(scaling_);
    scaling_.form.particular_case_code = stored_case_;
    scaling_.form.label11 = stored_label11_;
    // Putting back what is stored writes nothing: it is allowed while looking only too.
    history_.record(before, sheet_state_of(scaling_.form), std::nullopt);
}

bool ScalingController::look_only() const {
    return scaling_.shared.look_only;
}

bool ScalingController::set_look_only(bool on) {
    if (on && !look_only()) {
        const ScalingForm& form = scaling_.form;
        bool changed = form.particular_case_code != stored_case_;
        for (const Box box : sheet_boxes)
            if (box.field != Field::previous)
                changed = changed || form.text(box) != record_text(form.current_record, box);
        if (changed &&
            scaling_.dialogs.ask_yes_no("The changes to the sheet of this sounding will not be "
                                        "stored. Look only?",
                                        look_only_title) != answer_yes)
            return false;
    }
    scaling_.shared.look_only = on;
    return true;
}

std::string ScalingController::caption() const {
    return look_only() ? scaling_.form.caption + " (look only)" : scaling_.form.caption;
}

void ScalingController::open_day(const DayHeld& day) {
    event([&] {
        if (!end_of_scaling(scaling_))
            return;
        requested_day_ = day;
        request_ = WindowRequest::open_day;
    });
}

bool ScalingController::menu_enabled(CaseCommand command) const {
    return case_command_enabled(scaling_.shared.ionogram_loaded, command);
}

bool ScalingController::menu_enabled(CaseSubmenu) const {
    return scaling_.shared.ionogram_loaded;
}

std::string ScalingController::placeholder(Box box) const {
    if (!view_.proposals || !proposals_acceptable(scaling_))
        return {};
    return scalvo::placeholder(scaling_.form, box);
}

std::string ScalingController::proposed_case_caption() const {
    if (!view_.proposals)
        return {};
    const auto command = proposed_case(scaling_);
    if (!command)
        return {};
    return case_command_caption(command == CaseCommand::daytime_es_missing
                                    ? ParticularCase::daytime_es_missing
                                    : ParticularCase::nighttime_es_missing)
        .value_or("");
}

std::vector<PlotMark> ScalingController::marks() const {
    std::vector<PlotMark> marks;
    if (!scaling_.shared.ionogram_loaded)
        return marks;
    if (view_.proposals && proposals_acceptable(scaling_))
        marks = proposal_marks(scaling_.form);
    if (view_.previous_sounding)
        for (PlotMark& mark : previous_sounding_marks(scaling_.form))
            marks.push_back(std::move(mark));
    return marks;
}

WindowRequest ScalingController::take_request() {
    return std::exchange(request_, WindowRequest::none);
}

} // namespace scalvo
