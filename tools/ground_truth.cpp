// SPDX-License-Identifier: GPL-3.0-or-later
#include "ground_truth.h"

#include "muf.h"
#include "station.h"

#include <algorithm>

namespace synth {

namespace {

void keep_lowest(std::optional<double>& value, double candidate) {
    value = value ? std::min(*value, candidate) : candidate;
}

} // namespace

GroundTruth ground_truth(const SoundingModel& model, const TraceTable& traces) {
    GroundTruth truth;
    const Ionosphere& ionosphere = model.ionosphere;
    truth.fmin = model.fmin;
    truth.foF2 = ionosphere.f2.critical_frequency;
    truth.fxI = ionosphere.f2.critical_frequency + station::xo_separation_mhz;
    if (ionosphere.e) {
        truth.foE = ionosphere.e->critical_frequency;
    }
    if (ionosphere.f1) {
        truth.foF1 = ionosphere.f1->critical_frequency;
    }
    if (model.sporadic_e) {
        truth.foEs = model.sporadic_e->top_frequency;
        truth.hEs = model.sporadic_e->height;
        truth.fbEs = model.sporadic_e->blanketing_frequency;
    }
    // Minimum virtual heights and the MUF tangent come from the traces themselves.
    std::optional<double> best_muf;
    for (int k = 0; k <= TraceTable::last_index; ++k) {
        double f = TraceTable::frequency(k);
        const Echo& echo = traces.echo(k);
        if (!echo.reflected || f < model.fmin) {
            continue;
        }
        switch (echo.layer) {
        case Layer::e:
            keep_lowest(truth.hE, echo.virtual_height);
            break;
        case Layer::f1:
            keep_lowest(truth.hF, echo.virtual_height);
            break;
        case Layer::f2:
            keep_lowest(truth.hF, echo.virtual_height);
            if (ionosphere.f1) {
                keep_lowest(truth.hF2, echo.virtual_height);
            }
            best_muf = std::max(best_muf.value_or(0.0), muf3000(f, echo.virtual_height));
            break;
        case Layer::none:
            break;
        }
    }
    truth.muf3000F2 = best_muf;
    return truth;
}

} // namespace synth
