// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/sheet_history.h"

#include "common/shared_state.h"
#include "scaling/muf_tool.h"
#include "scaling/plot_view.h"

namespace scalvo {

namespace {

// A long session keeps its steps; a stack without bound would keep them all.
constexpr std::size_t most_steps = 1000;

// Each box's place in the state's texts.
template <typename Visit> void for_each_sheet_box(Visit visit) {
    for (std::size_t k = 0; k < box_count; ++k)
        if (sheet_boxes[k].field != Field::previous)
            visit(k, sheet_boxes[k]);
}

} // namespace

SheetState sheet_state_of(const ScalingForm& form) {
    SheetState state;
    for_each_sheet_box([&](std::size_t k, Box box) { state.texts[k] = form.text(box); });
    state.selected = form.selected_characteristic;
    state.particular_case = form.particular_case_code;
    state.label11 = form.label11;
    state.foF1_point = form.foF1_point;
    state.foF2_point = form.foF2_point;
    state.muf_value = form.muf_value;
    state.muf_code = form.muf_code;
    return state;
}

bool same_sheet(const SheetState& a, const SheetState& b) {
    return a.texts == b.texts && a.particular_case == b.particular_case && a.label11 == b.label11;
}

void put_back_sheet(ScalingForm& form, const SheetState& state) {
    for_each_sheet_box([&](std::size_t k, Box box) { form.set_text(box, state.texts[k]); });
    form.particular_case_code = state.particular_case;
    form.label11 = state.label11;
}

void put_back(Scaling& scaling, const SheetState& state) {
    ScalingForm& form = scaling.form;
    put_back_sheet(form, state);
    form.foF1_point = state.foF1_point;
    form.foF2_point = state.foF2_point;
    form.muf_value = state.muf_value;
    form.muf_code = state.muf_code;
    form.selected_characteristic = state.selected;
    if (state.selected)
        form.focus = *state.selected == Row::es_types ? value_box(Row::es_types)
                                                      : descriptive_box(*state.selected);
    const bool loaded = scaling.shared.ionogram_loaded;
    if (loaded) {
        form.esup_visible = state.selected == Row::es_types;
        form.esdown_visible = form.esup_visible;
    }
    redraw_plot(scaling);
    if (loaded && state.selected && is_muf3000(*state.selected) &&
        !form.empty(value_box(*state.selected)))
        draw_muf_curve(form.plot, form.muf_value);
}

void SheetHistory::record(const SheetState& before, const SheetState& after,
                          std::optional<Row> run) {
    if (same_sheet(before, after)) {
        if (before.selected != after.selected)
            run_.reset();
        return;
    }
    redo_.clear();
    // The run's first step holds the sheet from before the run: the later ones add nothing.
    if (!(run && run == run_ && !undo_.empty())) {
        undo_.push_back(before);
        if (undo_.size() > most_steps)
            undo_.erase(undo_.begin());
    }
    run_ = run;
}

bool SheetHistory::undo(Scaling& scaling) {
    if (undo_.empty())
        return false;
    redo_.push_back(sheet_state_of(scaling.form));
    put_back(scaling, undo_.back());
    undo_.pop_back();
    run_.reset();
    return true;
}

bool SheetHistory::redo(Scaling& scaling) {
    if (redo_.empty())
        return false;
    undo_.push_back(sheet_state_of(scaling.form));
    put_back(scaling, redo_.back());
    redo_.pop_back();
    run_.reset();
    return true;
}

void SheetHistory::clear() {
    undo_.clear();
    redo_.clear();
    run_.reset();
}

} // namespace scalvo
