// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The virtual heights of an alpha-Chapman layer, the textbook profile of a layer made by the sun
// (and kept, slowly decaying, through the night): the shape a night-time F trace follows.
#include <optional>
#include <utility>
#include <vector>

namespace scalvo::autoscale {

// Virtual height of the ordinary echo at the frequency `ratio` x foF2, in scale heights relative
// to the height of the layer's peak (no magnetic field, nothing below the layer). `ratio` is held
// within 0.05..0.995.
double chapman_virtual_height(double ratio);

struct ChapmanFit {
    double peak_height = 0;  // km
    double scale_height = 0; // km
    double rms = 0;          // km, of the readings kept
    int kept = 0;            // readings the fit stands on

    double virtual_height(double ratio) const {
        return peak_height + scale_height * chapman_virtual_height(ratio);
    }
};

// The layer whose trace passes nearest the readings (ratio to foF2, virtual height in km), by
// least squares; a reading lying more than `outlier` km off the first fit is left out of the
// second. None with fewer than `least` readings, or when the readings do not tell the scale
// height.
std::optional<ChapmanFit> fit_chapman(const std::vector<std::pair<double, double>>& readings,
                                      double outlier, int least);
// The same with the scale height given: only the height of the peak is fitted.
std::optional<ChapmanFit> fit_chapman_peak(const std::vector<std::pair<double, double>>& readings,
                                           double scale_height, double outlier, int least);

// The Chapman layer an ordinary F trace (MHz, km) follows, from its readings below 0.92 foF2
// (nearer the cusp a reading is too sensitive to where the cusp was read), with the scale height
// fitted or given. `lowest_ratio` tells how far down the readings reach, in units of foF2.
struct TraceFit {
    ChapmanFit layer;
    double lowest_ratio = 1;
};
std::optional<TraceFit> fit_f_trace(const std::vector<std::pair<double, double>>& ordinary,
                                    double foF2, std::optional<double> scale_height = {});

} // namespace scalvo::autoscale
