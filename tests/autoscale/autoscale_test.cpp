// SPDX-License-Identifier: GPL-3.0-or-later
// Soundings with known answers, each drawn in the test, through the whole engine.
#include "autoscale/autoscale.h"
#include "autoscale/echoes.h"
#include "autoscale/scene.h"
#include "sounding_builder.h"
#include "support/param_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace scalvo;
using namespace scalvo::autoscale;
using namespace scalvo::autoscale::testing;
using C = Characteristic;

// What a case expects of one characteristic.
struct Expect {
    C characteristic;
    enum { value, none, value_or_none } kind = value;
    double expected = 0;
    double tolerance = 0;
};

Expect want(C c, double v, double tolerance) {
    return {c, Expect::value, v, tolerance};
}
Expect nothing(C c) {
    return {c, Expect::none, 0, 0};
}
Expect right_or_nothing(C c, double v, double tolerance) {
    return {c, Expect::value_or_none, v, tolerance};
}

struct Case {
    std::string name;
    std::function<Ionogram()> sounding;
    std::vector<Expect> expected;
};

// Night: the F2 trace alone from 1.3 MHz, foF2 3.3 MHz.
const Curve night_f2 = layer_curve(240, 3.3, 40);
SoundingBuilder night(double step = 0.025) {
    SoundingBuilder builder(step);
    builder.noise(20).trace(1.3, 3.3, night_f2, 220);
    return builder;
}
std::vector<Expect> night_answers() {
    return {want(C::fmin, 1.3, 0.1),
            want(C::foF2, 3.3, 0.1),
            want(C::fxI, 3.8, 0.1),
            want(C::hF, lowest_height(night_f2, 1.3, 3.3), 5),
            want(C::muf3000F2, largest_muf(night_f2, 1.3, 3.3), 0.3),
            nothing(C::foE),
            nothing(C::hE),
            nothing(C::foEs),
            nothing(C::hEs),
            nothing(C::fbEs),
            nothing(C::foF1),
            nothing(C::hF2)};
}

// Day: E up to 3.3 MHz, the F2 trace retarded above it up to 8.0 MHz.
const Curve day_e = layer_curve(100, 3.3, 6);
const Curve day_f2 = layer_curve(205, 8.0, 80, 3.3, 12);
const Curve raised_day_f2 = layer_curve(235, 8.0, 80, 3.3, 12);
SoundingBuilder day(double step = 0.025) {
    SoundingBuilder builder(step);
    builder.noise(15).trace(2.0, 3.3, day_e, 230).trace(3.32, 8.0, day_f2, 230);
    return builder;
}
std::vector<Expect> day_answers(double hF, double muf) {
    return {want(C::fmin, 2.0, 0.1),
            want(C::foE, 3.3, 0.1),
            want(C::hE, 100, 5),
            want(C::foF2, 8.0, 0.1),
            want(C::fxI, 8.5, 0.1),
            want(C::hF, hF, 5),
            want(C::muf3000F2, muf, 0.3),
            nothing(C::foEs),
            nothing(C::hEs),
            nothing(C::fbEs),
            nothing(C::foF1),
            nothing(C::hF2)};
}

// Night with a blanketing sporadic E at 105 km up to 3.0 MHz, hiding all above it below
// 2.5 MHz; foF2 4.0 MHz.
const Curve blanketed_f2 = layer_curve(250, 4.0, 45);

// Night: a Chapman F2 layer whose trace starts at fmin 1.3 MHz at 2 x 115 km, on the second hop
// of a transparent sporadic E at 115 km up to 2.6 MHz; foF2 3.8 MHz.
const Curve chapman_f2 = chapman_curve(300, 44, 3.8);

// Day with an F1 layer: E up to 3.3 MHz, the F1 trace retarded above it rising to its cusp at
// 4.8 MHz, the F2 trace coming down from that cusp to its lowest near 6 MHz and up to foF2 8 MHz.
const Curve f1_trace = layer_curve(195, 4.8, 25, 3.3, 12);
const Curve f2_above_f1 = [](double f) {
    return 255 + 60 * (1 / std::sqrt(1 - (f / 8.0) * (f / 8.0)) - 1) +
           20 * (1 / std::sqrt(1 - (4.8 / f) * (4.8 / f)) - 1);
};
SoundingBuilder f1_day(double step) {
    SoundingBuilder builder(step);
    builder.noise(15)
        .trace(2.0, 3.3, day_e, 230)
        .trace(3.32, 4.8, f1_trace, 230)
        .trace(4.82, 8.0, f2_above_f1, 230);
    return builder;
}
std::vector<Expect> f1_answers() {
    return {want(C::foE, 3.3, 0.1), want(C::foF1, 4.8, 0.1),
            want(C::hF, lowest_height(f1_trace, 3.32, 4.8), 5),
            want(C::hF2, lowest_height(f2_above_f1, 4.82, 8.0), 5), want(C::foF2, 8.0, 0.1),
            // Along the F2 trace: the lower F1 trace would make it larger.
            want(C::muf3000F2, largest_muf(f2_above_f1, 4.82, 8.0), 0.3)};
}

void add_layer_cases(std::vector<Case>& all) {
    // The F2 layer lifted far above the F1 layer (a storm, an equatorial morning): the F2 trace
    // begins 200 km above the F1 cusp and does not come down to it, so no F1 cusp is read.
    // MUF(3000)F2 is read along the F2 trace all the same: the F1 trace below would give more.
    // Also where no echo shows for 0.2 MHz about the F1 extraordinary cusp (a spread there,
    // lines), so that the step up to the F2 trace spans the gap.
    for (const double foF2 : {6.0, 6.4})
        for (const bool gap : {false, true}) {
            const Curve lifted = [foF2](double f) {
                return 440 + 60 * (1 / std::sqrt(1 - (f / foF2) * (f / foF2)) - 1);
            };
            all.push_back({"an F2 trace lifted far above the F1 layer, foF2 " +
                               std::to_string(foF2).substr(0, 3) + (gap ? ", a gap" : ""),
                           [lifted, foF2, gap] {
                               SoundingBuilder builder(0.025);
                               builder.noise(15)
                                   .trace(2.0, 3.3, day_e, 230)
                                   .trace(3.32, 4.8, f1_trace, 230)
                                   .trace(5.0, foF2, lifted, 230);
                               if (gap)
                                   builder.absorb(5.2, 5.4);
                               return builder.build();
                           },
                           {want(C::foF2, foF2, 0.1),
                            want(C::muf3000F2, largest_muf(lifted, 5.0, foF2), 0.3)}});
        }
    all.push_back(
        {"night F trace starting on a sporadic E's second hop",
         [] {
             SoundingBuilder builder;
             builder.noise(20).trace(1.3, 3.8, chapman_f2, 200).sporadic_e(1.3, 2.6, 115, 230);
             return builder.build();
         },
         {want(C::hF, chapman_height(300, 44, 3.8, 1.3), 5), want(C::fmin, 1.3, 0.1),
          want(C::foEs, 2.6, 0.2), want(C::fbEs, 1.3, 0.2), want(C::foF2, 3.8, 0.1),
          nothing(C::foE), nothing(C::foF1)}});
    all.push_back({"the same F trace without the sporadic E",
                   [] {
                       SoundingBuilder builder;
                       builder.noise(20).trace(1.3, 3.8, chapman_f2, 200);
                       return builder.build();
                   },
                   {want(C::hF, chapman_height(300, 44, 3.8, 1.3), 5), nothing(C::foEs)}});
    // Under a long pulse a sporadic E's end reads as a lone E cusp, whose ordinary twin would
    // stand the separation below: that is no E layer, and the trace's layer still tells h'F.
    all.push_back({"a sporadic E ending as a lone cusp under a long pulse",
                   [] {
                       SoundingBuilder builder;
                       builder.noise(20)
                           .pulse_length(10)
                           .trace(1.3, 3.8, chapman_f2, 200)
                           .sporadic_e(1.3, 2.3, 112, 230);
                       return builder.build();
                   },
                   {want(C::hF, chapman_height(300, 44, 3.8, 1.3), 5), want(C::foEs, 2.3, 0.2),
                    nothing(C::foE), nothing(C::hE)}});
    for (const double step : {0.025, 0.05, 0.1})
        all.push_back({"an F1 cusp at " + std::to_string(step) + " MHz",
                       [step] { return f1_day(step).build(); }, f1_answers()});
    // Below 3.15 MHz it hides the E trace too; above, the E cusp shows through it. Without its
    // third hop it would be read as transparent, the E trace hiding within its own.
    all.push_back({"a blanketing sporadic E showing its third hop",
                   [] {
                       SoundingBuilder builder;
                       builder.noise(15)
                           .trace(3.15, 3.3, day_e, 230)
                           .trace(3.32, 8.0, day_f2, 230)
                           .sporadic_e(2.0, 4.2, 108, 240, 3.15, true);
                       return builder.build();
                   },
                   {want(C::foEs, 4.2, 0.2), want(C::fbEs, 3.15, 0.2), want(C::fmin, 2.0, 0.1)}});
    // A strong sporadic E trails further than the pulse, and in two columns further still: that
    // is its own echo, not an E layer beside it, and the layers above show only from 1.5 MHz.
    all.push_back({"a strong blanketing sporadic E trailing further in two columns",
                   [] {
                       SoundingBuilder builder;
                       builder.noise(15)
                           .trace(1.3, 3.3, night_f2, 220)
                           .sporadic_e(1.2, 2.4, 105, 240, 1.5, true);
                       for (double f = 1.2; f < 2.4 - 1e-9; f += 0.025)
                           for (const double h : {126.0, 130.5, 135.0, 139.5})
                               builder.cell(f, h, 120);
                       for (const double f : {1.3, 1.325})
                           for (const double h : {144.0, 148.5})
                               builder.cell(f, h, 120);
                       return builder.build();
                   },
                   {want(C::foEs, 2.4, 0.2), want(C::fbEs, 1.5, 0.1)}});
    all.push_back({"a transparent sporadic E over the E trace",
                   [] {
                       SoundingBuilder builder = day();
                       builder.sporadic_e(2.0, 4.2, 100, 200);
                       return builder.build();
                   },
                   {want(C::foEs, 4.2, 0.2), want(C::fbEs, 2.0, 0.2), want(C::foE, 3.3, 0.1)}});
    // The F trace (clear of the sporadic E's second hop) seen beyond the E trace from just above
    // foE, or only from 4.2 MHz. There, rising where first seen, its lower part was hidden (by a
    // sporadic E beside the E trace, or absorption) and the lowest height seen is no h'F; already
    // flat there, it had come down to its base. Without a sporadic E, a trace coming down where
    // first seen shows its base too.
    struct Seen {
        const char* name;
        double from;
        double foF2;
        double retardation;
        bool sporadic_e;
        bool hF;
    };
    for (const Seen seen :
         {Seen{"a sporadic E beside the E trace, the F trace seen from just above foE", 3.32, 8.0,
               12, true, true},
          Seen{"a sporadic E beside the E trace, the F trace seen from 4.2 MHz, rising", 4.2, 5.0,
               12, true, false},
          Seen{"a sporadic E beside the E trace, the F trace seen from 4.2 MHz, flat", 4.2, 8.0, 12,
               true, true},
          Seen{"the F trace seen from 4.2 MHz, rising", 4.2, 5.0, 12, false, false},
          Seen{"the F trace seen from 3.85 MHz, coming down", 3.85, 8.0, 60, false, true}}) {
        const Curve f2 =
            layer_curve(250, seen.foF2, seen.foF2 > 6 ? 80 : 60, 3.3, seen.retardation);
        all.push_back(
            {seen.name,
             [seen, f2] {
                 SoundingBuilder builder;
                 builder.noise(15).trace(2.0, 3.3, day_e, 230).trace(seen.from, seen.foF2, f2, 230);
                 if (seen.sporadic_e)
                     builder.sporadic_e(2.0, 4.8, 110, 200);
                 return builder.build();
             },
             {want(C::foE, 3.3, 0.1), seen.sporadic_e ? want(C::foEs, 4.8, 0.15) : nothing(C::foEs),
              want(C::foF2, seen.foF2, 0.1),
              seen.hF ? want(C::hF, lowest_height(f2, seen.from, seen.foF2), 5) : nothing(C::hF)}});
    }
    // Absorption near the E layer's peak takes the F trace over 2 MHz: from 4.2 MHz, while it
    // still comes down to its base (lower than seen, no h'F), or from 5.6 MHz, beyond its base.
    for (const double lost : {4.2, 5.6}) {
        const Curve f2 = layer_curve(250, 8.0, 80, 3.3, 60);
        all.push_back({"the F trace lost from " + std::to_string(lost).substr(0, 3) + " MHz",
                       [lost, f2] {
                           SoundingBuilder builder;
                           builder.noise(15)
                               .trace(2.0, 3.3, day_e, 230)
                               .trace(3.32, lost, f2, 230)
                               .trace(lost + 2.0, 8.0, f2, 230);
                           return builder.build();
                       },
                       {want(C::foE, 3.3, 0.1), want(C::foF2, 8.0, 0.1),
                        lost < 5 ? nothing(C::hF) : want(C::hF, lowest_height(f2, 3.32, 8.0), 5)}});
    }
    // Twins 0.75 MHz apart (a high-latitude field). Where absorption takes the ordinary trace
    // from foE to 4.3 MHz, its base with it, the extraordinary trace is first seen coming down
    // from the E cusp's twin (4.05 MHz): that descent is the twin's, and the lowest height seen
    // is no h'F. With the ordinary trace seen from foE, its base is read.
    for (const double from : {3.32, 4.3}) {
        const Curve f2 = layer_curve(250, 8.0, 80, 3.3, 12);
        const Curve twin = [f2](double f) { return f2(f - 0.75); };
        all.push_back({"twins 0.75 MHz apart, the ordinary trace seen from " +
                           std::to_string(from).substr(0, 4) + " MHz",
                       [from, f2, twin] {
                           SoundingBuilder builder;
                           builder.noise(15)
                               .trace(2.0, 3.3, day_e, 230, 0.8)
                               .trace(from, 8.0, f2, 230, 0)
                               .trace(4.07, 8.75, twin, 115, 0);
                           return builder.build();
                       },
                       {want(C::foE, 3.3, 0.1), want(C::foF2, 8.0, 0.1),
                        from > 4 ? nothing(C::hF) : want(C::hF, lowest_height(f2, 3.32, 8.0), 5)}});
    }
    all.push_back({"a few specks at the E heights",
                   [] {
                       SoundingBuilder builder = night();
                       for (const double f : {1.45, 1.475, 1.5, 1.525, 1.55})
                           builder.cell(f, 106, 120).cell(f, 110.5, 90);
                       return builder.build();
                   },
                   {nothing(C::foEs), nothing(C::fbEs), nothing(C::foE)}});
    // The ordinary trace breaks off 0.3 MHz below its cusp, where only a short piece of it
    // shows: the extraordinary twin, whole, tells where the ordinary cusp is.
    all.push_back({"the ordinary trace broken off below its cusp",
                   [] {
                       const Curve twin = [](double f) { return night_f2(f - 0.5); };
                       SoundingBuilder builder;
                       builder.noise(20)
                           .trace(1.3, 3.0, night_f2, 220, 0)
                           .trace(3.27, 3.3, night_f2, 220, 0)
                           .trace(1.8, 3.8, twin, 110, 0);
                       return builder.build();
                   },
                   // The pairs of traces do not tell the twin for sure: right, or nothing.
                   {right_or_nothing(C::foF2, 3.3, 0.1), right_or_nothing(C::fxI, 3.8, 0.1),
                    right_or_nothing(C::muf3000F2, largest_muf(night_f2, 1.3, 3.3), 0.3)}});
    // The trace ends before the line; where it stands vertical, beyond it, is the cusp.
    all.push_back({"the ordinary cusp just beyond a line at 0.1 MHz",
                   [] {
                       SoundingBuilder builder = night(0.1);
                       builder.line(3.2, 90);
                       return builder.build();
                   },
                   // Too little of the ordinary trace shows at this step to tell the twin.
                   {right_or_nothing(C::foF2, 3.3, 0.1), right_or_nothing(C::fxI, 3.8, 0.1)}});
}

