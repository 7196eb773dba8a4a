// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar.h"
#include "frequency_axis.h"
#include "world.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace synth {

struct Options {
    Date date{15, 4, 2026};
    int interval = 15; // minutes
    std::filesystem::path working_folder = ".";
    FrequencyAxis axis{50};
    std::uint64_t seed = 1;
    std::vector<int> skipped;  // minutes of the day left without a file
    std::vector<int> broken;   // minutes of the day written with a wrong size
    std::vector<int> previews; // minutes of the day drawn to PNG
    std::optional<int> setting;
    bool keep_scaled = false;
    bool force = false; // write over files this program did not write
    bool help = false;
    bool version = false;
    World world; // the harder conditions, all off by default

    // The truth file gets the column of what the conditions hide.
    bool harder() const { return world.any() || !axis.full_range(); }
};

struct ParsedOptions {
    std::optional<Options> options;
    std::string error; // why the arguments were refused
};

ParsedOptions parse_options(std::span<const std::string_view> arguments);
std::string usage_text();

} // namespace synth
