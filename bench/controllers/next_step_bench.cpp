// One move between soundings as the operator makes it: sheet check, record written, case code
// written, the next ionogram loaded, normalised and drawn, the records read, the sheet filled.
#include "common/calendar.h"
#include "common/dialogs.h"
#include "common/shared_state.h"
#include "controllers/navigation.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "support/temp_folder.h"

#include <benchmark/benchmark.h>

namespace {

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
    shared.working_date = "05-12-2026";
    shared.working_year = "2026";
    shared.day_of_year_text = "339";
    shared.interval_text = "15";
    shared.scaled_values_file = folder / "ionograms" / "ZE20R_05122026_15.txt";
    scalvo::create_blank_scaled_values_file(shared.scaled_values_file, 96);
    for (int minute : {0, 15})
        scalvo::testing::write_bytes(
            shared.ionogram_folder / scalvo::make_ionogram_file_name(shared, 12, minute),
            scalvo::testing::daytime_ionogram("01.000 20.000 0.025", 761, 1.0, 0.025));
    shared.sounding_hour = 12;
    shared.current_record_number = 49;
    for (auto _ : state) {
        fill_sheet(form);
        scalvo::successivo_click(scaling);
        fill_sheet(form);
        scalvo::prima_click(scaling);
    }
    if (dialogs.shown != 0 || shared.current_record_number != 49 || !shared.ionogram_loaded)
        state.SkipWithError(("a move did not happen: " + dialogs.last).c_str());
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(NextAndPreviousStep)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
