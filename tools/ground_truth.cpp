// SPDX-License-Identifier: GPL-3.0-or-later
#include "ground_truth.h"

#include "muf.h"
#include "station.h"
#include "synthesis.h"

#include <algorithm>

namespace synth {

namespace {

// Keeps the lowest height and the frequency it was read at.
void keep_lowest(std::optional<double>& value, double candidate, double& at, double frequency) {
    if (!value || candidate < *value) {
        value = candidate;
        at = frequency;
    }
}

// The frequency at which each characteristic is read off the picture.
struct ReadAt {
    double hE = 0.0, hF = 0.0, hF2 = 0.0, muf = 0.0;
};

} // namespace

GroundTruth ground_truth(const SoundingModel& model, const TraceTable& traces,
                         const Recording& recording) {
    GroundTruth truth;
    const Ionosphere& ionosphere = model.ionosphere;
    double foF2 = ionosphere.f2.critical_frequency;
    truth.fmin = model.fmin;
    truth.foF2 = foF2;
    // fxI is the top of the F echoes: the extraordinary cusp, or the ordinary one where the
    // instrument hears no other, or the edge of the spread beyond them.
    double fx = model.gyrofrequency > 0.0 ? extraordinary_frequency(foF2, model.gyrofrequency)
                                          : foF2 + station::xo_separation_mhz;
    double top = recording.ordinary_only ? foF2 : fx;
    if (model.spread_f) {
        top += model.spread_f->beyond_mhz;
    }
    truth.fxI = top;
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
    ReadAt at;
    std::optional<double> best_muf;
    for (int k = 0; k <= TraceTable::last_index; ++k) {
        double f = TraceTable::frequency(k);
        const Echo& echo = traces.echo(k);
        if (!echo.reflected || f < model.fmin) {
            continue;
        }
        switch (echo.layer) {
        case Layer::e:
            keep_lowest(truth.hE, echo.virtual_height, at.hE, f);
            break;
        case Layer::f1:
            keep_lowest(truth.hF, echo.virtual_height, at.hF, f);
            break;
        case Layer::f2:
            keep_lowest(truth.hF, echo.virtual_height, at.hF, f);
            if (ionosphere.f1) {
                keep_lowest(truth.hF2, echo.virtual_height, at.hF2, f);
            }
            if (double muf = muf3000(f, echo.virtual_height); muf > best_muf.value_or(0.0)) {
                best_muf = muf;
                at.muf = f;
            }
            break;
        case Layer::none:
            break;
        }
    }
    truth.muf3000F2 = best_muf;

    // What the conditions hide. Off the recorded frequencies, a value cannot be read; in the
    // stretch that deviative absorption takes from the F trace, neither can those read there;
    // a spread that reaches beyond the cusps hides the ordinary one; an E trace shorter than
    // absorption leaves it cannot be read.
    auto outside = [&](double f) {
        return f < recording.lowest - 1e-9 || f > recording.highest + 1e-9;
    };
    auto in_gap = [&](double f) {
        return model.f_gap && f >= (*model.f_gap)[0] && f <= (*model.f_gap)[1];
    };
    auto hide = [&](const char* name, bool hidden) {
        if (hidden) {
            truth.hidden.emplace_back(name);
        }
    };
    bool spread_hides_cusp = model.spread_f && model.spread_f->beyond_mhz >= 0.25;
    hide("fmin", outside(model.fmin));
    hide("foE", truth.foE && (model.e_below_absorption || outside(*truth.foE)));
    hide("hE", truth.hE && (model.e_below_absorption || outside(at.hE)));
    hide("foEs", truth.foEs && outside(*truth.foEs));
    hide("hF", truth.hF && (outside(at.hF) || in_gap(at.hF)));
    hide("foF1", truth.foF1 && (outside(*truth.foF1) || in_gap(*truth.foF1)));
    hide("hF2", truth.hF2 && (outside(at.hF2) || in_gap(at.hF2)));
    hide("foF2", outside(foF2) || spread_hides_cusp);
    hide("fxI", outside(top));
    hide("MUF3000F2", truth.muf3000F2 && (outside(at.muf) || in_gap(at.muf)));
    return truth;
}

} // namespace synth
