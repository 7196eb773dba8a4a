// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "station.h"

namespace synth {

// Cosine of the solar zenith angle at the station (or at another latitude on its meridian);
// negative when the sun is below the horizon. hours_ut may run outside 0..24 (the day wraps).
double cos_solar_zenith(int day_of_year, double hours_ut,
                        double latitude_deg = station::latitude_deg);

// Local mean solar time at the station, in hours 0..24.
double local_time_hours(double hours_ut);

} // namespace synth
