#pragma once
// Clicks on the plot: values picked for the selected characteristic.
#include "scaling/scaling_form.h"

#include <string>
#include <string_view>

namespace scalvo {

// A press on the form's own surface at (x, y) in plot coordinates that picks a value: one
// of any button but the right one, which runs a particular case instead.
void pick_on_plot(Scaling& scaling, float x, float y);

// Texts of a click, before they are coded: a frequency at column x, a height at row y.
std::string picked_frequency_text(int x);
std::string picked_height_text(int y);

} // namespace scalvo
