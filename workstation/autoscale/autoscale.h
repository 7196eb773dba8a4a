// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The automatic scaling of one sounding: every characteristic the picture shows, read the way
// an operator reads it, and none that it does not show.
#include "autoscale/proposals.h"
#include "ionogram/ionogram.h"

namespace scalvo::autoscale {

Proposals propose(const Ionogram& ionogram);

// The proposals with the shape of the F trace, for the day read together.
struct Reading {
    Proposals proposals;
    FTraceShape f_trace;
};
// `lines`: the frequencies of the transmitters the day shows (see recurring_lines).
Reading read_sounding(const Ionogram& ionogram, const std::vector<double>& lines = {});

} // namespace scalvo::autoscale
