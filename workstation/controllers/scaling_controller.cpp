// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/scaling_controller.h"

#include "common/shared_state.h"
#include "controllers/accept_proposals.h"
#include "controllers/companion_controller.h"
#include "controllers/key_map.h"
#include "controllers/navigation.h"
#include "controllers/show_sounding.h"
#include "entry/es_types.h"
#include "entry/letters.h"
#include "scaling/picking.h"
#include "scaling/plot_view.h"
#include "scaling/proposed_values.h"
#include "scaling/selection.h"

#include <utility>

namespace scalvo {

void ScalingController::finish_event() {
    while (!scaling_.form.focus_lost.empty()) {
        const Box box = scaling_.form.focus_lost.front();
        scaling_.form.focus_lost.erase(scaling_.form.focus_lost.begin());
        letter_box_lost_focus(scaling_, box);
    }
}

void ScalingController::load() {
    show_sounding(scaling_);
    // The first focus of the form is not a move away from anything.
    scaling_.form.focus_lost.clear();
}

void ScalingController::mouse_move(int x, int y) {
    update_readout(scaling_, x, y);
}

void ScalingController::mouse_down(int button, int /*shift*/, float x, float y) {
    if (button == 2)
        run_case_command(scaling_, es_missing_case(scaling_.form));
    else
        pick_on_plot(scaling_, x, y);
    finish_event();
}

void ScalingController::key_down(int key_code, int shift) {
    // F11 is free in the described key map: it accepts the proposals on show, through the
    // operator's own commands, each followed by what follows an event.
    if (key_code == 122) {
        if (view_.proposals)
            accept_proposals(
                scaling_, [this] { finish_event(); }, [this] { refresh_(); });
        finish_event();
        return;
    }
    const WindowRequest request = form_key_down(scaling_, key_code, shift);
    if (request != WindowRequest::none)
        request_ = request;
    finish_event();
}

int ScalingController::box_key_down(Box box, int key_code, int /*shift*/) {
    return box == value_box(Row::es_types) ? es_types_key_down(key_code) : key_code;
}

int ScalingController::box_key_press(Box box, int code, Caret caret) {
    ScalingForm& form = scaling_.form;
    if (box == value_box(Row::es_types))
        code = es_types_key_press(form.text(box), code);
    else if (is_qualifying_letter_box(box))
        code = qualifying_letter_key_press(scaling_, box, code);
    else if (is_descriptive_letter_box(box))
        code = descriptive_letter_key_press(scaling_, box, code);
    int position = caret.position;
    if (code != 0)
        position = type_character(form.text(box), max_length(box), locked(box), code, caret);
    finish_event();
    return position;
}

void ScalingController::box_text_edited(Box box, std::string text) {
    // Only deletions come this way (Delete, cut); anything typed goes through the filters.
    std::string& current = scaling_.form.text(box);
    if (!locked(box) && text.size() < current.size())
        current = std::move(text);
}

void ScalingController::box_click(Box box) {
    if (box == value_box(Row::es_types))
        select_characteristic(scaling_, Row::es_types);
    else if (is_qualifying_letter_box(box) || is_descriptive_letter_box(box))
        letter_box_click(scaling_, box);
    finish_event();
}

void ScalingController::focus_changed(std::optional<Box> box) {
    set_focus(scaling_.form, box);
    finish_event();
}

void ScalingController::label_click(Row row) {
    select_characteristic(scaling_, row);
    finish_event();
}

void ScalingController::control_click(FormControl control) {
    switch (control) {
    case FormControl::next_sounding:
        successivo_click(scaling_);
        break;
    case FormControl::previous_sounding:
        prima_click(scaling_);
        break;
    case FormControl::show_simultaneously:
        companion_.show_next_ionogram();
        if (companion_.form().shown)
            request_ = WindowRequest::show_companion;
        break;
    case FormControl::es_up:
        esup_click(scaling_);
        break;
    case FormControl::es_down:
        esdown_click(scaling_);
        break;
    case FormControl::check_yes:
    case FormControl::check_no:
        scaling_.form.option_yes = control == FormControl::check_yes;
        return;
    }
    finish_event();
}

void ScalingController::menu_click(CaseCommand command) {
    run_case_command(scaling_, command);
    finish_event();
}

void ScalingController::go_to_record(int record) {
    scalvo::go_to_record(scaling_, record);
    finish_event();
}

bool ScalingController::query_unload() {
    const bool close = form_query_unload(scaling_);
    finish_event();
    return close;
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
