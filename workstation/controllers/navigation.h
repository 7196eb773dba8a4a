#pragma once
// Leaving a sounding: Next, Previous, Escape back to the parameters form, closing the form.
#include "scaling/scaling_form.h"

namespace scalvo {

void successivo_click(Scaling& scaling);
void prima_click(Scaling& scaling);
// Escape: the sheet stored, back to the parameters form. Returns true when the parameters
// form is to be shown.
bool end_of_scaling(Scaling& scaling);
// Closing the form by any means; false cancels the closing.
bool form_query_unload(Scaling& scaling);

} // namespace scalvo
