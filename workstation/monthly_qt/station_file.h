// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// station.ini of a working folder, read with QSettings' INI format: the keys of its [station]
// group. The checks of the values are the monthly layer's.
#include "monthly/station.h"

#include <filesystem>

namespace scalvo {

// nullopt when the folder has no station.ini; a file QSettings cannot parse has no keys.
std::optional<std::map<std::string, std::string>>
read_station_keys(const std::filesystem::path& folder);

inline StationReading read_station_file(const std::filesystem::path& folder) {
    return check_station(read_station_keys(folder));
}

} // namespace scalvo
