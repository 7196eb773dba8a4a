#include "records/navigation.h"

namespace scalvo {

// Placeholder until the moves between soundings land.
void successivo_click(Scaling&) {}
void prima_click(Scaling&) {}
void end_of_scaling(Scaling& scaling) {
    scaling.form.request = WindowRequest::show_parameters_form;
}
bool form_query_unload(Scaling&) {
    return true;
}

} // namespace scalvo
