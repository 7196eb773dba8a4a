// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace_table.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {
const Echo no_echo{};
}

TraceTable::TraceTable(const SampledProfile& profile, double lowest_frequency)
    : echoes_(last_index + 1) {
    double peak = std::sqrt(profile.peak_plasma_frequency_squared());
    int first = std::max(1, static_cast<int>(std::floor(lowest_frequency / spacing)));
    for (int k = first; k <= last_index && frequency(k) < peak; ++k) {
        echoes_[k] = ordinary_echo(profile, frequency(k));
    }
}

const Echo& TraceTable::echo(int index) const {
    if (index < 0 || index > last_index) {
        return no_echo;
    }
    return echoes_[index];
}

bool same_trace(const Echo& a, const Echo& b) {
    return a.reflected && b.reflected && a.layer == b.layer &&
           std::fabs(a.real_height - b.real_height) < 10.0;
}

} // namespace synth