// What the engine must not be fooled by: pieces of noise, a coarse sweep, an E-height cusp where
// no E layer can be, a lone spike below the trace; and heights read on the reader's own cells.
void add_guard_cases(std::vector<Case>& all) {
    // Absorption leaves 0.25 MHz of an E trace before its cusp: the F trace's start bending
    // over a hidden E layer shows as much, and tells no foE.
    all.push_back({"an E cusp 0.25 MHz above fmin",
                   [] {
                       SoundingBuilder builder;
                       builder.noise(15)
                           .trace(1.3, 1.55, layer_curve(100, 1.55, 6), 230)
                           .trace(1.57, 4.0, layer_curve(230, 4.0, 60, 1.55, 12), 230);
                       return builder.build();
                   },
                   {nothing(C::foE), nothing(C::hE), want(C::foF2, 4.0, 0.1)}});
    // The F layer's twin lies 1 MHz beyond it, the E layer's 0.6 MHz: the E cusps are no pair
    // at the F separation, and the cusp 1 MHz below the last one lies where no E cusp is, with
    // the true one between.
    all.push_back(
        {"an E twin at a separation other than the F layer's",
         [] {
             SoundingBuilder builder;
             builder.noise(15).trace(2.0, 3.3, day_e, 230, 0.6).trace(3.32, 8.0, day_f2, 230, 1.0);
             return builder.build();
         },
         {right_or_nothing(C::foE, 3.3, 0.1)}});
    // The sweep ends 0.025 MHz below the extraordinary cusp: the twin's trace, cut off there,
    // tells no fxI.
    all.push_back({"a sweep ending just below the extraordinary cusp",
                   [] {
                       SoundingBuilder builder(0.025, 3.775);
                       builder.noise(20).trace(1.3, 3.3, night_f2, 220);
                       return builder.build();
                   },
                   {nothing(C::fxI), right_or_nothing(C::foF2, 3.3, 0.1)}});
    // Leading edge at 105 km falls in the cell of 108 km, which the reader's mapping shows.
    all.push_back({"heights on the reader's own cells",
                   [] {
                       SoundingBuilder builder = night();
                       builder.sporadic_e(1.3, 2.6, 105, 230);
                       return builder.build();
                   },
                   {want(C::hEs, 108, 1), want(C::foEs, 2.6, 0.2)}});
    // Noise standing higher at the ranges of 180-200 km over the whole sweep (its median still
    // below an echo's level): its peaks, above the columns' thresholds, are no trace below the F
    // trace.
    for (const int level : {30, 40})
        all.push_back({"a band of noise at 180-200 km, up to " + std::to_string(level),
                       [level] {
                           SoundingBuilder builder = night();
                           builder.band(level, 180, 200);
                           return builder.build();
                       },
                       {want(C::fmin, 1.3, 0.1), want(C::hF, lowest_height(night_f2, 1.3, 3.3), 5),
                        want(C::foF2, 3.3, 0.1)}});
    // A sporadic E along nearly the whole of a sweep to 9 MHz, weaker beyond 5.4 MHz, fills its
    // row: no band of noise.
    all.push_back({"a sporadic E along a sweep to 9 MHz",
                   [] {
                       SoundingBuilder builder(0.025, 9.0);
                       builder.noise(20)
                           .sporadic_e(1.0, 5.4, 105, 200)
                           .sporadic_e(5.4, 8.0, 105, 90)
                           .trace(1.3, 3.3, night_f2, 220);
                       return builder.build();
                   },
                   {want(C::hEs, 108, 1), want(C::foEs, 8.0, 0.2)}});
    // A sweep of 0.5 MHz puts the foot of the trace and fmin a quarter of a MHz either side.
    all.push_back({"night at 0.5 MHz",
                   [] { return night(0.5).build(); },
                   {nothing(C::fmin), nothing(C::hF), nothing(C::foE), nothing(C::foF2)}});
    // Bursts of impulsive noise 0.125 MHz wide, long enough to be traces: one before the trace,
    // one below it.
    all.push_back({"bursts of noise before and below the trace",
                   [] {
                       SoundingBuilder builder = night();
                       for (int k = 0; k < 6; ++k)
                           for (const double h : {300.0, 304.5, 309.0}) {
                               builder.cell(1.0 + 0.025 * k, h, 200);
                               builder.cell(2.0 + 0.025 * k, h - 110, 200);
                           }
                       return builder.build();
                   },
                   {want(C::fmin, 1.3, 0.1), want(C::hF, lowest_height(night_f2, 1.3, 3.3), 5)}});
    // An echo of the E heights turning up at 5.4 MHz, far beyond the start of the F trace: the E
    // layer would have stopped the F echoes below it, so it is no E cusp.
    all.push_back({"an E-height cusp beyond the start of the F trace",
                   [] {
                       SoundingBuilder builder = night();
                       builder.trace(5.0, 5.4, layer_curve(100, 5.4, 6), 200);
                       return builder.build();
                   },
                   {nothing(C::foE), want(C::foF2, 3.3, 0.1)}});
    // The F1 cusp 1.8 MHz below foF2: still an F1 layer.
    all.push_back({"an F1 cusp close below foF2",
                   [] {
                       const Curve f2 = [](double f) {
                           return 255 + 60 * (1 / std::sqrt(1 - (f / 6.6) * (f / 6.6)) - 1) +
                                  20 * (1 / std::sqrt(1 - (4.8 / f) * (4.8 / f)) - 1);
                       };
                       SoundingBuilder builder;
                       builder.noise(15)
                           .trace(2.0, 3.3, day_e, 230)
                           .trace(3.32, 4.8, f1_trace, 230)
                           .trace(4.82, 6.6, f2, 230);
                       return builder.build();
                   },
                   {want(C::foF1, 4.8, 0.1), want(C::foF2, 6.6, 0.1)}});
    // A weak broadcast line across the trace, and strong noise over the whole sounding.
    all.push_back({"a weak line across the trace",
                   [] {
                       SoundingBuilder builder = night();
                       builder.line(2.0, 30);
                       return builder.build();
                   },
                   night_answers()});
    // A narrow-band transmitter heard over part of five columns far beyond the traces, lower
    // than the F trace and rising from its first columns to its last: no cusp, nor h'F. Nor with
    // another such transmitter heard 0.3 MHz below it, as short and as far beyond the traces: no
    // trace of the F layer leads there.
    for (const bool side_by_side : {false, true})
        all.push_back({side_by_side
                           ? "transmitters side by side far beyond the traces"
                           : "a transmitter over part of a few columns far beyond the traces",
                       [side_by_side] {
                           SoundingBuilder builder = night(0.05);
                           if (side_by_side)
                               builder.partial_line(12.75, height_of(83), height_of(88), 200)
                                   .partial_line(12.8, height_of(88), height_of(94), 200);
                           for (const double f : {13.05, 13.1, 13.15})
                               builder.partial_line(f, height_of(25), height_of(40), 200);
                           for (const double f : {13.25, 13.3})
                               builder.partial_line(f, height_of(36), height_of(60), 200);
                           return builder.build();
                       },
                       night_answers()});
    // A transmitter heard over part of three columns where the F trace begins, from 175 to
    // 265 km, across the trace: its foot is no h'F, though the trace is joined onto it.
    all.push_back({"a transmitter over part of the columns where the F trace begins",
                   [] {
                       SoundingBuilder builder = day(0.05);
                       for (const double f : {3.35, 3.4, 3.45})
                           builder.partial_line(f, height_of(20), height_of(40), 200);
                       return builder.build();
                   },
                   {want(C::hF, lowest_height(day_f2, 3.32, 8.0), 5), want(C::foF2, 8.0, 0.1)}});
    all.push_back({"night in strong noise",
                   [] {
                       SoundingBuilder builder(0.025);
                       builder.noise(60).trace(1.3, 3.3, night_f2, 230);
                       return builder.build();
                   },
                   {right_or_nothing(C::foF2, 3.3, 0.1),
                    right_or_nothing(C::hF, lowest_height(night_f2, 1.3, 3.3), 5),
                    right_or_nothing(C::fmin, 1.3, 0.1), nothing(C::foE), nothing(C::foEs)}});
    // A weaker oblique copy of the night trace, 60 km above it and reaching 0.3 MHz further:
    // foF2 is the vertical trace's, or nothing.
    all.push_back({"an oblique copy above and beyond the trace",
                   [] {
                       const Curve copy = [](double f) { return night_f2(f - 0.3) + 60; };
                       SoundingBuilder builder = night();
                       builder.trace(1.6, 3.6, copy, 110, 0.5, false);
                       return builder.build();
                   },
                   {right_or_nothing(C::foF2, 3.3, 0.1), right_or_nothing(C::fxI, 3.8, 0.1)}});
    // Oblique copies closer to the trace (0.2 to 0.4 MHz further, 20 to 60 km above, with or
    // without a range spread over the vertical traces): the copy's trace joins the vertical
    // one's beyond its cusps, where the vertical cusp is hidden in the run, and the copy's pair
    // has the same separation. foF2 and fxI are the vertical pair's.
    // A copy nearly as strong as the vertical trace takes the trace followed below the vertical
    // extraordinary cusp; a line across that trace just below its cusp hides it too.
    struct Copy {
        double step, shift, above, spread;
        int strength = 100;
        double line = 0;
    };
    for (const Copy copy :
         {Copy{0.025, 0.3, 20, 0}, Copy{0.025, 0.3, 45, 30}, Copy{0.025, 0.35, 20, 30},
          Copy{0.05, 0.2, 60, 0}, Copy{0.05, 0.4, 20, 0}, Copy{0.05, 0.35, 80, 30},
          Copy{0.05, 0.25, 45, 0, 140}, Copy{0.05, 0.3, 30, 0, 140}, Copy{0.05, 0.4, 30, 0, 80},
          Copy{0.05, 0.35, 60, 0, 80, 3.7}, Copy{0.05, 0.37, 45, 0, 100, 3.7},
          Copy{0.05, 0.3, 30, 0, 140, 3.65}}) {
        char name[128];
        std::snprintf(name, sizeof name,
                      "an oblique copy %.2f MHz beyond %.0f km above%s at %.3f strength %d%s",
                      copy.shift, copy.above, copy.spread > 0 ? " in spread F" : "", copy.step,
                      copy.strength, copy.line > 0 ? " behind a line" : "");
        all.push_back({name,
                       [copy] {
                           const Curve shifted = [copy](double f) {
                               return night_f2(f - copy.shift) + copy.above;
                           };
                           SoundingBuilder builder = night(copy.step);
                           builder.trace(1.3 + copy.shift, 3.3 + copy.shift, shifted, copy.strength,
                                         0.5, false);
                           if (copy.line > 0)
                               builder.line(copy.line, 120);
                           if (copy.spread > 0) {
                               const Curve x_trace = [](double f) { return night_f2(f - 0.5); };
                               builder.spread(1.3, 3.3, night_f2, copy.spread, 0, 90)
                                   .spread(1.8, 3.8, x_trace, copy.spread, 0, 90);
                           }
                           return builder.build();
                       },
                       {want(C::foF2, 3.3, 0.1), want(C::fxI, 3.8, 0.1)}});
    }
    // Copies whose trace runs on through the foot of each vertical cusp, the traces fading out
    // 200 to 300 km above their foot (the `line` field here): the vertical traces turn up out of
    // the joined run for a few columns only, above the copy's trace.
    for (const Copy copy :
         {Copy{0.025, 0.25, 40, 0, 120, 3.25}, Copy{0.025, 0.25, 60, 0, 160, 3.27},
          Copy{0.025, 0.3, 40, 0, 140, 3.25}, Copy{0.05, 0.4, 50, 0, 120, 3.25},
          Copy{0.05, 0.38, 30, 0, 160, 3.27}, Copy{0.05, 0.42, 70, 0, 140, 3.25}}) {
        char name[128];
        std::snprintf(name, sizeof name,
                      "vertical cusps turning up out of a copy %.2f MHz beyond %.0f km above at "
                      "%.3f strength %d fading at %.2f",
                      copy.shift, copy.above, copy.step, copy.strength, copy.line);
        all.push_back({name,
                       [copy] {
                           const Curve shifted = [copy](double f) {
                               return night_f2(f - copy.shift) + copy.above;
                           };
                           SoundingBuilder builder(copy.step);
                           builder.noise(20).trace(1.3, copy.line, night_f2, 220);
                           builder.trace(1.3 + copy.shift, copy.line + copy.shift, shifted,
                                         copy.strength, 0.5, false);
                           return builder.build();
                       },
                       {want(C::foF2, 3.3, 0.1), want(C::fxI, 3.8, 0.1)}});
    }
    // A weak field: the twins 0.4 MHz apart, and the copy shifted by about as much, so that the
    // vertical extraordinary cusp stands where the copy's ordinary one does. The vertical cusps
    // are drawn at 3.25 and 3.65 MHz.
    for (const double shift : {0.35, 0.4}) {
        all.push_back({"a copy shifted by the separation of " + std::to_string(shift).substr(0, 4),
                       [shift] {
                           const Curve shifted = [shift](double f) {
                               return night_f2(f - shift) + 50;
                           };
                           SoundingBuilder builder(0.05);
                           builder.noise(20).trace(1.3, 3.25, night_f2, 220, 0.4);
                           builder.trace(1.3 + shift, 3.25 + shift, shifted, 140, 0.4, false);
                           return builder.build();
                       },
                       {want(C::foF2, 3.25, 0.1), want(C::fxI, 3.65, 0.1)}});
    }
    // The same at 0.025 MHz, with lines across the vertical extraordinary trace below its cusp,
    // or at the copy's ordinary cusp: the trace is followed down across them, and a copy's cusp
    // that no trace leads into is no reason to stop.
    struct Crossed {
        double shift, above;
        std::vector<double> lines;
    };
    for (const Crossed& crossed :
         {Crossed{0.35, 50, {3.55, 3.575, 3.6}}, Crossed{0.33, 70, {3.625}}}) {
        all.push_back({"a copy shifted by the separation, lines at " +
                           std::to_string(crossed.lines.front()).substr(0, 5),
                       [crossed] {
                           const Curve shifted = [crossed](double f) {
                               return night_f2(f - crossed.shift) + crossed.above;
                           };
                           SoundingBuilder builder(0.025);
                           builder.noise(20).trace(1.3, 3.25, night_f2, 220, 0.4);
                           builder.trace(1.3 + crossed.shift, 3.25 + crossed.shift, shifted, 140,
                                         0.4, false);
                           for (const double f : crossed.lines)
                               builder.line(f, 120);
                           return builder.build();
                       },
                       {want(C::foF2, 3.25, 0.1), want(C::fxI, 3.65, 0.1)}});
    }
    // The vertical ordinary trace crossed by lines up to its cusp, and the copy's ordinary cusp
    // a column beyond the vertical extraordinary one and far above it: the cusp standing tall
    // below the copy's is the vertical pair's.
    all.push_back({"a copy shifted by the separation over an ordinary trace behind lines",
                   [] {
                       const Curve layer = layer_curve(230, 3.3, 45);
                       const Curve shifted = [layer](double f) { return layer(f - 0.4) + 60; };
                       SoundingBuilder builder(0.05);
                       builder.noise(20).trace(1.3, 3.3, layer, 220, 0.4);
                       builder.trace(1.7, 3.7, shifted, 140, 0.4, false);
                       for (double f = 2.9; f < 3.3; f += 0.1)
                           builder.line(f, 120);
                       return builder.build();
                   },
                   {want(C::foF2, 3.3, 0.15), want(C::fxI, 3.7, 0.1)}});
    // A copy whose twins fade apart 0.08 MHz less than the vertical pair's: the pair below is
    // looked for with the copy's separation, and a little more.
    all.push_back({"a copy whose pair reads a separation 0.08 MHz short",
                   [] {
                       const Curve shifted = [](double f) { return night_f2(f - 0.3) + 50; };
                       SoundingBuilder builder(0.025);
                       builder.noise(20).trace(1.3, 3.25, night_f2, 220);
                       builder.trace(1.6, 3.55, shifted, 140, 0.42, false);
                       return builder.build();
                   },
                   {want(C::foF2, 3.25, 0.1), want(C::fxI, 3.75, 0.1)}});
    // At 0.1 MHz a trace rising steeply into its cusp jumps from column to column, each echo
    // beginning just above the one before: the trace rises on, and no cusp stands below the top.
    all.push_back({"a steep trace at 0.1 MHz rising column by column",
                   [] {
                       SoundingBuilder builder(0.1);
                       builder.noise(20).trace(1.3, 3.3, layer_curve(240, 3.3, 80), 220);
                       return builder.build();
                   },
                   {want(C::foF2, 3.3, 0.1), want(C::fxI, 3.8, 0.1)}});
    // A strong copy 0.35 MHz beyond whose trace crosses the vertical ones 0.125 MHz below their
    // cusps, where they rise steeply: the tracing follows the copy there, and the vertical cusps
    // stand alone in their columns above the crossing.
    for (const double extra : {2.0, 4.0}) {
        all.push_back({"a copy crossing the vertical traces below their cusps, " +
                           std::to_string(static_cast<int>(extra)) + " km",
                       [extra] {
                           const double above = night_f2(3.175) - night_f2(2.825) + extra;
                           const Curve shifted = [above](double f) {
                               return night_f2(f - 0.35) + above;
                           };
                           SoundingBuilder builder = night(0.025);
                           builder.trace(1.65, 3.65, shifted, 160, 0.5, false);
                           return builder.build();
                       },
                       {want(C::foF2, 3.3, 0.1), want(C::fxI, 3.8, 0.1)}});
    }
    // The same, each vertical trace's echo in the column below its standing one ending a cell
    // short of it (noise on the edge): the trace still rises into the cusp.
    all.push_back({"a copy crossing the vertical traces, their last echoes a cell short",
                   [] {
                       const double above = night_f2(3.175) - night_f2(2.825) + 2.0;
                       const Curve shifted = [above](double f) {
                           return night_f2(f - 0.35) + above;
                       };
                       SoundingBuilder builder = night(0.025);
                       builder.trace(1.65, 3.65, shifted, 160, 0.5, false);
                       for (int k = 0; k < 4; ++k)
                           builder.cell(3.25, 481.5 - 4.5 * k, 0).cell(3.75, 477.0 - 4.5 * k, 0);
                       return builder.build();
                   },
                   {want(C::foF2, 3.3, 0.1), want(C::fxI, 3.8, 0.1)}});
    // The same copy 4-6 km higher, its ordinary trace broken off just short of 0.15 MHz below its
    // cusp (lost where it crosses the vertical extraordinary trace): the copy's extraordinary
    // trace is what the vertical ones rise under.
    for (const std::pair<double, double>& broken : {std::pair{4.0, 3.55}, std::pair{6.0, 3.57}}) {
        const double extra = broken.first;
        const double broken_to = broken.second;
        all.push_back({"a copy's ordinary trace broken off below its cusp, " +
                           std::to_string(static_cast<int>(extra)) + " km",
                       [extra, broken_to] {
                           const double above = night_f2(3.175) - night_f2(2.825) + extra;
                           const Curve shifted = [above](double f) {
                               return night_f2(f - 0.35) + above;
                           };
                           SoundingBuilder builder = night(0.025);
                           builder.trace(1.65, 3.65, shifted, 160, 0.5, false)
                               .fade(3.46, broken_to, shifted(3.46) - 3, shifted(broken_to) + 3);
                           return builder.build();
                       },
                       {want(C::foF2, 3.3, 0.1), want(C::fxI, 3.8, 0.1)}});
    }
    // A copy 0.25 MHz beyond and 30 km higher, the vertical extraordinary cusp behind a pair of
    // lines: the vertical ordinary cusp, rising under the copy's and past it, is the pair's, its
    // twin behind the lines.
    all.push_back(
        {"the vertical extraordinary cusp behind lines under a copy",
         [] {
             const Curve shifted = [](double f) { return night_f2(f - 0.25) + 30; };
             SoundingBuilder builder = night(0.05);
             builder.trace(1.55, 3.55, shifted, 160, 0.5, false).line(3.75, 90).line(3.8, 90);
             return builder.build();
         },
         {want(C::foF2, 3.3, 0.1), want(C::fxI, 3.8, 0.1)}});
    // A range spread: a line of the same echo 10 km below the trace ends 0.3 MHz before it, with
    // its twin. The cusp pair of the lower line is no vertical pair under an oblique copy: its
    // own trace runs alongside the upper one's.
    all.push_back({"a lower line of a range spread ending before the trace",
                   [] {
                       const Curve lower = [](double f) { return night_f2(f + 0.3) - 10; };
                       SoundingBuilder builder = night(0.05);
                       builder.trace(1.3, 3.0, lower, 150);
                       return builder.build();
                   },
                   {right_or_nothing(C::foF2, 3.3, 0.1)}});
    // A pulse of 45 km (ten cells): a sporadic E's flat echo is that tall all along, which is no
    // E cusp; its second hop covers the start of the F trace at night.
    all.push_back({"a night sporadic E under a long pulse",
                   [] {
                       SoundingBuilder builder(0.05);
                       builder.pulse_length(10).noise(20).trace(1.3, 3.3, night_f2, 220);
                       builder.sporadic_e(1.3, 2.6, 108, 200);
                       return builder.build();
                   },
                   {nothing(C::foE), want(C::foEs, 2.6, 0.1),
                    want(C::hF, lowest_height(night_f2, 1.3, 3.3), 10), want(C::foF2, 3.3, 0.1)}});
    all.push_back(
        {"a day with a sporadic E under a long pulse",
         [] {
             SoundingBuilder builder(0.05);
             builder.pulse_length(10).noise(15).trace(2.0, 3.3, day_e, 230);
             builder.trace(3.32, 8.0, day_f2, 230).sporadic_e(1.5, 5.0, 110, 200);
             return builder.build();
         },
         {want(C::foE, 3.3, 0.1), want(C::foEs, 5.0, 0.15),
          right_or_nothing(C::hF, lowest_height(day_f2, 3.32, 8.0), 10), want(C::foF2, 8.0, 0.1)}});
    // A sporadic E's second hop under a long pulse is a band from 224 to 269 km, over the F
    // trace's base (252 km): the trace is seen first where it rises out of the band, and that
    // height is no h'F. Under a short pulse the band ends below the base, which shows.
    for (const int pulse : {10, 4})
        all.push_back(
            {"an F trace's base inside a sporadic E's second hop, pulse " + std::to_string(pulse),
             [pulse] {
                 SoundingBuilder builder(0.05);
                 builder.pulse_length(pulse).noise(15).trace(2.0, 3.3, day_e, 230);
                 builder.trace(3.32, 8.0, raised_day_f2, 230).sporadic_e(1.5, 7.0, 112, 200);
                 return builder.build();
             },
             {pulse > 4 ? nothing(C::hF) : want(C::hF, lowest_height(raised_day_f2, 3.32, 8.0), 10),
              want(C::foF2, 8.0, 0.1)}});
    // Under a long pulse the ordinary trace's echo trails over its twin's near the cusps: where
    // the trace itself runs within that pulse below, the twin is not looked for.
    for (const double foF2 : {3.3, 5.0, 8.0})
        all.push_back({"a measured pair under a long pulse, foF2 " + std::to_string(foF2),
                       [foF2] {
                           SoundingBuilder builder(0.05);
                           builder.pulse_length(10).noise(15).trace(
                               1.5, foF2, layer_curve(230, foF2, 40), 230);
                           return builder.build();
                       },
                       {want(C::foF2, foF2, 0.1), want(C::fxI, foF2 + 0.5, 0.1)}});
    // Rows of impulsive noise: a single cell at one height over several MHz, one of them crossing
    // the vertical extraordinary trace. Joined to it, it carried the trace on to its own end.
    for (const double height : {380.0, 299.0})
        all.push_back({"a row of noise from the cusp on at " + std::to_string(height) + " km",
                       [height] {
                           SoundingBuilder builder = night(0.05);
                           for (double f = 3.6; f < 12.0; f += 0.05)
                               builder.cell(f, height, 90);
                           for (double f = 5.0; f < 9.0; f += 0.05)
                               builder.cell(f, 230, 90);
                           return builder.build();
                       },
                       {want(C::foF2, 3.3, 0.1), want(C::fxI, 3.8, 0.1),
                        want(C::muf3000F2, largest_muf(night_f2, 1.3, 3.3), 0.3)}});
    // A weaker pair above the vertical one ending at lower frequencies, the same separation
    // apart: its traces run above the vertical ones, so it is no vertical pair below an oblique
    // copy.
    all.push_back({"a pair above the vertical one and below it in frequency",
                   [] {
                       SoundingBuilder builder(0.05);
                       builder.noise(20)
                           .trace(1.3, 3.3, night_f2, 220, 0.8)
                           .trace(1.3, 3.0, layer_curve(255, 3.0, 40), 120, 0.8);
                       return builder.build();
                   },
                   {want(C::foF2, 3.3, 0.1), want(C::fxI, 4.1, 0.1)}});
    // The extraordinary trace broken for two columns 0.3 MHz below its cusp: the piece before
    // the gap ends rising like a cusp, and the ordinary trace passes at its height the separation
    // below. With no cusp and no line there, that is no vertical pair under an oblique copy.
    for (const double thickness : {40.0, 60.0})
        all.push_back({"an extraordinary trace broken below its cusp, thickness " +
                           std::to_string(static_cast<int>(thickness)),
                       [thickness] {
                           SoundingBuilder builder(0.05);
                           builder.noise(20)
                               .trace(1.3, 3.9, layer_curve(280, 3.9, thickness), 220)
                               .absorb(4.05, 4.15);
                           return builder.build();
                       },
                       {want(C::foF2, 3.9, 0.1), want(C::fxI, 4.4, 0.1)}});
    // A night sporadic E to 3.4 MHz, and a piece of a band at E heights turning up like a cusp
    // far beyond foF2: no E layer's cusp lies beyond the F traces, so the piece neither stands
    // for an E layer's twin nor makes the sporadic E its trace.
    for (const double far : {12.0, 16.1})
        all.push_back({"a piece turning up at E heights far beyond foF2, at " +
                           std::to_string(far).substr(0, 4),
                       [far] {
                           SoundingBuilder builder(0.05);
                           builder.noise(20)
                               .trace(1.3, 5.0, layer_curve(250, 5.0, 40), 220)
                               .sporadic_e(1.3, 3.4, 100, 200)
                               .trace(far - 0.2, far, layer_curve(105, far, 5), 200, 0, false);
                           return builder.build();
                       },
                       {nothing(C::foE), want(C::foEs, 3.4, 0.1), want(C::foF2, 5.0, 0.1)}});
    // Both traces broken for 0.1 MHz the separation apart, 0.25 MHz or so below their cusps, at
    // 0.025 MHz: each piece before a gap ends rising like a cusp, one pulse tall, where no trace
    // stands vertical. That pair of pieces is no vertical pair under an oblique copy.
    for (const std::pair<double, double>& drawing :
         std::vector<std::pair<double, double>>{{60, 4.1}, {80, 4.05}}) {
        const double thickness = drawing.first;
        const double gap = drawing.second;
        all.push_back({"both traces broken below their cusps, thickness " +
                           std::to_string(static_cast<int>(thickness)),
                       [thickness, gap] {
                           SoundingBuilder builder(0.025);
                           builder.noise(20)
                               .trace(1.3, 3.9, layer_curve(280, 3.9, thickness), 220)
                               .absorb(gap - 0.501, gap - 0.399)
                               .absorb(gap - 0.001, gap + 0.101);
                           return builder.build();
                       },
                       {want(C::foF2, 3.9, 0.1), want(C::fxI, 4.4, 0.1)}});
    }
    // A sweep of 0.2 MHz samples the F trace at its columns only: where the trace climbs by three
    // cells or more from its lowest sample to the next, its lowest height lies between samples,
    // unseen; where it runs flat there, the lowest sample tells it.
    for (const double thickness : {20.0, 150.0})
        all.push_back({"an F trace sampled every 0.2 MHz, layer thickness " +
                           std::to_string(static_cast<int>(thickness)) + " km",
                       [thickness] {
                           SoundingBuilder builder(0.2);
                           builder.noise(15);
                           const Curve f2 = layer_curve(230, 2.5, thickness);
                           for (double f = 1.4; f < 2.45; f += 0.2)
                               for (int k = 0; k < 5; ++k)
                                   builder.cell(f, f2(f) + 4.5 * k, 200 - 30 * k);
                           return builder.build();
                       },
                       {thickness > 100 ? nothing(C::hF)
                                        : want(C::hF, layer_curve(230, 2.5, thickness)(1.4), 5)}});
    // At dawn the trace's lowest sample stands alone, the next one 3 cells higher and sustained
    // by it: the lowest height lies about the lower one, unseen, and the sustained one is no h'F.
    // Nor where the sustained lowest sample's other neighbour lies 4 cells higher.
    using Samples = std::vector<std::pair<double, int>>;
    for (const auto& sampled :
         {std::pair<std::string, Samples>{"its lowest sample alone",
                                          {{2.2, 62}, {2.4, 65}, {2.8, 66}, {3.0, 72}, {3.2, 80}}},
          std::pair<std::string, Samples>{
              "climbing 4 cells from its lowest sample",
              {{1.4, 51}, {1.6, 50}, {1.8, 54}, {2.0, 60}, {2.2, 68}}}}) {
        const Samples rows = sampled.second;
        all.push_back({"an F trace sampled every 0.2 MHz, " + sampled.first,
                       [rows] {
                           SoundingBuilder builder(0.2);
                           builder.noise(15);
                           for (const auto& [f, row] : rows)
                               for (int k = 0; k < 5; ++k)
                                   builder.cell(f, height_of(row + k), 200 - 30 * k);
                           return builder.build();
                       },
                       {nothing(C::hF)}});
    }
    // A range spread of lines, each with its twin, ending about the vertical pair: among so many
    // cusps the pair is only one choice, and foF2 is the vertical trace's or nothing.
    struct Line {
        double beyond, above;
    };
    const std::vector<std::vector<Line>> spreads = {{{0.1, 8}, {0.2, 16}, {0.3, 24}},
                                                    {{0.15, 10}, {-0.2, 20}, {0.3, -15}},
                                                    {{0.25, 20}, {-0.15, -10}, {0.4, 30}}};
    for (std::size_t k = 0; k < spreads.size(); ++k) {
        const std::vector<Line> lines = spreads[k];
        all.push_back({"a range spread of lines about the pair " + std::to_string(k + 1),
                       [lines] {
                           SoundingBuilder builder = night(0.05);
                           for (const Line& line : lines) {
                               const Curve height = [line](double f) {
                                   return night_f2(f - line.beyond) + line.above;
                               };
                               builder.trace(1.3 + line.beyond, 3.3 + line.beyond, height, 150, 0.5,
                                             false);
                           }
                           return builder.build();
                       },
                       {right_or_nothing(C::foF2, 3.3, 0.1), right_or_nothing(C::fxI, 3.8, 0.1)}});
    }
    // A narrow-band transmitter heard in one column of the rising extraordinary trace, from
    // 150 km below it up into it: the MUF is read off the trace, not off the transmitter.
    all.push_back(
        {"a transmitter below the rising trace",
         [] {
             SoundingBuilder builder = night();
             for (double h = 190; h <= 420; h += 4.5)
                 builder.cell(3.7, h, 200);
             return builder.build();
         },
         {want(C::foF2, 3.3, 0.1), want(C::muf3000F2, largest_muf(night_f2, 1.3, 3.3), 0.3)}});
    // Strong noise alone, up to a third of the range: no echo stands out of it.
    all.push_back({"strong noise alone",
                   [] { return SoundingBuilder().noise(90).build(); },
                   {nothing(C::fmin), nothing(C::foF2), nothing(C::hF)}});
    // Impulsive noise in rows: one across the day's F heights 15 km below the trace's foot, over
    // 5 MHz, one or two cells tall (a single cell is dropped before tracing, two are left to the
    // trace's envelope); a short flat burst 20 km below it beyond the start of the trace. h'F
    // stays on the trace.
    for (const int cells : {1, 2})
        all.push_back(
            {"a row of noise below the day's F trace, " + std::to_string(cells) + " cells tall",
             [cells] {
                 SoundingBuilder builder = day(0.05);
                 const double below = lowest_height(day_f2, 3.32, 8.0) - 15;
                 for (double f = 3.6; f <= 8.6; f += 0.05)
                     for (int k = 0; k < cells; ++k)
                         builder.cell(f, below + 4.5 * k, 200);
                 return builder.build();
             },
             {want(C::hF, lowest_height(day_f2, 3.32, 8.0), 5)}});
    all.push_back(
        {"a short flat burst beyond the start of the day's F trace",
         [] {
             SoundingBuilder builder = day(0.05);
             const double below = lowest_height(day_f2, 3.32, 8.0) - 20;
             // Its leading edge a cell higher at its end, as bursts come.
             for (double f = 6.5; f <= 6.75; f += 0.05)
                 builder.cell(f, f < 6.62 ? below : below + 4.5, 200).cell(f, below + 9, 200);
             return builder.build();
         },
         {want(C::hF, lowest_height(day_f2, 3.32, 8.0), 5)}});
    // Pieces of a row of noise far beyond foF2, each shorter than a row (2 MHz, gaps between),
    // and a two-column burst beside a line reaching from the trace down 40 km below it: neither
    // is the F trace's lowest echo.
    all.push_back({"pieces of a row of noise far beyond foF2",
                   [] {
                       SoundingBuilder builder = day(0.05);
                       const double below = lowest_height(day_f2, 3.32, 8.0) - 20;
                       for (const double start : {10.0, 12.3, 14.6})
                           for (double f = start; f <= start + 2.0; f += 0.05)
                               builder.cell(f, below, 200);
                       return builder.build();
                   },
                   {want(C::hF, lowest_height(day_f2, 3.32, 8.0), 5)}});
    all.push_back({"a burst beside a line below the day's F trace",
                   [] {
                       SoundingBuilder builder = day(0.05);
                       const double below = lowest_height(day_f2, 3.32, 8.0) - 40;
                       for (const double f : {6.3, 6.35})
                           for (double h = below; h <= day_f2(f); h += 4.5)
                               builder.cell(f, h, 200);
                       builder.line(6.4, 120);
                       return builder.build();
                   },
                   {want(C::hF, lowest_height(day_f2, 3.32, 8.0), 5)}});
    // A sounder without the extraordinary wave: the one cusp is foF2. With both waves, where an
    // absorption takes the ordinary cusp and the trace below it, the lone extraordinary piece
    // must not pass for it.
    all.push_back({"night without the extraordinary wave",
                   [] {
                       SoundingBuilder builder;
                       builder.noise(20).trace(1.3, 3.3, night_f2, 220, 0);
                       return builder.build();
                   },
                   {want(C::foF2, 3.3, 0.1), nothing(C::fxI),
                    want(C::hF, lowest_height(night_f2, 1.3, 3.3), 5)}});
    all.push_back(
        {"day without the extraordinary wave",
         [] {
             SoundingBuilder builder(0.05);
             builder.noise(15).trace(2.0, 3.3, day_e, 230, 0).trace(3.32, 8.0, day_f2, 230, 0);
             return builder.build();
         },
         {want(C::foF2, 8.0, 0.1), nothing(C::fxI)}});
    // A row of noise at 330 km from 6 to 9 MHz ending in a burst as tall as a cusp, far beyond a
    // night trace of both waves: the burst is no cusp of a sounder without the extraordinary wave.
    all.push_back({"a row of noise ending in a burst",
                   [] {
                       SoundingBuilder builder = night();
                       for (double f = 6.0; f <= 9.0; f += 0.025)
                           builder.cell(f, 330, 200);
                       // One stray echo below it: no rise of the row.
                       builder.cell(8.0, 267, 200);
                       for (double h = 330; h <= 420; h += 4.5)
                           builder.cell(9.025, h, 200).cell(9.05, h, 200);
                       return builder.build();
                   },
                   {right_or_nothing(C::foF2, 3.3, 0.1)}});
    all.push_back({"both waves, the ordinary cusp absorbed",
                   [] {
                       SoundingBuilder builder = night();
                       builder.absorb(2.3, 3.3);
                       return builder.build();
                   },
                   {right_or_nothing(C::foF2, 3.3, 0.1)}});
    // A lone spike of echoes 30 km below the start of the trace in one column: h'F stays on the
    // trace.
    all.push_back({"a spike below the trace in one column",
                   [] {
                       SoundingBuilder builder = night();
                       for (double h = 212; h <= 248; h += 4.5)
                           builder.cell(1.35, h, 200);
                       return builder.build();
                   },
                   {want(C::hF, lowest_height(night_f2, 1.3, 3.3), 5)}});
    // A row of impulsive noise broken every 0.8 MHz by 0.15 MHz without it, 20 km below the day's
    // F1 and F2 traces from 4 to 7 MHz: still a row, and h'F stays on the F1 trace.
    all.push_back({"a row of noise with gaps below the day's traces",
                   [] {
                       SoundingBuilder builder = f1_day(0.05);
                       for (double f = 4.0; f < 7.0; f += 0.05)
                           if (std::fmod(f - 4.0 + 1e-6, 0.8) >= 0.15)
                               builder.cell(f, 200, 90);
                       return builder.build();
                   },
                   {want(C::hF, lowest_height(f1_trace, 3.32, 4.8), 5)}});
    // A burst joined to the day's F1 trace from below in two columns, reaching 20-25 km under
    // it (four or five cells): no layer dips so sharply, and h'F stays on the trace.
    for (const double under : {20.0, 25.0})
        all.push_back({"a burst " + std::to_string(static_cast<int>(under)) +
                           " km below the F1 trace in two columns",
                       [under] {
                           SoundingBuilder builder = f1_day(0.05);
                           for (const double f : {4.0, 4.05})
                               for (double h = f1_trace(f) - under; h <= f1_trace(f); h += 4.5)
                                   builder.cell(f, h, 200);
                           return builder.build();
                       },
                       {want(C::hF, lowest_height(f1_trace, 3.32, 4.8), 5)}});
}

