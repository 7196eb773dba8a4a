// SPDX-License-Identifier: GPL-3.0-or-later
// "No sporadic E" is a reading too: said only of a sounding that was read and shows no echo of
// the E region beyond the E layer's own trace.
#include "autoscale/autoscale.h"
#include "sounding_builder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace scalvo;
using namespace scalvo::autoscale;
using namespace scalvo::autoscale::testing;

const Curve night_f2 = layer_curve(240, 3.3, 40);
const Curve day_e = layer_curve(100, 3.3, 6);
const Curve day_f2 = layer_curve(205, 8.0, 80, 3.3, 12);

SoundingBuilder night() {
    SoundingBuilder builder;
    builder.noise(20).trace(1.3, 3.3, night_f2, 220);
    return builder;
}
SoundingBuilder day(double step = 0.025) {
    SoundingBuilder builder(step);
    builder.noise(15).trace(2.0, 3.3, day_e, 230).trace(3.32, 8.0, day_f2, 230);
    return builder;
}

TEST(NoSporadicE, SaidOnlyWhereTheSoundingShowsNone) {
    const struct {
        const char* name;
        std::function<SoundingBuilder()> sounding;
        bool none;
    } cases[] = {
        {"night", night, true},
        {"night with interference lines", [] { return night().line(2.5, 70).line(7.25, 90); },
         true},
        {"day", [] { return day(); }, true},
        {"day at 0.1 MHz", [] { return day(0.1); }, true},
        {"night, a transparent sporadic E", [] { return night().sporadic_e(1.3, 2.6, 115, 230); },
         false},
        {"night, a blanketing sporadic E",
         [] { return night().sporadic_e(1.3, 3.0, 105, 245, 2.5); }, false},
        {"day, a sporadic E over the E trace", [] { return day().sporadic_e(2.0, 4.2, 100, 200); },
         false},
        // Too short to be read as a sporadic E, but an echo all the same: nothing is said.
        {"day, a short echo beyond the E cusps",
         [] { return day().sporadic_e(4.3, 4.45, 106, 200); }, false},
        {"night, a few specks at E heights",
         [] {
             SoundingBuilder builder = night();
             for (const double f : {1.45, 1.475, 1.5, 1.525, 1.55})
                 builder.cell(f, 106, 120).cell(f, 110.5, 90);
             return builder;
         },
         false},
        {"noise alone", [] { return SoundingBuilder().noise(40); }, false},
        {"empty file", [] { return SoundingBuilder(); }, false},
    };
    for (const auto& c : cases) {
        const Proposals proposals = propose(c.sounding().build());
        EXPECT_EQ(proposals.no_sporadic_e, c.none) << c.name;
        if (proposals.no_sporadic_e) {
            EXPECT_FALSE(proposals[Characteristic::foEs]) << c.name;
            EXPECT_FALSE(proposals[Characteristic::fbEs]) << c.name;
        }
    }
}

} // namespace
