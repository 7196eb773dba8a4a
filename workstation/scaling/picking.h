// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Clicks on the plot: values picked for the selected characteristic.
#include "scaling/scaling_form.h"

#include <optional>
#include <string>
#include <string_view>

namespace scalvo {

// A press on the form's own surface at (x, y) in plot coordinates that picks a value: one
// of any button but the right one, which runs a particular case instead.
void pick_on_plot(Scaling& scaling, float x, float y);

// The code a pick of row at (x, y) writes before the letter rules and the warnings: the pick's
// own conversion, with fmin's lower limit. nullopt where the pick writes nothing (a row that
// takes no pick, a point outside the plot, foE or foF1 at 10 MHz or more).
std::optional<std::string> pick_code(const ScalingForm& form, Row row, int x, int y);

// Texts of a click, before they are coded: a frequency at column x, a height at row y.
std::string picked_frequency_text(int x);
std::string picked_height_text(int y);

} // namespace scalvo
