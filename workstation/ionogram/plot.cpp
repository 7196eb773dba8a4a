#include "ionogram/plot.h"

namespace scalvo {

// Placeholder until the plot drawing lands.
void normalise_amplitudes(Ionogram&) {}
void draw_ionogram(PlotCanvas& canvas, const Ionogram&) {
    canvas.clear();
}
void draw_empty_frame(PlotCanvas& canvas) {
    canvas.clear();
}

} // namespace scalvo
