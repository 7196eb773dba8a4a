#include "autoscale/autoscale.h"

#include "autoscale/scene.h"

namespace scalvo::autoscale {

Proposals propose(const Ionogram& ionogram) {
    Proposals proposals;
    const Scene scene = make_scene(find_echoes(ionogram));
    if (scene.traces.empty())
        return proposals;
    const FLayers f = read_f_layers(scene);
    const LowLayers low = read_low_layers(scene, f);
    proposals[Characteristic::fmin] = low.fmin;
    proposals[Characteristic::foE] = low.foE;
    proposals[Characteristic::hE] = low.hE;
    proposals[Characteristic::foEs] = low.foEs;
    proposals[Characteristic::hEs] = low.hEs;
    proposals[Characteristic::fbEs] = low.fbEs;
    proposals[Characteristic::hF] = f.hF;
    proposals[Characteristic::foF1] = f.foF1;
    proposals[Characteristic::hF2] = f.hF2;
    proposals[Characteristic::foF2] = f.foF2;
    proposals[Characteristic::fxI] = f.fxI;
    proposals[Characteristic::muf3000F2] = f.muf;
    proposals[Characteristic::m3000F2] = f.m3000;
    return proposals;
}

} // namespace scalvo::autoscale
