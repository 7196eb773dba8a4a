// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The automatic scaling of the sounding on screen, read into the rows of the sheet.
#include "ionogram/ionogram.h"
#include "scaling/scaling_form.h"

namespace scalvo {

struct SoundingProposals {
    // Row by row. M(3000) has none of its own: accepting computes it from MUF(3000) as the
    // tool does.
    std::array<std::optional<ProposedPoint>, row_count> points{};
    bool no_sporadic_e = false; // read, and no sporadic E seen
};

// The proposals of the ionogram as it was read from its file.
SoundingProposals proposals_of(const Ionogram& ionogram);

} // namespace scalvo
