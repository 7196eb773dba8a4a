// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// foE over a day follows the sun: foE^4 grows with the cosine of the sun's zenith angle (the
// E layer is made by the sun and lost within minutes without it), and over one day that cosine
// is a + b cos(wt) + c sin(wt) in the time of day t. Fitted to a day's readings it tells foE
// where a blanketing sporadic E hides it, and whether the E layer is there at all.
#include <optional>
#include <vector>

namespace scalvo::autoscale {

struct ESunReading {
    int minute = 0; // of the day
    double foE = 0; // MHz
    double fmin = 0;
};

struct SolarE {
    double a = 0, b = 0, c = 0; // foE^4 = a + b cos(wt) + c sin(wt), MHz^4
    // The least foE - fmin among the readings: an E trace closer to fmin than this is not seen.
    double margin = 0;

    // foE at a time of day; 0 where the model has the layer gone.
    double foE_at(int minute) const;
    // Whether the E layer shows above fmin at that time.
    bool seen_at(int minute, double fmin) const;
};

// None with too few readings, or readings over too short a time, to tell the curve, or when they
// do not follow it.
std::optional<SolarE> fit_solar_e(const std::vector<ESunReading>& readings);
// The curve through the readings however far they lie off it; none with too few readings or over
// too short a time.
std::optional<SolarE> solar_e_curve(const std::vector<ESunReading>& readings);

} // namespace scalvo::autoscale
