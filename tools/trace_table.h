// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "group_height.h"
#include "profile.h"

#include <vector>

namespace synth {

// Ordinary echoes of one sounding on a fixed fine frequency grid (12.5 kHz), shared by the
// drawing of every frequency step and by the ground truth, so that both see the same traces.
class TraceTable {
  public:
    static constexpr double spacing = 0.0125; // MHz
    static constexpr int last_index = 1640;   // 20.5 MHz

    // Echoes are worked out from lowest_frequency up to the profile's peak; the rest of
    // the grid holds no echo (below: not needed; above: the wave goes through).
    TraceTable(const SampledProfile& profile, double lowest_frequency);

    static double frequency(int index) { return index * spacing; }
    static int index_of_khz(int khz) { return khz * 2 / 25; }

    // No echo outside the grid.
    const Echo& echo(int index) const;

  private:
    std::vector<Echo> echoes_;
};

// Two neighbouring grid echoes lie on one continuous trace: same layer, no jump.
bool same_trace(const Echo& a, const Echo& b);

} // namespace synth
