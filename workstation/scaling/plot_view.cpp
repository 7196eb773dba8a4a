#include "scaling/plot_view.h"

#include "common/shared_state.h"
#include "ionogram/plot.h"
#include "ionogram/window_caption.h"

#include <array>

namespace scalvo {

namespace {

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
