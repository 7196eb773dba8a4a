// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The magnifier: the plot around the pointer, four times larger, with the pointer's frequency
// and height. A view only; picks still happen on the plot itself.
#include <string>

namespace scalvo {

inline constexpr int magnifier_zoom = 4;
// The part of the plot shown, in plot units, centred on the pointer.
inline constexpr int magnified_width = 61;
inline constexpr int magnified_height = 41;

// "7.250 MHz   250.875 km" for a point of the plot area (the plot mapping, with a point for the
// decimals whatever the system's settings); "" outside it.
std::string magnifier_readout(int x, int y);

} // namespace scalvo
