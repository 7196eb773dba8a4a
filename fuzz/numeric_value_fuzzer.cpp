// SPDX-License-Identifier: GPL-3.0-or-later
// Any text to numeric_value: never NaN, and the number text of a number written without an
// exponent reads back as the same number. Below 1E14: a number just under 1E15 is written
// with 15 digits as "1E+15", and the reading stops at the first character that is no digit.
#include "common/conversions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = scalvo::numeric_value(text);
    if (std::isnan(value))
        std::abort();
    if (std::isfinite(value) && std::fabs(value) < 1e14 && std::fabs(value) >= 1e-4) {
        const double again = scalvo::numeric_value(scalvo::number_text(value));
        if (std::fabs(again - value) > std::fabs(value) * 1e-14)
            std::abort();
    }
    return 0;
}
