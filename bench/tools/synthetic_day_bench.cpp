// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_model.h"
#include "day_writer.h"
#include "ionogram_file.h"
#include "sounding.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace synth;

namespace {

// The whole day at the finest step, 96 soundings of 761 frequencies, in memory.
void whole_day_in_memory(benchmark::State& state) {
    Date date{15, 4, 2026};
    FrequencyAxis axis{static_cast<int>(state.range(0))};
    for (auto _ : state) {
        DayModel day(date, 1);
        std::size_t bytes = 0;
        for (int minute = 0; minute < 1440; minute += 15) {
            auto sounding = make_sounding(day.sounding(minute), axis);
            bytes +=
                ionogram_file_bytes(ionogram_header(axis, date, minute, 1), sounding.amplitudes)
                    .size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(whole_day_in_memory)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond);

// The same day written as the tool writes it: 96 files of 114 KB and the truth.
void whole_day_to_disk(benchmark::State& state) {
    auto folder = std::filesystem::temp_directory_path() / "synth_bench_day";
    std::string out = folder.string();
    std::vector<std::string_view> arguments = {"--out", out, "--step", "0.025"};
    Options options = *parse_options(arguments).options;
    for (auto _ : state) {
        benchmark::DoNotOptimize(write_day(options));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(whole_day_to_disk)->Unit(benchmark::kMillisecond);

// One sounding: the profile, 1600 group-height integrals and the amplitudes.
void one_daytime_sounding(benchmark::State& state) {
    DayModel day(Date{15, 4, 2026}, 1);
    SoundingModel model = day.sounding(11 * 60);
    FrequencyAxis axis{25};
    for (auto _ : state) {
        benchmark::DoNotOptimize(make_sounding(model, axis));
    }
}
BENCHMARK(one_daytime_sounding)->Unit(benchmark::kMillisecond);

} // namespace
