// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/sheet.h"

namespace scalvo {

std::string_view caption(Row row) {
    static constexpr std::array<std::string_view, row_count> captions{
        "fmin", "h'E",         "foE",       "foEs", "h'Es", "Es Types", "fbEs",        "h'F",
        "foF1", "MUF(3000)F1", "M(3000)F1", "h'F2", "foF2", "fxI",      "MUF(3000)F2", "M(3000)F2"};
    return captions[index_of(row)];
}

} // namespace scalvo
