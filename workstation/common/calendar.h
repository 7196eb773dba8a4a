// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Day of the year, ionogram file names and the date-and-time caption of a sounding.
#include <string>
#include <string_view>

namespace scalvo {

struct SharedState;

// 3-digit day of the year of a dd-mm-yyyy text; empty for a month outside 01..12.
std::string make_day_of_year_text(std::string_view date);

// The dd-mm-yyyy text of day n (1-based) of a year; empty for a day the year does not have.
std::string date_of_day_of_year(int year, int day_of_year);

// Name (without folder) of the ionogram of hour:minute of the working day.
std::string make_ionogram_file_name(const SharedState& shared, int hour, int minute);

// "2026-December- 5  07:45 [UT]" for ZE20R_2026339074500.rdf.
std::string make_sounding_caption(std::string_view ionogram_file_name);

} // namespace scalvo