std::vector<Case> cases() {
    std::vector<Case> all;
    all.push_back({"night", [] { return night().build(); }, night_answers()});
    all.push_back({"night at 0.05 MHz", [] { return night(0.05).build(); }, night_answers()});
    all.push_back({"night at 0.1 MHz", [] { return night(0.1).build(); }, night_answers()});
    for (const double step : {0.025, 0.05, 0.1})
        all.push_back(
            {"day without F1 at " + std::to_string(step) + " MHz",
             [step] { return day(step).build(); },
             day_answers(lowest_height(day_f2, 3.32, 8.0), largest_muf(day_f2, 3.32, 8.0))});
    all.push_back(
        {"blanketing sporadic E",
         [] {
             SoundingBuilder builder;
             builder.noise(20)
                 .trace(1.3, 4.0, blanketed_f2, 220)
                 .sporadic_e(1.3, 3.0, 105, 245, 2.5);
             return builder.build();
         },
         {want(C::fmin, 1.3, 0.1), want(C::foEs, 3.0, 0.2), want(C::hEs, 105, 5),
          want(C::fbEs, 2.5, 0.2), want(C::foF2, 4.0, 0.1), want(C::fxI, 4.5, 0.1),
          // What the picture shows: the F trace from where the sporadic E lets it through.
          want(C::hF, lowest_height(blanketed_f2, 2.5, 4.0), 5), nothing(C::foE), nothing(C::hE),
          nothing(C::foF1)}});
    all.push_back({"spread F",
                   [] {
                       SoundingBuilder builder = night();
                       builder.spread(1.3, 3.3, night_f2, 60, 0.3, 150);
                       return builder.build();
                   },
                   {want(C::fmin, 1.3, 0.1), right_or_nothing(C::foF2, 3.3, 0.2), nothing(C::foE),
                    nothing(C::foEs), nothing(C::foF1)}});
    // Spread F speckled over the extraordinary trace's last 0.8 MHz, up to 150 km above it, and a
    // little beyond its cusp: the speckle lies about the twins, not beyond them, and no cusp read
    // there is sure.
    all.push_back(
        {"spread F speckled about the twins",
         [] {
             const Curve x_trace = [](double f) { return night_f2(f - 0.5); };
             SoundingBuilder builder = night(0.05);
             builder.spread(3.0, 3.8, x_trace, 150, 0.1, 150);
             return builder.build();
         },
         {want(C::fmin, 1.3, 0.1), nothing(C::foF2), nothing(C::fxI), nothing(C::muf3000F2)}});
    {
        std::vector<Expect> answers = night_answers();
        all.push_back({"interference lines and a noise band",
                       [] {
                           SoundingBuilder builder = night();
                           builder.line(2.5, 70).line(3.0, 90).line(7.25, 90).noise(60, 7.0, 9.0);
                           return builder.build();
                       },
                       answers});
    }
    all.push_back(
        {"trace cut by absorption",
         [] {
             SoundingBuilder builder = day();
             builder.absorb(5.0, 6.5);
             return builder.build();
         },
         day_answers(std::min(lowest_height(day_f2, 3.32, 5.0), lowest_height(day_f2, 6.5, 8.0)),
                     largest_muf(day_f2, 6.5, 8.0))});
    add_layer_cases(all);
    add_guard_cases(all);
    {
        std::vector<Expect> none;
        for (const C c : all_characteristics)
            none.push_back(nothing(c));
        all.push_back({"empty file", [] { return SoundingBuilder().build(); }, none});
        all.push_back(
            {"a single echo", [] { return SoundingBuilder().cell(5.0, 300, 200).build(); }, none});
        all.push_back({"noise alone", [] { return SoundingBuilder().noise(40).build(); }, none});
    }
    return all;
}

