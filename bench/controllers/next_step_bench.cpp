// SPDX-License-Identifier: GPL-3.0-or-later
// One move between soundings as the operator makes it: sheet check, record written, case code
// written, the next ionogram loaded, its proposals read, normalised and drawn, the records read,
// the sheet filled. Two generated summer noon soundings at 0.025 MHz (761 frequencies).
// The folder is the system's temporary one: TMPDIR=/dev/shm build/bin/next_step_bench measures
// the move without the disk's syncs.
#include "common/calendar.h"
#include "common/dialogs.h"
#include "common/shared_state.h"
#include "controllers/navigation.h"
#include "controllers/sounding_proposals.h"
#include "ionogram/ionogram_file.h"
#include "records/record_file.h"
#include "support/temp_folder.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr const char* soundings[] = {"ZE20R_2026172120000.rdf", "ZE20R_2026172121500.rdf"};

std::filesystem::path generated(const char* name) {
    return std::filesystem::path(SCALVO_MOVE_DAY) / "ionograms" / name;
}

class SilentDialogs : public scalvo::Dialogs {
  public:
    void message(const std::string& text, const std::string&, bool) override {
        ++shown;
        last = text;
    }
    std::string last;
    int ask_yes_no(const std::string&, const std::string&) override { return scalvo::answer_yes; }
    void beep() override {}
    int shown = 0;
};

// A sheet that passes the check: the six characteristics every sounding reports.
void fill_sheet(scalvo::ScalingForm& form) {
    using scalvo::Row;
    for (const auto& [box, text] : std::initializer_list<std::pair<scalvo::Box, const char*>>{
             {value_box(Row::fmin), "15"},
             {value_box(Row::fbEs), "15"},
             {value_box(Row::hF), "250"},
             {value_box(Row::foF2), "72"},
             {value_box(Row::MUF3000F2), "253"},
             {value_box(Row::fxI), "77"},
             {descriptive_box(Row::fbEs), "S"}})
        form.set_text(box, text);
}

void NextAndPreviousStep(benchmark::State& state) {
    scalvo::testing::TempFolder folder;
    scalvo::SharedState shared;
    SilentDialogs dialogs;
    scalvo::ScalingForm form;
    scalvo::Scaling scaling{form, shared, dialogs};
    std::filesystem::create_directories(folder / "ionograms");
    shared.program_folder = folder.path();
    shared.ionogram_folder = folder / "ionograms";
    scalvo::fill_hour_texts(shared);
    shared.working_date = "21-06-2026";
    shared.working_year = "2026";
    shared.day_of_year_text = "172";
    shared.interval_text = "15";
    shared.scaled_values_file = folder / "ionograms" / "ZE20R_21062026_15.txt";
    scalvo::create_blank_scaled_values_file(shared.scaled_values_file, 96);
    for (const char* name : soundings)
        std::filesystem::copy_file(generated(name), shared.ionogram_folder / name);
    shared.sounding_hour = 12;
    shared.current_record_number = 49;
    for (auto _ : state) {
        fill_sheet(form);
        scalvo::successivo_click(scaling);
        fill_sheet(form);
        scalvo::prima_click(scaling);
    }
    if (dialogs.shown != 0 || shared.current_record_number != 49 || !shared.ionogram_loaded ||
        !form.proposals[index_of(scalvo::Row::foF2)])
        state.SkipWithError(("a move did not happen: " + dialogs.last).c_str());
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(NextAndPreviousStep)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The proposals' share of the move: the same two soundings read by the automatic scaling.
void ProposalsOfTheTwoSoundings(benchmark::State& state) {
    scalvo::Ionogram ionograms[2];
    for (int k = 0; k < 2; ++k)
        if (scalvo::load_ionogram_file(generated(soundings[k]), ionograms[k]).outcome !=
            scalvo::IonogramOutcome::usable)
            state.SkipWithError("no generated sounding");
    for (auto _ : state)
        for (const scalvo::Ionogram& ionogram : ionograms)
            benchmark::DoNotOptimize(scalvo::proposals_of(ionogram));
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(ProposalsOfTheTwoSoundings)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
