// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks over the plot, beside the picture rather than in it: where the automatic scaling read
// each value, and where the previous sounding's values lay. The window paints them after the
// picture and its labels; the picture's own pixels never change.
#include "ionogram/plot_canvas.h"
#include "scaling/scaling_form.h"

#include <string>
#include <vector>

namespace scalvo {

enum class MarkKind {
    proposal,
    previous, // the value stored for the sounding before
    changed,  // the previous foF2, more than 1 MHz away from this sounding's
};

enum class MarkShape {
    cross,      // a point read off the plot
    vertical,   // a frequency: upwards from (x, y)
    horizontal, // a height: rightwards from (x, y)
};

struct PlotMark {
    MarkKind kind = MarkKind::proposal;
    MarkShape shape = MarkShape::cross;
    int x = 0; // plot coordinates
    int y = 0;
    int length = 0; // of a tick, in plot units
    std::string name;
    friend bool operator==(const PlotMark&, const PlotMark&) = default;
};

// Colours the picture itself never uses (its greys, black, yellow, the blue background and the
// MUF(3000) curve's red).
inline constexpr Rgb proposal_mark_colour{0, 255, 128};
inline constexpr Rgb previous_mark_colour{255, 96, 255};
inline constexpr Rgb changed_mark_colour{255, 160, 0};
Rgb colour_of(MarkKind kind);

// A cross at every proposed point, named after its row; none where the reading is no proposal.
std::vector<PlotMark> proposal_marks(const ScalingForm& form);

// The previous sounding's foF2, h'F, foE and foEs (where h'Es was read too: a particular case
// writes foEs without it) from its hidden boxes. A frequency has no
// height of its own: it stands as a tick over its layer's heights, from the previous h'F,
// h'E or h'Es where there is one. foF2 is marked as changed when this sounding's foF2 (the
// operator's value, else the proposed one) lies more than 1 MHz away; its name then says by
// how much.
std::vector<PlotMark> previous_sounding_marks(const ScalingForm& form);

} // namespace scalvo
