// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/es_type_rules.h"

namespace scalvo {

std::optional<std::string> automatic_es_type(const ScalingForm& form) {
    auto empty = [&form](Box box) { return form.empty(box); };
    // Rule L: foE's descriptive letter "A" without a foE value.
    if (form.text(descriptive_box(Row::foE)) == "A" && empty(value_box(Row::foE)))
        return "L1";
    const bool foEs_present = !empty(value_box(Row::foEs)) || !empty(qualifying_box(Row::foEs)) ||
                              !empty(descriptive_box(Row::foEs));
    const std::string foEs_letters =
        form.text(qualifying_box(Row::foEs)) + form.text(descriptive_box(Row::foEs));
    // Rule F: no E layer at all, an Es that is not the night's "ES".
    const bool no_e_layer = empty(value_box(Row::hE)) && empty(value_box(Row::foE)) &&
                            empty(qualifying_box(Row::hE)) && empty(descriptive_box(Row::hE)) &&
                            empty(qualifying_box(Row::foE)) && empty(descriptive_box(Row::foE));
    if (no_e_layer && foEs_present && foEs_letters != "ES")
        return "F1";
    // Rule C: an Es beside some E-layer information.
    const bool some_e_layer = empty(descriptive_box(Row::foE)) || !empty(value_box(Row::hE)) ||
                              !empty(value_box(Row::foE)) || !empty(qualifying_box(Row::hE)) ||
                              !empty(descriptive_box(Row::hE)) || !empty(qualifying_box(Row::foE));
    if (foEs_present && foEs_letters != "EG" && some_e_layer)
        return "C1";
    return std::nullopt;
}

} // namespace scalvo
