// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of the sheet of the sounding on screen: each command that changed the sheet
// is one step, which puts back the sheet, the selection and the particular case shown.
#include "scaling/scaling_form.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace scalvo {

// What a step puts back: the sheet's texts (the hidden boxes of the previous sounding aside),
// the selection, the particular case with its caption, and the points and MUF the tools start
// from.
struct SheetState {
    std::array<std::string, box_count> texts{};
    std::optional<Row> selected;
    ParticularCase particular_case = ParticularCase::none;
    std::string label11;
    PlotPoint foF1_point;
    PlotPoint foF2_point;
    float muf_value = 0;
    std::int16_t muf_code = 0;
};

SheetState sheet_state_of(const ScalingForm& form);
// The same sheet and case: whether a command changed anything a step would put back.
bool same_sheet(const SheetState& a, const SheetState& b);
// Only the sheet's texts and the case, as they were; the selection and the plot stay.
void put_back_sheet(ScalingForm& form, const SheetState& state);
// All of it, with the selection's red label, letter boxes, focus, step buttons and plot
// (the MUF(3000) curve again while a MUF row is selected). The focus moves without the lost-
// focus handling of the box it leaves: undoing is not the operator leaving a box.
void put_back(Scaling& scaling, const SheetState& state);

class SheetHistory {
  public:
    // After a command: `before` is the state it started from. A command that changed the sheet
    // becomes a step; one of a run of the MUF(3000) tool on `run` joins the step the run began
    // with. A command that changed nothing but the selection ends the run.
    void record(const SheetState& before, const SheetState& after, std::optional<Row> run);
    // Undo and redo: false when there is nothing to take back or to do again.
    bool undo(Scaling& scaling);
    bool redo(Scaling& scaling);
    bool can_undo() const { return !undo_.empty(); }
    bool can_redo() const { return !redo_.empty(); }
    // The sounding was left: its steps go with it.
    void clear();

  private:
    std::vector<SheetState> undo_;
    std::vector<SheetState> redo_;
    std::optional<Row> run_;
};

} // namespace scalvo
