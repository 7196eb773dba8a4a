#pragma once
// Clicks on the plot: values picked for the selected characteristic, and the right button's
// Es-missing cases.
#include "scaling/scaling_form.h"

#include <string>
#include <string_view>

namespace scalvo {

// Mouse press on the form's own surface at (x, y) in plot coordinates; button 1 left, 2 right.
void form_mouse_down(Scaling& scaling, int button, int shift, float x, float y);

// The particular case the right button runs: daytime when foE's value or its descriptive
// letter is filled, nighttime otherwise (menu control names).
std::string_view es_missing_case(const ScalingForm& form);

// Texts of a click, before they are coded: a frequency at column x, a height at row y.
std::string picked_frequency_text(int x);
std::string picked_height_text(int y);

} // namespace scalvo
