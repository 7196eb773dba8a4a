// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/day_series.h"

#include "autoscale/chapman.h"
#include "autoscale/solar_e.h"
#include "ionogram/plot_mapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace scalvo::autoscale {

namespace {

// Neighbours further than this in time tell too little.
constexpr int reach_minutes = 180;
// The part of an F trace below this share of foF2 is matched with a neighbour's: nearer the
// cusp a small error in foF2 moves the heights too much.
constexpr double matched_band = 0.9;
// Seen only above this share of foF2, the trace tells the layer's thickness near its peak, not
// the height of its base.
constexpr double highest_matched = 0.7;
// A Chapman layer fitted to readings from this share of foF2 up tells its own scale height.
constexpr double spread_enough = 0.6;
// Neighbours whose h'F differs by more than this (km) leave the one between them untold: by
// dusk a travelling disturbance moves h'F by tens of km within the hour.
constexpr double steadiest_hF = 20;
// Nor does the line between readings further apart than this (minutes) tell h'F: over the hour
// a sounding's h'F may leave it by more than 10 km.
constexpr int longest_hF_span = 60;
// An F1 cusp this much below the nearest one read (MHz) would still show above a sporadic E.
constexpr double f1_fall = 0.3;
// The station's gyrofrequency holds through the day: a cusp pair telling one this far (MHz) from
// the day's, told by this many pairs at least, is no pair of twins.
constexpr double gyro_spread = 0.3;
constexpr std::size_t gyro_pairs = 8;
// foE follows the sun through the day: a reading this far (MHz) off the curve through the others
// is no E cusp. Readings are left aside one at a time, at most this share of them.
constexpr double e_spread = 0.35;
constexpr double most_stray_e = 0.25;

// A value read off a sounding, not deduced (no qualifying letter).
std::optional<double> read_plainly(const TimedProposals& t, Characteristic c) {
    const auto& p = t.proposals[c];
    if (!p || p->qualifying_letter != 0)
        return std::nullopt;
    return p->value;
}

// A value read off a sounding that no sporadic E blanketed.
std::optional<double> read_value(const TimedProposals& t, Characteristic c) {
    return blanketed(t.proposals) ? std::nullopt : read_plainly(t, c);
}

struct Neighbour {
    int minute = 0;
    double value = 0;
};

// The line between two readings at a minute between them; none where they differ by more than
// `steadiest` (the value then moves too fast for the line to tell it), and `unsteady` says so.
std::optional<double> on_line(const Neighbour& before, const Neighbour& after, int minute,
                              double steadiest, bool* unsteady) {
    if (std::fabs(after.value - before.value) > steadiest) {
        if (unsteady != nullptr)
            *unsteady = true;
        return std::nullopt;
    }
    const double t = static_cast<double>(minute - before.minute) /
                     static_cast<double>(after.minute - before.minute);
    return before.value + t * (after.value - before.value);
}

// The nearest readings before and after position k, within reach, and the line between them;
// none, `unsteady` saying so, where they lie more than `longest_span` minutes apart. `read` tells
// what counts as a reading.
using Reader = std::optional<double> (*)(const TimedProposals&, Characteristic);
std::optional<double>
interpolated(const std::vector<TimedProposals>& day, std::size_t k, Characteristic c,
             double steadiest = std::numeric_limits<double>::infinity(), bool* unsteady = nullptr,
             int longest_span = std::numeric_limits<int>::max(), Reader read = read_value) {
    std::optional<Neighbour> before;
    std::optional<Neighbour> after;
    for (std::size_t n = k; n-- > 0;) {
        if (day[k].minute - day[n].minute > reach_minutes)
            break;
        if (const auto v = read(day[n], c)) {
            before = Neighbour{day[n].minute, *v};
            break;
        }
    }
    for (std::size_t n = k + 1; n < day.size(); ++n) {
        if (day[n].minute - day[k].minute > reach_minutes)
            break;
        if (const auto v = read(day[n], c)) {
            after = Neighbour{day[n].minute, *v};
            break;
        }
    }
    if (!before || !after || after->minute == before->minute)
        return std::nullopt;
    if (after->minute - before->minute > longest_span) {
        if (unsteady != nullptr)
            *unsteady = true;
        return std::nullopt;
    }
    return on_line(*before, *after, day[k].minute, steadiest, unsteady);
}

// The reading nearest in time within reach, on either side.
std::optional<double> nearest_value(const std::vector<TimedProposals>& day, std::size_t k,
                                    Characteristic c, Reader read = read_value) {
    std::optional<double> best;
    int nearest = reach_minutes + 1;
    for (std::size_t n = 0; n < day.size(); ++n) {
        const int apart = std::abs(day[n].minute - day[k].minute);
        if (n == k || apart >= nearest)
            continue;
        if (const auto v = read(day[n], c)) {
            best = v;
            nearest = apart;
        }
    }
    return best;
}

// The readings within reach on both sides, at least two on each, taken through a parabola in
// time: foE follows the sun's height, which bends over the hours a gap may last, so a straight
// line between the nearest two would fall short.
std::optional<double> curved(const std::vector<TimedProposals>& day, std::size_t k,
                             Characteristic c) {
    int before = 0;
    int after = 0;
    // Sums of t^n and t^n v for n = 0..4, t in hours from the sounding.
    std::array<double, 5> st{};
    std::array<double, 3> sv{};
    for (std::size_t n = 0; n < day.size(); ++n) {
        const int apart = day[n].minute - day[k].minute;
        if (n == k || std::abs(apart) > reach_minutes)
            continue;
        const auto v = read_value(day[n], c);
        if (!v)
            continue;
        (apart < 0 ? before : after) += 1;
        const double t = apart / 60.0;
        double power = 1;
        for (std::size_t e = 0; e < st.size(); ++e) {
            st[e] += power;
            if (e < sv.size())
                sv[e] += power * *v;
            power *= t;
        }
    }
    if (before < 2 || after < 2)
        return std::nullopt;
    // Normal equations of v = a + b t + c t^2, solved for a by Cramer's rule.
    const auto det3 = [](double a, double b, double c, double d, double e, double f, double g,
                         double h, double i) {
        return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    };
    const double det = det3(st[0], st[1], st[2], st[1], st[2], st[3], st[2], st[3], st[4]);
    if (std::fabs(det) < 1e-9)
        return std::nullopt;
    return det3(sv[0], st[1], st[2], sv[1], st[2], st[3], sv[2], st[3], st[4]) / det;
}

// The nearest sounding on one side (direction -1 or +1) within reach that shows h'F unhidden and
// is like this one in `alike`.
template <typename Alike>
std::optional<std::size_t> nearest_reading(const std::vector<TimedProposals>& day, std::size_t k,
                                           int direction, Alike alike) {
    for (auto n = static_cast<long>(k) + direction; n >= 0 && n < static_cast<long>(day.size());
         n += direction) {
        const auto& t = day[static_cast<std::size_t>(n)];
        if (std::abs(t.minute - day[k].minute) > reach_minutes)
            break;
        if (read_value(t, Characteristic::hF) && alike(static_cast<std::size_t>(n)))
            return static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

std::optional<std::size_t> nearest_reading(const std::vector<TimedProposals>& day, std::size_t k,
                                           int direction) {
    return nearest_reading(day, k, direction, [](std::size_t) { return true; });
}

// The F1 layer shows while the sun stands high enough: above the foE of the sun's curve at the
// soundings that show an F1 cusp. Without the curve, only a cusp read tells.
struct F1Season {
    std::optional<SolarE> sun;
    std::optional<double> level; // foE of the curve from which the F1 layer shows
    // A sporadic E may hide an F1 layer that goes on beyond the cusps read (from `shown_from` to
    // `shown_to`): until a sounding shows the F trace unblanketed without one, only a sporadic
    // E too low to hide the cusp tells that the layer has gone.
    int shown_from = 0;
    int shown_to = 0;
    double first_foF1 = 0;
    double last_foF1 = 0;
    std::optional<int> clear_before;
    std::optional<int> clear_after;
    std::optional<int> read_from; // the first and last F1 cusps read, without the sun's curve
    std::optional<int> read_to;

    bool at(const TimedProposals& t) const {
        if (sun && level)
            return sun->foE_at(t.minute) >= *level - 1e-9;
        // Without the curve, between the first and the last cusp read the layer shows too where
        // its cusp was not read.
        return t.proposals[Characteristic::foF1].has_value() ||
               (read_from && t.minute >= *read_from && t.minute <= *read_to);
    }
    // Whether the day tells that no F1 layer hides under this sounding's sporadic E.
    bool told_at(const TimedProposals& t) const {
        const auto& fbEs = t.proposals[Characteristic::fbEs];
        if (!level || !fbEs)
            return true;
        if (t.minute < shown_from)
            return (clear_before && t.minute <= *clear_before) ||
                   fbEs->value < first_foF1 - f1_fall;
        if (t.minute > shown_to)
            return (clear_after && t.minute >= *clear_after) || fbEs->value < last_foF1 - f1_fall;
        return true;
    }
};

F1Season f1_season(const std::vector<TimedProposals>& day, const std::optional<SolarE>& sun) {
    F1Season season;
    season.sun = sun;
    if (!sun) {
        for (const TimedProposals& t : day)
            if (t.proposals[Characteristic::foF1]) {
                if (!season.read_from)
                    season.read_from = t.minute;
                season.read_to = t.minute;
            }
        return season;
    }
    for (const TimedProposals& t : day)
        if (t.proposals[Characteristic::foF1]) {
            const double foE = sun->foE_at(t.minute);
            if (foE > 0 && (!season.level || foE < *season.level))
                season.level = foE;
        }
    if (!season.level)
        return season;
    // A cusp read while the sun is down is no F1 layer's: it would stretch the season over the
    // night.
    bool first = true;
    for (const TimedProposals& t : day)
        if (const auto& foF1 = t.proposals[Characteristic::foF1];
            foF1 && sun->foE_at(t.minute) > 0) {
            if (first) {
                season.shown_from = t.minute;
                season.first_foF1 = foF1->value;
                first = false;
            }
            season.shown_to = t.minute;
            season.last_foF1 = foF1->value;
        }
    for (const TimedProposals& t : day)
        if (!t.proposals[Characteristic::foF1] && read_value(t, Characteristic::hF)) {
            if (t.minute < season.shown_from)
                season.clear_before = t.minute;
            else if (t.minute > season.shown_to && !season.clear_after)
                season.clear_after = t.minute;
        }
    return season;
}

// The lowest envelope height of a trace near a frequency (within two of its columns), or none.
std::optional<double> envelope_at(const std::vector<std::pair<double, double>>& envelope,
                                  double frequency) {
    std::optional<double> best;
    double nearest = 1e9;
    for (const auto& [f, h] : envelope) {
        const double off = std::fabs(f - frequency);
        if (off < nearest - 1e-9) {
            nearest = off;
            best = h;
        }
    }
    if (!best || nearest > 0.11)
        return std::nullopt;
    return best;
}

struct Match {
    double hF = 0;     // the neighbour's h'F moved by the offset of the two traces
    double spread = 0; // how far the traces differ beyond the offset, km
};

// What a neighbour's h'F becomes here: the part of the F trace the sporadic E lets through is
// matched with the same part of the neighbour's trace (frequencies scaled by the ratio of the two
// foF2), and the neighbour's h'F moved by the offset between them.
std::optional<Match> matched_hF(const TimedProposals& here, const TimedProposals& there) {
    const auto& foF2_here = here.proposals[Characteristic::foF2];
    const auto& foF2_there = there.proposals[Characteristic::foF2];
    const auto& fbEs = here.proposals[Characteristic::fbEs];
    const auto& hF_there = there.proposals[Characteristic::hF];
    if (!foF2_here || !foF2_there || !fbEs || !hF_there ||
        fbEs->value > highest_matched * foF2_here->value + 1e-9)
        return std::nullopt;
    const double scale = foF2_there->value / foF2_here->value;
    std::vector<double> offsets;
    for (const auto& [f, h] : here.f_trace.envelope) {
        if (f < fbEs->value - 1e-9 || f > matched_band * foF2_here->value)
            continue;
        if (const auto h_there = envelope_at(there.f_trace.envelope, f * scale))
            offsets.push_back(h - *h_there);
    }
    if (offsets.size() < 3)
        return std::nullopt;
    const auto middle = offsets.begin() + static_cast<std::ptrdiff_t>(offsets.size() / 2);
    std::nth_element(offsets.begin(), middle, offsets.end());
    const double offset = *middle;
    std::vector<double> off;
    for (const double o : offsets)
        off.push_back(std::fabs(o - offset));
    const auto m = off.begin() + static_cast<std::ptrdiff_t>(off.size() / 2);
    std::nth_element(off.begin(), m, off.end());
    return Match{hF_there->value + offset, *m};
}

// Whether the E layer seen on one side of a sounding (direction -1 or +1) is still there: foE
// carried on in time along the line through the nearest two readings on that side, compared
// with fmin here.
bool e_still_seen(const std::vector<TimedProposals>& day, std::size_t k, int direction) {
    std::vector<Neighbour> readings;
    for (auto n = static_cast<long>(k) + direction;
         n >= 0 && n < static_cast<long>(day.size()) && readings.size() < 2; n += direction) {
        const TimedProposals& t = day[static_cast<std::size_t>(n)];
        if (std::abs(t.minute - day[k].minute) > reach_minutes)
            break;
        if (const auto v = read_value(t, Characteristic::foE))
            readings.push_back({t.minute, *v});
    }
    const auto& fmin = day[k].proposals[Characteristic::fmin];
    if (readings.empty() || !fmin)
        return false;
    double foE = readings[0].value;
    if (readings.size() == 2 && readings[0].minute != readings[1].minute)
        foE += (readings[0].value - readings[1].value) *
               static_cast<double>(day[k].minute - readings[0].minute) /
               static_cast<double>(readings[0].minute - readings[1].minute);
    return foE > fmin->value + 0.3;
}

// h'F of the Chapman layer the visible part of the F trace follows, read at fmin: with its own
// scale height where the readings reach far enough below foF2 to tell it, with that of the
// soundings around otherwise.
std::optional<double> layer_hF(const std::vector<TimedProposals>& day, std::size_t k,
                               const std::optional<std::size_t>& before,
                               const std::optional<std::size_t>& after) {
    const TimedProposals& t = day[k];
    const auto& foF2 = t.proposals[Characteristic::foF2];
    const auto& fmin = t.proposals[Characteristic::fmin];
    if (!foF2 || !fmin)
        return std::nullopt;
    const double ratio = fmin->value / foF2->value;
    const FTraceShape& own = t.f_trace;
    if (own.peak_height && own.lowest_ratio <= spread_enough)
        return *own.peak_height + *own.scale_height * chapman_virtual_height(ratio);
    double sum = 0;
    double weights = 0;
    for (const auto& n : {before, after}) {
        if (!n)
            continue;
        const FTraceShape& shape = day[*n].f_trace;
        if (!shape.scale_height || shape.lowest_ratio > spread_enough)
            continue;
        const double w = 1.0 / (1 + std::abs(day[*n].minute - t.minute));
        sum += w * *shape.scale_height;
        weights += w;
    }
    if (weights > 0)
        if (const auto fit = fit_f_trace(own.ordinary, foF2->value, sum / weights))
            return fit->layer.virtual_height(ratio);
    if (own.peak_height)
        return *own.peak_height + *own.scale_height * chapman_virtual_height(ratio);
    return std::nullopt;
}

// h'F of a sounding whose lowest F trace a blanketing sporadic E hides. Without an E layer below
// (the soundings around show none) the F trace follows a Chapman layer down to fmin; with one,
// the soundings around tell it, moved by how far the visible part of the trace lies from theirs.
// `untold` where the day cannot tell it: the height read is then no h'F either.
std::optional<double> hidden_hF(const std::vector<TimedProposals>& day, std::size_t k,
                                const std::optional<SolarE>& sun, const F1Season& f1,
                                bool& untold) {
    const auto before = nearest_reading(day, k, -1);
    const auto after = nearest_reading(day, k, +1);
    const auto has_e = [&](const std::optional<std::size_t>& n) {
        return n && day[*n].proposals[Characteristic::foE].has_value();
    };
    // At dawn and dusk, with an E layer on one side only, its foE carried on to this sounding
    // tells whether it is still above fmin here.
    bool e_below = has_e(before) && has_e(after);
    const auto& fmin = day[k].proposals[Characteristic::fmin];
    if (sun && fmin)
        e_below = sun->seen_at(day[k].minute, fmin->value);
    else if (has_e(before) != has_e(after))
        e_below = e_still_seen(day, k, has_e(before) ? -1 : +1);
    if (!e_below)
        if (const auto hF = layer_hF(day, k, before, after))
            return hF;
    // With an E layer below, h'F is read off the F1 trace while the F1 layer shows, and off the
    // F2 trace otherwise: only soundings alike in that tell it.
    const bool with_f1 = f1.at(day[k]) || day[k].proposals[Characteristic::foF1].has_value();
    if (!with_f1 && !f1.told_at(day[k])) {
        untold = true;
        return std::nullopt;
    }
    // Alike also in the E layer below: without it the F trace has no retardation to climb out of.
    const auto alike = [&](std::size_t n) {
        return f1.at(day[n]) == with_f1 && day[n].proposals[Characteristic::foE].has_value();
    };
    const auto same_before = nearest_reading(day, k, -1, alike);
    const auto same_after = nearest_reading(day, k, +1, alike);
    if (with_f1) {
        // The F1 layer moves slowly with the sun: its h'F lies on the line between neighbours.
        // Neighbours far apart in h'F are not both on the F1 trace.
        if (same_before && same_after) {
            const auto reading = [&](std::size_t n) {
                return Neighbour{day[n].minute, day[n].proposals[Characteristic::hF]->value};
            };
            return on_line(reading(*same_before), reading(*same_after), day[k].minute, steadiest_hF,
                           &untold);
        }
        for (const auto& n : {same_before, same_after})
            if (n)
                return day[*n].proposals[Characteristic::hF]->value;
    }
    double sum = 0;
    double weights = 0;
    for (const auto& n : {same_before, same_after}) {
        if (!n)
            continue;
        const auto match = matched_hF(day[k], day[*n]);
        if (!match)
            continue;
        const double w = 1.0 / (1 + std::abs(day[*n].minute - day[k].minute));
        sum += w * match->hF;
        weights += w;
    }
    if (weights > 0)
        return sum / weights;
    return interpolated(day, k, Characteristic::hF, steadiest_hF, &untold, longest_hF_span);
}

Proposal interpolation_of(double value, const std::optional<Proposal>& shape) {
    Proposal p;
    p.value = value;
    p.confidence = 0.4;
    p.qualifying_letter = 'I';
    p.descriptive_letter = 'A';
    if (shape) {
        p.x = shape->x;
        p.y = shape->y;
    }
    return p;
}

// The gyrofrequency a sounding's cusp pair tells, (fx² − fo²)/fx, where it shows both.
std::optional<double> pair_gyrofrequency(const Proposals& p) {
    const auto& foF2 = p[Characteristic::foF2];
    if (!foF2 || !p.separation || *p.separation <= 0)
        return std::nullopt;
    const double fx = foF2->value + *p.separation;
    return (fx * fx - foF2->value * foF2->value) / fx;
}

// Read with no extraordinary trace: the top cusp taken for the ordinary one.
bool read_ordinary_only(const Proposals& p) {
    return p[Characteristic::foF2] && p.separation && *p.separation <= 0;
}

// How the day's soundings were read: the gyrofrequency each pair tells, and how many showed no
// extraordinary trace.
struct DayPairs {
    std::vector<double> told;
    std::size_t single = 0;

    // The day's field: the median of the pairs' gyrofrequencies, where enough pairs tell it.
    std::optional<double> field() const {
        if (told.size() < gyro_pairs)
            return std::nullopt;
        std::vector<double> sorted = told;
        const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
        std::nth_element(sorted.begin(), middle, sorted.end());
        return *middle;
    }
};

DayPairs pairs_of(const std::vector<TimedProposals>& day) {
    DayPairs read;
    for (const TimedProposals& t : day) {
        if (const auto fb = pair_gyrofrequency(t.proposals))
            read.told.push_back(*fb);
        if (read_ordinary_only(t.proposals))
            ++read.single;
    }
    return read;
}

// A pair whose twins stand a separation apart that the day's field does not give took a copy, a
// spread or a stray cusp for a twin: its foF2, and what is read from foF2, are withheld. So are
// those of a sounding read with no extraordinary trace where most of the day's show one: an
// instrument records both waves or one, and its top cusp was the extraordinary one.
void withhold_stray_pairs(std::vector<TimedProposals>& day) {
    const DayPairs read = pairs_of(day);
    const auto field = read.field();
    if (!field)
        return;
    const bool both_waves = read.told.size() > read.single;
    for (TimedProposals& t : day) {
        const auto fb = pair_gyrofrequency(t.proposals);
        const bool stray = fb ? std::fabs(*fb - *field) > gyro_spread
                              : both_waves && read_ordinary_only(t.proposals);
        if (!stray)
            continue;
        for (const Characteristic c : {Characteristic::foF2, Characteristic::fxI,
                                       Characteristic::muf3000F2, Characteristic::m3000F2})
            t.proposals[c].reset();
    }
}

// A sounder that records the ordinary wave only: where most of the day's soundings are read with
// no extraordinary trace (eight at least, and this many times those read as pairs), a top cusp
// that found no twin is the ordinary one too.
constexpr std::size_t lone_over_pairs = 4;
void read_lone_cusps(std::vector<TimedProposals>& day) {
    const DayPairs read = pairs_of(day);
    if (read.single < gyro_pairs || read.single < lone_over_pairs * read.told.size())
        return;
    for (TimedProposals& t : day)
        if (!t.proposals[Characteristic::foF2] && t.f_trace.lone_top) {
            t.proposals[Characteristic::foF2] = t.f_trace.lone_top;
            t.proposals.separation = 0.0;
            // The ordinary trace was read with a twin's separation: it tells no layer.
            t.f_trace.ordinary.clear();
            t.f_trace.peak_height.reset();
            t.f_trace.scale_height.reset();
        }
}

// A pair guessed where the trace pairs told nothing either way is the sounding's pair where the
// day's field (eight measured pairs at least) gives its separation closely.
constexpr double guess_spread = 0.15;
constexpr double confirmed_guess = 0.6;
// A pair guessed among many cusps is the sounding's only where the nearest foF2 read lies within
// this much (MHz): a pair of bursts or lines stands far off the day's foF2.
constexpr double near_reading = 0.3;
// Closer for a pair its traces matched too weakly to tell: it is any one of few cusps.
constexpr double weakly_matched_near = 0.2;
// A measured pair among a large crowd: the line through the day's foF2 on both sides passes this
// near it (MHz). A crowd holds pairs of lines at the day's field, but seldom along the day's foF2.
constexpr double crowd_between = 0.1;
// Guessed a separation the day's field does not give (its cusps the station's separation apart,
// where nothing told the pair's), a pair's foF2 is placed by the field from fxI, within this much
// (MHz) of the cusp guessed: further off, the extraordinary cusp guessed is not the pair's. A
// little further off, the day's nearest foF2 read must lie near the value placed.
constexpr double field_placed = 0.1;
constexpr double field_placed_near = 0.15;
constexpr double placed_near_reading = 0.2;
// A guessed pair that may be the oblique copy of a lower pair is the sounding's only where the
// day's foF2 on both sides (within reach, the two within this much, MHz) lies on a line passing
// near the guess and away from the lower pair. Asked after the other guesses are confirmed: they
// are among the readings around.
constexpr double copy_steadiest = 0.3;
constexpr double copy_near = 0.08;
constexpr double copy_apart = 0.2;
// foF2 read (not deduced) on both sides of sounding k, on the line between the nearest two; a
// blanketing sporadic E hides nothing of it.
std::optional<double> foF2_around(const std::vector<TimedProposals>& day, std::size_t k) {
    return interpolated(day, k, Characteristic::foF2, copy_steadiest, nullptr,
                        std::numeric_limits<int>::max(), read_plainly);
}

// A sporadic E blanketing the F trace up to this far (MHz) under the ordinary cusp leaves too
// little of the trace to lead into it.
constexpr double blanketed_lead_in = 0.3;
bool sporadic_e_just_under(const TimedProposals& t, double foF2) {
    const auto& fbEs = t.proposals[Characteristic::fbEs];
    return fbEs && fbEs->value >= foF2 - blanketed_lead_in - 1e-9;
}

std::optional<Proposal> confirmed(std::optional<Proposal> p) {
    if (p)
        p->confidence = std::max(p->confidence, confirmed_guess);
    return p;
}
void confirm_guessed_pairs(std::vector<TimedProposals>& day, bool copies) {
    const auto field = pairs_of(day).field();
    if (!field)
        return;
    // The readings near each guess among many cusps, or around each possible copy, before any
    // guess of the pass is confirmed.
    std::vector<std::optional<double>> nearest(day.size());
    for (std::size_t k = 0; k < day.size(); ++k)
        if (const auto& guess = day[k].f_trace.guessed;
            guess && guess->copy_of.has_value() == copies)
            nearest[k] = copies || guess->between_readings ? foF2_around(day, k)
                         : guess->near_readings
                             ? nearest_value(day, k, Characteristic::foF2,
                                             // Around a sporadic E the nearest soundings are
                                             // often blanketed too.
                                             guess->under_sporadic_e ? read_plainly : read_value)
                             : std::nullopt;
    for (std::size_t k = 0; k < day.size(); ++k) {
        TimedProposals& t = day[k];
        const auto& guess = t.f_trace.guessed;
        if (!guess || guess->coarse || t.proposals[Characteristic::foF2] ||
            guess->copy_of.has_value() != copies)
            continue;
        if (guess->near_readings &&
            (!nearest[k] || std::fabs(*nearest[k] - guess->foF2.value) >
                                (guess->between_readings ? crowd_between
                                 : guess->weakly_matched ? weakly_matched_near
                                                         : near_reading)))
            continue;
        if (guess->under_sporadic_e && !sporadic_e_just_under(t, guess->foF2.value))
            continue;
        if (guess->copy_of &&
            (!nearest[k] || std::fabs(*nearest[k] - guess->foF2.value) > copy_near ||
             std::fabs(*nearest[k] - *guess->copy_of) <= copy_apart))
            continue;
        const double fx = guess->foF2.value + guess->separation;
        const auto placed = [&](const std::pair<double, double>& within) -> std::optional<double> {
            if (fx <= *field)
                return std::nullopt;
            const double fo = std::sqrt(fx * fx - *field * fx);
            if (fo < within.first - 1e-9 || fo > within.second + 1e-9)
                return std::nullopt;
            return fo;
        };
        std::optional<double> fo;
        bool deduced = true;
        if (guess->placed_within) {
            fo = placed(*guess->placed_within);
        } else if (std::fabs((fx * fx - guess->foF2.value * guess->foF2.value) / fx - *field) <=
                   guess_spread) {
            fo = guess->foF2.value;
            deduced = false;
        } else if (guess->in_spread) {
            fo = placed(*guess->in_spread);
        } else if (!guess->near_readings) {
            fo = placed({guess->foF2.value - field_placed, guess->foF2.value + field_placed});
            if (!fo)
                if ((fo = placed({guess->foF2.value - field_placed_near,
                                  guess->foF2.value + field_placed_near})))
                    if (const auto near = nearest_value(day, k, Characteristic::foF2);
                        !near || std::fabs(*near - *fo) > placed_near_reading)
                        fo.reset();
        }
        if (!fo)
            continue;
        Proposal foF2 = guess->foF2;
        if (deduced) {
            foF2.value = *fo;
            foF2.x = x_at_frequency(*fo);
            foF2.qualifying_letter = 'J'; // deduced from the extraordinary cusp
        }
        t.proposals[Characteristic::foF2] = confirmed(foF2);
        t.proposals[Characteristic::fxI] = confirmed(guess->fxI);
        t.proposals[Characteristic::muf3000F2] = confirmed(guess->muf);
        t.proposals[Characteristic::m3000F2] = confirmed(guess->m3000);
        // The MUF was read off the ordinary trace the found separation below the extraordinary
        // one: it moves with the cusp placed, its M(3000)F2 kept.
        auto& muf = t.proposals[Characteristic::muf3000F2];
        auto& m3000 = t.proposals[Characteristic::m3000F2];
        if (deduced && muf) {
            const double moved = *fo / guess->foF2.value;
            muf->value = tool_muf(muf->value * moved);
            muf->x = x_at_frequency(frequency_at(muf->x) * moved);
            if (const auto m = m3000 ? m3000_of(muf->value, *fo) : std::nullopt)
                m3000->value = *m;
            else
                m3000.reset();
        }
        t.proposals.separation = fx - *fo;
    }
}

// A top cusp without twin, led into: the extraordinary cusp of a pair whose ordinary one was not
// found, where the ordinary cusp the day's field places below it lies on the line through the
// foF2 read on both sides, within this much (MHz), those two no more than this many minutes
// apart. A cusp between the two is the pair's own: the top is a copy's or a spread's.
constexpr double lone_extraordinary_near = 0.08;
constexpr int lone_extraordinary_span = 60;
constexpr double cusp_between = 0.06;
// The top cusp without twin, or the extraordinary cusp of a guess the day did not confirm (its
// ordinary cusp was not the pair's), unless the guess may be a copy's or was made on a coarse
// sweep.
const Proposal* lone_extraordinary(const TimedProposals& t) {
    if (const auto& guess = t.f_trace.guessed)
        return guess->fxI && !guess->coarse && !guess->copy_of ? &*guess->fxI : nullptr;
    return t.f_trace.untwinned_top ? &*t.f_trace.untwinned_top : nullptr;
}
void place_below_lone_extraordinary(std::vector<TimedProposals>& day) {
    const auto field = pairs_of(day).field();
    if (!field)
        return;
    // A foF2 placed here is deduced, so no later one is placed along it.
    for (std::size_t k = 0; k < day.size(); ++k) {
        TimedProposals& t = day[k];
        const Proposal* lone = lone_extraordinary(t);
        if (t.proposals[Characteristic::foF2] || lone == nullptr)
            continue;
        const auto around = interpolated(day, k, Characteristic::foF2, copy_steadiest, nullptr,
                                         lone_extraordinary_span, read_plainly);
        if (!around)
            continue;
        const Proposal& top = *lone;
        const double fx = top.value;
        if (fx <= *field)
            continue;
        const double fo = std::sqrt(fx * fx - *field * fx);
        if (std::fabs(fo - *around) > lone_extraordinary_near + 1e-9 ||
            std::ranges::any_of(t.f_trace.cusps, [&](double cusp) {
                return cusp > fo + cusp_between && cusp < fx - cusp_between;
            }))
            continue;
        Proposal foF2 = top;
        foF2.value = fo;
        foF2.x = x_at_frequency(fo);
        foF2.qualifying_letter = 'J'; // deduced from the extraordinary cusp
        t.proposals[Characteristic::foF2] = confirmed(foF2);
        t.proposals[Characteristic::fxI] = confirmed(top);
        t.proposals.separation = fx - fo;
    }
}

// On a sweep coarser than 0.25 MHz the twins a column apart tell no separation closer than a
// step; that they stand a column apart at the station's separation, the day tells: where eight
// soundings show it at least, and four times as many as show otherwise, the guessed ordinary cusps
// stand the station's separation below the extraordinary ones.
constexpr std::size_t twins_shown = 8;
constexpr std::size_t twins_over_other = 4;
void confirm_coarse_guesses(std::vector<TimedProposals>& day) {
    std::size_t apart = 0;
    std::size_t other = 0;
    for (const TimedProposals& t : day)
        if (t.f_trace.twins_a_column_apart)
            ++(*t.f_trace.twins_a_column_apart ? apart : other);
    if (apart < twins_shown || apart < twins_over_other * other)
        return;
    for (TimedProposals& t : day) {
        const auto& guess = t.f_trace.guessed;
        if (!guess || !guess->coarse || t.proposals[Characteristic::foF2])
            continue;
        t.proposals[Characteristic::foF2] = confirmed(guess->foF2);
        t.proposals[Characteristic::fxI] = confirmed(guess->fxI);
        t.proposals.separation = guess->separation;
    }
}

// The day's foE readings with fmin, for the sun's curve; `at` gets the position of each.
std::vector<ESunReading> e_readings_of(const std::vector<TimedProposals>& day,
                                       std::vector<std::size_t>* at = nullptr) {
    std::vector<ESunReading> readings;
    for (std::size_t k = 0; k < day.size(); ++k) {
        const auto foE = read_value(day[k], Characteristic::foE);
        const auto& fmin = day[k].proposals[Characteristic::fmin];
        if (foE && fmin) {
            readings.push_back({day[k].minute, *foE, fmin->value});
            if (at != nullptr)
                at->push_back(k);
        }
    }
    return readings;
}

// foE readings off the sun's curve through the others (the extraordinary E cusp, or a cusp a step
// away on a coarse sweep): left aside, the worst first, until the rest follow the curve; foE
// and h'E of those left aside are withheld. Nothing is where the rest do not follow the sun.
void withhold_stray_foE(std::vector<TimedProposals>& day) {
    std::vector<std::size_t> at;
    std::vector<ESunReading> readings = e_readings_of(day, &at);
    const auto most = static_cast<std::size_t>(most_stray_e * static_cast<double>(readings.size()));
    std::vector<std::size_t> stray;
    while (const auto curve = solar_e_curve(readings)) {
        std::size_t worst = 0;
        double off = -1;
        for (std::size_t n = 0; n < readings.size(); ++n)
            if (const double d = std::fabs(curve->foE_at(readings[n].minute) - readings[n].foE);
                d > off) {
                off = d;
                worst = n;
            }
        if (off <= e_spread)
            break;
        if (stray.size() >= most)
            return;
        stray.push_back(at[worst]);
        readings.erase(readings.begin() + static_cast<std::ptrdiff_t>(worst));
        at.erase(at.begin() + static_cast<std::ptrdiff_t>(worst));
    }
    if (!fit_solar_e(readings))
        return;
    for (const std::size_t k : stray) {
        day[k].proposals[Characteristic::foE].reset();
        day[k].proposals[Characteristic::hE].reset();
    }
}

} // namespace

void fill_hidden_from_neighbours(std::vector<TimedProposals>& day) {
    std::stable_sort(day.begin(), day.end(), [](const TimedProposals& a, const TimedProposals& b) {
        return a.minute < b.minute;
    });
    read_lone_cusps(day);
    withhold_stray_pairs(day);
    confirm_guessed_pairs(day, false);
    confirm_guessed_pairs(day, true);
    confirm_coarse_guesses(day);
    place_below_lone_extraordinary(day);
    withhold_stray_foE(day);
    const auto sun = fit_solar_e(e_readings_of(day));
    const F1Season f1 = f1_season(day, sun);
    std::vector<Proposals> filled;
    filled.reserve(day.size());
    for (std::size_t k = 0; k < day.size(); ++k) {
        Proposals p = day[k].proposals;
        if (blanketed(p)) {
            // The E trace lies under the sporadic E by day: the sun's curve through the day's
            // readings tells foE where the layer is there; without the curve, both neighbours
            // must show it.
            if (!p[Characteristic::foE]) {
                std::optional<double> foE;
                const auto& fmin = p[Characteristic::fmin];
                if (sun) {
                    if (fmin && sun->seen_at(day[k].minute, fmin->value))
                        foE = sun->foE_at(day[k].minute);
                } else {
                    foE = curved(day, k, Characteristic::foE);
                    if (!foE)
                        foE = interpolated(day, k, Characteristic::foE);
                }
                auto hE = interpolated(day, k, Characteristic::hE);
                if (!hE && foE)
                    hE = nearest_value(day, k, Characteristic::hE);
                if (foE && hE) {
                    p[Characteristic::foE] = interpolation_of(*foE, std::nullopt);
                    p[Characteristic::foE]->x = x_at_frequency(*foE);
                    p[Characteristic::foE]->y = y_at_height(*hE);
                    p[Characteristic::hE] = interpolation_of(*hE, p[Characteristic::foE]);
                }
            }
            // The lowest part of the F trace may be hidden too: the lowest height read lies
            // above the true one, never below it.
            auto& read = p[Characteristic::hF];
            bool untold = false;
            const auto hF = hidden_hF(day, k, sun, f1, untold);
            if (untold)
                read.reset();
            if (hF && read && *hF < read->value - 3) {
                const Proposal shape = *read;
                read = interpolation_of(*hF, shape);
                read->y = y_at_height(*hF);
            }
        }
        filled.push_back(p);
    }
    for (std::size_t k = 0; k < day.size(); ++k)
        day[k].proposals = filled[k];
}

} // namespace scalvo::autoscale
