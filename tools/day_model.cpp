// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_model.h"

#include "random.h"
#include "solar.h"
#include "station.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

namespace {

constexpr double two_pi = 2.0 * std::numbers::pi;
constexpr double sunspot_number = 80.0;
constexpr double foF2_lag_hours = 1.5;

// Seeds of the streams drawn from the day's seed.
constexpr std::uint64_t sounding_stream = 1'000'000;
constexpr std::uint64_t noise_stream = 2'000'000;

double hours(double minute) {
    return minute / 60.0;
}

double local_to_ut_minute(double local_hours) {
    return (local_hours - station::longitude_deg / 15.0) * 60.0;
}

// Daytime share of foF2, 0 by night and 1 in the early afternoon, following the sun with
// a lag (the F2 layer takes time to fill and to empty).
double daytime_share(int day_of_year, double minute_ut, double noon_cos_zenith) {
    double lagged = cos_solar_zenith(day_of_year, hours(minute_ut) - foF2_lag_hours);
    double share = std::clamp((lagged + 0.12) / (noon_cos_zenith + 0.12), 0.0, 1.0);
    return std::pow(share, 0.8);
}

} // namespace

DayModel::DayModel(const Date& date, std::uint64_t seed)
    : day_of_year_(day_of_year(date)),
      day_seed_(derive_seed(seed, static_cast<std::uint64_t>(date.year) * 1000 +
                                      static_cast<std::uint64_t>(day_of_year_))) {
    Random random(day_seed_);
    noon_cos_zenith_ = cos_solar_zenith(day_of_year_, 12.0 - station::longitude_deg / 15.0);
    day_foF2_ = random.uniform(8.2, 9.8);
    night_foF2_ = random.uniform(2.9, 3.5);
    f1_threshold_ = random.uniform(0.40, 0.48);
    for (auto& ripple : foF2_ripples_) {
        ripple = {random.uniform(0.015, 0.035), random.uniform(40.0, 150.0),
                  random.uniform(0.0, two_pi)};
    }
    for (auto& ripple : height_ripples_) {
        ripple = {random.uniform(3.0, 8.0), random.uniform(40.0, 150.0),
                  random.uniform(0.0, two_pi)};
    }
    // One transparent morning event, one blanketing afternoon event, two by night.
    es_events_.push_back({local_to_ut_minute(random.uniform(8.5, 11.0)),
                          random.uniform(60.0, 110.0), random.uniform(4.2, 5.6), 0.0,
                          random.uniform(100.0, 110.0)});
    es_events_.push_back({local_to_ut_minute(random.uniform(14.0, 16.5)),
                          random.uniform(50.0, 90.0), random.uniform(5.5, 7.5),
                          random.uniform(0.75, 0.9), random.uniform(100.0, 110.0)});
    double evening_ratio = random.chance(0.5) ? random.uniform(0.7, 0.85) : 0.0;
    es_events_.push_back({local_to_ut_minute(random.uniform(20.0, 23.0)),
                          random.uniform(60.0, 100.0), random.uniform(2.8, 4.2), evening_ratio,
                          random.uniform(105.0, 120.0)});
    es_events_.push_back({local_to_ut_minute(random.uniform(1.0, 4.0)), random.uniform(40.0, 80.0),
                          random.uniform(2.5, 3.5), 0.0, random.uniform(105.0, 120.0)});
}

double DayModel::foF2_at(double minute_ut) const {
    double local = std::fmod(hours(minute_ut) + station::longitude_deg / 15.0 + 24.0, 24.0);
    // The night value slowly decays from the evening to its minimum before sunrise.
    double night = night_foF2_ + 0.7 * std::cos(two_pi * (local - 22.0) / 24.0);
    double share = daytime_share(day_of_year_, minute_ut, noon_cos_zenith_);
    double ripple = 1.0;
    for (const auto& r : foF2_ripples_) {
        ripple += r.amplitude * std::sin(two_pi * minute_ut / r.period_minutes + r.phase);
    }
    return (night + (day_foF2_ - night) * share) * ripple;
}

