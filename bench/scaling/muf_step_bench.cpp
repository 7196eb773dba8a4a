// SPDX-License-Identifier: GPL-3.0-or-later
// One MUF(3000) step as a held arrow key repeats it: the value, M(3000), the redraw of the
// ionogram and the curve. It must stay well inside a key repeat (under 0.5 ms).
// Run: build/bin/muf_tool_bench
#include "common/dialogs.h"
#include "common/shared_state.h"
#include "ionogram/plot.h"
#include "scaling/muf_tool.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace scalvo;

class SilentDialogs : public Dialogs {
  public:
    void message(const std::string&, const std::string&, bool) override {}
    int ask_yes_no(const std::string&, const std::string&) override { return answer_yes; }
    void beep() override {}
};

// 1 to 20 MHz in 0.05 MHz steps with an F trace and some noise, as a daytime sounding.
Ionogram sounding() {
    Ionogram ionogram;
    ionogram.start_frequency = 1.0f;
    ionogram.end_frequency = 20.0f;
    ionogram.frequency_step = 0.05f;
    ionogram.frequency_count = 381;
    ionogram.amplitude_grid.resize(381 * height_count);
    std::uint32_t noise = 12345;
    for (int i = 1; i <= 381; ++i) {
        const int trace = 55 + i / 8;
        for (int j = 1; j <= height_count; ++j) {
            noise = noise * 1664525u + 1013904223u;
            const int echo = (j >= trace && j < trace + 3 && i < 160) ? 200 : 0;
            ionogram.cell(i, j) = static_cast<std::int16_t>(echo + (noise >> 27));
        }
    }
    normalise_amplitudes(ionogram);
    return ionogram;
}

struct Bench {
    Bench() {
        shared.ionogram_loaded = true;
        form.ionogram = sounding();
        form.set_text(value_box(Row::foF2), "72");
        form.set_text(value_box(Row::MUF3000F2), "253");
        form.selected_characteristic = Row::MUF3000F2;
        open_muf_tool(scaling);
    }
    ScalingForm form;
    SharedState shared;
    SilentDialogs dialogs;
    Scaling scaling{form, shared, dialogs};
};

// Down then Up, so that the curve goes back and forth between two values.
void BM_MufStep(benchmark::State& state) {
    Bench bench;
    int key = 40;
    for (auto _ : state) {
        muf_step(bench.scaling, key, 0);
        key = key == 40 ? 38 : 40;
        benchmark::DoNotOptimize(bench.form.plot.pixels().data());
    }
}
BENCHMARK(BM_MufStep)->Unit(benchmark::kMicrosecond);

// The parts of a step: the redraw of the ionogram and the curve alone.
void BM_IonogramRedraw(benchmark::State& state) {
    Bench bench;
    for (auto _ : state) {
        draw_ionogram(bench.form.plot, bench.form.ionogram);
        benchmark::DoNotOptimize(bench.form.plot.pixels().data());
    }
}
BENCHMARK(BM_IonogramRedraw)->Unit(benchmark::kMicrosecond);

void BM_MufCurve(benchmark::State& state) {
    Bench bench;
    float muf = 25.4f;
    for (auto _ : state) {
        draw_muf_curve(bench.form.plot, muf);
        muf = muf == 25.4f ? 25.5f : 25.4f;
        benchmark::DoNotOptimize(bench.form.plot.pixels().data());
    }
}
BENCHMARK(BM_MufCurve)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
