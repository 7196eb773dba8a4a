// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/show_sounding.h"

#include "common/calendar.h"
#include "common/file_error.h"
#include "common/shared_state.h"
#include "controllers/sounding_proposals.h"
#include "ionogram/ionogram_file.h"
#include "ionogram/plot.h"
#include "ionogram/window_caption.h"
#include "records/sheet_record.h"
#include "scaling/selection.h"

namespace scalvo {

namespace {

void show_ionogram(Scaling& scaling, const IonogramLoad& load) {
    const IonogramHeader& header = load.header;
    ScalingForm& form = scaling.form;
    scaling.shared.ionogram_loaded = true;
    form.ionogram_identity = load.identity;
    form.particular_case_code = case_of_code(header.particular_case_code);
    // The label describes this sounding: a code that names no case leaves it empty rather
    // than showing the case of the sounding shown before.
    form.label11 = std::string(particular_case_caption(form.particular_case_code).value_or(""));
    scaling.shared.station_name = std::string(station_name_of(header.station_code));
    form.caption = plot_window_caption(form.ionogram_file_name, scaling.shared.station_name,
                                       form.sounding_caption, form.ionogram.frequency_step);
    // Read as the file gave it, before the picture's normalisation.
    const DaySoundings day{day_ionogram_files(scaling.shared), scaling.shared.interval_text,
                           scaling.shared.ionogram_folder / form.ionogram_file_name};
    const SoundingProposals read = proposals_of(form.ionogram, &day);
    form.proposals = read.points;
    form.no_sporadic_e = read.no_sporadic_e;
    normalise_amplitudes(form.ionogram);
    draw_ionogram(form.plot, form.ionogram);
}

void show_no_ionogram(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    scaling.shared.ionogram_loaded = false;
    form.caption = plot_window_caption(form.ionogram_file_name, scaling.shared.station_name,
                                       form.sounding_caption, std::nullopt);
    draw_empty_frame(form.plot);
    form.ionogram_identity.reset();
    form.proposals = {};
    form.no_sporadic_e = false;
    form.particular_case_code = ParticularCase::none;
    form.label11.clear();
}

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
        show_ionogram(scaling, load);
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

void show_sounding(Scaling& scaling) {
    load_sounding(scaling);
    show_stored_sheets(scaling);
    select_foF2_without_redraw(scaling);
}

} // namespace scalvo
