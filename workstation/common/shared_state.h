// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the running program shared by every form; the only link between them.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace scalvo {

struct SharedState {
    std::filesystem::path program_folder;
    std::filesystem::path ionogram_folder;
    std::array<std::string, 24> hour_texts{};
    std::string working_date;
    std::string working_year;
    std::string day_of_year_text;
    std::int16_t sounding_hour = 0;
    std::int16_t sounding_minute = 0;
    std::string interval_text;
    std::int16_t current_record_number = 1;
    std::filesystem::path scaled_values_file;
    bool ionogram_loaded = false;
    std::int16_t last_error_number = 0;
    // Set by whichever window read an ionogram header last.
    std::string station_name;
    // The platform's decimal separator, for the readout texts that follow the system settings.
    char decimal_separator = '.';
    // Looking without storing: moves skip the sheet check and nothing is written to the
    // folder (no record, no case code, no setting.txt, no new day file).
    bool look_only = false;
};

// "00" ... "23".
void fill_hour_texts(SharedState& shared);

} // namespace scalvo
