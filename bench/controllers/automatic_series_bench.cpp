// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic foF2 of a whole day of 96 soundings (every 15 minutes), as the day overview
// computes it on its worker thread: each ionogram file read and scaled by the engine. A day from
// the generator, with its sporadic E, F1 and spread, in a folder on disk. It must stay under
// half a second.
// Run: build/bin/automatic_series_bench
#include "common/calendar.h"
#include "common/shared_state.h"
#include "controllers/automatic_series.h"
#include "day_writer.h"
#include "support/temp_folder.h"

#include <benchmark/benchmark.h>

namespace {

void WholeDayOf96Soundings(benchmark::State& state) {
    scalvo::testing::TempFolder folder;
    synth::Options options;
    options.date = {5, 12, 2026};
    options.interval = 15;
    options.working_folder = folder.path();
    synth::write_day(options);

    scalvo::SharedState shared;
    shared.program_folder = folder.path();
    shared.ionogram_folder = folder / "ionograms";
    scalvo::fill_hour_texts(shared);
    shared.working_date = "05-12-2026";
    shared.working_year = "2026";
    shared.day_of_year_text = "339";
    shared.interval_text = "15";
    const auto files = scalvo::day_ionogram_files(shared);

    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (const scalvo::SoundingFile& file : files)
            found += scalvo::automatic_foF2(file.path).has_value();
    }
    if (files.size() != 96 || found < 80)
        state.SkipWithError(("foF2 for only " + std::to_string(found) + " soundings").c_str());
    state.counters["with foF2"] = found;
}
BENCHMARK(WholeDayOf96Soundings)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