class AutoscaleCase : public ::testing::TestWithParam<Case> {};

TEST_P(AutoscaleCase, ReadsWhatThePictureShows) {
    const Case& c = GetParam();
    const Proposals proposals = propose(c.sounding());
    for (const Expect& e : c.expected) {
        const auto& proposal = proposals[e.characteristic];
        const std::string what = std::string(name_of(e.characteristic));
        switch (e.kind) {
        case Expect::none:
            EXPECT_FALSE(proposal) << what << " proposed " << proposal->value;
            break;
        case Expect::value:
            ASSERT_TRUE(proposal) << what << " not proposed";
            EXPECT_NEAR(proposal->value, e.expected, e.tolerance) << what;
            break;
        case Expect::value_or_none:
            if (proposal) {
                EXPECT_NEAR(proposal->value, e.expected, e.tolerance) << what;
            }
            break;
        }
        if (proposal) {
            // The point it was read from lies on the plot and gives the value back.
            EXPECT_GE(proposal->x, 0) << what;
            EXPECT_LE(proposal->x, 764) << what;
            EXPECT_GE(proposal->y, 0) << what;
            EXPECT_LE(proposal->y, 600) << what;
            EXPECT_GT(proposal->confidence, 0) << what;
            EXPECT_LE(proposal->confidence, 1) << what;
        }
    }
    // h'E is the height of the E trace that foE ends: never shown without it.
    if (proposals[C::hE]) {
        EXPECT_TRUE(proposals[C::foE]) << "h'E without foE";
    }
}

