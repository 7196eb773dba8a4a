#pragma once
// M(3000) = MUF(3000) / critical frequency, as the sheet keeps it: hundredths of the factor.
#include "scaling/scaling_form.h"

namespace scalvo {

enum class Layer { F1, F2 };

// The rows of a layer's critical frequency, MUF(3000) and M(3000).
struct LayerRows {
    Row critical;
    Row muf;
    Row m3000;
};

constexpr LayerRows rows_of(Layer layer) {
    return layer == Layer::F1 ? LayerRows{Row::foF1, Row::MUF3000F1, Row::M3000F1}
                              : LayerRows{Row::foF2, Row::MUF3000F2, Row::M3000F2};
}

// Recomputes M(3000)F1 from MUF(3000)F1 and foF1, or M(3000)F2 from MUF(3000)F2 and foF2,
// through muf_product. A critical frequency of 0 (empty box) leaves the M(3000) box as it is; a
// quotient beyond 16 bits empties it.
void recompute_m3000(ScalingForm& form, Layer layer);

} // namespace scalvo
