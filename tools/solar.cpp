// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar.h"

#include "station.h"

#include <cmath>
#include <numbers>

namespace synth {

namespace {
constexpr double degree = std::numbers::pi / 180.0;
}

double local_time_hours(double hours_ut) {
    double local = hours_ut + station::longitude_deg / 15.0;
    return local - 24.0 * std::floor(local / 24.0);
}

double cos_solar_zenith(int day_of_year, double hours_ut, double latitude_deg) {
    // The equation of time is left out: a quarter of an hour does not show on an ionogram.
    double declination =
        -23.44 * degree * std::cos(2.0 * std::numbers::pi * (day_of_year + 10) / 365.0);
    double hour_angle = (local_time_hours(hours_ut) - 12.0) * 15.0 * degree;
    double latitude = latitude_deg * degree;
    return std::sin(latitude) * std::sin(declination) +
           std::cos(latitude) * std::cos(declination) * std::cos(hour_angle);
}

} // namespace synth
