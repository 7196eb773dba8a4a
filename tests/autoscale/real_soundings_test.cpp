// SPDX-License-Identifier: GPL-3.0-or-later
// Real soundings of other instruments, read by hand off their pictures: the engine's foF2 is
// within 0.2 MHz of the reading, or it proposes none.
#include "autoscale/autoscale.h"
#include "ionogram/ionogram_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace scalvo;
using namespace scalvo::autoscale;

struct Reading {
    std::string file;           // under the real-soundings folder
    std::optional<double> foF2; // none: a careful operator would not read it
    double uncertainty = 0;     // MHz, of the reading by eye
    const char* what = "";
};

// Read off pictures of the files rendered at 80 to 320 pixels per MHz, before looking at what the
// engine proposes.
const std::vector<Reading> readings = {
    {"dps4d/ZE20R_2017248000000.rdf", 3.05, 0.05,
     "O trace vertical at 3.03-3.06, X at 3.40-3.43: separation 0.37"},
    {"digisonde/ZE20R_2002042090000.rdf", 4.10, 0.10, "night, O vertical at 4.1, X at 4.7"},
    {"digisonde/ZE20R_2010111042000.rdf", 8.9, 0.2,
     "the traces still rise near 650 km: the cusps stand near the top of the picture"},
    {"cadi/ZE20R_2019145021500.rdf", 3.60, 0.10,
     "sparse traces; O vertical at 3.6-3.67, X at 4.4 (separation about 0.8)"},
    {"cadi/ZE20R_2019145130000.rdf", 5.0, 0.3,
     "absorption below 3.2 MHz; vertical pieces at 3.75, 4.05 and 4.95: which is F2 is unsure"},
    {"cadi/ZE20R_2019145180000.rdf", 3.80, 0.15,
     "O vertical at 3.8, X at 4.7; loose fragments below and beside them"},
    {"shigaraki/ZE20R_2018158080000.rdf", 7.3, 0.4,
     "both cusps lie in the broadcast band of 6.5-7.5 MHz"},
    {"shigaraki/ZE20R_2018215130000.rdf", std::nullopt, 0,
     "strong spread F: foF2 cannot be read (letter F)"},
};

std::filesystem::path folder() {
    if (const char* set = std::getenv("SCALVO_REAL_SOUNDINGS"))
        return set;
    return REAL_SOUNDINGS_DIR;
}

TEST(RealSoundings, FoF2IsTheOperatorsReadingOrNone) {
    if (!std::filesystem::is_directory(folder()))
        GTEST_SKIP() << "no real soundings at " << folder();
    int proposed = 0;
    for (const Reading& r : readings) {
        Ionogram ionogram;
        const IonogramLoad load = load_ionogram_file((folder() / r.file).string(), ionogram);
        ASSERT_EQ(load.outcome, IonogramOutcome::usable) << r.file;
        const Proposals proposals = propose(ionogram);
        const auto& foF2 = proposals[Characteristic::foF2];
        if (!foF2)
            continue;
        ++proposed;
        ASSERT_TRUE(r.foF2.has_value()) << r.file << ": " << foF2->value << " where " << r.what;
        EXPECT_NEAR(foF2->value, *r.foF2, 0.2) << r.file << ": " << r.what;
    }
    // Most of them; the engine keeps silent where it is not sure.
    EXPECT_GE(proposed, 5);
}

} // namespace
