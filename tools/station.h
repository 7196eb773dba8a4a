// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The station the generated soundings pretend to come from.
namespace synth::station {

inline constexpr const char* code = "ZE20R";
inline constexpr const char* name = "Farnel";
// A mid-latitude site; soundings are timed in UT.
inline constexpr double latitude_deg = 41.5;
inline constexpr double longitude_deg = 12.8;
// Ordinary to extraordinary trace separation of this station (half the gyrofrequency).
inline constexpr double xo_separation_mhz = 0.5;

} // namespace synth::station
