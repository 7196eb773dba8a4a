// SPDX-License-Identifier: GPL-3.0-or-later
// Any stored record as the sheet on screen, under any particular case: the sheet check and
// every particular-case command run on it, answered Yes or No as the input says, and the
// record composed after them is still 248 bytes.
#include "common/dialogs.h"
#include "common/shared_state.h"
#include "records/particular_cases.h"
#include "records/sheet_check.h"
#include "records/sheet_record.h"

#include <cstdint>
#include <cstdlib>

namespace {

class ScriptedDialogs : public scalvo::Dialogs {
  public:
    void message(const std::string&, const std::string&, bool) override {}
    int ask_yes_no(const std::string&, const std::string&) override {
        const bool yes = answers & 1u;
        answers = (answers >> 1) | (answers << 31);
        return yes ? scalvo::answer_yes : scalvo::answer_no;
    }
    void beep() override {}
    std::uint32_t answers = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6)
        return 0;
    static scalvo::ScalingForm form;
    static scalvo::SharedState shared;
    static ScriptedDialogs dialogs;
    static scalvo::Scaling scaling{form, shared, dialogs};
    // The first bytes: the answers, the case on screen, whether an ionogram is loaded, the
    // command; the rest is the record.
    dialogs.answers = static_cast<std::uint32_t>(data[0]) | (std::uint32_t{data[1]} << 8);
    form.particular_case_code = static_cast<scalvo::ParticularCase>(data[2] % 12);
    shared.ionogram_loaded = data[3] & 1;
    form.day_night = static_cast<scalvo::DayNight>(data[3] / 2 % 3);
    form.option_yes = true;
    const auto command = static_cast<scalvo::CaseCommand>(data[4] % scalvo::case_command_count);
    const std::string bytes(reinterpret_cast<const char*>(data) + 5, size - 5);
    form.current_record = bytes;
    form.previous_record = bytes;
    scalvo::fill_sheet_from_record(scaling);
    scalvo::riempimento_caselle_testo_ionogramma_precedente(scaling);
    scalvo::check_sheet(scaling, form.particular_case_code);
    if (scalvo::case_command_enabled(shared.ionogram_loaded, command))
        scalvo::run_case_command(scaling, command);
    scalvo::run_case_command(scaling, scalvo::es_missing_case(form));
    scalvo::check_sheet(scaling, form.particular_case_code);
    scalvo::compose_sheet_record(scaling);
    if (form.current_record.size() != 248)
        std::abort();
    return 0;
}
