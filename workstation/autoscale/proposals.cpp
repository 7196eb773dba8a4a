// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/proposals.h"

#include <algorithm>
#include <cmath>

namespace scalvo::autoscale {

std::string_view name_of(Characteristic characteristic) {
    switch (characteristic) {
    case Characteristic::fmin:
        return "fmin";
    case Characteristic::foE:
        return "foE";
    case Characteristic::hE:
        return "hE";
    case Characteristic::foEs:
        return "foEs";
    case Characteristic::hEs:
        return "hEs";
    case Characteristic::fbEs:
        return "fbEs";
    case Characteristic::hF:
        return "hF";
    case Characteristic::foF1:
        return "foF1";
    case Characteristic::hF2:
        return "hF2";
    case Characteristic::foF2:
        return "foF2";
    case Characteristic::fxI:
        return "fxI";
    case Characteristic::muf3000F2:
        return "MUF3000F2";
    case Characteristic::m3000F2:
        return "M3000F2";
    }
    return "";
}

Unit unit_of(Characteristic characteristic) {
    switch (characteristic) {
    case Characteristic::hE:
    case Characteristic::hEs:
    case Characteristic::hF:
    case Characteristic::hF2:
        return Unit::kilometres;
    case Characteristic::m3000F2:
        return Unit::factor;
    default:
        return Unit::megahertz;
    }
}

void withhold_unsure(Proposals& proposals) {
    for (auto& proposal : proposals.values)
        if (proposal && proposal->confidence < proposal_threshold)
            proposal.reset();
}

bool blanketed(const Proposals& p) {
    // A sporadic E blanketing from this far above fmin hides what lies above it.
    constexpr double blanketing_margin = 0.15;
    const auto& fbEs = p[Characteristic::fbEs];
    const auto& fmin = p[Characteristic::fmin];
    return fbEs && fmin && fbEs->value > fmin->value + blanketing_margin;
}

namespace {
// The 0.1 MHz code of a frequency picked on the plot: nearest, judged on the hundredths digit,
// halves going up.
long long tenths_code(double frequency) {
    const auto hundredths = static_cast<long long>(std::floor(frequency * 100 + 1e-6));
    return (hundredths + 5) / 10;
}
} // namespace

double tool_muf(double muf) {
    const auto value = static_cast<float>(std::nearbyint(muf * 10) / 10.0);
    return static_cast<double>(std::min(std::max(value, 3.0f), 70.0f));
}

std::optional<double> m3000_of(double muf, double foF2) {
    const long long muf_code = std::llround(muf * 10);
    const long long foF2_code = tenths_code(foF2);
    if (foF2_code <= 0)
        return std::nullopt;
    return std::nearbyint(static_cast<double>(muf_code * 100) / static_cast<double>(foF2_code)) /
           100;
}

} // namespace scalvo::autoscale
