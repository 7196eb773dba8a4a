// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/key_commands.h"

#include "scaling/es_type_rules.h"
#include "scaling/selection.h"

#include <array>
#include <initializer_list>
#include <optional>

namespace scalvo {

namespace {

// The scaling order walked by F1 and F2.
constexpr std::array<Row, 14> cycle{
    Row::fmin, Row::hE,   Row::foE,       Row::foEs, Row::hEs,  Row::es_types, Row::fbEs,
    Row::hF,   Row::foF1, Row::MUF3000F1, Row::hF2,  Row::foF2, Row::fxI,      Row::MUF3000F2};

bool all_empty(const ScalingForm& form, std::initializer_list<Box> boxes) {
    for (Box box : boxes)
        if (!form.empty(box))
            return false;
    return true;
}

void clear(ScalingForm& form, std::initializer_list<Box> boxes) {
    for (Box box : boxes)
        form.set_text(box, "");
}

// The row's value and its two letters.
void clear_row(ScalingForm& form, Row row) {
    clear(form, {value_box(row), qualifying_box(row), descriptive_box(row)});
}

} // namespace

void select_next_characteristic(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    const std::optional<Row> selected = form.selected_characteristic;
    if (!selected)
        return;
    std::optional<Row> next;
    switch (*selected) {
    case Row::fmin:
        next = form.day_night == DayNight::night ? Row::foEs : Row::hE;
        break;
    case Row::foEs:
        set_day_night(form);
        next = Row::hEs;
        break;
    case Row::hEs:
        // Here the proposal replaces whatever the box holds.
        if (const auto type = automatic_es_type(form))
            form.set_text(value_box(Row::es_types), *type);
        next = form.text(descriptive_box(Row::hEs)) == "C" ? Row::fbEs : Row::es_types;
        break;
    case Row::hF:
        next = all_empty(form,
                         {value_box(Row::foE), qualifying_box(Row::foE), descriptive_box(Row::foE)})
                   ? Row::foF2
                   : Row::foF1;
        break;
    default:
        for (std::size_t k = 0; k < cycle.size(); ++k)
            if (cycle[k] == *selected)
                next = cycle[(k + 1) % cycle.size()];
    }
    if (next)
        select_characteristic(scaling, *next);
}

void select_previous_characteristic(Scaling& scaling) {
    const std::optional<Row> selected = scaling.form.selected_characteristic;
    for (std::size_t k = 0; k < cycle.size(); ++k)
        if (cycle[k] == selected) {
            select_characteristic(scaling, cycle[(k + cycle.size() - 1) % cycle.size()]);
            return;
        }
}

void clear_selected_characteristic(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    if (!form.selected_characteristic)
        return;
    switch (const Row row = *form.selected_characteristic) {
    case Row::es_types:
        clear(form, {value_box(Row::es_types)});
        break;
    // Without a critical frequency or a MUF(3000) there is no factor; its letters follow the
    // member that is left.
    case Row::foF1:
        clear_row(form, Row::foF1);
        clear(form, {value_box(Row::M3000F1), qualifying_box(Row::M3000F1)});
        form.set_text(descriptive_box(Row::M3000F1), form.text(descriptive_box(Row::MUF3000F1)));
        break;
    case Row::MUF3000F1:
        clear_row(form, Row::MUF3000F1);
        clear(form, {value_box(Row::M3000F1), qualifying_box(Row::M3000F1)});
        form.set_text(descriptive_box(Row::M3000F1), form.text(descriptive_box(Row::foF1)));
        break;
    case Row::foF2:
        if (form.text(descriptive_box(Row::fxI)) == "X")
            form.set_text(descriptive_box(Row::fxI), "");
        clear_row(form, Row::foF2);
        clear(form, {value_box(Row::M3000F2)});
        form.set_text(qualifying_box(Row::M3000F2), form.text(qualifying_box(Row::MUF3000F2)));
        form.set_text(descriptive_box(Row::M3000F2), form.text(descriptive_box(Row::MUF3000F2)));
        break;
    case Row::MUF3000F2:
        clear_row(form, Row::MUF3000F2);
        clear(form, {value_box(Row::M3000F2)});
        form.set_text(qualifying_box(Row::M3000F2), form.text(qualifying_box(Row::foF2)));
        form.set_text(descriptive_box(Row::M3000F2), form.text(descriptive_box(Row::foF2)));
        break;
    case Row::M3000F1:
    case Row::M3000F2:
        break;
    default:
        clear_row(form, row);
        break;
    }
}

void f1_layer_absent(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    for (Row row : {Row::foF1, Row::MUF3000F1, Row::M3000F1, Row::hF2}) {
        form.set_text(value_box(row), "");
        form.set_text(qualifying_box(row), "");
        form.set_text(descriptive_box(row), "L");
    }
    select_characteristic(scaling, Row::foF2);
}

} // namespace scalvo
