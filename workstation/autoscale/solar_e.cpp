// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/solar_e.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace scalvo::autoscale {

namespace {

constexpr double minutes_per_day = 1440;
// The curve needs readings over some hours to be told apart from a line.
constexpr int least_readings = 6;
constexpr int least_span_minutes = 180;
// Readings off the fitted curve by more than this (rms, MHz) do not follow the sun.
constexpr double worst_rms = 0.08;

std::array<double, 3> basis(int minute) {
    const double w = 2 * std::numbers::pi * minute / minutes_per_day;
    return {1.0, std::cos(w), std::sin(w)};
}

// Solves the 3 x 3 system m x = v by Cramer's rule; none when it is singular.
std::optional<std::array<double, 3>> solve(const std::array<std::array<double, 3>, 3>& m,
                                           const std::array<double, 3>& v) {
    const auto det = [](const std::array<std::array<double, 3>, 3>& a) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
               a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det(m);
    if (std::fabs(d) < 1e-12)
        return std::nullopt;
    std::array<double, 3> x{};
    for (std::size_t col = 0; col < 3; ++col) {
        auto replaced = m;
        for (std::size_t row = 0; row < 3; ++row)
            replaced[row][col] = v[row];
        x[col] = det(replaced) / d;
    }
    return x;
}

} // namespace

double SolarE::foE_at(int minute) const {
    const auto f = basis(minute);
    const double fourth = a * f[0] + b * f[1] + c * f[2];
    return fourth > 0 ? std::pow(fourth, 0.25) : 0.0;
}

bool SolarE::seen_at(int minute, double fmin) const {
    return foE_at(minute) >= fmin + margin - 1e-9;
}

std::optional<SolarE> fit_solar_e(const std::vector<ESunReading>& readings) {
    auto model = solar_e_curve(readings);
    if (!model)
        return std::nullopt;
    double squares = 0;
    for (const ESunReading& r : readings) {
        const double off = model->foE_at(r.minute) - r.foE;
        squares += off * off;
    }
    if (std::sqrt(squares / static_cast<double>(readings.size())) > worst_rms)
        return std::nullopt;
    return model;
}

std::optional<SolarE> solar_e_curve(const std::vector<ESunReading>& readings) {
    if (static_cast<int>(readings.size()) < least_readings)
        return std::nullopt;
    int first = readings.front().minute;
    int last = first;
    std::array<std::array<double, 3>, 3> m{};
    std::array<double, 3> v{};
    SolarE model;
    model.margin = 1e9;
    for (const ESunReading& r : readings) {
        first = std::min(first, r.minute);
        last = std::max(last, r.minute);
        const auto f = basis(r.minute);
        const double y = std::pow(r.foE, 4);
        for (std::size_t i = 0; i < 3; ++i) {
            v[i] += f[i] * y;
            for (std::size_t j = 0; j < 3; ++j)
                m[i][j] += f[i] * f[j];
        }
        model.margin = std::min(model.margin, r.foE - r.fmin);
    }
    if (last - first < least_span_minutes)
        return std::nullopt;
    const auto x = solve(m, v);
    if (!x)
        return std::nullopt;
    model.a = (*x)[0];
    model.b = (*x)[1];
    model.c = (*x)[2];
    model.margin = std::max(0.0, model.margin);
    return model;
}

} // namespace scalvo::autoscale