INSTANTIATE_TEST_SUITE_P(Soundings, AutoscaleCase, ::testing::ValuesIn(cases()),
                         scalvo::testing::param_name);

} // namespace

namespace {

// At 0.2 MHz the cusps of a pair 0.5 MHz apart fall on columns 0.4 or 0.6 MHz apart: the trace
// read with either puts the MUF's samples a step off, so the station's separation holds within
// a step of it.
TEST(CoarseSweep, TheSeparationWithinAStepIsTheStations) {
    for (const double foF2 : {3.25, 3.3, 3.35, 3.65}) {
        SoundingBuilder builder(0.2);
        builder.noise(20).trace(1.3, foF2, layer_curve(240, foF2, 40), 220);
        const FLayers f = read_f_layers(make_scene(find_echoes(builder.build())));
        EXPECT_NEAR(f.separation, 0.5, 1e-9) << foF2;
    }
}

} // namespace

namespace {

// At 0.2 MHz the twins' echoes merge up to a step or two from their cusps, so no trace pairs
// tell the separation: the pair is read column by column, each cusp within the step above the
// last column of its trace. A sounder samples each column at its frequency; at a trace's last
// column before its cusp the echo stands tall (`standing` cells). A line just beyond the
// extraordinary trace may hide its cusp, and one just beyond the ordinary trace's last column the
// ordinary cusp: where the extraordinary trace shows on both sides of the line, the ordinary cusp
// lies the station's separation below the extraordinary one, within a step of the line, unless
// its echo before the line has risen as high as the extraordinary cusp. F echoes running on
// beyond the extraordinary trace (at `beyond` km) may be a higher layer's trace, whose cusp the
// pair's is not. An extraordinary trace fading out (`x_end` MHz beyond foF2) a step beyond the
// ordinary cusp ends before its own cusp. A lone faint cell a step beyond the extraordinary trace
// (`lone`) is no echo of it.
Ionogram sampled_pair(double foF2, const std::vector<double>& lines, double beyond = 0,
                      double x_end = 0.5, int standing = 12, bool lone = false) {
    SoundingBuilder builder(0.2);
    builder.noise(20);
    const Curve f2 = layer_curve(240, foF2, 40);
    for (double f = 1.4; f < foF2 + 0.5; f += 0.2)
        for (const double shift : {0.0, 0.5}) {
            if (f - shift < 1.3 || f - shift >= foF2 || (shift > 0 && f >= foF2 + x_end))
                continue;
            // Cells the echo covers: longer towards the cusp.
            const bool last = f - shift + 0.2 >= foF2;
            const int cells =
                last ? (shift > 0 ? 12 : standing) : (f - shift + 0.4 >= foF2 ? 8 : 5);
            const double h = f2(f - shift);
            for (int k = 0; k < cells; ++k)
                builder.cell(f, h + 4.5 * k, std::max((shift > 0 ? 120 : 200) - 10 * k, 40));
            if (lone && last && shift > 0)
                builder.cell(f + 0.2, h + 4.5 * cells, 40);
        }
    for (const double line : lines)
        builder.line(line, 90);
    for (double f = foF2 + 0.5; f < foF2 + 1.1 && beyond > 0; f += 0.2)
        for (int k = 0; k < 5; ++k)
            builder.cell(f, beyond + 4.5 * k, 150 - 10 * k);
    return builder.build();
}

// A winter night at 0.2 MHz, the twins 0.6 MHz apart, a station's line at 4.0 MHz just beyond
// the ordinary trace's last column (3.8 MHz). Its echo there standing as high as the
// extraordinary cusp's, the ordinary trace stood vertical in that column: the cusp is there. Lower,
// the trace rose on behind the line: the cusp is read the station's separation below the
// extraordinary one, within the step. A second line beyond may hide it further: nothing.
TEST(CoarseSweep, TheOrdinaryEchoBeforeALine) {
    struct Echo {
        double f;
        int low, high;
    };
    struct Sounding {
        int ordinary_low; // the ordinary echo at 3.8 MHz, 10 cells
        bool second_line;
        std::optional<double> foF2;
    };
    for (const Sounding& s :
         {Sounding{98, false, 3.9}, Sounding{70, false, 4.0}, Sounding{98, true, std::nullopt}}) {
        const std::vector<Echo> echoes = {
            {1.2, 34, 36}, {1.2, 39, 41}, {1.4, 35, 45}, {1.6, 36, 46},
            {1.8, 38, 49}, {2.0, 34, 49}, {2.2, 36, 51}, {2.4, 37, 52},
            {2.8, 40, 55}, {3.0, 41, 59}, {3.2, 43, 62}, {3.4, 44, 69},
            {3.6, 47, 56}, {3.6, 64, 80}, {3.8, 50, 60}, {3.8, s.ordinary_low, s.ordinary_low + 9},
            {4.2, 63, 78}, {4.4, 82, 106}};
        SoundingBuilder builder(0.2);
        builder.noise(20);
        for (const Echo& echo : echoes)
            for (int row = echo.low; row <= echo.high; ++row)
                builder.cell(echo.f, height_of(row), 200);
        builder.line(2.6, 120).line(4.0, 120);
        if (s.second_line)
            builder.line(4.2, 120);
        const Proposals p = read_sounding(builder.build()).proposals;
        ASSERT_EQ(p[C::foF2].has_value(), s.foF2.has_value()) << s.ordinary_low;
        if (s.foF2) {
            EXPECT_NEAR(p[C::foF2]->value, *s.foF2, 0.01) << s.ordinary_low;
        }
    }
}

// A night sampled every 0.5 MHz, the station's twins 0.5 MHz apart: a column apart at their
// cusps. Each column covers a band of the sweep, over which a trace climbs the steeper the nearer
// its cusp: the last echo of each trace stands taller the nearer its cusp lies above it. The
// ordinary trace's last echo stands apart above the extraordinary trace, as high as the
// extraordinary trace's last echo a column on; or, a line beyond hiding the extraordinary cusp,
// in the last column (nothing for fxI). Both twins merged into a tall last echo with a line
// beyond: the ordinary cusp well short of its own. The ordinary echo merged into the column
// before the extraordinary trace's last echo: only a guess, the station's separation below the
// extraordinary cusp, for the day to confirm. Neither the ordinary echo standing alone in
// the last column, nor a trace thickened all along (a spread), nor echoes running on beyond a
// gap are read, nor the last echoes of an oblique copy standing a little above the trace, nor
// those of a copy apart above an extraordinary echo standing tall at a cusp of its own, nor (a
// guess) a lone extraordinary echo far fainter than the trace. A spread shows in a trace of four
// columns thickened a little, in a night's short trace of two only where it thickens it further.
TEST(CoarsestSweep, EachCuspByHowTallItsLastEchoStands) {
    struct Echo {
        double f;
        int low, high;
        int amplitude = 200;
    };
    struct Sounding {
        std::string name;
        std::vector<Echo> last; // the last columns' echoes, beyond 3.0 MHz
        std::vector<double> lines;
        std::optional<double> foF2, fxI;
        int thickness = 0; // cells added to each echo up to 3.0 MHz
        std::optional<double> guess = std::nullopt;
        bool copy = false; // an oblique copy 5 cells above the trace up to 3.0 MHz
        double from = 1.5; // the trace's first column (a night's short trace)
    };
    const std::vector<Sounding> soundings = {
        {"apart, a pulse tall", {{3.5, 49, 54}, {3.5, 58, 65}, {4.0, 58, 65}}, {}, 3.83, 4.33},
        {"apart, standing tall", {{3.5, 49, 54}, {3.5, 58, 73}, {4.0, 58, 73}}, {}, 3.53, 4.03},
        {"apart, twice a pulse", {{3.5, 49, 54}, {3.5, 58, 68}, {4.0, 58, 68}}, {}, 3.58, 4.08},
        {"the extraordinary echo standing broken up",
         {{3.5, 49, 54}, {3.5, 58, 80}, {4.0, 58, 76}, {4.0, 79, 84}},
         {},
         3.53,
         4.03},
        {"the same before a line",
         {{3.5, 49, 54}, {3.5, 58, 80}, {4.0, 58, 76}, {4.0, 79, 84}},
         {4.5},
         std::nullopt,
         std::nullopt},
        {"apart, the extraordinary echo below standing tall at a cusp of its own",
         {{3.5, 49, 62}, {3.5, 66, 73}, {4.0, 66, 73}},
         {},
         std::nullopt,
         std::nullopt},
        {"apart, not as high as the last echo",
         {{3.5, 49, 54}, {3.5, 58, 65}, {4.0, 66, 73}},
         {},
         std::nullopt,
         std::nullopt},
        {"apart in the last column before a line",
         {{3.5, 49, 54}, {3.5, 60, 72}},
         {4.0},
         3.58,
         std::nullopt},
        {"apart in the last column, nothing beyond",
         {{3.5, 49, 54}, {3.5, 60, 72}},
         {},
         std::nullopt,
         std::nullopt},
        {"merged before a line", {{3.5, 47, 59}}, {4.0}, 3.8, std::nullopt},
        {"the same, the echo before taller", {{3.5, 47, 57}}, {4.0}, std::nullopt, std::nullopt, 3},
        {"thin twins high above", {{3.5, 49, 54}, {3.5, 85, 88}, {4.0, 85, 88}}, {}, 3.46, 3.96},
        {"merged in the column before",
         {{3.5, 48, 57}, {4.0, 52, 58}},
         {},
         std::nullopt,
         std::nullopt,
         0,
         3.83},
        {"the same before a line", {{3.5, 48, 57}, {4.0, 52, 58}}, {4.5}, {}, {}, 0, 3.83},
        {"the same, the last echo far fainter than the trace",
         {{3.5, 48, 57}, {4.0, 52, 58, 70}},
         {},
         std::nullopt,
         std::nullopt},
        {"the same, the last echo taller than a pulse before a line",
         {{3.5, 48, 60}, {4.0, 52, 60}},
         {4.5},
         std::nullopt,
         std::nullopt},
        {"the echo before too low to hold the twin",
         {{3.5, 48, 54}, {4.0, 52, 58}},
         {},
         std::nullopt,
         std::nullopt},
        {"merged, standing tall, no line beyond", {{3.5, 47, 59}}, {}, {}, {}, 0, 3.08},
        {"a spread all along",
         {{3.5, 49, 54}, {3.5, 58, 65}, {4.0, 58, 65}},
         {},
         std::nullopt,
         std::nullopt,
         9},
        {"a modest spread all along",
         {{3.5, 49, 54}, {3.5, 58, 65}, {4.0, 58, 65}},
         {},
         std::nullopt,
         std::nullopt,
         5},
        {"a short trace, a pulse tall",
         {{3.5, 49, 54}, {3.5, 58, 65}, {4.0, 58, 65}},
         {},
         3.83,
         4.33,
         0,
         std::nullopt,
         false,
         2.5},
        {"a short trace thickened (a spread)",
         {{3.5, 49, 54}, {3.5, 58, 65}, {4.0, 58, 65}},
         {},
         std::nullopt,
         std::nullopt,
         4,
         std::nullopt,
         false,
         2.5},
        {"an oblique copy above the trace",
         {{3.5, 49, 54}, {3.5, 58, 65}, {4.0, 58, 65}},
         {},
         std::nullopt,
         std::nullopt,
         0,
         std::nullopt,
         true},
        {"echoes beyond a gap",
         {{3.5, 49, 54}, {3.5, 58, 65}, {4.0, 58, 65}, {5.0, 70, 76}},
         {},
         std::nullopt,
         std::nullopt},
    };
    for (const Sounding& s : soundings) {
        std::vector<Echo> echoes = {{1.5, 36, 41}, {2.0, 36, 44}, {2.5, 40, 49}, {3.0, 44, 54}};
        std::erase_if(echoes, [&](const Echo& echo) { return echo.f < s.from - 1e-9; });
        for (Echo& echo : echoes)
            echo.high += s.thickness;
        const std::size_t trace = echoes.size();
        for (std::size_t k = 0; k < trace && s.copy; ++k)
            echoes.push_back({echoes[k].f, echoes[k].high + 5, echoes[k].high + 10});
        echoes.insert(echoes.end(), s.last.begin(), s.last.end());
        SoundingBuilder builder(0.5);
        builder.noise(20);
        for (const Echo& echo : echoes)
            for (int row = echo.low; row <= echo.high; ++row)
                builder.cell(echo.f, height_of(row), echo.amplitude);
        for (const double line : s.lines)
            builder.line(line, 120);
        const Reading r = read_sounding(builder.build());
        const Proposals& p = r.proposals;
        ASSERT_EQ(p[C::foF2].has_value(), s.foF2.has_value()) << s.name;
        ASSERT_EQ(p[C::fxI].has_value(), s.fxI.has_value()) << s.name;
        ASSERT_EQ(r.f_trace.guessed.has_value(), s.guess.has_value()) << s.name;
        if (s.guess) {
            EXPECT_TRUE(r.f_trace.guessed->coarse) << s.name;
            EXPECT_NEAR(r.f_trace.guessed->foF2.value, *s.guess, 1e-6) << s.name;
        }
        if (s.foF2) {
            EXPECT_NEAR(p[C::foF2]->value, *s.foF2, 1e-6) << s.name;
        }
        if (s.fxI) {
            EXPECT_NEAR(p[C::fxI]->value, *s.fxI, 1e-6) << s.name;
        }
        // The transmission curve is not told by samples this sparse.
        EXPECT_FALSE(p[C::muf3000F2].has_value()) << s.name;
    }
}

// The E trace sampled every 0.2 MHz, its twin 0.5 MHz beyond: as for the F pair, its cusp lies
// within the step above the column where the trace turns up, and is read half a step above it.
TEST(CoarseSweep, FoEWithinTheStepAboveTheETrace) {
    for (const double foE : {3.1, 3.15, 3.35}) {
        SoundingBuilder builder(0.2);
        builder.noise(15);
        const Curve e = layer_curve(100, foE, 10);
        for (double f = 1.6; f < foE + 0.5; f += 0.2)
            for (const double shift : {0.0, 0.5}) {
                if (f - shift < 1.5 || f - shift >= foE)
                    continue;
                const int cells = f - shift + 0.2 >= foE ? 10 : 4;
                for (int k = 0; k < cells; ++k)
                    builder.cell(f, e(f - shift) + 4.5 * k, shift > 0 ? 120 : 220);
            }
        builder.trace(foE + 0.02, 8.0, layer_curve(205, 8.0, 80, foE, 12), 230);
        const Proposals p = propose(builder.build());
        ASSERT_TRUE(p[C::foE]) << foE;
        EXPECT_NEAR(p[C::foE]->value, foE, 0.1 + 1e-6) << foE;
    }
}

TEST(CoarseSweep, ThePairReadColumnByColumn) {
    struct Sounding {
        double foF2;
        std::vector<double> lines; // MHz
        double beyond;
        bool foF2_read, fxI_read;
        double x_end = 0.5;
        int standing = 12;
        bool lone = false;
    };
    for (const Sounding& s :
         {Sounding{3.25, {}, 0, true, true}, Sounding{3.3, {}, 0, true, true},
          Sounding{3.35, {}, 0, true, true}, Sounding{3.65, {}, 0, true, true},
          Sounding{3.3, {3.8}, 0, true, false}, Sounding{3.3, {3.4}, 0, false, false},
          // The ordinary cusp behind a line, and two lines hiding the ordinary trace further.
          Sounding{3.5, {3.4}, 0, true, true}, Sounding{3.7, {3.4, 3.6}, 0, false, false},
          // Risen as high as the extraordinary cusp before the line: the ordinary cusp is here.
          Sounding{3.38, {3.4}, 0, true, true, 0.5, 16},
          Sounding{3.25, {}, 0, true, true, 0.5, 12, true}, Sounding{3.3, {}, 400, false, false},
          Sounding{3.3, {}, 0, false, false, 0.2}}) {
        const Reading r =
            read_sounding(sampled_pair(s.foF2, s.lines, s.beyond, s.x_end, s.standing, s.lone));
        const Proposals& p = r.proposals;
        // Nor a guess for the day: the cusps' columns tell the pair no better.
        EXPECT_EQ(r.f_trace.guessed.has_value(), false);
        std::string name = std::to_string(s.foF2) + " lines";
        for (const double line : s.lines)
            name += " " + std::to_string(line);
        name += " beyond " + std::to_string(s.beyond) + " X to " + std::to_string(s.x_end) +
                " standing " + std::to_string(s.standing) + (s.lone ? " lone" : "");
        ASSERT_EQ(p[C::foF2].has_value(), s.foF2_read) << name;
        ASSERT_EQ(p[C::fxI].has_value(), s.fxI_read) << name;
        if (s.foF2_read) {
            EXPECT_NEAR(p[C::foF2]->value, s.foF2, 0.1 + 1e-6) << name;
        }
        if (s.fxI_read) {
            // Carried on to the lone cell, fxI would be read a step too high.
            EXPECT_NEAR(p[C::fxI]->value, s.foF2 + 0.5, s.lone ? 0.1 : 0.2) << name;
        }
    }
}

} // namespace

