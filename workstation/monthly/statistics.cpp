// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/statistics.h"

#include "common/conversions.h"
#include "monthly/characteristics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace scalvo {

namespace {

bool greater_than(char q) {
    return q == 'D';
}
// A is "less than" too, for an fbEs that only foEs bounds.
bool less_than(char q) {
    return q == 'E' || q == 'A';
}
bool directional(char q) {
    return greater_than(q) || less_than(q);
}

// An entry that counts, where it stands among the others.
struct Ranked {
    double key = 0; // the code; -infinity below all values, +infinity above
    int tie = 0;    // among equal codes: "less than" first, "greater than" last
    const Entry* entry = nullptr;
    bool number() const { return std::isfinite(key); }
};

constexpr double infinity = std::numeric_limits<double>::infinity();

std::vector<Ranked> ranked(Row row, std::span<const Entry> entries) {
    std::vector<Ranked> all;
    for (const Entry& e : entries) {
        if (e.code) {
            const int tie = less_than(e.qualifying) ? -1 : greater_than(e.qualifying) ? 1 : 0;
            all.push_back({static_cast<double>(*e.code), tie, &e});
            continue;
        }
        switch (place_of_replacement(row, e.descriptive)) {
        case Place::below_all:
            all.push_back({-infinity, 0, &e});
            break;
        case Place::above_all:
            all.push_back({infinity, 0, &e});
            break;
        case Place::unknown:
            break; // the value could be anywhere: it does not count
        }
    }
    std::stable_sort(all.begin(), all.end(), [](const Ranked& a, const Ranked& b) {
        return a.key != b.key ? a.key < b.key : a.tie < b.tie;
    });
    return all;
}

// The two neighbours at rank p(n + 1) (from 1, kept within 1 ... n) and the fraction between.
struct Position {
    std::size_t low = 0; // from 0
    std::size_t high = 0;
    double fraction = 0;
};

Position position(std::size_t n, double p) {
    const double r = std::clamp(p * static_cast<double>(n + 1), 1.0, static_cast<double>(n));
    const double low = std::floor(r);
    return {static_cast<std::size_t>(low) - 1, static_cast<std::size_t>(std::ceil(r)) - 1, r - low};
}

double median_key(const std::vector<Ranked>& values) {
    const Position at = position(values.size(), 0.5);
    const double a = values[at.low].key;
    const double b = values[at.high].key;
    if (at.fraction == 0 || a == b)
        return a;
    return a + at.fraction * (b - a); // NaN between -infinity and +infinity: no side is sure
}

// Leaves out the "greater than" values below the median and the "less than" values above it,
// until every one left is on its sure side of the median of what is left.
void keep_sure_places(std::vector<Ranked>& values) {
    while (!values.empty()) {
        const double median = median_key(values);
        const auto unsure = [median](const Ranked& r) {
            return (greater_than(r.entry->qualifying) && r.key < median) ||
                   (less_than(r.entry->qualifying) && r.key > median);
        };
        const auto removed = std::remove_if(values.begin(), values.end(), unsure);
        if (removed == values.end())
            return;
        values.erase(removed, values.end());
    }
}

char combined_qualifying(char a, char b) {
    if (a == b)
        return a;
    const bool greater = greater_than(a) || greater_than(b);
    const bool less = less_than(a) || less_than(b);
    if (greater && less)
        return 'U';
    if (greater)
        return 'D';
    if (less)
        return 'E';
    return a == 'U' || b == 'U' ? 'U' : ' ';
}

Statistic of_one(const Ranked& r) {
    return {true, r.entry->code, r.entry->qualifying, r.entry->descriptive};
}

Statistic between(const Ranked& a, const Ranked& b, double fraction) {
    if (a.number() && b.number()) {
        const double value = a.key + fraction * (b.key - a.key);
        const Entry& ea = *a.entry;
        const Entry& eb = *b.entry;
        return {true, static_cast<int>(nearest_integer(value)),
                combined_qualifying(ea.qualifying, eb.qualifying),
                ea.descriptive == eb.descriptive ? ea.descriptive : ' '};
    }
    if (!a.number() && !b.number()) {
        if (a.key != b.key)
            return {}; // between "below all" and "above all": nothing can be said
        return {true, std::nullopt, ' ', a.entry->descriptive};
    }
    // Between a value and one replaced below (or above) all: less (greater) than that value.
    if (!a.number())
        return {true, b.entry->code, 'E', a.entry->descriptive};
    return {true, a.entry->code, 'D', b.entry->descriptive};
}

Statistic quantile(const std::vector<Ranked>& values, double p) {
    if (values.empty())
        return {};
    const Position at = position(values.size(), p);
    if (at.fraction == 0)
        return of_one(values[at.low]);
    return between(values[at.low], values[at.high], at.fraction);
}

void mark_doubtful(Statistic& s) {
    if (s.present && s.code && !directional(s.qualifying))
        s.qualifying = 'U';
}

} // namespace

HourStatistics hour_statistics(Row row, std::span<const Entry> entries) {
    std::vector<Ranked> values = ranked(row, entries);
    keep_sure_places(values);
    HourStatistics s;
    s.count = static_cast<int>(values.size());
    s.median = quantile(values, 0.5);
    s.upper_quartile = quantile(values, 0.75);
    s.lower_quartile = quantile(values, 0.25);
    s.upper_decile = quantile(values, 0.9);
    s.lower_decile = quantile(values, 0.1);
    if (s.count < fewest_values_for_a_sure_median)
        for (Statistic* t :
             {&s.median, &s.upper_quartile, &s.lower_quartile, &s.upper_decile, &s.lower_decile})
            mark_doubtful(*t);
    if (s.upper_quartile.code && s.lower_quartile.code)
        s.range = *s.upper_quartile.code - *s.lower_quartile.code;
    return s;
}

} // namespace scalvo
