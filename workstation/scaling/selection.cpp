// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/selection.h"

#include "common/conversions.h"
#include "common/shared_state.h"
#include "scaling/es_type_rules.h"
#include "scaling/muf_tool.h"
#include "scaling/plot_view.h"

namespace scalvo {

namespace {

// Steps common to every selection: the row, and with it the red label and the locks; the
// focus to the row's descriptive letter (the Es types box for Es types).
void mark_selected(ScalingForm& form, Row row) {
    form.selected_characteristic = row;
    set_focus(form, row == Row::es_types ? value_box(row) : descriptive_box(row));
}

// The Es type step buttons belong to the Es types selection; without an ionogram they are
// left as they are.
void set_step_buttons(Scaling& scaling, bool es_types) {
    if (!scaling.shared.ionogram_loaded)
        return;
    scaling.form.esup_visible = es_types;
    scaling.form.esdown_visible = es_types;
}

// The Es type the E-layer and foEs entries point to, when the Es types box is empty.
void propose_es_type(ScalingForm& form) {
    if (!form.empty(value_box(Row::es_types)))
        return;
    if (const auto type = automatic_es_type(form))
        form.set_text(value_box(Row::es_types), *type);
}

} // namespace

void set_day_night(ScalingForm& form) {
    bool e_layer = false;
    for (Row row : {Row::hE, Row::foE})
        for (Box box : {value_box(row), qualifying_box(row), descriptive_box(row)})
            e_layer = e_layer || !form.empty(box);
    form.day_night = e_layer ? DayNight::day : DayNight::night;
}

bool is_selectable(Row row) {
    return !is_m3000(row);
}

void select_characteristic(Scaling& scaling, Row row) {
    if (!is_selectable(row))
        return;
    ScalingForm& form = scaling.form;
    mark_selected(form, row);

    if (is_muf3000(row)) {
        // The tool draws its own curve over the ionogram.
        if (scaling.shared.ionogram_loaded)
            open_muf_tool(scaling);
        return;
    }
    if (row == Row::foEs)
        set_day_night(form);
    else if (row == Row::hEs)
        propose_es_type(form);

    // Redrawing also removes a MUF(3000) curve drawn before.
    redraw_plot(scaling);
    set_step_buttons(scaling, row == Row::es_types);

    if (row == Row::es_types) {
        if (numeric_value(form.text(value_box(Row::hEs))) >= 160)
            form.set_text(value_box(Row::es_types), "H1");
        propose_es_type(form);
    }
}

void select_foF2_without_redraw(Scaling& scaling) {
    mark_selected(scaling.form, Row::foF2);
    set_step_buttons(scaling, false);
}

} // namespace scalvo