namespace {

// The twins merged into one thick band up to a pair of lines, the ordinary trace rising out of
// it beyond them, standing vertical at its cusp: with no pair measured, that echo is a guessed
// pair's ordinary cusp, for the day to confirm. Standing between lines, it is a piece of anything.
TEST(StandingBeyondLines, IsAGuessedPairsOrdinaryCusp) {
    for (const bool line_after : {false, true}) {
        const Curve o = layer_curve(240, 4.02, 60);
        const Curve x = [&](double f) { return o(f - 0.63); };
        SoundingBuilder builder(0.05);
        builder.noise(20);
        for (double f = 1.5; f < 3.9 - 1e-9; f += 0.05)
            for (double h = x(f); h <= std::min(o(f), 700.0) + 25; h += 4.5)
                builder.cell(f, h, 200);
        for (double f = 3.9; f < 4.65 - 1e-9; f += 0.05)
            for (int k = 0; k < 6; ++k)
                builder.cell(f, x(f) + 4.5 * k, 180);
        for (double h = 440; h <= 570; h += 4.5)
            builder.cell(4.0, h, 180);
        builder.line(3.9, 120).line(3.95, 120);
        if (line_after)
            builder.line(4.05, 120);
        // Short pieces turning up far above the band: a crowd of cusps, no plain sounding's few.
        for (int k = 0; k < 12; ++k) {
            const double top = 1.8 + 0.15 * k;
            builder.trace(top - 0.08, top, layer_curve(560, top, 20), 120, 0, false);
        }
        const Reading r = read_sounding(builder.build());
        EXPECT_FALSE(r.proposals[C::foF2]) << line_after;
        if (line_after) {
            EXPECT_FALSE(r.f_trace.guessed);
            continue;
        }
        ASSERT_TRUE(r.f_trace.guessed);
        EXPECT_NEAR(r.f_trace.guessed->foF2.value, 4.0, 0.01);
        // A guess by the standing echo, not only for its few cusps untested.
        EXPECT_FALSE(r.f_trace.guessed->near_readings);
    }
}

// A thin night layer: its trace turns up only within a few columns of each cusp, so no echo of
// the extraordinary trace's steep part can be tested against the ordinary one. A plain sounding's
// pair is then a guess the day may confirm; among more cusps, only where the day's readings
// around lie near it; not among a crowd, nor with its top cusp where the sweep ends.
TEST(UntestedPair, APlainSoundingsPairIsAGuess) {
    struct Sounding {
        std::string name;
        double end; // of the sweep, MHz
        int strays; // short traces turning up high at low frequencies, most with a cusp
        bool guessed;
        bool near_readings;
    };
    for (const Sounding& s :
         {Sounding{"plain", 20.0, 0, true, false},
          Sounding{"among many cusps", 20.0, 6, true, true},
          Sounding{"among a crowd of cusps", 20.0, 14, false, false},
          Sounding{"its top cusp where the sweep ends", 3.775, 0, false, false}}) {
        SoundingBuilder builder(0.05, s.end);
        builder.noise(20).trace(1.3, 3.3, layer_curve(240, 3.3, 15), 220);
        for (int k = 0; k < s.strays; ++k) {
            const double top = 1.4 + 0.1 * k;
            builder.trace(top - 0.08, top, layer_curve(350 + 60 * (k % 6) + 30 * (k / 6), top, 60),
                          120, 0, false);
        }
        const Reading r = read_sounding(builder.build());
        ASSERT_EQ(r.f_trace.guessed.has_value(), s.guessed) << s.name;
        if (s.guessed) {
            EXPECT_NEAR(r.f_trace.guessed->foF2.value, 3.3, 0.1);
            EXPECT_NEAR(r.f_trace.guessed->separation, 0.5, 0.06);
            EXPECT_EQ(r.f_trace.guessed->near_readings, s.near_readings) << s.name;
        }
    }
}

} // namespace

