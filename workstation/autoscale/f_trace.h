// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The F trace as the lowest first-hop echo of each column: what h'F, the MUF and the Chapman layer
// of the F trace are read from.
#include "autoscale/scene.h"

#include <optional>
#include <utility>
#include <vector>

namespace scalvo::autoscale {

struct EnvelopePoint {
    int column = 0;
    int index = 0; // leading edge
    // A second hop lies just below it, where a lower first-hop echo may hide: what the column
    // shows is then not surely the lowest trace there.
    bool obscured = false;
};

// The lowest first-hop echo in the F heights, column by column, of the traces spanning at least
// `shortest` MHz (all of them by default).
std::vector<EnvelopePoint> f_envelope(const Scene& scene, double shortest = 0);

// The lowest echo of the envelope that a neighbouring column supports within one cell: a cusp
// of the E trace rising through the F heights stands alone in its column, a trace does not. None
// for an envelope without such an echo.
const EnvelopePoint* sustained_minimum(const Scene& scene,
                                       const std::vector<EnvelopePoint>& envelope);

// The ordinary F trace as the envelope shows it, (MHz, km), up to foF2. Where nothing lies below
// the F layer its trace only rises, so once the extraordinary twin has begun (the separation
// above the start) the lowest echo is the twin's, standing for the ordinary trace the separation
// lower. Obscured columns are left out: the twin may hide there. `start` is where the trace
// begins when that lies below the envelope's first column, hidden.
std::vector<std::pair<double, double>> ordinary_samples(const Scene& scene,
                                                        const std::vector<EnvelopePoint>& envelope,
                                                        double separation, double foF2,
                                                        std::optional<double> start = {});

} // namespace scalvo::autoscale
