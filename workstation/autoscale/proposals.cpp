// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/proposals.h"

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

} // namespace scalvo::autoscale
