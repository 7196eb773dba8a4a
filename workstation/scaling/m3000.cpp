// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/m3000.h"

#include "common/conversions.h"

#include <cstdint>

namespace scalvo {

std::int32_t muf_product_of(Layer layer, double muf_code) {
    // foF1 is in 0.01 MHz, the MUF in 0.1 MHz: the extra factor 10 brings them together.
    return static_cast<std::int32_t>(muf_code * (layer == Layer::F1 ? 1000 : 100));
}

std::optional<std::string> m3000_text(std::int32_t muf_product, double critical_code) {
    if (critical_code == 0)
        return std::nullopt;
    const long long code = nearest_integer(muf_product / critical_code);
    // The code is a 16-bit value; a quotient beyond it (odd stored values) is no M(3000) at
    // all, so the box is emptied rather than given a wrapped number.
    const bool fits = code >= INT16_MIN && code <= INT16_MAX;
    return fits ? trimmed_number_text(code) : std::string();
}

void recompute_m3000(ScalingForm& form, Layer layer) {
    const LayerRows rows = rows_of(layer);
    form.muf_product = muf_product_of(layer, numeric_value(form.text(value_box(rows.muf))));
    const auto text =
        m3000_text(form.muf_product, numeric_value(form.text(value_box(rows.critical))));
    if (text)
        form.set_text(value_box(rows.m3000), *text);
}

} // namespace scalvo
