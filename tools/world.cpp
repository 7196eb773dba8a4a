// SPDX-License-Identifier: GPL-3.0-or-later
#include "world.h"

namespace synth {

bool World::any() const {
    return gyrofrequency || spread_f > 0.0 || oblique_echoes || travelling_disturbances ||
           absorption || partial_absorption || sunspot_number || latitude || storm ||
           varied_sporadic_e || partial_lines || broadcast_bands || impulsive_noise ||
           ordinary_only || pulse_km || dynamic_range_db || noise || !name.empty();
}

const std::vector<std::string_view>& world_names() {
    static const std::vector<std::string_view> names = {"quiet", "storm", "equatorial",
                                                        "high-latitude", "noisy"};
    return names;
}

std::optional<World> named_world(std::string_view name) {
    World world;
    world.name = std::string(name);
    // Every world has the sporadic E of a real station and its own magnetic field.
    world.varied_sporadic_e = true;
    if (name == "quiet") {
        // The home station on an ordinary day of a real instrument: the field's own O-X
        // separation, daytime absorption, a little spread F at night, travelling disturbances,
        // the broadcasters.
        world.gyrofrequency = 1.15;
        world.absorption = 2.6;
        world.spread_f = 0.2;
        world.travelling_disturbances = true;
        world.broadcast_bands = true;
    } else if (name == "storm") {
        world.gyrofrequency = 1.15;
        world.storm = true;
        world.sunspot_number = 110.0;
        world.spread_f = 0.8;
        world.absorption = 2.7;
        world.oblique_echoes = true;
        world.travelling_disturbances = true;
        world.broadcast_bands = true;
    } else if (name == "equatorial") {
        // A weak field, the sun overhead, the post-sunset rise and its plumes of spread F.
        world.latitude = 5.0;
        world.gyrofrequency = 0.8;
        world.sunspot_number = 130.0;
        world.spread_f = 0.9;
        world.absorption = 2.9;
        world.oblique_echoes = true;
        world.broadcast_bands = true;
        world.partial_lines = true;
    } else if (name == "high-latitude") {
        // A strong field, a low sun, spread F and absorption that comes and goes.
        world.latitude = 67.0;
        world.gyrofrequency = 1.45;
        world.sunspot_number = 60.0;
        world.spread_f = 0.6;
        world.absorption = 2.3;
        world.partial_absorption = true;
        world.oblique_echoes = true;
        world.impulsive_noise = true;
    } else if (name == "noisy") {
        // Another sounder in a crowded band: a longer pulse, a wider dynamic range, a higher
        // and clumpier noise floor, every kind of interference.
        world.gyrofrequency = 1.2;
        world.absorption = 2.5;
        world.partial_lines = true;
        world.broadcast_bands = true;
        world.impulsive_noise = true;
        world.noise = 2.0;
        world.pulse_km = 45.0;
        world.dynamic_range_db = 40.0;
    } else {
        return std::nullopt;
    }
    return world;
}

} // namespace synth
