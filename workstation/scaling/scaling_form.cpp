#include "scaling/scaling_form.h"

#include "scaling/sheet_layout.h"

#include <stdexcept>

namespace scalvo {

ScalingForm::ScalingForm() {
    for (const SheetRow& row : sheet_rows) {
        // Value boxes are locked for good; the Es types box is the one box open at design.
        const bool es_types = row.key == "tipoEs";
        boxes[std::string(row.value_box)] = TextBox{
            .text = {}, .max_length = es_types ? 4 : 3, .locked = !es_types, .visible = true};
        if (!es_types) {
            boxes[std::string(row.qualifying_box)] =
                TextBox{.text = {}, .max_length = 1, .locked = true, .visible = true};
            boxes[std::string(row.descriptive_box)] =
                TextBox{.text = {}, .max_length = 1, .locked = true, .visible = true};
        }
        boxes[std::string(row.previous_box)] =
            TextBox{.text = {}, .max_length = 0, .locked = true, .visible = false};
        label_red[std::string(row.key)] = false;
    }
    for (std::string_view entry : case_menu_entries)
        menu_enabled[std::string(entry)] = true;
}

TextBox& ScalingForm::box(std::string_view name) {
    const auto found = boxes.find(name);
    if (found == boxes.end())
        throw std::out_of_range("no box " + std::string(name));
    return found->second;
}

const TextBox& ScalingForm::box(std::string_view name) const {
    const auto found = boxes.find(name);
    if (found == boxes.end())
        throw std::out_of_range("no box " + std::string(name));
    return found->second;
}

void set_focus(ScalingForm& form, std::string_view control) {
    if (form.focus == control)
        return;
    if (!form.focus.empty())
        form.focus_lost.push_back(form.focus);
    form.focus = std::string(control);
}

} // namespace scalvo
