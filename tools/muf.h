// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace synth {

// The secant law with the constants of the workstation's MUF(3000) tool, single precision
// on purpose so that the truth agrees with what the tool computes.
inline constexpr float muf_factor_k = 1.114f;
inline constexpr float muf_half_angle = 0.235f; // rad, 1500 km over the earth's radius
inline constexpr double earth_radius_km = 6371.0;

// sec i for a reflection at the given virtual height on a 3000 km path.
double secant_of_incidence(double virtual_height);

// k f sec i(h'): the 3000 km MUF of a vertical-incidence frequency reflected at h'.
double muf3000(double frequency, double virtual_height);

} // namespace synth
