#include "controllers/scaling_controller.h"

#include "controllers/companion_controller.h"
#include "controllers/key_map.h"
#include "controllers/navigation.h"
#include "controllers/show_sounding.h"
#include "entry/es_types.h"
#include "entry/letters.h"
#include "records/particular_cases.h"
#include "scaling/picking.h"
#include "scaling/plot_view.h"
#include "scaling/selection.h"
#include "scaling/sheet_layout.h"

namespace scalvo {

void ScalingController::finish_event() {
    while (!scaling_.form.focus_lost.empty()) {
        const std::string control = scaling_.form.focus_lost.front();
        scaling_.form.focus_lost.erase(scaling_.form.focus_lost.begin());
        letter_box_lost_focus(scaling_, control);
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
    form_key_down(scaling_, key_code, shift);
    finish_event();
}

int ScalingController::box_key_down(std::string_view box, int key_code, int /*shift*/) {
    return box == "Text7" ? es_types_key_down(key_code) : key_code;
}

int ScalingController::box_key_press(std::string_view box, int code, Caret caret) {
    ScalingForm& form = scaling_.form;
    if (box == "Text7")
        code = es_types_key_press(form.text(box), code);
    else if (is_qualifying_letter_box(box))
        code = qualifying_letter_key_press(scaling_, box, code);
    else if (is_descriptive_letter_box(box))
        code = descriptive_letter_key_press(scaling_, box, code);
    int position = caret.position;
    if (code != 0 && form.boxes.find(box) != form.boxes.end())
        position = type_character(form.box(box), code, caret);
    finish_event();
    return position;
}

void ScalingController::box_text_edited(std::string_view box, std::string text) {
    // Only deletions come this way (Delete, cut); anything typed goes through the filters.
    auto found = scaling_.form.boxes.find(box);
    if (found != scaling_.form.boxes.end() && !found->second.locked &&
        text.size() < found->second.text.size())
        found->second.text = std::move(text);
}

void ScalingController::box_click(std::string_view box) {
    if (box == "Text7")
        select_characteristic(scaling_, "tipoEs");
    else if (is_qualifying_letter_box(box) || is_descriptive_letter_box(box))
        letter_box_click(scaling_, box);
    finish_event();
}

void ScalingController::focus_changed(std::string_view control) {
    set_focus(scaling_.form, control);
    finish_event();
}

void ScalingController::label_click(std::string_view label) {
    if (label == "successivo")
        successivo_click(scaling_);
    else if (label == "prima")
        prima_click(scaling_);
    else
        select_characteristic(scaling_, label);
    finish_event();
}

void ScalingController::button_click(std::string_view button) {
    if (button == "show_next_ionogram") {
        companion_.show_next_ionogram();
        if (companion_.form().shown)
            scaling_.form.request = WindowRequest::show_companion;
    } else if (button == "Esup") {
        esup_click(scaling_);
    } else if (button == "Esdown") {
        esdown_click(scaling_);
    }
    finish_event();
}

void ScalingController::option_click(bool yes) {
    scaling_.form.option_yes = yes;
}

void ScalingController::menu_click(std::string_view menu_control) {
    run_case_command(scaling_, menu_control);
    finish_event();
}

bool ScalingController::query_unload() {
    const bool close = form_query_unload(scaling_);
    finish_event();
    return close;
}

} // namespace scalvo
