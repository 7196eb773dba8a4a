#pragma once
// M(3000) = MUF(3000) / critical frequency, as the sheet keeps it: hundredths of the factor.
#include "scaling/scaling_form.h"

namespace scalvo {

enum class Layer { F1, F2 };

// Recomputes M(3000)F1 (Text11) from MUF(3000)F1 (Text10) and foF1 (Text9), or M(3000)F2
// (Text16) from Text15 and foF2 (Text13), through muf_product. A critical frequency of 0
// (empty box) leaves the M(3000) box as it is; a quotient beyond 16 bits empties it.
void recompute_m3000(ScalingForm& form, Layer layer);

} // namespace scalvo
