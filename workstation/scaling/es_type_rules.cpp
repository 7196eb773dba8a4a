#include "scaling/es_type_rules.h"

namespace scalvo {

std::optional<std::string> automatic_es_type(const ScalingForm& form) {
    auto empty = [&form](const char* box) { return form.empty(box); };
    // Rule L: foE's descriptive letter "A" without a foE value.
    if (form.text("Text34") == "A" && empty("Text3"))
        return "L1";
    const bool foEs_present = !empty("Text4") || !empty("Text20") || !empty("Text35");
    const std::string foEs_letters = form.text("Text20") + form.text("Text35");
    // Rule F: no E layer at all, an Es that is not the night's "ES".
    const bool no_e_layer = empty("Text2") && empty("Text3") && empty("Text18") &&
                            empty("Text33") && empty("Text19") && empty("Text34");
    if (no_e_layer && foEs_present && foEs_letters != "ES")
        return "F1";
    // Rule C: an Es beside some E-layer information.
    const bool some_e_layer = empty("Text34") || !empty("Text2") || !empty("Text3") ||
                              !empty("Text18") || !empty("Text33") || !empty("Text19");
    if (foEs_present && foEs_letters != "EG" && some_e_layer)
        return "C1";
    return std::nullopt;
}

} // namespace scalvo
