// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/transmitter_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>

namespace scalvo::autoscale {

namespace {

// The day is counted in parts of this many minutes: a line shows in all of them but two, on at
// least this share of the soundings. The ionosphere's cusps seldom stay on one column that long;
// a long quiet night's may, and what is read again there must pass the guards below.
constexpr int part_minutes = 120;
constexpr int parts_missed = 2;
constexpr double line_share = 0.15;
// A day of fewer parts than this does not tell a line from a long quiet night.
constexpr int fewest_parts = 8;
// A transmitter may be wider than a column: the column beside a line's joins it where it holds
// cusps on this share of the soundings.
constexpr double beside_share = 0.08;
// How far apart (MHz) the columns beside a line may stand, and a cusp read on a line's column.
constexpr double beside_line = 0.06;
constexpr double on_line = 1e-3;

// The separation read again must lie this near (MHz) the day's, told by this many soundings.
constexpr double separation_near = 0.15;
constexpr std::size_t separations_told = 8;
// A pair read again within this much (MHz) of a line may have its true cusp behind it; a guess's
// ordinary cusp may yet be placed by the day's field, up to 0.15 MHz from where it was read.
constexpr double clear_of_line = 0.06;
constexpr double guess_clear_of_line = 0.21;

struct Column {
    int soundings = 0;
    std::set<int> parts;
};

long column_key(double frequency) {
    return std::lround(frequency * 1000);
}

std::optional<double> day_separation(const std::vector<TimedProposals>& day) {
    std::vector<double> separations;
    for (const TimedProposals& t : day)
        if (t.proposals[Characteristic::foF2] && t.proposals.separation)
            separations.push_back(*t.proposals.separation);
    if (separations.size() < separations_told)
        return std::nullopt;
    const auto middle = separations.begin() + static_cast<std::ptrdiff_t>(separations.size() / 2);
    std::nth_element(separations.begin(), middle, separations.end());
    return *middle;
}

bool near_a_line(const std::vector<double>& lines, double frequency, double within) {
    return std::ranges::any_of(
        lines, [&](double line) { return std::fabs(line - frequency) < within + 1e-9; });
}

// Whether the pair read again may stand for the sounding's.
bool kept(const Reading& again, const TimedProposals& before, const std::vector<double>& lines,
          std::optional<double> separation) {
    const Proposals& p = again.proposals;
    if (const auto& foF2 = p[Characteristic::foF2]) {
        const auto& fxI = p[Characteristic::fxI];
        return separation && p.separation &&
               std::fabs(*p.separation - *separation) <= separation_near + 1e-9 &&
               !near_a_line(lines, foF2->value, clear_of_line) &&
               !(fxI && near_a_line(lines, fxI->value, clear_of_line));
    }
    const auto& guess = again.f_trace.guessed;
    return guess && !before.f_trace.guessed &&
           !near_a_line(lines, guess->foF2.value, guess_clear_of_line) &&
           !(guess->fxI && near_a_line(lines, guess->fxI->value, clear_of_line));
}

} // namespace

std::vector<double> recurring_lines(const std::vector<TimedProposals>& day) {
    std::map<long, Column> columns;
    std::set<int> parts;
    for (const TimedProposals& t : day) {
        const int part = t.minute / part_minutes;
        parts.insert(part);
        std::set<long> keys;
        for (const double f : t.f_trace.cusps)
            keys.insert(column_key(f));
        for (const long key : keys) {
            Column& column = columns[key];
            ++column.soundings;
            column.parts.insert(part);
        }
    }
    std::vector<double> lines;
    const int spanned = static_cast<int>(parts.size());
    if (spanned < fewest_parts)
        return lines;
    const double soundings = static_cast<double>(day.size());
    const auto share = [&](const Column& column) {
        return static_cast<double>(column.soundings) / soundings;
    };
    std::set<long> found;
    for (const auto& [key, column] : columns)
        if (share(column) >= line_share &&
            static_cast<int>(column.parts.size()) >= spanned - parts_missed)
            found.insert(key);
    std::set<long> wide = found;
    const long beside = column_key(beside_line);
    const auto joins = [&](long key, const std::pair<const long, Column>& other) {
        return std::abs(other.first - key) <= beside && share(other.second) >= beside_share;
    };
    for (const long key : found) {
        const auto at = columns.find(key);
        for (auto next = std::next(at); next != columns.end() && joins(key, *next); ++next)
            wide.insert(next->first);
        for (auto before = at; before != columns.begin() && joins(key, *std::prev(before));
             --before)
            wide.insert(std::prev(before)->first);
    }
    for (const long key : wide)
        lines.push_back(static_cast<double>(key) / 1000);
    return lines;
}

void read_again_without_lines(std::vector<TimedProposals>& day, const ReadAgain& read_again) {
    const std::vector<double> lines = recurring_lines(day);
    if (lines.empty())
        return;
    const auto separation = day_separation(day);
    for (std::size_t k = 0; k < day.size(); ++k) {
        TimedProposals& t = day[k];
        if (t.proposals[Characteristic::foF2] ||
            std::ranges::none_of(t.f_trace.cusps,
                                 [&](double f) { return near_a_line(lines, f, on_line); }))
            continue;
        const auto again = read_again(k, lines);
        if (!again || !kept(*again, t, lines, separation))
            continue;
        // Only the F2 pair was at stake: the rest of the sounding reads as it did.
        for (const Characteristic c : {Characteristic::foF2, Characteristic::fxI,
                                       Characteristic::muf3000F2, Characteristic::m3000F2})
            t.proposals[c] = again->proposals[c];
        t.proposals.separation = again->proposals.separation;
        t.f_trace = again->f_trace;
    }
}

} // namespace scalvo::autoscale
