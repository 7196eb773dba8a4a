// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared state the start command leaves for 05-12-2026 (day 339) at interval 15, working
// in folder; the sounding's time is the test's.
#include "common/calendar.h"
#include "common/shared_state.h"

#include <filesystem>

namespace scalvo::testing {

inline void start_day(SharedState& shared, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "ionograms");
    shared.program_folder = folder;
    shared.ionogram_folder = folder / "ionograms";
    fill_hour_texts(shared);
    shared.working_date = "05-12-2026";
    shared.working_year = "2026";
    shared.day_of_year_text = "339";
    shared.interval_text = "15";
    shared.scaled_values_file = shared.ionogram_folder / "ZE20R_05122026_15.txt";
}

} // namespace scalvo::testing
