// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A day of soundings read together: what a blanketing sporadic E hides in one sounding (the E
// trace, the lowest part of the F trace) is interpolated from the soundings around it that
// show it, as the international rules allow with the qualifying letter I and the descriptive
// letter A.
#include "autoscale/proposals.h"

#include <vector>

namespace scalvo::autoscale {

struct TimedProposals {
    int minute = 0; // of the day
    Proposals proposals;
    FTraceShape f_trace;
};

// The soundings of one day in any order, left stably sorted by minute; each one's proposals may
// gain interpolated values.
void fill_hidden_from_neighbours(std::vector<TimedProposals>& day);

} // namespace scalvo::autoscale
