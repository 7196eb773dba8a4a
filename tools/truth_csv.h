// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ground_truth.h"

#include <string>

namespace synth {

// How a sounding ended up on disk.
enum class FileState { written, missing, broken };

// One line per sounding under a header line, CR LF ended like every text the
// workstation writes. Frequencies in MHz with two decimals, heights in km with one;
// an empty field where the characteristic does not exist.
std::string truth_csv_header();
std::string truth_csv_line(int minute_of_day, FileState state, const GroundTruth& truth);

} // namespace synth
