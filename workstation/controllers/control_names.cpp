// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/control_names.h"

#include <array>

namespace scalvo {

namespace {

struct RowNames {
    std::string_view label;
    std::string_view value;
    std::string_view qualifying; // empty for the Es types row
    std::string_view descriptive;
    std::string_view previous; // the hidden box of the previous sounding's entry
};

// In the order of the rows.
constexpr std::array<RowNames, row_count> row_names{{
    {"fmin", "Text1", "Text17", "Text23", "Text25"},
    {"hE", "Text2", "Text18", "Text33", "Text26"},
    {"foE", "Text3", "Text19", "Text34", "Text27"},
    {"foEs", "Text4", "Text20", "Text35", "Text29"},
    {"hEs", "Text5", "Text21", "Text36", "Text31"},
    {"tipoEs", "Text7", "", "", "Text39"},
    {"fbEs", "Text6", "Text22", "Text37", "Text32"},
    {"hF", "Text8", "Text24", "Text38", "Text40"},
    {"foF1", "Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1", "Text41"},
    {"MUF3000F1", "Text10", "lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1",
     "Text43"},
    {"M3000F1", "Text11", "lettera_qualificativa_m3000f1", "lettera_descrittiva_m3000f1", "Text45"},
    {"hF2", "Text12", "Text28", "Text42", "Text46"},
    {"foF2", "Text13", "lettera_qualificativa_fof2", "lettera_descrittiva_fof2", "Text47"},
    {"fxI", "Text14", "Text30", "Text44", "Text48"},
    {"MUF3000F2", "Text15", "lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2",
     "Text49"},
    {"M3000F2", "Text16", "lettera_qualificativa_m3000f2", "lettera_descrittiva_m3000f2", "Text50"},
}};

// In the order of the enumerations.
constexpr std::array<std::string_view, 7> form_control_names{
    "successivo", "prima", "show_next_ionogram", "Esup", "Esdown", "Option1", "Option2"};

constexpr std::array<std::string_view, case_command_count> case_command_names{
    "mancanza_es_di_giorno_principale",
    "mancanza_es_di_notte_principale",
    "giorno_singola_riflessione",
    "giorno_doppia_riflessione_magfoEs",
    "giorno_doppia_riflessione_minfoEs",
    "notte_singola_riflessione",
    "notte_doppia_riflessione_magfoEs",
    "notte_doppia_riflessione_minfoEs",
    "assorbimento_parziale",
    "annulla_caso_particolare",
    "no_ionogramma"};

constexpr std::array<std::string_view, 4> case_submenu_names{
    "es_occultante_di_giorno", "es_occultante_di_notte", "giorno_doppia_riflessione",
    "notte_doppia_riflessione"};

template <typename Enum> constexpr std::size_t index(Enum value) {
    return static_cast<std::size_t>(value);
}

std::vector<Control> table() {
    std::vector<Control> controls;
    for (Box box : sheet_boxes)
        controls.emplace_back(box);
    for (Row row : all_rows)
        controls.emplace_back(RowLabel{row});
    for (std::size_t k = 0; k < form_control_names.size(); ++k)
        controls.emplace_back(static_cast<FormControl>(k));
    for (std::size_t k = 0; k < case_command_names.size(); ++k)
        controls.emplace_back(static_cast<CaseCommand>(k));
    for (std::size_t k = 0; k < case_submenu_names.size(); ++k)
        controls.emplace_back(static_cast<CaseSubmenu>(k));
    return controls;
}

} // namespace

std::string_view control_name(Box box) {
    const RowNames& names = row_names[index_of(box.row)];
    switch (box.field) {
    case Field::value:
        return names.value;
    case Field::qualifying:
        return names.qualifying;
    case Field::descriptive:
        return names.descriptive;
    case Field::previous:
        return names.previous;
    }
    return {};
}

std::string_view control_name(RowLabel label) {
    return row_names[index_of(label.row)].label;
}

std::string_view control_name(FormControl control) {
    return form_control_names[index(control)];
}

std::string_view control_name(CaseCommand command) {
    return case_command_names[index(command)];
}

std::string_view control_name(CaseSubmenu submenu) {
    return case_submenu_names[index(submenu)];
}

std::string_view control_name(const Control& control) {
    return std::visit([](auto value) { return control_name(value); }, control);
}

const std::vector<Control>& named_controls() {
    static const std::vector<Control> controls = table();
    return controls;
}

std::optional<Control> control_named(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    for (const Control& control : named_controls())
        if (control_name(control) == name)
            return control;
    return std::nullopt;
}

std::string accessible_name(Box box) {
    const std::string row(caption(box.row));
    switch (box.field) {
    case Field::value:
        return box.row == Row::es_types ? row : row + " value";
    case Field::qualifying:
        return row + " qualifying letter";
    case Field::descriptive:
        return row + " descriptive letter";
    case Field::previous:
        return row + " previous sounding";
    }
    return row;
}

} // namespace scalvo
