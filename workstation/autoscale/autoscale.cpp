// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/autoscale.h"

#include "autoscale/scene.h"
#include "ionogram/plot_mapping.h"

#include <algorithm>

namespace scalvo::autoscale {

namespace {

// How sure fmin, foE and h'F are on a sweep too coarse to tell them.
constexpr double coarse_sweep = 0.3;

} // namespace

Proposals propose(const Ionogram& ionogram) {
    return read_sounding(ionogram).proposals;
}

Reading read_sounding(const Ionogram& ionogram, const std::vector<double>& lines) {
    Reading reading;
    Proposals& proposals = reading.proposals;
    const Scene scene = make_scene(find_echoes(ionogram, lines));
    if (scene.traces.empty())
        return reading;
    const FLayers f = read_f_layers(scene);
    const LowLayers low = read_low_layers(scene, f);
    proposals[Characteristic::fmin] = low.fmin;
    proposals[Characteristic::foE] = low.foE;
    proposals[Characteristic::hE] = low.hE;
    proposals[Characteristic::foEs] = low.foEs;
    proposals[Characteristic::hEs] = low.hEs;
    proposals[Characteristic::fbEs] = low.fbEs;
    proposals.no_sporadic_e = low.no_sporadic_e;
    proposals[Characteristic::hF] = f.hF;
    if (low.f_start_hidden)
        proposals[Characteristic::hF].reset();
    // Without an E layer below, the F trace is lowest at fmin; where a sporadic E's second hop
    // lies on its start, or the start is hidden otherwise, the Chapman layer its trace follows
    // tells that height. A blanketing sporadic E is left to the day read together: the sounding
    // alone does not tell whether an E layer lies under it.
    if (!low.foE && !blanketed(proposals) && (f.start_hidden || low.foEs) && f.layer_hF &&
        proposals[Characteristic::hF]) {
        Proposal& hF = *proposals[Characteristic::hF];
        hF.value = *f.layer_hF;
        hF.y = y_at_height(*f.layer_hF);
        hF.confidence = 0.6;
    } else if (f.base_in_multiple) {
        proposals[Characteristic::hF].reset();
    }
    if (f.foF2)
        proposals.separation = f.separation;
    proposals[Characteristic::foF1] = f.foF1;
    proposals[Characteristic::hF2] = f.hF2;
    proposals[Characteristic::foF2] = f.foF2;
    proposals[Characteristic::fxI] = f.fxI;
    proposals[Characteristic::muf3000F2] = f.muf;
    proposals[Characteristic::m3000F2] = f.m3000;
    // A sweep this coarse leaves a column's echo a quarter of a MHz either side, and the foot of
    // the F trace and the E and F1 cusps fall between columns: fmin, foE, h'F and foF1 are not
    // told.
    if (scene.too_coarse())
        for (const Characteristic c :
             {Characteristic::fmin, Characteristic::foE, Characteristic::hF, Characteristic::foF1})
            if (auto& proposal = proposals[c])
                proposal->confidence = std::min(proposal->confidence, coarse_sweep);
    withhold_unsure(proposals);
    reading.f_trace.envelope = f.envelope;
    reading.f_trace.ordinary = f.ordinary;
    if (f.lone_top && f.lone_top->confidence >= proposal_threshold &&
        !proposals[Characteristic::foF2])
        reading.f_trace.lone_top = f.lone_top;
    if (!proposals[Characteristic::foF2]) {
        reading.f_trace.guessed = f.guessed;
        reading.f_trace.untwinned_top = f.untwinned_top;
    }
    reading.f_trace.twins_a_column_apart = f.twins_a_column_apart;
    reading.f_trace.cusps = f.cusps;
    if (f.layer) {
        reading.f_trace.peak_height = f.layer->layer.peak_height;
        reading.f_trace.scale_height = f.layer->layer.scale_height;
        reading.f_trace.lowest_ratio = f.layer->lowest_ratio;
    }
    return reading;
}

} // namespace scalvo::autoscale
