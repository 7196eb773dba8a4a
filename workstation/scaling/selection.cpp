#include "scaling/selection.h"

#include "common/conversions.h"
#include "common/shared_state.h"
#include "scaling/es_type_rules.h"
#include "scaling/muf_tool.h"
#include "scaling/plot_view.h"
#include "scaling/sheet_layout.h"

namespace scalvo {

namespace {

// Steps common to every selection: the key, the red label, the locks and the focus.
void mark_selected(ScalingForm& form, std::string_view key) {
    form.selected_characteristic = std::string(key);
    for (const SheetRow& row : sheet_rows)
        form.label_red[std::string(row.key)] = row.key == key;
    const bool es_types = key == "tipoEs";
    for (const SheetRow& row : sheet_rows) {
        if (row.key == "tipoEs") {
            form.box(row.value_box).locked = !es_types;
            if (es_types)
                set_focus(form, row.value_box);
            continue;
        }
        const bool open = row.key == key;
        form.box(row.qualifying_box).locked = !open;
        form.box(row.descriptive_box).locked = !open;
        if (open)
            set_focus(form, row.descriptive_box);
    }
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
    if (!form.empty("Text7"))
        return;
    if (const auto type = automatic_es_type(form))
        form.set_text("Text7", *type);
}

} // namespace

void set_day_night(ScalingForm& form) {
    bool e_layer = false;
    for (std::string_view box : {"Text2", "Text3", "Text18", "Text33", "Text19", "Text34"})
        e_layer = e_layer || !form.empty(box);
    form.day_night.assign(1, e_layer ? 'd' : 'n');
}

bool is_selectable(std::string_view key) {
    if (key == "M3000F1" || key == "M3000F2")
        return false;
    for (const SheetRow& row : sheet_rows)
        if (row.key == key)
            return true;
    return false;
}

void select_characteristic(Scaling& scaling, std::string_view key) {
    if (!is_selectable(key))
        return;
    ScalingForm& form = scaling.form;
    mark_selected(form, key);

    if (key == "MUF3000F1" || key == "MUF3000F2") {
        // The tool draws its own curve over the ionogram.
        if (scaling.shared.ionogram_loaded)
            open_muf_tool(scaling);
        return;
    }
    if (key == "foEs")
        set_day_night(form);
    else if (key == "hEs")
        propose_es_type(form);

    // Redrawing also removes a MUF(3000) curve drawn before.
    redraw_plot(scaling);
    set_step_buttons(scaling, key == "tipoEs");

    if (key == "tipoEs") {
        if (numeric_value(form.text("Text5")) >= 160)
            form.set_text("Text7", "H1");
        propose_es_type(form);
    }
}

void select_foF2_without_redraw(Scaling& scaling) {
    mark_selected(scaling.form, "foF2");
    set_step_buttons(scaling, false);
}

} // namespace scalvo
