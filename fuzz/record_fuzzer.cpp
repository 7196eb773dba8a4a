// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a stored record (any length, as a file cut short gives): the sheet and the
// previous-sounding boxes are filled, and the record composed from that sheet is 248 bytes and
// reads back into the same sheet.
#include "common/dialogs.h"
#include "common/shared_state.h"
#include "records/sheet_record.h"

#include <cstdint>
#include <cstdlib>

namespace {

class SilentDialogs : public scalvo::Dialogs {
  public:
    void message(const std::string&, const std::string&, bool) override {}
    int ask_yes_no(const std::string&, const std::string&) override { return scalvo::answer_no; }
    void beep() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One form for every input: building one (with its plot buffer) costs far more than a run.
    static scalvo::ScalingForm form;
    static scalvo::SharedState shared;
    static SilentDialogs dialogs;
    static scalvo::Scaling scaling{form, shared, dialogs};
    for (const scalvo::Box box : scalvo::sheet_boxes)
        form.set_text(box, "");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    form.current_record = bytes;
    form.previous_record = bytes;
    scalvo::fill_sheet_from_record(scaling);
    scalvo::riempimento_caselle_testo_ionogramma_precedente(scaling);
    scalvo::compose_sheet_record(scaling);
    const std::string composed = form.current_record;
    if (composed.size() != 248 || composed.substr(245) != " \r\n")
        std::abort();
    scalvo::fill_sheet_from_record(scaling);
    scalvo::compose_sheet_record(scaling);
    if (form.current_record != composed)
        std::abort();
    return 0;
}
