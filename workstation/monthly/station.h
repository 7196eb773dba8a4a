// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's own facts that the exchange format needs, from the keys of station.ini in the
// working folder; read by the windows' side (QSettings), checked here.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace scalvo {

inline constexpr const char* station_file_name = "station.ini";

struct Station {
    std::string name;      // at most 30 characters
    std::string ursi_code; // 5 characters, "RO041"
    double latitude = 0;   // degrees north, -90 ... 90
    double longitude = 0;  // degrees east, 0 ... 360 (a negative longitude is turned east)
    int meridian_time = 0; // the time used, as the meridian in degrees east: 0 UT, 15 CET
    std::string ionosonde; // at most 30 characters
    std::string scaling;   // "Manual" or "Automatic"
    std::string editing;   // "Edited", "Non-edited" or "Mixed"
};

// Every key, in the order the README and the messages give them.
const std::vector<std::string>& station_keys();

struct StationReading {
    std::optional<Station> station;   // set when every key is there and right
    std::vector<std::string> missing; // keys not in the file (all of them without a file)
    std::vector<std::string> wrong;   // "latitude: 95 is not between -90 and 90"
    bool file_found = false;
    std::string title; // "Roma (RO041)", or what of it the file gives; "" without either
};

// The keys of the file's [station] group, by name; nullopt when there is no station file.
StationReading check_station(const std::optional<std::map<std::string, std::string>>& keys);

// One line for the operator: what the exchange file lacks, "" when nothing.
std::string station_complaint(const StationReading& reading);

} // namespace scalvo
