// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the day overview on a day of 288 soundings (every 5 minutes), without the automatic
// series: the scaled-values file and the 288 ionogram headers read, both charts built and the
// window painted once. It must stay under 100 ms. Three days: every sounding scaled, every third
// one left blank (the most broken lines and shading), and none scaled yet; particular cases here
// and there.
// Runs on the offscreen platform. Run: build/bin/overview_bench
#include "common/calendar.h"
#include "common/shared_state.h"
#include "controllers/companion_controller.h"
#include "forms/day_overview_window.h"
#include "forms/scaling_window.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "records/sheet_record.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace scalvo;

// A day of 288 soundings: an ionogram file each, and a record for those not left blank.
void make_day(const testing::TempFolder& folder, SharedState& shared, int blank_every) {
    testing::start_day(shared, folder.path());
    shared.interval_text = "05";
    shared.scaled_values_file = shared.ionogram_folder / "ZE20R_05122026_05.txt";
    create_blank_scaled_values_file(shared.scaled_values_file, 288);
    const std::string noise =
        testing::synthetic_ionogram("01.000 20.000 0.050", 381, 1.0, 0.05, {});
    std::string day = testing::read_bytes(shared.scaled_values_file);
    for (int n = 1; n <= 288; ++n) {
        const int minute = (n - 1) * 5;
        std::string file = noise;
        if (n % 17 == 0)
            file.replace(59, 2, "02");
        testing::write_bytes(shared.ionogram_folder /
                                 make_ionogram_file_name(shared, minute / 60, minute % 60),
                             file);
        if (blank_every > 0 && n % blank_every == 0)
            continue;
        ScalingForm sheet;
        testing::FakeDialogs dialogs;
        SharedState at = shared;
        Scaling scaling{sheet, at, dialogs};
        at.sounding_hour = static_cast<std::int16_t>(minute / 60);
        at.sounding_minute = static_cast<std::int16_t>(minute % 60);
        const int daylight = minute > 360 && minute < 1080 ? 1 : 0;
        sheet.set_text(value_box(Row::foF2), std::to_string(40 + n % 40 + 30 * daylight));
        sheet.set_text(value_box(Row::fmin), std::to_string(12 + n % 5));
        sheet.set_text(value_box(Row::foEs), std::to_string(25 + n % 20));
        if (daylight)
            sheet.set_text(value_box(Row::foE), std::to_string(200 + n % 100));
        sheet.set_text(value_box(Row::hF), std::to_string(200 + n % 60));
        sheet.set_text(value_box(Row::hEs), std::to_string(100 + n % 15));
        compose_sheet_record(scaling);
        day.replace(static_cast<std::size_t>(n - 1) * record_length, record_length,
                    sheet.current_record);
    }
    testing::write_bytes(shared.scaled_values_file, day);
}

void open_overview(benchmark::State& state, int blank_every) {
    testing::TempFolder folder;
    SharedState shared;
    make_day(folder, shared, blank_every);
    shared.sounding_hour = 7;
    shared.sounding_minute = 45;
    shared.current_record_number = 94;
    testing::FakeDialogs dialogs;
    CompanionForm companion_form;
    CompanionController companion{companion_form, shared, dialogs};
    ScalingWindow window(shared, dialogs, companion);
    window.load();
    QApplication::processEvents();
    std::size_t points = 0;
    for (auto _ : state) {
        auto* overview = new DayOverviewWindow(window, [] { return false; });
        overview->present();
        // The first painting, as the operator sees it.
        const QImage shown = overview->grab().toImage();
        benchmark::DoNotOptimize(shown);
        points = overview->overview().soundings.size();
        state.PauseTiming();
        delete overview;
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (points != 288)
        state.SkipWithError("not a day of 288 soundings");
}

void EverySoundingScaled(benchmark::State& state) {
    open_overview(state, 0);
}
BENCHMARK(EverySoundingScaled)->Unit(benchmark::kMillisecond)->Repetitions(5);

void EveryThirdSoundingBlank(benchmark::State& state) {
    open_overview(state, 3);
}
BENCHMARK(EveryThirdSoundingBlank)->Unit(benchmark::kMillisecond)->Repetitions(5);

void NothingScaledYet(benchmark::State& state) {
    open_overview(state, 1);
}
BENCHMARK(NothingScaledYet)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SCALVO_BENCH_SCREEN);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
