#include "scaling/m3000.h"

#include "common/conversions.h"

#include <cstdint>

namespace scalvo {

void recompute_m3000(ScalingForm& form, Layer layer) {
    const bool f1 = layer == Layer::F1;
    const LayerRows rows = rows_of(layer);
    // foF1 is in 0.01 MHz, the MUF in 0.1 MHz: the extra factor 10 brings them together.
    form.muf_product = static_cast<std::int32_t>(numeric_value(form.text(value_box(rows.muf))) *
                                                 (f1 ? 1000 : 100));
    const double critical = numeric_value(form.text(value_box(rows.critical)));
    if (critical == 0)
        return;
    const long long code = nearest_integer(form.muf_product / critical);
    // The code is a 16-bit value; a quotient beyond it (odd stored values) is no M(3000) at
    // all, so the box is emptied rather than given a wrapped number.
    const bool fits = code >= INT16_MIN && code <= INT16_MAX;
    form.set_text(value_box(rows.m3000), fits ? trimmed_number_text(code) : std::string());
}

} // namespace scalvo