namespace {

// The day's F trace drawn weaker from 3.6 to 5.5 MHz, both waves, over its lowest stretch:
// 80 levels under the rest is the trace still, and h'F is read there; 130 under is what
// deviative absorption leaves of it, and the lowest echo seen no longer tells h'F.
TEST(FaintMinimum, AFaintStretchOverTheMinimumTellsNoHF) {
    const Curve twin = [](double f) { return day_f2(f - 0.5); };
    for (const int amplitude : {150, 100}) {
        SoundingBuilder builder(0.025);
        builder.noise(15).trace(2.0, 3.3, day_e, 230);
        builder.trace(3.32, 3.6, day_f2, 230, 0)
            .trace(3.625, 5.5, day_f2, amplitude, 0)
            .trace(5.525, 8.0, day_f2, 230, 0)
            .trace(3.82, 5.5, twin, amplitude, 0)
            .trace(5.525, 8.5, twin, 230, 0);
        const Proposals p = propose(builder.build());
        if (amplitude > 120) {
            ASSERT_TRUE(p[C::hF]);
            EXPECT_NEAR(p[C::hF]->value, lowest_height(day_f2, 3.32, 8.0), 5);
        } else {
            EXPECT_FALSE(p[C::hF]);
        }
        ASSERT_TRUE(p[C::foF2]);
        EXPECT_NEAR(p[C::foF2]->value, 8.0, 0.1) << amplitude;
    }
}

// A night layer's trace (its thickness in the curve, km) and its twin 0.5 MHz higher, each echo
// drawn `band` km tall above its leading edge, as a thick night trace shows.
SoundingBuilder thick_night(double thickness, double band) {
    const Curve height = layer_curve(240, 3.3, thickness);
    SoundingBuilder builder(0.05);
    builder.noise(20).trace(1.3, 3.3, height, 220);
    for (double f = 1.3; f < 3.8 + 1e-9; f += 0.05)
        for (const double separation : {0.0, 0.5}) {
            const double g = f - separation;
            if (g < 1.3 - 1e-9 || g > 3.3 + 1e-9)
                continue;
            for (double above = 4.5; above <= band && height(g) + above < 700; above += 4.5)
                builder.cell(f, height(g) + above, separation > 0 ? 150 : 200);
        }
    return builder;
}

// A night trace 70 km thick: the ordinary echo near its cusp lies inside the extraordinary
// trace's band, so few of the tested echoes match and the pair is not measured. Its ordinary cusp
// stands 300 km over the trace leading into it, among no other cusps: the pair is a guess the day
// may confirm. At 80 km only the cusp's last two columns stand out of the band: no trace leads
// into it (as with a burst standing alone), and there is no guess.
TEST(MergedTwins, ATallOrdinaryCuspAmongFewIsAGuess) {
    for (const double thick : {70.0, 80.0}) {
        const Reading r = read_sounding(thick_night(40, thick).build());
        EXPECT_FALSE(r.proposals[C::foF2]);
        if (thick > 75) {
            EXPECT_FALSE(r.f_trace.guessed);
            continue;
        }
        ASSERT_TRUE(r.f_trace.guessed);
        EXPECT_NEAR(r.f_trace.guessed->foF2.value, 3.3, 0.1);
        EXPECT_NEAR(r.f_trace.guessed->separation, 0.5, 0.06);
    }
}

// A thicker band still (120 km, over a thicker layer): the ordinary echoes all lie inside the
// extraordinary trace's band and none matches. That is no sounder without the extraordinary wave:
// its top cusp, the extraordinary one, is not shown as foF2. One column 0.5 MHz below it stands
// vertical out of the band, where the ordinary cusp turns up: the pair is offered to the day,
// which may place the cusp from fxI about that column. Over a thinner layer (40 km) nothing
// stands there, and nothing is offered.
TEST(MergedTwins, TwinsInsideTheBandAreNoSingleTrace) {
    for (const double thickness : {60.0, 40.0}) {
        const Reading r = read_sounding(thick_night(thickness, 120).build());
        if (r.proposals[C::foF2]) {
            EXPECT_NEAR(r.proposals[C::foF2]->value, 3.3, 0.1);
        }
        ASSERT_EQ(r.f_trace.guessed.has_value(), thickness > 50) << thickness;
        if (!r.f_trace.guessed)
            continue;
        ASSERT_TRUE(r.f_trace.guessed->placed_within);
        EXPECT_LE(r.f_trace.guessed->placed_within->first, 3.3);
        EXPECT_GE(r.f_trace.guessed->placed_within->second, 3.3);
        EXPECT_LE(r.f_trace.guessed->placed_within->second -
                      r.f_trace.guessed->placed_within->first,
                  0.21);
        ASSERT_TRUE(r.f_trace.guessed->fxI);
        EXPECT_NEAR(r.f_trace.guessed->fxI->value, 3.8, 0.06);
        EXPECT_FALSE(r.f_trace.guessed->muf);
    }
}

// The same thick trace with lines over its ordinary cusp: the top cusp finds no twin, but where
// the ordinary trace is seen rising into the lines the station's separation puts the twin in,
// the pair is a guess the day may place. Lines from 3.1 MHz leave only the flat part of the
// trace before them: nothing tells that the cusp lies behind.
TEST(MergedTwins, AnOrdinaryCuspBehindLinesIsAGuess) {
    for (const double from : {3.25, 3.1}) {
        SoundingBuilder builder = thick_night(40, 80);
        for (double f = from; f < 3.35 + 1e-9; f += 0.05)
            builder.line(f, 120);
        const Reading r = read_sounding(builder.build());
        EXPECT_FALSE(r.proposals[C::foF2]);
        if (from > 3.2) {
            ASSERT_TRUE(r.f_trace.guessed && r.f_trace.guessed->placed_within);
            EXPECT_LE(r.f_trace.guessed->placed_within->first, 3.3);
            EXPECT_GE(r.f_trace.guessed->placed_within->second, 3.3);
            EXPECT_NEAR(r.f_trace.guessed->fxI->value, 3.8, 0.1);
        } else {
            EXPECT_FALSE(r.f_trace.guessed) << "lines from " << from;
        }
    }
}

// A night trace and its twin each drawn `band` km tall, the ordinary trace lost short of its cusp
// (3.3 MHz). At 50 km, lost 0.05 MHz short, its last steep echoes merge into the band: most of
// the extraordinary trace's unmatched echoes lie inside taller ones, and the last ordinary cusp
// standing out, a step low, is offered with the true one within 0.15 MHz beyond it. At 30 km,
// lost 0.15 MHz short, the twin's echoes stand clear of the band: that cusp is no twin merged
// into it, only a pair matched too weakly to tell, which the day's readings close around must
// confirm (or its field place from fxI).
TEST(MergedTwins, AnOrdinaryCuspMergedIntoAThickTraceIsPlacedByTheDay) {
    struct Sounding {
        double band, lost;
        bool in_spread;
    };
    const Curve height = layer_curve(240, 3.3, 40);
    const Curve twin = [&](double f) { return height(f - 0.5); };
    for (const Sounding& s : {Sounding{50, 0.05, true}, Sounding{30, 0.15, false}}) {
        const double end = 3.3 - s.lost;
        SoundingBuilder builder(0.05);
        builder.noise(20).trace(1.3, end, height, 220, 0).trace(1.8, 3.8, twin, 110, 0);
        for (double f = 1.3; f < 3.8 + 1e-9; f += 0.05)
            for (const double separation : {0.0, 0.5}) {
                const double g = f - separation;
                if (g < 1.3 - 1e-9 || g > (separation > 0 ? 3.3 : end) + 1e-9)
                    continue;
                for (double above = 4.5; above <= s.band && height(g) + above < 700; above += 4.5)
                    builder.cell(f, height(g) + above, separation > 0 ? 150 : 200);
            }
        const Reading r = read_sounding(builder.build());
        EXPECT_FALSE(r.proposals[C::foF2]) << s.band;
        ASSERT_TRUE(r.f_trace.guessed) << s.band;
        EXPECT_EQ(r.f_trace.guessed->in_spread.has_value(), s.in_spread) << s.band;
        EXPECT_EQ(r.f_trace.guessed->weakly_matched, !s.in_spread) << s.band;
        EXPECT_EQ(r.f_trace.guessed->near_readings, !s.in_spread) << s.band;
        if (s.in_spread) {
            ASSERT_TRUE(r.f_trace.guessed->in_spread);
            EXPECT_NEAR(r.f_trace.guessed->foF2.value, 3.25, 0.01);
            EXPECT_LE(r.f_trace.guessed->in_spread->first, 3.25 + 1e-9);
            EXPECT_GE(r.f_trace.guessed->in_spread->second, 3.3);
            EXPECT_NEAR(r.f_trace.guessed->fxI->value, 3.8, 0.06);
        }
    }
}

// A measured pair among a crowd of lines (none beyond the pair's traces above them): alone it shows
// nothing, but it is offered to the day, whose field may confirm it. Among a modest crowd (8 cusps
// in all) the field alone; among a large one (12), only with the day's readings on both sides
// running close by.
TEST(CrowdedPair, ACrowdsPairIsOfferedToTheDay) {
    struct Line {
        double beyond, above;
    };
    struct Sounding {
        std::string name;
        std::vector<Line> lines;
        bool between_readings;
    };
    const std::vector<Line> modest = {{0.15, 10}, {-0.2, 20}, {0.3, -15}};
    std::vector<Line> large = modest;
    large.insert(large.end(), {{-0.7, 20}, {-0.9, 25}, {-1.1, 30}});
    for (const Sounding& s :
         {Sounding{"a modest crowd", modest, false}, Sounding{"a large crowd", large, true}}) {
        SoundingBuilder builder = night(0.05);
        for (const Line& line : s.lines) {
            const Curve height = [line](double f) {
                return night_f2(f - line.beyond) + line.above;
            };
            builder.trace(1.3 + line.beyond, 3.3 + line.beyond, height, 150, 0.5, false);
        }
        const Reading r = read_sounding(builder.build());
        EXPECT_FALSE(r.proposals[C::foF2]) << s.name;
        ASSERT_TRUE(r.f_trace.guessed) << s.name;
        EXPECT_NEAR(r.f_trace.guessed->separation, 0.5, 1e-6) << s.name;
        EXPECT_EQ(r.f_trace.guessed->between_readings, s.between_readings) << s.name;
        EXPECT_EQ(r.f_trace.guessed->near_readings, s.between_readings) << s.name;
    }
}

} // namespace

