#include "scaling/picking.h"

namespace scalvo {

// Placeholder until picking lands.
void form_mouse_down(Scaling&, int, int, float, float) {}

} // namespace scalvo
