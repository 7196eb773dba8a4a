// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a sounding: reading a 1-20 MHz file at 0.025 MHz (761 frequencies), normalising and
// drawing it; and the redraw alone, which every selection and MUF(3000) step repeats.
#include "ionogram/ionogram_file.h"
#include "ionogram/plot.h"
#include "ionogram/synthetic_ionogram.h"
#include "support/temp_folder.h"

#include <benchmark/benchmark.h>

namespace {

using namespace scalvo;

std::string finest_sounding() {
    return testing::daytime_ionogram("01.000 20.000 0.025", 761, 1.0, 0.025);
}

void read_normalise_draw(benchmark::State& state) {
    testing::TempFolder folder;
    const auto path = folder / "ZE20R_2026339074500.rdf";
    testing::write_bytes(path, finest_sounding());
    Ionogram ionogram;
    PlotCanvas canvas{-220, 795, 670, -51, form_background};
    for (auto _ : state) {
        const IonogramLoad load = load_ionogram_file(path, ionogram);
        if (load.outcome != IonogramOutcome::usable)
            state.SkipWithError("the sounding was not read");
        normalise_amplitudes(ionogram);
        draw_ionogram(canvas, ionogram);
        benchmark::DoNotOptimize(canvas.pixels().data());
    }
}
BENCHMARK(read_normalise_draw)->Unit(benchmark::kMicrosecond);

void redraw(benchmark::State& state) {
    Ionogram ionogram;
    read_ionogram(finest_sounding(), ionogram);
    normalise_amplitudes(ionogram);
    PlotCanvas canvas{-220, 795, 670, -51, form_background};
    for (auto _ : state) {
        draw_ionogram(canvas, ionogram);
        benchmark::DoNotOptimize(canvas.pixels().data());
    }
}
BENCHMARK(redraw)->Unit(benchmark::kMicrosecond);

// Every cell an echo: the most a redraw can have to do.
void redraw_every_cell_lit(benchmark::State& state) {
    Ionogram ionogram;
    read_ionogram(testing::ionogram_file(testing::ionogram_header("01.000 20.000 0.025"), 761,
                                         [](int i, int j) { return 7 + (i + j) % 240; }),
                  ionogram);
    normalise_amplitudes(ionogram);
    PlotCanvas canvas{-220, 795, 670, -51, form_background};
    for (auto _ : state) {
        draw_ionogram(canvas, ionogram);
        benchmark::DoNotOptimize(canvas.pixels().data());
    }
}
BENCHMARK(redraw_every_cell_lit)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
