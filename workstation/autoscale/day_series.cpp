#include "autoscale/day_series.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace scalvo::autoscale {

namespace {

// Neighbours further than this in time tell too little.
constexpr int reach_minutes = 180;
// A sporadic E blanketing from this far above fmin hides what lies above it.
constexpr double blanketing_margin = 0.15;

bool blanketed(const Proposals& p) {
    const auto& fbEs = p[Characteristic::fbEs];
    const auto& fmin = p[Characteristic::fmin];
    return fbEs && fmin && fbEs->value > fmin->value + blanketing_margin;
}

// A value read off a sounding that no sporadic E blanketed.
std::optional<double> read_value(const TimedProposals& t, Characteristic c) {
    const auto& p = t.proposals[c];
    if (!p || p->qualifying_letter != 0 || blanketed(t.proposals))
        return std::nullopt;
    return p->value;
}

struct Neighbour {
    int minute = 0;
    double value = 0;
};

// The nearest readings before and after position k, within reach.
std::optional<double> interpolated(const std::vector<TimedProposals>& day, std::size_t k,
                                   Characteristic c) {
    std::optional<Neighbour> before;
    std::optional<Neighbour> after;
    for (std::size_t n = k; n-- > 0;) {
        if (day[k].minute - day[n].minute > reach_minutes)
            break;
        if (const auto v = read_value(day[n], c)) {
            before = Neighbour{day[n].minute, *v};
            break;
        }
    }
    for (std::size_t n = k + 1; n < day.size(); ++n) {
        if (day[n].minute - day[k].minute > reach_minutes)
            break;
        if (const auto v = read_value(day[n], c)) {
            after = Neighbour{day[n].minute, *v};
            break;
        }
    }
    if (!before || !after || after->minute == before->minute)
        return std::nullopt;
    const double t = static_cast<double>(day[k].minute - before->minute) /
                     static_cast<double>(after->minute - before->minute);
    return before->value + t * (after->value - before->value);
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

int x_of(double frequency) {
    return static_cast<int>(std::lround(40 * frequency - 36));
}

int y_of(double height) {
    return static_cast<int>(std::lround((height - 85.5) / 1.125));
}

} // namespace

void fill_hidden_from_neighbours(std::vector<TimedProposals>& day) {
    std::stable_sort(day.begin(), day.end(), [](const TimedProposals& a, const TimedProposals& b) {
        return a.minute < b.minute;
    });
    std::vector<Proposals> filled;
    filled.reserve(day.size());
    for (std::size_t k = 0; k < day.size(); ++k) {
        Proposals p = day[k].proposals;
        if (blanketed(p)) {
            // The E trace lies under the sporadic E by day: both neighbours show it.
            if (!p[Characteristic::foE]) {
                const auto foE = interpolated(day, k, Characteristic::foE);
                const auto hE = interpolated(day, k, Characteristic::hE);
                if (foE && hE) {
                    p[Characteristic::foE] = interpolation_of(*foE, std::nullopt);
                    p[Characteristic::foE]->x = x_of(*foE);
                    p[Characteristic::foE]->y = y_of(*hE);
                    p[Characteristic::hE] = interpolation_of(*hE, p[Characteristic::foE]);
                }
            }
            // The lowest part of the F trace may be hidden too: the lowest height read lies
            // above the true one, never below it.
            const auto hF = interpolated(day, k, Characteristic::hF);
            auto& read = p[Characteristic::hF];
            if (hF && read && *hF < read->value - 3) {
                const Proposal shape = *read;
                read = interpolation_of(*hF, shape);
                read->y = y_of(*hF);
            }
        }
        filled.push_back(p);
    }
    for (std::size_t k = 0; k < day.size(); ++k)
        day[k].proposals = filled[k];
}

} // namespace scalvo::autoscale
