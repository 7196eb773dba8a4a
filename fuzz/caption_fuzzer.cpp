// SPDX-License-Identifier: GPL-3.0-or-later
// Any date, time and sheet to the calendar and caption functions: the day of the year, the
// ionogram file name, the sounding caption, the window caption and the picture's caption line.
// None reads out of bounds or overflows, whatever the date box held when the day was started.
#include "common/calendar.h"
#include "common/dialogs.h"
#include "common/shared_state.h"
#include "controllers/picture_caption.h"
#include "ionogram/window_caption.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

class SilentDialogs : public scalvo::Dialogs {
  public:
    void message(const std::string&, const std::string&, bool) override {}
    int ask_yes_no(const std::string&, const std::string&) override { return scalvo::answer_no; }
    void beep() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8)
        return 0;
    static scalvo::ScalingForm form;
    static scalvo::SharedState shared;
    static SilentDialogs dialogs;
    static bool ready = [] {
        scalvo::fill_hour_texts(shared);
        return true;
    }();
    (void)ready;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int hour = data[0] % 24;
    const int minute = data[1] % 60;
    float step;
    std::memcpy(&step, data + 2, sizeof step);
    const std::string_view text = bytes.substr(6);

    shared.working_date = std::string(text.substr(0, 10));
    shared.working_year = std::string(text.substr(0, 4));
    shared.day_of_year_text = scalvo::make_day_of_year_text(shared.working_date);
    shared.sounding_hour = static_cast<std::int16_t>(hour);
    shared.sounding_minute = static_cast<std::int16_t>(minute);
    const std::string name = scalvo::make_ionogram_file_name(shared, hour, minute);
    scalvo::make_sounding_caption(name);
    scalvo::make_sounding_caption(text);
    scalvo::plot_window_caption(text, text, scalvo::make_sounding_caption(text),
                                data[5] & 1 ? std::optional<float>(step) : std::nullopt);
    scalvo::readout_text(static_cast<double>(step), static_cast<char>(data[5]));

    // The sheet's texts from the input, one box after another.
    std::size_t at = 0;
    for (const scalvo::Box box : scalvo::sheet_boxes) {
        const std::size_t length = at < text.size() ? static_cast<std::uint8_t>(text[at]) % 5 : 0;
        form.set_text(box, std::string(text.substr(std::min(at + 1, text.size()), length)));
        at += length + 1;
    }
    form.particular_case_code = static_cast<scalvo::ParticularCase>(data[4] % 12);
    scalvo::Scaling scaling{form, shared, dialogs};
    if (scalvo::picture_caption(scaling).empty())
        std::abort();
    scalvo::picture_file_name(name);
    return 0;
}
