// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The automatic scaling of the sounding on screen, read into the rows of the sheet.
#include "controllers/automatic_series.h"
#include "ionogram/ionogram.h"
#include "scaling/scaling_form.h"

#include <filesystem>
#include <string>
#include <vector>

namespace scalvo {

struct SoundingProposals {
    // Row by row. M(3000) has none of its own: accepting computes it from MUF(3000) as the
    // tool does.
    std::array<std::optional<ProposedPoint>, row_count> points{};
    bool no_sporadic_e = false; // read, and no sporadic E seen
};

// The day the sounding on screen belongs to: what a blanketing sporadic E hides in it is read
// off the soundings around it.
struct DaySoundings {
    std::vector<SoundingFile> files; // the day's ionogram files, in record order
    std::string interval_text;
    std::filesystem::path shown; // the file of the sounding on screen, among them
};

// The proposals of the ionogram as it was read from its file; with its day, a blanketing
// sporadic E's hidden values come interpolated from the neighbours, with their letters.
SoundingProposals proposals_of(const Ionogram& ionogram, const DaySoundings* day = nullptr);

} // namespace scalvo
