// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the automatic scaling proposes for one sounding: for each characteristic a value, how
// sure the reading is, and the plot point it was read from. No proposal is an answer too.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace scalvo::autoscale {

// In the order of the command-line program's columns.
enum class Characteristic {
    fmin,
    foE,
    hE,
    foEs,
    hEs,
    fbEs,
    hF,
    foF1,
    hF2,
    foF2,
    fxI,
    muf3000F2,
    m3000F2,
};
inline constexpr std::size_t characteristic_count = 13;

inline constexpr std::array<Characteristic, characteristic_count> all_characteristics = {
    Characteristic::fmin,   Characteristic::foE,  Characteristic::hE,  Characteristic::foEs,
    Characteristic::hEs,    Characteristic::fbEs, Characteristic::hF,  Characteristic::foF1,
    Characteristic::hF2,    Characteristic::foF2, Characteristic::fxI, Characteristic::muf3000F2,
    Characteristic::m3000F2};

// "fmin", "foE", "hE", ..., "MUF3000F2", "M3000F2": the names of the CSV columns.
std::string_view name_of(Characteristic characteristic);

enum class Unit { megahertz, kilometres, factor };
Unit unit_of(Characteristic characteristic);

struct Proposal {
    double value = 0;      // MHz, km, or the M(3000) factor
    double confidence = 0; // 0..1
    int x = 0;             // the plot point it was read from
    int y = 0;
    // Qualifying letter of the international rules when the value is not a plain reading
    // ('I' for a value interpolated over neighbouring soundings); 0 for none.
    char qualifying_letter = 0;
    char descriptive_letter = 0;
};

struct Proposals {
    std::array<std::optional<Proposal>, characteristic_count> values;
    // The sounding was read and shows no sporadic E: no echo of the E region beyond the E
    // layer's own trace. False where it was not read, or where some echo there is left
    // unexplained.
    bool no_sporadic_e = false;
    // The separation of the ordinary and extraordinary cusps the reading used (MHz), measured on
    // the sounding where it could be; 0 where it shows no extraordinary trace. None where no F
    // trace was read.
    std::optional<double> separation;

    std::optional<Proposal>& operator[](Characteristic c) {
        return values[static_cast<std::size_t>(c)];
    }
    const std::optional<Proposal>& operator[](Characteristic c) const {
        return values[static_cast<std::size_t>(c)];
    }
};

// Proposals below this confidence are withheld: the form shows, and F11 accepts, only the ones
// above it. Calibrated on the harder world (README): at it wrong values are rare on every
// condition, and a wrong value costs the operator more than a missing one.
inline constexpr double proposal_threshold = 0.5;
// Drops the proposals below the threshold.
void withhold_unsure(Proposals& proposals);

// Whether a blanketing sporadic E hides what lies above it in the sounding: its fbEs read well
// above fmin. The lowest F echo read there is then an upper bound of h'F, not h'F itself.
bool blanketed(const Proposals& proposals);

// The tool's MUF for the curve through a point: one decimal, halves to even, held within its
// limits, kept single.
double tool_muf(double muf);

// M(3000)F2 as the form computes it from the MUF(3000)F2 and foF2 codes; none without foF2.
std::optional<double> m3000_of(double muf, double foF2);

// A cusp pair whose twin the trace pairs did not tell, read at the separation of the nearest
// cusp: the day's field may confirm it.
struct GuessedPair {
    Proposal foF2;
    std::optional<Proposal> fxI, muf, m3000;
    double separation = 0; // MHz
    // Where the ordinary cusp is not read, lost behind lines or shown only by a column standing
    // vertical (MHz): the day's field places it from fxI within this range.
    std::optional<std::pair<double, double>> placed_within;
    // Where the ordinary trace's last steep echoes merge into a thick trace (MHz, from the cusp
    // found): the day's field, where its own separation does not hold, places it from fxI.
    std::optional<std::pair<double, double>> in_spread;
    // On a sweep coarser than 0.25 MHz: the ordinary cusp put the station's separation below the
    // extraordinary one, where the day's soundings show their twins a column apart.
    bool coarse = false;
    // Guessed among many cusps: the day's nearest foF2 read must lie near it; closer where the
    // traces matched too weakly to tell the pair. Among a large crowd, the day's foF2 on both
    // sides must run close by.
    bool near_readings = false;
    bool weakly_matched = false;
    bool between_readings = false;
    // A measured pair that no trace leads into: a sporadic E may blanket the trace below it. The
    // sounding's fbEs must lie just under it, and the day's nearest foF2 read near it; the
    // transmission curve is not read off a trace hidden that way.
    bool under_sporadic_e = false;
    // Where the pair may be an oblique copy of a lower one: that pair's foF2 (MHz). The day's
    // readings on both sides must lie near the guess and away from it.
    std::optional<double> copy_of = std::nullopt;
};

// What a sounding shows of its F trace beyond the proposals: what the day read together needs to
// tell what a blanketing sporadic E hides.
struct FTraceShape {
    // The lowest first-hop F echo of each column (MHz, km) above a sporadic E's second hop.
    std::vector<std::pair<double, double>> envelope;
    // The ordinary trace (MHz, km), read as if nothing lay below the F layer (its twin moved
    // down by the separation), and the Chapman layer it follows.
    std::vector<std::pair<double, double>> ordinary;
    std::optional<double> peak_height, scale_height; // km
    double lowest_ratio = 1; // how far down the fitted readings reach, in units of foF2
    // foF2 if the sounder records no extraordinary wave: the top cusp, where no twin was found.
    std::optional<Proposal> lone_top;
    // The top cusp where no twin was found, led into, where no foF2 is shown: the extraordinary
    // cusp of a pair, where the day's field places foF2 along its readings around.
    std::optional<Proposal> untwinned_top;
    std::optional<GuessedPair> guessed;
    // On a sweep coarser than 0.25 MHz, whether the twins stood a column apart, as high.
    std::optional<bool> twins_a_column_apart;
    // The frequencies of every cusp found (MHz): a transmitter's line stands at the same one
    // all day.
    std::vector<double> cusps;
};

} // namespace scalvo::autoscale
