#include "ionogram/scaling_form_load.h"

#include "common/file_error.h"
#include "ionogram/ionogram_file.h"
#include "ionogram/plot.h"
#include "ionogram/window_caption.h"
#include "startup/calendar.h"
#include "startup/shared_state.h"

#include <array>

namespace scalvo {

namespace {

// With an ionogram every particular case applies; without one only "NO IONOGRAM".
void enable_case_menu(ScalingForm& form, bool ionogram_loaded) {
    for (std::string_view entry : case_menu_entries)
        form.menu_enabled[std::string(entry)] = ionogram_loaded || entry == "no_ionogramma";
}

void show_ionogram(Scaling& scaling, const IonogramHeader& header) {
    ScalingForm& form = scaling.form;
    scaling.shared.ionogram_loaded = true;
    enable_case_menu(form, true);
    form.particular_case_code = header.particular_case_code;
    // The label describes this sounding: a code that names no case leaves it empty rather
    // than showing the case of the sounding shown before.
    form.label11 = std::string(particular_case_caption(header.particular_case_code).value_or(""));
    scaling.shared.station_name = std::string(station_name_of(header.station_code));
    form.caption = plot_window_caption(form.ionogram_file_name, scaling.shared.station_name,
                                       form.sounding_caption, form.ionogram.frequency_step);
    normalise_amplitudes(form.ionogram);
    draw_ionogram(form.plot, form.ionogram);
}

void show_no_ionogram(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    scaling.shared.ionogram_loaded = false;
    form.caption = plot_window_caption(form.ionogram_file_name, scaling.shared.station_name,
                                       form.sounding_caption, std::nullopt);
    draw_empty_frame(form.plot);
    enable_case_menu(form, false);
    form.particular_case_code = "xx";
    form.label11.clear();
}

bool blanks_readout(std::string_view characteristic) {
    static constexpr std::array<std::string_view, 5> keys{"MUF3000F1", "MUF3000F2", "M3000F1",
                                                          "M3000F2", "tipoEs"};
    for (std::string_view key : keys)
        if (key == characteristic)
            return true;
    return false;
}

// The rows of the height grid lines, where the readout shows the whole hundreds.
struct FixedHeight {
    int y;
    const char* text;
};
constexpr std::array<FixedHeight, 7> fixed_heights{{{12, "100,000"},
                                                    {102, "200,000"},
                                                    {190, "300,000"},
                                                    {280, "400,000"},
                                                    {368, "500,000"},
                                                    {458, "600,000"},
                                                    {546, "700,000"}}};

} // namespace

void load_sounding(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    SharedState& shared = scaling.shared;
    form.ionogram_file_name =
        make_ionogram_file_name(shared, shared.sounding_hour, shared.sounding_minute);
    form.sounding_caption = make_sounding_caption(form.ionogram_file_name);
    const IonogramLoad load =
        load_ionogram_file(shared.ionogram_folder / form.ionogram_file_name, form.ionogram);
    switch (load.outcome) {
    case IonogramOutcome::usable:
        show_ionogram(scaling, load.header);
        return;
    case IonogramOutcome::unusable:
        // Refused by the size rule: left in place untouched, shown as no ionogram.
        form.file_invalid = true;
        show_no_ionogram(scaling);
        form.file_invalid = false;
        return;
    case IonogramOutcome::missing:
        // Also a file that cannot be read: the sounding can still be scaled as "no ionogram",
        // and the load goes on with the stored sheets.
        if (load.error_number != 0)
            shared.last_error_number = load.error_number;
        show_no_ionogram(scaling);
        // A file that is there but cannot be read is something the operator must hear of.
        if (load.read_error)
            report_file_error(scaling.dialogs, *load.read_error);
        return;
    }
}

void redraw_plot(Scaling& scaling) {
    if (scaling.shared.ionogram_loaded)
        draw_ionogram(scaling.form.plot, scaling.form.ionogram);
    else
        draw_empty_frame(scaling.form.plot);
}

void update_readout(Scaling& scaling, int x, int y) {
    ScalingForm& form = scaling.form;
    const bool loaded = scaling.shared.ionogram_loaded;
    const bool outside = x < 1 || x > 764 || y < 1 || y > 600;
    const bool blanked = blanks_readout(form.selected_characteristic);
    if (blanked || outside) {
        form.pointer = Pointer::arrow;
        form.label1.clear();
        form.label2.clear();
    } else if (loaded) {
        form.pointer = Pointer::plot;
        const char separator = scaling.shared.decimal_separator;
        form.label1 = readout_text(0.025 * x + 0.9, separator);
        form.label2 = readout_text(1.125 * y + 85.5, separator);
    }
    if (blanked || !loaded || x < 1 || x > 764)
        return;
    // The grid's whole values, written with a comma whatever the system settings.
    if (x >= 1 && x <= 3)
        form.label1 = "1,000";
    for (const FixedHeight& row : fixed_heights)
        if (y == row.y)
            form.label2 = row.text;
}

} // namespace scalvo
