// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the day file the overview reads: one sounding per record of the day, each value
// finite, whatever the file holds. The file lives in memory (a tmpfs under /dev/shm when there
// is one), written afresh for every input.
#include "common/calendar.h"
#include "common/shared_state.h"
#include "controllers/day_overview.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

std::filesystem::path work_folder() {
    const std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const auto folder = base / ("scalvo-overview-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "ionograms");
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path folder = work_folder();
    static scalvo::SharedState shared = [] {
        scalvo::SharedState state;
        scalvo::fill_hour_texts(state);
        state.program_folder = folder;
        state.ionogram_folder = folder / "ionograms";
        state.working_date = "05-12-2026";
        state.working_year = "2026";
        state.day_of_year_text = "339";
        state.scaled_values_file = state.ionogram_folder / "ZE20R_05122026_60.txt";
        return state;
    }();
    if (size < 1)
        return 0;
    // The first byte chooses the interval; the rest is the file.
    static const char* const intervals[] = {"05", "10", "15", "30", "60", "07"};
    shared.interval_text = intervals[data[0] % 6];
    shared.current_record_number = static_cast<std::int16_t>(data[0] % 100);
    {
        std::ofstream out(shared.scaled_values_file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data) + 1, static_cast<std::streamsize>(size - 1));
    }
    const scalvo::DayOverview overview = scalvo::read_day_overview(shared);
    const std::size_t expected =
        shared.interval_text == std::string("07")
            ? 0
            : static_cast<std::size_t>(24 * 60 / std::stoi(std::string(shared.interval_text)));
    if (overview.soundings.size() != expected)
        std::abort();
    for (const auto& sounding : overview.soundings)
        for (const auto& value : sounding.values)
            if (value && !std::isfinite(*value))
                std::abort();
    if (!overview.soundings.empty()) {
        const int record = scalvo::record_at_minute(overview, data[0] * 7.5);
        if (record < 1 || record > static_cast<int>(overview.soundings.size()))
            std::abort();
    }
    return 0;
}
