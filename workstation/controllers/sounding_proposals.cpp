// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/sounding_proposals.h"

#include "autoscale/autoscale.h"
#include "autoscale/proposals.h"

#include <utility>

namespace scalvo {

namespace {

using autoscale::Characteristic;

constexpr std::pair<Characteristic, Row> rows_of_characteristics[] = {
    {Characteristic::fmin, Row::fmin}, {Characteristic::hE, Row::hE},
    {Characteristic::foE, Row::foE},   {Characteristic::foEs, Row::foEs},
    {Characteristic::hEs, Row::hEs},   {Characteristic::fbEs, Row::fbEs},
    {Characteristic::hF, Row::hF},     {Characteristic::foF1, Row::foF1},
    {Characteristic::hF2, Row::hF2},   {Characteristic::foF2, Row::foF2},
    {Characteristic::fxI, Row::fxI},   {Characteristic::muf3000F2, Row::MUF3000F2},
};

} // namespace

SoundingProposals proposals_of(const Ionogram& ionogram) {
    const autoscale::Proposals read = autoscale::propose(ionogram);
    SoundingProposals result;
    result.no_sporadic_e = read.no_sporadic_e;
    auto& proposals = result.points;
    for (const auto& [characteristic, row] : rows_of_characteristics)
        if (const auto& proposal = read[characteristic])
            proposals[index_of(row)] = ProposedPoint{proposal->x, proposal->y};
    // The lowest F echo over a blanketing sporadic E may lie above the hidden start of the trace.
    if (auto& hF = proposals[index_of(Row::hF)]; hF && autoscale::blanketed(read))
        hF->upper_bound = true;
    return result;
}

} // namespace scalvo
