// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/plot_view.h"

#include "common/shared_state.h"
#include "ionogram/plot.h"
#include "ionogram/plot_mapping.h"
#include "ionogram/window_caption.h"

#include <string>

namespace scalvo {

namespace {

// The MUF(3000) tool, the computed factors and the Es types take no pick: the readout stays
// blank while one of them is selected.
bool blanks_readout(std::optional<Row> selected) {
    return selected && (is_muf3000(*selected) || is_m3000(*selected) || *selected == Row::es_types);
}

} // namespace

void redraw_plot(Scaling& scaling) {
    if (scaling.shared.ionogram_loaded)
        draw_ionogram(scaling.form.plot, scaling.form.ionogram);
    else
        draw_empty_frame(scaling.form.plot);
}

void update_readout(Scaling& scaling, int x, int y) {
    ScalingForm& form = scaling.form;
    const bool loaded = scaling.shared.ionogram_loaded;
    const bool outside = !in_plot_area(x, y);
    const bool blanked = blanks_readout(form.selected_characteristic);
    if (blanked || outside) {
        form.pointer = Pointer::arrow;
        form.label1.clear();
        form.label2.clear();
    } else if (loaded) {
        form.pointer = Pointer::plot;
        const char separator = scaling.shared.decimal_separator;
        form.label1 = readout_text(frequency_at(x), separator);
        form.label2 = readout_text(height_at(y), separator);
    }
    if (blanked || !loaded || x < 1 || x > plot_right)
        return;
    // The grid's whole values, written with a comma whatever the system settings.
    if (x >= 1 && x <= 3)
        form.label1 = "1,000";
    for (const HeightGridRow& row : height_grid_rows)
        if (y == row.y)
            form.label2 = std::to_string(row.kilometres) + ",000";
}

} // namespace scalvo
