// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace synth {

// The conditions a real station meets beyond the quiet mid-latitude day. Everything is off by
// default, and a day made with nothing on comes out byte for byte as it always has.
struct World {
    // The sky.
    std::optional<double> gyrofrequency;  // MHz: the X trace by the magneto-ionic relation
    double spread_f = 0.0;                // 0..1, mostly by night
    bool oblique_echoes = false;          // a weaker, higher copy of the F trace
    bool travelling_disturbances = false; // a moving ledge in the F2 profile bends the trace
    std::optional<double> absorption;     // MHz: fmin under an overhead sun
    bool partial_absorption = false;      // a stretch of the F trace just above foE lost
    std::optional<double> sunspot_number;
    std::optional<double> latitude; // degrees north
    bool storm = false;
    bool varied_sporadic_e = false;
    // What the receiver hears besides echoes.
    bool partial_lines = false;   // narrow-band transmitters over part of a column
    bool broadcast_bands = false; // wide bands of noise at the broadcast frequencies
    bool impulsive_noise = false; // rows and bursts
    // The instrument.
    bool ordinary_only = false;
    std::optional<double> pulse_km;         // the length an echo trails over
    std::optional<double> dynamic_range_db; // of the logarithmic amplitude scale
    std::optional<double> noise;            // floor level, with clumpier statistics
    std::string name;                       // the named world, if any

    // Something beyond the quiet day is on: the truth then gets its "hidden" column.
    bool any() const;
};

// quiet, storm, equatorial, high-latitude, noisy.
const std::vector<std::string_view>& world_names();
std::optional<World> named_world(std::string_view name);

} // namespace synth
