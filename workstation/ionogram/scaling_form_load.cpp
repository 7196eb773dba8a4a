#include "ionogram/scaling_form_load.h"

#include "ionogram/plot.h"
#include "startup/calendar.h"
#include "startup/shared_state.h"

namespace scalvo {

// Placeholder until the ionogram reader lands: every sounding shows the empty frame.
void load_sounding(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    form.ionogram_file_name = make_ionogram_file_name(scaling.shared, scaling.shared.sounding_hour,
                                                      scaling.shared.sounding_minute);
    form.sounding_caption = make_sounding_caption(form.ionogram_file_name);
    form.caption = "SCALVO - file: " + form.ionogram_file_name + " * " +
                   scaling.shared.station_name + " * " + form.sounding_caption;
    scaling.shared.ionogram_loaded = false;
    draw_empty_frame(form.plot);
}

void redraw_plot(Scaling& scaling) {
    draw_empty_frame(scaling.form.plot);
}

void update_readout(Scaling&, int, int) {}

} // namespace scalvo
