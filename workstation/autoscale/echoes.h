// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The echoes of a sounding, column by column: what stands out of the noise of its own column,
// as runs of heights whose lowest cell is the leading edge that virtual heights are read from.
#include "ionogram/ionogram.h"

#include <vector>

namespace scalvo::autoscale {

// A pulse trails about four cells behind its leading edge, in every hop alike.
inline constexpr int pulse_tail = 4;

// A run of echo cells in one column, height indices 1..150.
struct Segment {
    int low = 0;  // the leading edge
    int high = 0; // the last cell of the run
    // A second or third hop: it lies at twice or three times the height of a stronger echo
    // below it in the same column.
    bool multiple = false;
    int peak = 0; // the strongest cell of the run
};

struct EchoColumn {
    double frequency = 0; // MHz
    int x = 0;            // plot column of the frequency
    // A column lifted as a whole above its neighbours (a broadcast line, a noise burst): its
    // cells tell nothing, and traces are bridged across it.
    bool interference = false;
    std::vector<Segment> segments; // lowest first
};

struct EchoImage {
    double step = 0; // MHz between columns
    std::vector<EchoColumn> columns;
};

// `lines`: frequencies (MHz) the day shows a transmitter on, whose columns are read as lines
// whatever they hold.
EchoImage find_echoes(const Ionogram& ionogram, const std::vector<double>& lines = {});

// Virtual height (km) of the leading edge of height index j: the reader's own mapping,
// 85.5 + 4.5 j km, on which an operator's click on the cell's row lands too.
double height_of(int index);
// The plot row of that height (h = 1.125 y + 85.5): y = 4 j.
int plot_row_of(int index);

} // namespace scalvo::autoscale
