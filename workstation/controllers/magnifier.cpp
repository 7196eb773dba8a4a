// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/magnifier.h"

#include "ionogram/plot_mapping.h"

#include <charconv>

namespace scalvo {

namespace {

// Three decimals with a point, whatever locale the toolkit set for printf.
std::string three_decimals(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
    return std::string(text, end.ptr);
}

} // namespace

std::string magnifier_readout(int x, int y) {
    if (!in_plot_area(x, y))
        return "";
    return three_decimals(frequency_at(x)) + " MHz   " + three_decimals(height_at(y)) + " km";
}

} // namespace scalvo