namespace {

// A sounder that records each echo in its nearest cell, as three thin cells at the column's own
// frequency: near the cusps the traces climb several cells a column with empty rows between,
// and the extraordinary trace runs above the ordinary one moved by the separation (0.45 MHz at
// the cusps, 0.25-0.3 at equal heights below them), as on a real sounding. The extraordinary
// trace fades at 9.05 and 9.2 MHz; its last echo, at 9.25 MHz, stands `last_up` cells higher.
void thin_echo(SoundingBuilder& builder, double f, double height) {
    for (int k = 0; k < 3; ++k)
        builder.cell(f, height + 4.5 * k, 200 - 50 * k);
}
const Curve thin_ordinary = [](double f) {
    return height_of(static_cast<int>(std::lround(76 + 8.4 / (9.0 - f))));
};
SoundingBuilder thin_climbing_pair(int last_up = 0) {
    SoundingBuilder builder(0.05, 12.0);
    builder.noise(20);
    for (double f = 6.0; f < 8.8 + 1e-9; f += 0.05)
        thin_echo(builder, f, thin_ordinary(f));
    for (double f = 6.45; f < 9.25 + 1e-9; f += 0.05) {
        const int row = static_cast<int>(std::lround(50.6 + 51.2 / (9.88 - f)));
        if (std::fabs(f - 9.05) > 0.01 && std::fabs(f - 9.2) > 0.01)
            thin_echo(builder, f, height_of(f > 9.24 ? row + last_up : row));
    }
    return builder;
}

TEST(ThinSteepTraces, CuspsFollowedAlongTheirClimb) {
    struct Sounding {
        std::string name;
        int last_up;
        bool stack_beyond; // two echoes above the last, the next column on
    };
    for (const Sounding& s :
         {Sounding{"plain", 0, false}, Sounding{"steepening into its cusp", 6, false},
          Sounding{"a stack of echoes beyond", 0, true}}) {
        SoundingBuilder builder = thin_climbing_pair(s.last_up);
        if (s.stack_beyond)
            for (const int row : {140, 147})
                thin_echo(builder, 9.3, height_of(row));
        const Proposals p = read_sounding(builder.build()).proposals;
        ASSERT_TRUE(p[C::foF2] && p[C::fxI] && p[C::muf3000F2] && p.separation) << s.name;
        EXPECT_NEAR(p[C::foF2]->value, 8.8, 0.05) << s.name;
        EXPECT_NEAR(p[C::fxI]->value, 9.25, 0.01) << s.name;
        EXPECT_NEAR(*p.separation, 0.45, 0.06) << s.name;
        // The MUF off the extraordinary echoes moved by the separation they show at equal
        // heights.
        EXPECT_NEAR(p[C::muf3000F2]->value, largest_muf(thin_ordinary, 6.0, 8.8), 0.3) << s.name;
    }
}

// A trace drawn in full stands tall in its columns as it turns up into its cusp: a thin echo of
// noise beyond its end, where a climb would lead, is no part of it.
TEST(ThinSteepTraces, ATraceDrawnInFullIsNotFollowedOn) {
    SoundingBuilder builder(0.025);
    const Curve x = [](double f) { return night_f2(f - 0.5); };
    builder.noise(20).trace(1.3, 3.3, night_f2, 220, 0).trace(1.8, 3.76, x, 110, 0, false);
    thin_echo(builder, 3.8, height_of(95));
    const Reading r = read_sounding(builder.build());
    ASSERT_TRUE(r.proposals[C::fxI]);
    EXPECT_NEAR(r.proposals[C::fxI]->value, 3.75, 0.01);
}

// The night's extraordinary trace runs 0.55 MHz beyond the ordinary one up to 3.6 MHz, then more
// retarded, its cusp at 4.0 MHz (a real sounding's): the twins measured at equal heights fall
// short of the cusps' separation, and no cusp stands where they put the ordinary one. The ordinary
// cusp is the end of the trace the twins were matched on, as on a trace drawn in full.
TEST(RetardedTwin, TheOrdinaryCuspEndsTheMatchedTrace) {
    const Curve x = [](double f) {
        return f <= 3.6 ? night_f2(f - 0.55) : night_f2(3.05 + (f - 3.6) * 0.25 / 0.4);
    };
    SoundingBuilder builder;
    builder.noise(20).trace(1.3, 3.3, night_f2, 220, 0).trace(1.85, 4.0, x, 110, 0, false);
    const Proposals p = read_sounding(builder.build()).proposals;
    ASSERT_TRUE(p[C::foF2] && p[C::fxI] && p.separation);
    EXPECT_NEAR(p[C::foF2]->value, 3.3, 0.01);
    EXPECT_NEAR(p[C::fxI]->value, 3.975, 0.01);
    EXPECT_NEAR(*p.separation, 0.675, 1e-6);
}

// The day's traces with their steep parts faded above 280 km: only a short broken piece of each
// cusp stands high above, too short to test the twins on (rows of its five columns). Two pairs of
// cusps at one offset (or at two a column apart) and equal heights tell the separation, though
// the pieces' echoes differ in two columns; so does one piece laid onto the other, where only one
// pair of cusps stands at equal heights. The ordinary piece 3 rows higher tells nothing, nor does a
// piece with a second twin 0.3 MHz below it.
TEST(FadedSteepParts, TwinPiecesTellTheSeparation) {
    using Rows = std::vector<std::pair<int, int>>;
    const Rows broken = {{110, 112}, {90, 112}, {89, 93}, {89, 98}, {96, 116}};
    const Rows pieces = {{72, 85}, {71, 76}, {71, 76}, {72, 80}, {76, 85}};
    struct Sounding {
        std::string name;
        Rows ordinary, extraordinary;
        bool told;
        double moved = 0; // the extraordinary piece's last column, moved on (MHz)
    };
    const auto higher = [](Rows rows) {
        for (auto& [low, high] : rows)
            low += 3, high += 3;
        return rows;
    };
    for (const Sounding& s :
         {Sounding{
              "twin cusps", {{104, 112}, {90, 112}, {86, 93}, {89, 98}, {96, 116}}, broken, true},
          Sounding{"twin pieces",
                   {{72, 85}, {71, 76}, {71, 76}, {72, 80}, {76, 85}},
                   {{75, 77}, {71, 78}, {71, 74}, {71, 78}, {74, 84}},
                   true},
          Sounding{"twin cusps a column apart",
                   {{104, 112}, {90, 112}, {86, 93}, {89, 98}, {96, 116}},
                   broken,
                   true,
                   0.025},
          Sounding{"unequal heights", higher(broken), broken, false},
          Sounding{"a second twin 0.3 MHz below", pieces, pieces, false}}) {
        SoundingBuilder builder;
        builder.noise(15)
            .trace(2.0, 3.3, day_e, 230)
            .trace(3.32, 8.0, layer_curve(250, 8.0, 40, 3.3, 12), 230, 0.6)
            .fade(6.0, 9.0, 280, 760);
        for (std::size_t k = 0; k < 5; ++k) {
            const double beyond = 0.025 * static_cast<double>(k);
            builder.partial_line(7.9 + beyond, height_of(s.ordinary[k].first),
                                 height_of(s.ordinary[k].second), 220);
            builder.partial_line(8.5 + beyond + (k == 4 ? s.moved : 0),
                                 height_of(s.extraordinary[k].first),
                                 height_of(s.extraordinary[k].second), 120);
            if (s.name.starts_with("a second"))
                builder.partial_line(8.2 + beyond, height_of(s.ordinary[k].first),
                                     height_of(s.ordinary[k].second), 220);
        }
        const Proposals p = read_sounding(builder.build()).proposals;
        if (!s.told) {
            EXPECT_FALSE(p[C::foF2]) << s.name;
            continue;
        }
        ASSERT_TRUE(p[C::foF2] && p[C::fxI] && p.separation) << s.name;
        EXPECT_NEAR(p[C::foF2]->value, 8.0, 0.01) << s.name;
        EXPECT_NEAR(p[C::fxI]->value, 8.6 + s.moved, 0.01) << s.name;
        EXPECT_NEAR(*p.separation, 0.6 + s.moved / 2, 1e-6) << s.name;
    }
}

// Lines over the ordinary trace of the day as it turns up, single clear columns between them, and
// its top faded in the one just before the last line: the ordinary trace rises into the lines and
// is not seen beyond, so its cusp lies behind them where the separation measured on the traces
// puts it. An echo at its height 0.1 MHz beyond the lines (the trace going on) leaves the
// ordinary cusp untold.
TEST(LinesOverTheCusp, TheMeasuredSeparationPlacesTheOrdinaryCusp) {
    for (const bool going_on : {false, true}) {
        SoundingBuilder builder = day();
        for (const double f : {7.8, 7.825, 7.875, 7.9, 7.95})
            builder.line(f, 120);
        builder.fade(7.92, 7.93, 300, 760);
        if (going_on)
            builder.partial_line(8.05, 470, 520, 150);
        const Proposals p = read_sounding(builder.build()).proposals;
        if (going_on) {
            EXPECT_FALSE(p[C::foF2]);
            continue;
        }
        ASSERT_TRUE(p[C::foF2] && p[C::fxI]);
        EXPECT_NEAR(p[C::foF2]->value, 7.925, 0.01);
        EXPECT_NEAR(p[C::fxI]->value, 8.425, 0.01);
    }
}

} // namespace

namespace {

// A night trace without twin, its sweep ending 0.4 or 0.6 MHz beyond its cusp: with no foF2
// shown, the cusp is offered to the day as a lone extraordinary one only where the sweep goes on
// half a MHz beyond it at least; nearer the end the trace may go on past the sweep.
struct UntwinnedCase {
    std::string name;
    double sweep_end = 0; // MHz
    bool offered = false;
};

class UntwinnedTop : public ::testing::TestWithParam<UntwinnedCase> {};

TEST_P(UntwinnedTop, IsOfferedWhereTheSweepGoesOnBeyondIt) {
    const UntwinnedCase& c = GetParam();
    SoundingBuilder builder(0.025, c.sweep_end);
    builder.noise(20).trace(1.3, 3.3, night_f2, 220, 0);
    const Reading reading = read_sounding(builder.build());
    ASSERT_FALSE(reading.proposals[C::foF2]);
    ASSERT_EQ(reading.f_trace.untwinned_top.has_value(), c.offered);
    if (c.offered) {
        EXPECT_NEAR(reading.f_trace.untwinned_top->value, 3.3, 0.05);
    }
}

INSTANTIATE_TEST_SUITE_P(Soundings, UntwinnedTop,
                         ::testing::Values(UntwinnedCase{"0.6 MHz before the end", 3.9, true},
                                           UntwinnedCase{"0.4 MHz before it", 3.7, false}),
                         scalvo::testing::param_name);

// A sporadic E blanketing the F trace up to `fbEs`, under a pair at 4.0 / 4.6 MHz: no trace leads
// into the cusps. Blanketed up to just under them, the pair is left to the day as a guess, its
// MUF not read off the hidden trace; with the trace's steep part seen, it is read as usual.
struct UnderEsCase {
    std::string name;
    double fbEs = 0; // MHz
    bool shown = false;
    bool guessed = false;
};

class UnderSporadicE : public ::testing::TestWithParam<UnderEsCase> {};

TEST_P(UnderSporadicE, APairWhoseTraceTheSporadicEHidesIsLeftToTheDay) {
    const UnderEsCase& c = GetParam();
    // The extraordinary wave is blanketed up to the frequency whose reflection lies as high
    // as the ordinary wave's at fbEs: a separation further on.
    const Curve f2 = layer_curve(250, 4.0, 90);
    SoundingBuilder builder;
    builder.noise(20)
        .trace(c.fbEs, 4.0, f2, 220, 0)
        .trace(
            c.fbEs + 0.6, 4.6, [&](double f) { return f2(f - 0.6); }, 110, 0)
        .sporadic_e(1.3, 4.5, 105, 230, c.fbEs);
    const Reading reading = read_sounding(builder.build());
    ASSERT_EQ(reading.proposals[C::foF2].has_value(), c.shown);
    ASSERT_EQ(reading.f_trace.guessed.has_value(), c.guessed);
    if (c.shown) {
        EXPECT_NEAR(reading.proposals[C::foF2]->value, 4.0, 0.05);
    }
    if (c.guessed) {
        EXPECT_TRUE(reading.f_trace.guessed->under_sporadic_e);
        EXPECT_TRUE(reading.f_trace.guessed->near_readings);
        EXPECT_NEAR(reading.f_trace.guessed->foF2.value, 4.0, 0.05);
        EXPECT_NEAR(reading.f_trace.guessed->separation, 0.6, 0.05);
        EXPECT_FALSE(reading.f_trace.guessed->muf);
    }
}

INSTANTIATE_TEST_SUITE_P(Soundings, UnderSporadicE,
                         ::testing::Values(UnderEsCase{"blanketed to just under", 3.88, false,
                                                       true},
                                           UnderEsCase{"blanketed to 3 MHz", 3.0, true, false}),
                         scalvo::testing::param_name);

} // namespace
