// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/scaling_form.h"

#include <stdexcept>
#include <string>

namespace scalvo {

namespace {

void require(Box box) {
    if (!exists(box))
        throw std::out_of_range("the Es types row has no letter box " +
                                std::to_string(static_cast<int>(box.field)));
}

} // namespace

const std::string& ScalingForm::text(Box box) const {
    require(box);
    return texts_[index_of(box.row)][static_cast<std::size_t>(box.field)];
}

std::string& ScalingForm::text(Box box) {
    require(box);
    return texts_[index_of(box.row)][static_cast<std::size_t>(box.field)];
}

void set_focus(ScalingForm& form, std::optional<Box> box) {
    if (form.focus == box)
        return;
    if (form.focus)
        form.focus_lost.push_back(*form.focus);
    form.focus = box;
}

bool label_red(const ScalingForm& form, Row row) {
    return form.selected_characteristic == row;
}

bool locked(const ScalingForm& form, Box box) {
    switch (box.field) {
    case Field::value:
        // The Es types box is the one box open at design.
        return box.row == Row::es_types && form.selected_characteristic.has_value()
                   ? form.selected_characteristic != Row::es_types
                   : box.row != Row::es_types;
    case Field::qualifying:
    case Field::descriptive:
        return form.selected_characteristic != box.row;
    case Field::previous:
        return true;
    }
    return true;
}

} // namespace scalvo
