#pragma once
// Clicks on the plot: values picked for the selected characteristic, and the right button's
// Es-missing cases.
#include "scaling/scaling_form.h"

namespace scalvo {

void form_mouse_down(Scaling& scaling, int button, int shift, float x, float y);

} // namespace scalvo
