// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ground_truth.h"

#include <string>

namespace synth {

// How a sounding ended up on disk.
enum class FileState { written, missing, broken };

// One line per sounding under a header line, CR LF ended like every text the
// workstation writes. Frequencies in MHz with two decimals, heights in km with one;
// an empty field where the characteristic does not exist. A day of the harder world adds the
// column "hidden": the names of the characteristics its conditions hide, blank-separated.
std::string truth_csv_header(bool with_hidden = false);
std::string truth_csv_line(int minute_of_day, FileState state, const GroundTruth& truth,
                           bool with_hidden = false);

} // namespace synth
