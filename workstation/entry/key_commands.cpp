#include "entry/key_commands.h"

#include "scaling/es_type_rules.h"
#include "scaling/selection.h"

#include <array>
#include <string_view>
#include <utility>

namespace scalvo {

namespace {

// The scaling order walked by F1 and F2.
constexpr std::array<std::string_view, 14> cycle{"fmin",   "hE",   "foE", "foEs",     "hEs",
                                                 "tipoEs", "fbEs", "hF",  "foF1",     "MUF3000F1",
                                                 "hF2",    "foF2", "fxI", "MUF3000F2"};

bool all_empty(const ScalingForm& form, std::initializer_list<const char*> boxes) {
    for (const char* box : boxes)
        if (!form.empty(box))
            return false;
    return true;
}

void clear(ScalingForm& form, std::initializer_list<const char*> boxes) {
    for (const char* box : boxes)
        form.set_text(box, "");
}

} // namespace

void select_next_characteristic(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    const std::string selected = form.selected_characteristic;
    std::string_view next;
    if (selected == "fmin") {
        next = form.day_night == "n" ? "foEs" : "hE";
    } else if (selected == "foEs") {
        set_day_night(form);
        next = "hEs";
    } else if (selected == "hEs") {
        // Here the proposal replaces whatever the box holds.
        if (const auto type = automatic_es_type(form))
            form.set_text("Text7", *type);
        next = form.text("Text36") == "C" ? "fbEs" : "tipoEs";
    } else if (selected == "hF") {
        next = all_empty(form, {"Text3", "Text19", "Text34"}) ? "foF2" : "foF1";
    } else {
        for (std::size_t k = 0; k < cycle.size(); ++k)
            if (cycle[k] == selected)
                next = cycle[(k + 1) % cycle.size()];
    }
    if (!next.empty())
        select_characteristic(scaling, next);
}

void select_previous_characteristic(Scaling& scaling) {
    const std::string selected = scaling.form.selected_characteristic;
    for (std::size_t k = 0; k < cycle.size(); ++k)
        if (cycle[k] == selected) {
            select_characteristic(scaling, cycle[(k + cycle.size() - 1) % cycle.size()]);
            return;
        }
}

void clear_selected_characteristic(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    const std::string& selected = form.selected_characteristic;
    if (selected == "fmin") {
        clear(form, {"Text1", "Text17", "Text23"});
    } else if (selected == "hE") {
        clear(form, {"Text2", "Text18", "Text33"});
    } else if (selected == "foE") {
        clear(form, {"Text3", "Text19", "Text34"});
    } else if (selected == "foEs") {
        clear(form, {"Text4", "Text20", "Text35"});
    } else if (selected == "hEs") {
        clear(form, {"Text5", "Text21", "Text36"});
    } else if (selected == "fbEs") {
        clear(form, {"Text6", "Text22", "Text37"});
    } else if (selected == "tipoEs") {
        clear(form, {"Text7"});
    } else if (selected == "hF") {
        clear(form, {"Text8", "Text24", "Text38"});
    } else if (selected == "foF1") {
        clear(form, {"Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1", "Text11",
                     "lettera_qualificativa_m3000f1"});
        form.set_text("lettera_descrittiva_m3000f1", form.text("lettera_descrittiva_muf3000f1"));
    } else if (selected == "MUF3000F1") {
        clear(form, {"Text10", "lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1",
                     "Text11", "lettera_qualificativa_m3000f1"});
        form.set_text("lettera_descrittiva_m3000f1", form.text("lettera_descrittiva_fof1"));
    } else if (selected == "hF2") {
        clear(form, {"Text12", "Text28", "Text42"});
    } else if (selected == "foF2") {
        if (form.text("Text44") == "X")
            form.set_text("Text44", "");
        clear(form, {"Text13", "lettera_qualificativa_fof2", "lettera_descrittiva_fof2", "Text16"});
        form.set_text("lettera_qualificativa_m3000f2",
                      form.text("lettera_qualificativa_muf3000f2"));
        form.set_text("lettera_descrittiva_m3000f2", form.text("lettera_descrittiva_muf3000f2"));
    } else if (selected == "fxI") {
        clear(form, {"Text14", "Text30", "Text44"});
    } else if (selected == "MUF3000F2") {
        clear(form, {"Text15", "lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2",
                     "Text16"});
        form.set_text("lettera_qualificativa_m3000f2", form.text("lettera_qualificativa_fof2"));
        form.set_text("lettera_descrittiva_m3000f2", form.text("lettera_descrittiva_fof2"));
    }
}

void f1_layer_absent(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    const std::array<std::array<const char*, 3>, 4> rows{{
        {"Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1"},
        {"Text10", "lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1"},
        {"Text11", "lettera_qualificativa_m3000f1", "lettera_descrittiva_m3000f1"},
        {"Text12", "Text28", "Text42"},
    }};
    for (const auto& [value, qualifying, descriptive] : rows) {
        form.set_text(value, "");
        form.set_text(qualifying, "");
        form.set_text(descriptive, "L");
    }
    select_characteristic(scaling, "foF2");
}

} // namespace scalvo
