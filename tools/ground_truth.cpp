// SPDX-License-Identifier: GPL-3.0-or-later
#include "ground_truth.h"

#include "muf.h"
#include "station.h"
#include "synthesis.h"

#include <algorithm>

namespace synth {

namespace {

void keep_lowest(std::optional<double>& value, double candidate) {
    value = value ? std::min(*value, candidate) : candidate;
}

// The same characteristics as far as the picture shows them: within the recorded
// frequencies, outside what deviative absorption takes.
struct Visible {
    std::optional<double> hE, hF, hF2, muf;
};

// A minimum height or a MUF is readable where the visible trace gives it within what a
// careful reading gives anyway.
bool unreadable_height(const std::optional<double>& truth, const std::optional<double>& visible) {
    return truth && (!visible || *visible > *truth + 5.0);
}

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
    auto outside = [&](double f) {
        return f < recording.lowest - 1e-9 || f > recording.highest + 1e-9;
    };
    auto in_gap = [&](double f) {
        return model.f_gap && f >= (*model.f_gap)[0] && f <= (*model.f_gap)[1];
    };
    // Minimum virtual heights and the MUF tangent come from the traces themselves.
    Visible visible;
    std::optional<double> best_muf;
    for (int k = 0; k <= TraceTable::last_index; ++k) {
        double f = TraceTable::frequency(k);
        const Echo& echo = traces.echo(k);
        if (!echo.reflected || f < model.fmin) {
            continue;
        }
        bool seen = !outside(f) && (echo.layer == Layer::e || !in_gap(f));
        auto both = [&](std::optional<double>& value, std::optional<double>& seen_value) {
            keep_lowest(value, echo.virtual_height);
            if (seen) {
                keep_lowest(seen_value, echo.virtual_height);
            }
        };
        switch (echo.layer) {
        case Layer::e:
            both(truth.hE, visible.hE);
            break;
        case Layer::f1:
            both(truth.hF, visible.hF);
            break;
        case Layer::f2: {
            both(truth.hF, visible.hF);
            if (ionosphere.f1) {
                both(truth.hF2, visible.hF2);
            }
            double muf = muf3000(f, echo.virtual_height);
            best_muf = std::max(best_muf.value_or(0.0), muf);
            if (seen) {
                visible.muf = std::max(visible.muf.value_or(0.0), muf);
            }
            break;
        }
        case Layer::none:
            break;
        }
    }
    truth.muf3000F2 = best_muf;

    // What the conditions hide. Off the recorded frequencies a value cannot be read, nor in
    // the stretch that deviative absorption takes from the F trace: a minimum height or the
    // MUF tangent is lost when what is left of the trace gives it wrongly. A spread reaching
    // beyond the cusps hides the ordinary one; an E trace shorter than absorption leaves
    // cannot be read.
    auto hide = [&](const char* name, bool hidden) {
        if (hidden) {
            truth.hidden.emplace_back(name);
        }
    };
    bool spread_hides_cusp = model.spread_f && model.spread_f->beyond_mhz >= 0.25;
    hide("fmin", outside(model.fmin));
    hide("foE", truth.foE && (model.e_below_absorption || outside(*truth.foE)));
    hide("hE", truth.hE && (model.e_below_absorption || unreadable_height(truth.hE, visible.hE)));
    hide("foEs", truth.foEs && outside(*truth.foEs));
    hide("hF", unreadable_height(truth.hF, visible.hF));
    hide("foF1", truth.foF1 && (outside(*truth.foF1) || in_gap(*truth.foF1)));
    hide("hF2", unreadable_height(truth.hF2, visible.hF2));
    // Without a single F echo (the E layer denser than the F2) there is no cusp to read.
    hide("foF2", outside(foF2) || spread_hides_cusp || !truth.hF);
    hide("fxI", outside(top));
    hide("MUF3000F2", truth.muf3000F2 && (!visible.muf || *visible.muf < *truth.muf3000F2 - 0.3));
    return truth;
}

} // namespace synth
