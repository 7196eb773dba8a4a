// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts shown around a plot: the window caption of a sounding and the readout numbers.
#include <optional>
#include <string>
#include <string_view>

namespace scalvo {

// "SCALVO - file: <name> * <station> * <date and time>", followed by
// "  (sounding frequency step = <step> MHz)" when an ionogram is shown.
std::string plot_window_caption(std::string_view file_name, std::string_view station_name,
                                std::string_view sounding_caption,
                                std::optional<float> frequency_step);

// value with three decimals and no "0" before the separator: .950, 12.300, 100.125.
std::string readout_text(double value, char decimal_separator);

} // namespace scalvo
