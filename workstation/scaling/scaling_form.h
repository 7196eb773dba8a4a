// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything observable of the scaling form, in plain state: the sheet's texts, the focus, the
// labels, captions, readout, pointer and plot picture, and the scaling variables. What follows
// from other state (red labels, locks) is computed from it. The window mirrors this state after
// every event.
#include "common/file_io.h"
#include "ionogram/case_code_file.h"
#include "ionogram/ionogram.h"
#include "ionogram/plot_canvas.h"
#include "scaling/sheet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scalvo {

class Dialogs;
struct SharedState;

enum class Pointer { arrow, plot };

// Whether the sounding shows E-layer information; unset until a command looks.
enum class DayNight { unset, day, night };

struct PlotPoint {
    float frequency = 0; // MHz
    float height = 0;    // km
};

// Where the automatic scaling read a row's value on the sounding on screen: the plot point an
// operator would pick for it (for MUF(3000), the echo the transmission curve touches).
struct ProposedPoint {
    int x = 0;
    int y = 0;
    // Read above a blanketing sporadic E: the true height may lie lower.
    bool upper_bound = false;
    // The letters of a value the day read together interpolated ('I', 'A'); 0 for none.
    char qualifying_letter = 0;
    char descriptive_letter = 0;
    friend bool operator==(const ProposedPoint&, const ProposedPoint&) = default;
};

struct ScalingForm {
    std::string caption;
    std::optional<Box> focus; // the sheet box with the keyboard focus, if one has it
    std::string label11;
    std::string label1; // frequency readout
    std::string label2; // height readout
    Pointer pointer = Pointer::arrow;
    bool esup_visible = false;
    bool esdown_visible = false;
    bool option_yes = true; // Frame1: Option1 "Yes" selected, else Option2 "No"
    PlotCanvas plot{-220, 795, 670, -51, form_background};

    Ionogram ionogram;
    std::string ionogram_file_name;
    // The ionogram file that was read, so that its case code goes into that file only.
    std::optional<FileIdentity> ionogram_identity;
    std::string sounding_caption;
    bool file_invalid = false;

    std::optional<Row> selected_characteristic;
    DayNight day_night = DayNight::unset;
    std::string picked_text;
    std::int16_t decimal_point_position = 0;
    PlotPoint foF1_point;
    PlotPoint foF2_point;
    std::int32_t muf_product = 0;
    float muf_value = 0;
    std::int16_t muf_code = 0;
    std::int16_t last_answer = 0;
    ParticularCase particular_case_code = ParticularCase::none;

    // The automatic scaling's reading of the sounding on screen, row by row; none without an
    // ionogram.
    std::array<std::optional<ProposedPoint>, row_count> proposals{};
    // The automatic scaling read the sounding and saw no sporadic E in it.
    bool no_sporadic_e = false;

    std::string current_record;
    std::string previous_record;
    std::int16_t previous_record_number = 0;

    // Boxes that lost the focus during the current event; their handlers run when the event is
    // over, once the content of the box is final.
    std::vector<Box> focus_lost;

    // The text of a box; a box the sheet does not have (a letter of the Es types row) throws
    // std::out_of_range.
    const std::string& text(Box box) const;
    std::string& text(Box box);
    void set_text(Box box, std::string value) { text(box) = std::move(value); }
    bool empty(Box box) const { return text(box).empty(); }

  private:
    std::array<std::array<std::string, field_count>, row_count> texts_;
};

// The scaling form with the program's shared state and the operator's message boxes: what
// every command of the form works on.
struct Scaling {
    ScalingForm& form;
    SharedState& shared;
    Dialogs& dialogs;
};

// Moves the keyboard focus; the box left behind gets its lost-focus handling once the current
// event is over. nullopt: another control of the form has it.
void set_focus(ScalingForm& form, std::optional<Box> box);

// The label of the selected characteristic is red.
bool label_red(const ScalingForm& form, Row row);
// Value and previous-sounding boxes are locked for good; the letter boxes open for their
// selected row, the Es types box for its own selection and before any selection.
bool locked(const ScalingForm& form, Box box);

} // namespace scalvo
