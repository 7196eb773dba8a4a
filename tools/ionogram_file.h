// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar.h"
#include "frequency_axis.h"
#include "station.h"

#include <cstdint>
#include <string>
#include <vector>

namespace synth {

inline constexpr std::size_t header_size = 197;

// The 197-byte header: "01.000 20.000 0.050", the particular-case field "xx" at bytes
// 60-61, the station code at 123-127, a line feed at 197, and readable text elsewhere
// (never a line feed, which at byte 50 would mark an old short header).
// The site text gives the latitude the day was made for.
std::string ionogram_header(const FrequencyAxis& axis, const Date& date, int minute_of_day,
                            std::uint64_t seed, double latitude_deg = station::latitude_deg);

// Header then 150 amplitude bytes per frequency.
std::vector<std::uint8_t> ionogram_file_bytes(const std::string& header,
                                              const std::vector<std::uint8_t>& amplitudes);

// How a deliberately broken sounding is cut: the kinds cycle so that each part of the
// size rule gets its turn.
enum class Breakage { cut_inside_a_frequency, one_frequency_short, header_only };
std::vector<std::uint8_t> broken_file_bytes(std::vector<std::uint8_t> good, Breakage breakage);

} // namespace synth
