#pragma once
// Everything observable of the scaling form, in plain state: the sheet's boxes, labels,
// captions, menus, readout, pointer and plot picture, and the scaling variables. The window
// mirrors this state after every event.
#include "common/text_box.h"
#include "ionogram/ionogram.h"
#include "ionogram/plot_canvas.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace scalvo {

class Dialogs;
struct SharedState;

enum class Pointer { arrow, plot };

// What the program's windows must do after an event of the scaling form.
enum class WindowRequest { none, show_companion, show_parameters_form, close_program };

struct PlotPoint {
    float frequency = 0; // MHz
    float height = 0;    // km
};

// The top-level particular-case menu entries whose enabled state follows the load.
inline constexpr std::array<std::string_view, 7> case_menu_entries{
    "mancanza_es_di_giorno_principale",
    "mancanza_es_di_notte_principale",
    "es_occultante_di_giorno",
    "es_occultante_di_notte",
    "assorbimento_parziale",
    "annulla_caso_particolare",
    "no_ionogramma"};

struct ScalingForm {
    ScalingForm();

    std::string caption;
    // Every box of the sheet by control name: value, letter, Es types and previous boxes.
    std::map<std::string, TextBox, std::less<>> boxes;
    // Row labels shown red (the selected characteristic); the others are the normal colour.
    std::map<std::string, bool, std::less<>> label_red;
    std::string focus; // name of the control with the keyboard focus
    std::string label11;
    std::string label1; // frequency readout
    std::string label2; // height readout
    Pointer pointer = Pointer::arrow;
    bool esup_visible = false;
    bool esdown_visible = false;
    bool option_yes = true; // Frame1: Option1 "Yes" selected, else Option2 "No"
    std::map<std::string, bool, std::less<>> menu_enabled;
    PlotCanvas plot{-220, 795, 670, -51, form_background};

    Ionogram ionogram;
    std::string ionogram_file_name;
    std::string sounding_caption;
    bool file_invalid = false;

    std::string selected_characteristic;
    std::string day_night;
    std::string picked_text;
    std::int16_t decimal_point_position = 0;
    PlotPoint foF1_point;
    PlotPoint foF2_point;
    std::int32_t muf_product = 0;
    float muf_value = 0;
    std::int16_t muf_code = 0;
    std::int16_t last_answer = 0;
    std::string particular_case_code = "xx";

    std::string current_record;
    std::string previous_record;
    std::int16_t previous_record_number = 0;

    WindowRequest request = WindowRequest::none;
    // Controls that lost the focus during the current event; their handlers run when the
    // event is over, once the content of the box is final.
    std::vector<std::string> focus_lost;

    TextBox& box(std::string_view name);
    const TextBox& box(std::string_view name) const;
    const std::string& text(std::string_view name) const { return box(name).text; }
    void set_text(std::string_view name, std::string value) { box(name).text = std::move(value); }
    bool empty(std::string_view name) const { return text(name).empty(); }
};

// The scaling form with the program's shared state and the operator's message boxes: what
// every command of the form works on.
struct Scaling {
    ScalingForm& form;
    SharedState& shared;
    Dialogs& dialogs;
};

// Moves the keyboard focus; the control left behind gets its lost-focus handling once the
// current event is over.
void set_focus(ScalingForm& form, std::string_view control);

} // namespace scalvo