double DayModel::hmF2_at(double minute_ut) const {
    double local = std::fmod(hours(minute_ut) + station::longitude_deg / 15.0 + 24.0, 24.0);
    double share = daytime_share(day_of_year_, minute_ut, noon_cos_zenith_);
    // The layer is pushed down by day and lifted after sunset by the reversing winds.
    double evening = (local - 20.5) / 1.6;
    double height = 305.0 - 50.0 * share + 45.0 * std::exp(-evening * evening);
    for (const auto& r : height_ripples_) {
        height += r.amplitude * std::sin(two_pi * minute_ut / r.period_minutes + r.phase);
    }
    return height;
}

std::optional<SporadicE> DayModel::sporadic_e_at(double minute_ut, const SoundingModel& sounding,
                                                 std::uint64_t sounding_seed) const {
    Random random(derive_seed(sounding_seed, 7));
    std::optional<SporadicE> strongest;
    for (const auto& event : es_events_) {
        double offset = (minute_ut - event.centre_minute) / event.half_width_minutes;
        if (std::fabs(offset) >= 1.0) {
            continue;
        }
        double weight = std::cos(0.5 * std::numbers::pi * offset);
        weight *= weight;
        double top = event.peak_frequency * (0.6 + 0.4 * weight) + random.uniform(-0.15, 0.15);
        if (!strongest || top > strongest->top_frequency) {
            double blanketing = std::max(sounding.fmin, event.blanketing_ratio * top);
            strongest = SporadicE{top, blanketing, event.height + random.uniform(-2.0, 2.0)};
        }
    }
    // Sporadic indeed: a patch drifts away now and then.
    if (!strongest || random.chance(0.12)) {
        return std::nullopt;
    }
    double lowest_visible = sounding.fmin + 0.4;
    if (sounding.ionosphere.e) {
        // An Es trace that ends below foE is lost in the E trace.
        lowest_visible = std::max(lowest_visible, sounding.ionosphere.e->critical_frequency + 0.3);
    }
    if (strongest->top_frequency < lowest_visible) {
        return std::nullopt;
    }
    return strongest;
}

SoundingModel DayModel::sounding(int minute_of_day) const {
    SoundingModel model;
    model.minute_of_day = minute_of_day;
    std::uint64_t sounding_seed =
        derive_seed(day_seed_, sounding_stream + static_cast<std::uint64_t>(minute_of_day));
    model.noise_seed =
        derive_seed(day_seed_, noise_stream + static_cast<std::uint64_t>(minute_of_day));
    Random random(sounding_seed);

    double minute = minute_of_day;
    double cz = cos_solar_zenith(day_of_year_, hours(minute));
    double sunlit = std::max(cz, 0.0);
    model.cos_zenith = cz;
    // D-region absorption lifts fmin by day.
    double fmin = 1.25 + 0.85 * std::pow(sunlit, 0.75) + random.uniform(-0.08, 0.08);
    model.fmin = std::round(std::max(fmin, 1.05) * 100.0) / 100.0;

    double foF2 = foF2_at(minute);
    double hmF2 = hmF2_at(minute);
    double share = daytime_share(day_of_year_, minute, noon_cos_zenith_);
    model.ionosphere.f2 = {foF2, hmF2, 44.0 - 12.0 * share};

    if (cz > 0.0) {
        double foE = 0.9 * std::pow((180.0 + 1.44 * sunspot_number) * cz, 0.25);
        foE *= 1.0 + random.uniform(-0.015, 0.015);
        // Too close to fmin the E trace would be a dot; the layer is then not seen.
        if (foE >= model.fmin + 0.3) {
            model.ionosphere.e = ChapmanLayer{foE, 108.0 + 6.0 * (1.0 - cz), 9.0};
        }
    }
    if (cz > f1_threshold_) {
        double foF1 = (4.25 + 0.015 * sunspot_number) * std::pow(cz, 0.2);
        ChapmanLayer f1{foF1, 175.0 + 15.0 * (1.0 - cz), 24.0};
        // Keep F1 only where it makes its own peak (and so a cusp) below the F2 layer.
        double f2_there = chapman_plasma_frequency_squared(model.ionosphere.f2, f1.peak_height);
        if (f2_there < 0.85 * foF1 * foF1 && foF1 < foF2 - 1.0) {
            model.ionosphere.f1 = f1;
        }
    }
    model.sporadic_e = sporadic_e_at(minute, model, sounding_seed);
    return model;
}

} // namespace synth
