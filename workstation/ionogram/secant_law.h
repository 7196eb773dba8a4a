// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The secant law of the 3000 km path, shared by the MUF(3000) transmission-curve tool and the
// automatic proposals so that both give the same MUF for the same echo.
//
// Precision follows the platform the tool was first written on, so that values and curve pixels
// come out the same: k and theta are single constants; the trigonometric functions take and
// return double; a single divided by an integer stays single (h / R, single + integer too);
// single times single is single (k * f); anything mixed with a double is double.

namespace scalvo {

inline constexpr float secant_k = 1.114f;
inline constexpr float secant_theta = 0.235f;
inline constexpr int earth_radius = 6371;

// cos i(h) for the angle of incidence i at the reflection point of the 3000 km path, for a
// virtual height in km.
double cos_incidence(float height);

// The MUF(3000) of a vertical-incidence echo at frequency (MHz) and virtual height (km), before
// any rounding: k f sec i(h).
double muf_of_echo(float frequency, float height);

} // namespace scalvo
