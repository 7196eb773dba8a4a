// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Traces: the echo segments of neighbouring columns joined where one continues the other.
#include "autoscale/echoes.h"

#include <vector>

namespace scalvo::autoscale {

struct TracePoint {
    int column = 0; // index into EchoImage::columns
    int low = 0;    // leading edge
    int high = 0;
};

struct Trace {
    std::vector<TracePoint> points; // by column
    bool multiple = false;          // made of second or third hops

    int first_column() const { return points.front().column; }
    int last_column() const { return points.back().column; }
    int lowest() const; // lowest leading edge
};

// Joins the segments into traces, from the lowest frequency up: a segment continues a trace
// when it touches the trace's last segment in height, across at most 0.1 MHz without echoes
// (interference columns do not count). Segments of multiples and of first hops are joined
// separately.
std::vector<Trace> link_traces(const EchoImage& image);

} // namespace scalvo::autoscale
