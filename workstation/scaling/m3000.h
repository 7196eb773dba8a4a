// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// M(3000) = MUF(3000) / critical frequency, as the sheet keeps it: hundredths of the factor.
#include "scaling/scaling_form.h"

#include <cstdint>
#include <optional>
#include <string>

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

// muf_product of a MUF(3000) code: in the unit of the layer's critical frequency code times 100.
std::int32_t muf_product_of(Layer layer, double muf_code);
// The M(3000) code of a muf_product over a critical frequency code, to the nearest integer with
// halves to even; "" when the quotient is beyond 16 bits; nullopt for a critical frequency of 0.
std::optional<std::string> m3000_text(std::int32_t muf_product, double critical_code);

// Recomputes M(3000)F1 from MUF(3000)F1 and foF1, or M(3000)F2 from MUF(3000)F2 and foF2,
// through muf_product. A critical frequency of 0 (empty box) leaves the M(3000) box as it is; a
// quotient beyond 16 bits empties it.
void recompute_m3000(ScalingForm& form, Layer layer);

} // namespace scalvo
