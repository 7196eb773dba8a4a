// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic scaling of one daytime sounding at 0.025 MHz: E with its twin, F1-like retarded
// F trace, F2 with second hops, interference lines and noise. It must stay under 2 ms so that
// proposals come with the sounding as it loads.
// A night under spread F with narrow-band transmitters is measured too.
// Run: build/bin/autoscale_bench
#include "autoscale/autoscale.h"
#include "autoscale/echoes.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

namespace {

using namespace scalvo;

double layer(double f, double h0, double fo, double thickness) {
    return h0 + thickness * (1 / std::sqrt(1 - (f / fo) * (f / fo)) - 1);
}

void put(Ionogram& ionogram, int i, double height, int amplitude) {
    const int j = static_cast<int>(std::ceil((height - 85.5) / 4.5));
    for (int k = 0; k < 5; ++k)
        if (j + k >= 1 && j + k <= height_count)
            ionogram.cell(i, j + k) = static_cast<std::int16_t>(
                std::max<int>(ionogram.cell(i, j + k), amplitude - 40 * k));
}

Ionogram daytime_sounding() {
    Ionogram ionogram;
    ionogram.start_frequency = 1.0f;
    ionogram.end_frequency = 20.0f;
    ionogram.frequency_step = 0.025f;
    ionogram.frequency_count = 761;
    ionogram.amplitude_grid.assign(761 * height_count, 0);
    std::uint32_t state = 1;
    for (int i = 1; i <= 761; ++i) {
        const double f = 1.0 + (i - 1) * 0.025;
        for (int j = 1; j <= height_count; ++j) {
            state = state * 1664525u + 1013904223u;
            const int noise = static_cast<int>((state >> 24) % 24);
            ionogram.cell(i, j) = static_cast<std::int16_t>(noise > 6 ? noise : 0);
        }
        for (const double shift : {0.0, 0.5}) {
            const double g = f - shift;
            const int amplitude = shift > 0 ? 180 : 240;
            if (g >= 2.0 && g < 3.4)
                put(ionogram, i, layer(g, 100, 3.4, 6), amplitude);
            if (g > 3.42 && g < 8.2) {
                const double h =
                    layer(g, 205, 8.2, 80) + 12 * (1 / std::sqrt(1 - (3.4 / g) * (3.4 / g)) - 1);
                put(ionogram, i, h, amplitude);
                put(ionogram, i, 2 * h, amplitude / 2);
            }
        }
        if (i % 97 == 0)
            for (int j = 1; j <= height_count; ++j)
                ionogram.cell(i, j) = static_cast<std::int16_t>(ionogram.cell(i, j) + 80);
    }
    return ionogram;
}

// Night at 0.025 MHz under spread F (a cloud of echoes up to 150 km above the F trace and
// 0.6 MHz beyond its cusps) with narrow-band transmitters lifting part of a few columns: the
// case where the engine looks hardest before it keeps silent.
Ionogram spread_night_sounding() {
    Ionogram ionogram = daytime_sounding();
    ionogram.amplitude_grid.assign(ionogram.amplitude_grid.size(), 0);
    std::uint32_t state = 5;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 24;
    };
    for (int i = 1; i <= 761; ++i) {
        const double f = 1.0 + (i - 1) * 0.025;
        for (int j = 1; j <= height_count; ++j) {
            const int noise = static_cast<int>(next() % 24);
            ionogram.cell(i, j) = static_cast<std::int16_t>(noise > 6 ? noise : 0);
        }
        for (const double shift : {0.0, 0.5}) {
            const double g = f - shift;
            if (g > 1.4 && g < 4.2) {
                const double h = layer(g, 240, 4.2, 50);
                put(ionogram, i, h, shift > 0 ? 170 : 230);
                for (double up = 10; up < 150; up += 4.5)
                    if (next() % 3 == 0)
                        put(ionogram, i, h + up, 90);
            }
        }
        if (f > 4.7 && f < 5.3)
            for (double h = 250; h < 420; h += 4.5)
                if (next() % 3 == 0)
                    put(ionogram, i, h, 80);
        if (i % 131 == 0 || i % 131 == 1)
            for (int j = 30; j <= 70; ++j)
                ionogram.cell(i, j) = static_cast<std::int16_t>(ionogram.cell(i, j) + 120);
    }
    return ionogram;
}

void BM_DaytimeSounding(benchmark::State& state) {
    const Ionogram ionogram = daytime_sounding();
    for (auto _ : state) {
        auto proposals = autoscale::propose(ionogram);
        benchmark::DoNotOptimize(proposals);
    }
}
BENCHMARK(BM_DaytimeSounding)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_SpreadNightWithInterference(benchmark::State& state) {
    const Ionogram ionogram = spread_night_sounding();
    for (auto _ : state) {
        auto proposals = autoscale::propose(ionogram);
        benchmark::DoNotOptimize(proposals);
    }
}
BENCHMARK(BM_SpreadNightWithInterference)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_EchoesOnly(benchmark::State& state) {
    const Ionogram ionogram = daytime_sounding();
    for (auto _ : state) {
        auto image = autoscale::find_echoes(ionogram);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_EchoesOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
