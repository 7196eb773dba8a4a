// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of a day's transmitters. A transmitter stays on its frequency all day, drawing a
// line over part of the heights on many soundings; the sounding alone may take its top for a
// cusp, and its foF2 is then lost. The day shows where the lines stand: there the ionosphere's
// own cusps do not stay, as they follow the sun.
#include "autoscale/autoscale.h"
#include "autoscale/day_series.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace scalvo::autoscale {

// The frequencies (MHz) of the columns where cusps stand on a good share of the day's soundings,
// through nearly all of its hours; empty for a day too short to tell.
std::vector<double> recurring_lines(const std::vector<TimedProposals>& day);

// The sounding at that position of the day read again with those columns taken for lines; none
// where it cannot be.
using ReadAgain =
    std::function<std::optional<Reading>(std::size_t position, const std::vector<double>& lines)>;

// A sounding that showed no foF2, with a cusp on one of the day's lines, is read again without
// them. Its new F2 pair is kept where it stands at the day's separation, clear of the lines (a
// line may have hidden the true cusp), or where it is a new guess for the day to confirm. The
// day is in order of time, before its hidden values are filled.
void read_again_without_lines(std::vector<TimedProposals>& day, const ReadAgain& read_again);

} // namespace scalvo::autoscale
