#pragma once
// The automatic scaling of one sounding: every characteristic the picture shows, read the way
// an operator reads it, and none that it does not show.
#include "autoscale/proposals.h"
#include "ionogram/ionogram.h"

namespace scalvo::autoscale {

Proposals propose(const Ionogram& ionogram);

} // namespace scalvo::autoscale
