// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the scaling form shows beside the described form, as the operator chose in its View
// menu. Both marks on and the contrast as drawn at first; the window remembers the choice between
// runs.
#include "controllers/contrast.h"

namespace scalvo {

struct ViewSettings {
    // The automatic scaling's proposals: grey codes in the empty value boxes, marks on the
    // plot, and F11 to accept them.
    bool proposals = true;
    // The previous sounding's foF2, h'F, foE and foEs as marks on the plot.
    bool previous_sounding = true;
    // The grey scale of the plot as shown (and saved as a picture).
    Contrast contrast;
    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

} // namespace scalvo
