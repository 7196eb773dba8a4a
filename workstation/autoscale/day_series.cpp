#include "autoscale/day_series.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
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
                auto foE = curved(day, k, Characteristic::foE);
                if (!foE)
                    foE = interpolated(day, k, Characteristic::foE);
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
