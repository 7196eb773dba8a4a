// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram/window_caption.h"

#include "common/conversions.h"

#include <cstdio>

namespace scalvo {

std::string plot_window_caption(std::string_view file_name, std::string_view station_name,
                                std::string_view sounding_caption,
                                std::optional<float> frequency_step) {
    std::string caption = "SCALVO - file: ";
    caption += file_name;
    caption += " * ";
    caption += station_name;
    caption += " * ";
    caption += sounding_caption;
    if (frequency_step)
        caption += "  (sounding frequency step = " + number_text(*frequency_step) + " MHz)";
    return caption;
}

std::string readout_text(double value, char decimal_separator) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string text(buffer);
    if (text.starts_with("0."))
        text.erase(0, 1);
    else if (text.starts_with("-0."))
        text.erase(1, 1);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = decimal_separator;
    return text;
}

} // namespace scalvo
