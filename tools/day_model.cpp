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
constexpr double quiet_sunspot_number = 80.0;
constexpr double foF2_lag_hours = 1.5;

// Seeds of the streams drawn from the day's seed.
constexpr std::uint64_t sounding_stream = 1'000'000;
constexpr std::uint64_t noise_stream = 2'000'000;
// The harder world draws from streams of its own, so that the quiet day's numbers stay.
constexpr std::uint64_t world_stream = 3'000'000;
constexpr std::uint64_t sporadic_e_stream = 3'000'001;
constexpr std::uint64_t sounding_world_stream = 4'000'000;

double hours(double minute) {
    return minute / 60.0;
}

double local_to_ut_minute(double local_hours) {
    return (local_hours - station::longitude_deg / 15.0) * 60.0;
}

// Daytime share of foF2, 0 by night and 1 in the early afternoon, following the sun with
// a lag (the F2 layer takes time to fill and to empty). In a polar night the sun's noon
// stays below the horizon and the share with it.
double daytime_share(int day_of_year, double minute_ut, double noon_cos_zenith, double latitude) {
    double lagged = cos_solar_zenith(day_of_year, hours(minute_ut) - foF2_lag_hours, latitude);
    double share = std::clamp((lagged + 0.12) / std::max(noon_cos_zenith + 0.12, 0.12), 0.0, 1.0);
    return std::pow(share, 0.8);
}

double local_hours_of(double minute_ut) {
    return std::fmod(hours(minute_ut) + station::longitude_deg / 15.0 + 48.0, 24.0);
}

// Near the magnetic equator (taken as the geographic one) and in the auroral zones.
double equatorial_weight(double latitude) {
    return std::exp(-(latitude / 15.0) * (latitude / 15.0));
}
double polar_weight(double latitude) {
    return std::clamp((std::fabs(latitude) - 55.0) / 15.0, 0.0, 1.0);
}

double smoothstep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

// A slow spell: a ripple of the day that is "on" while above its threshold.
double spell(double amplitude, double period, double phase, double minute_ut) {
    return amplitude * std::sin(two_pi * minute_ut / period + phase);
}

} // namespace

DayModel::DayModel(const Date& date, std::uint64_t seed, const World& world)
    : world_(world), day_of_year_(day_of_year(date)),
      day_seed_(derive_seed(seed, static_cast<std::uint64_t>(date.year) * 1000 +
                                      static_cast<std::uint64_t>(day_of_year_))),
      latitude_(world.latitude.value_or(station::latitude_deg)),
      sunspot_number_(world.sunspot_number.value_or(quiet_sunspot_number)) {
    Random random(day_seed_);
    noon_cos_zenith_ =
        cos_solar_zenith(day_of_year_, 12.0 - station::longitude_deg / 15.0, latitude_);
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
    if (world_.varied_sporadic_e) {
        Random es_random(derive_seed(day_seed_, sporadic_e_stream));
        plan_sporadic_e(es_random);
    } else {
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
        es_events_.push_back({local_to_ut_minute(random.uniform(1.0, 4.0)),
                              random.uniform(40.0, 80.0), random.uniform(2.5, 3.5), 0.0,
                              random.uniform(105.0, 120.0)});
    }
    if (world_.any()) {
        plan_world();
    }
}

double DayModel::foF2_at(double minute_ut) const {
    double local = std::fmod(hours(minute_ut) + station::longitude_deg / 15.0 + 24.0, 24.0);
    // The night value slowly decays from the evening to its minimum before sunrise.
    double night = night_foF2_ + 0.7 * std::cos(two_pi * (local - 22.0) / 24.0);
    double share = daytime_share(day_of_year_, minute_ut, noon_cos_zenith_, latitude_);
    double ripple = 1.0;
    for (const auto& r : foF2_ripples_) {
        ripple += r.amplitude * std::sin(two_pi * minute_ut / r.period_minutes + r.phase);
    }
    double foF2 = (night + (day_foF2_ - night) * share) * ripple;
    if (world_.storm) {
        // The negative phase: the layer is emptied within a few hours of the onset, never
        // below the little a night keeps.
        foF2 = 1.6 + (foF2 - 1.6) * (1.0 - storm_depth_ * storm_share(minute_ut));
    }
    return foF2;
}

double DayModel::hmF2_at(double minute_ut) const {
    double local = std::fmod(hours(minute_ut) + station::longitude_deg / 15.0 + 24.0, 24.0);
    double share = daytime_share(day_of_year_, minute_ut, noon_cos_zenith_, latitude_);
    // The layer is pushed down by day and lifted after sunset by the reversing winds.
    double evening = (local - 20.5) / 1.6;
    double height = 305.0 - 50.0 * share + 45.0 * std::exp(-evening * evening);
    for (const auto& r : height_ripples_) {
        height += r.amplitude * std::sin(two_pi * minute_ut / r.period_minutes + r.phase);
    }
    if (world_.latitude) {
        // Higher over the equator, with the steep rise after sunset that seeds spread F.
        double equatorial = equatorial_weight(latitude_);
        double sunset = (local - 19.5) / 1.2;
        height += 45.0 * equatorial + 110.0 * equatorial * std::exp(-sunset * sunset) +
                  20.0 * polar_weight(latitude_);
    }
    if (world_.storm) {
        height += storm_lift_km_ * storm_share(minute_ut);
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
    double cz = cos_solar_zenith(day_of_year_, hours(minute), latitude_);
    double sunlit = std::max(cz, 0.0);
    model.cos_zenith = cz;
    // D-region absorption lifts fmin by day.
    double noon_fmin = world_.absorption.value_or(2.1);
    double fmin = world_.absorption ? 1.25 + (noon_fmin - 1.25) * std::pow(sunlit, 0.75)
                                    : 1.25 + 0.85 * std::pow(sunlit, 0.75);
    fmin += random.uniform(-0.08, 0.08);
    model.fmin = std::round(std::max(fmin, 1.05) * 100.0) / 100.0;

    double foF2 = foF2_at(minute);
    double hmF2 = hmF2_at(minute);
    double share = daytime_share(day_of_year_, minute, noon_cos_zenith_, latitude_);
    model.ionosphere.f2 = {foF2, hmF2, 44.0 - 12.0 * share};

    if (cz > 0.0) {
        double foE = 0.9 * std::pow((180.0 + 1.44 * sunspot_number_) * cz, 0.25);
        foE *= 1.0 + random.uniform(-0.015, 0.015);
        // Too close to fmin the E trace would be a dot; the layer is then not seen. In the
        // harder world the layer is still there and bends the F echoes, only hidden.
        ChapmanLayer e{foE, 108.0 + 6.0 * (1.0 - cz), 9.0};
        if (foE >= model.fmin + 0.3) {
            model.ionosphere.e = e;
        } else if (world_.absorption) {
            model.ionosphere.e = e;
            model.e_below_absorption = true;
        }
    }
    if (cz > f1_threshold_) {
        double foF1 = (4.25 + 0.015 * sunspot_number_) * std::pow(cz, 0.2);
        ChapmanLayer f1{foF1, 175.0 + 15.0 * (1.0 - cz), 24.0};
        // Keep F1 only where it makes its own peak (and so a cusp) below the F2 layer.
        double f2_there = chapman_plasma_frequency_squared(model.ionosphere.f2, f1.peak_height);
        if (f2_there < 0.85 * foF1 * foF1 && foF1 < foF2 - 1.0) {
            model.ionosphere.f1 = f1;
        }
    }
    if (world_.varied_sporadic_e) {
        add_varied_sporadic_e(model, sounding_seed);
    } else {
        model.sporadic_e = sporadic_e_at(minute, model, sounding_seed);
    }
    if (world_.any()) {
        add_world(model, sounding_seed);
    }
    return model;
}

// ---- The harder world ----

void DayModel::plan_world() {
    Random random(derive_seed(day_seed_, world_stream));
    double equatorial = equatorial_weight(latitude_);
    double polar = polar_weight(latitude_);
    if (world_.sunspot_number) {
        // Noon foF2 of about 6 MHz at sunspot minimum and 12 MHz at a high maximum.
        double level = std::sqrt((1.0 + 0.0125 * sunspot_number_) / 2.0);
        day_foF2_ *= level;
        night_foF2_ *= std::pow(level, 0.8);
    }
    if (world_.latitude) {
        day_foF2_ *= 1.0 + 0.12 * equatorial - 0.2 * polar;
        night_foF2_ *= 1.0 + 0.45 * equatorial - 0.1 * polar;
    }
    storm_onset_minute_ = random.uniform(-240.0, 720.0);
    storm_depth_ = random.uniform(0.25, 0.45);
    storm_lift_km_ = random.uniform(35.0, 70.0);
    // Some nights are spread, some are clear.
    spread_f_propensity_ = random.uniform(0.35, 1.0);
    ledge_wave_ = {random.uniform(0.08, 0.18), random.uniform(25.0, 60.0),
                   random.uniform(0.0, two_pi)};
    oblique_spell_ = {1.0, random.uniform(90.0, 300.0), random.uniform(0.0, two_pi)};
    gap_spell_ = {1.0, random.uniform(60.0, 240.0), random.uniform(0.0, two_pi)};
    int transmitters = 3 + static_cast<int>(random.uniform(0.0, 5.0));
    for (int k = 0; k < transmitters; ++k) {
        transmitters_.push_back({random.uniform(1.6, 19.0),
                                 1 + static_cast<int>(random.uniform(0.0, 3.0)),
                                 random.uniform(0.3, 0.8), random.uniform(70.0, 170.0)});
    }
}

void DayModel::plan_sporadic_e(Random& random) {
    // More and stronger events in the local summer.
    double summer_day = latitude_ >= 0.0 ? 172.0 : 355.0;
    double season = 0.5 + 0.5 * std::cos(two_pi * (day_of_year_ - summer_day) / 365.0);
    int events =
        std::clamp(static_cast<int>(1.0 + random.uniform(0.0, 4.0) * (0.5 + season)), 1, 6);
    for (int k = 0; k < events; ++k) {
        EsEvent event;
        bool by_day = random.chance(0.65);
        double local =
            by_day ? random.uniform(8.0, 19.0) : std::fmod(random.uniform(19.0, 29.0), 24.0);
        event.centre_minute = local_to_ut_minute(local);
        event.half_width_minutes = random.uniform(30.0, 120.0);
        double kind = random.uniform();
        event.shape = !by_day       ? EsShape::flat
                      : kind < 0.3  ? EsShape::cusp
                      : kind < 0.55 ? EsShape::high
                                    : EsShape::flat;
        event.peak_frequency = random.uniform(2.6, 6.5) * (0.75 + 0.5 * season);
        if (event.shape == EsShape::cusp) {
            event.peak_frequency = std::max(event.peak_frequency, random.uniform(4.2, 6.0));
        }
        event.blanketing_ratio = random.chance(0.45) ? random.uniform(0.6, 0.9) : 0.0;
        event.height = event.shape == EsShape::high   ? random.uniform(118.0, 140.0)
                       : event.shape == EsShape::cusp ? random.uniform(104.0, 114.0)
                                                      : random.uniform(96.0, 118.0);
        event.second_layer = random.chance(0.25) ? event.height + random.uniform(18.0, 35.0) : 0.0;
        es_events_.push_back(event);
    }
}

// 0 before the storm's onset, 1 once its negative phase is under way.
double DayModel::storm_share(double minute_ut) const {
    return smoothstep((minute_ut - storm_onset_minute_) / 180.0);
}

// How much the hour favours spread F: the night, most after midnight at mid latitudes, right
// after sunset over the equator; a storm brings it by day as well.
double DayModel::spread_f_weight(double minute_ut) const {
    double local = local_hours_of(minute_ut);
    double equatorial = equatorial_weight(latitude_);
    double from_midnight = std::fabs(std::remainder(local - 1.0, 24.0));
    double night = std::exp(-std::pow(from_midnight / 4.0, 2.0));
    double after_sunset = std::fabs(std::remainder(local - 21.5, 24.0));
    double plumes = std::exp(-std::pow(after_sunset / 2.5, 2.0));
    double weight = (1.0 - equatorial) * night + equatorial * std::max(plumes, 0.5 * night);
    if (world_.storm) {
        weight = std::max(weight, 0.35 * storm_share(minute_ut));
    }
    return std::clamp(weight, 0.0, 1.0);
}

void DayModel::add_world(SoundingModel& model, std::uint64_t sounding_seed) const {
    Random random(derive_seed(sounding_seed, sounding_world_stream));
    double minute = model.minute_of_day;
    double foF2 = model.ionosphere.f2.critical_frequency;
    double hmF2 = model.ionosphere.f2.peak_height;
    model.gyrofrequency = world_.gyrofrequency.value_or(0.0);
    model.absorption_fading = world_.absorption && model.cos_zenith > 0.0;

    double spread_strength = world_.spread_f > 0.0 ? world_.spread_f : world_.storm ? 0.6 : 0.0;
    double spread_draw = random.uniform(0.6, 1.25);
    double beyond_draw = random.uniform(0.5, 1.0);
    double spread = std::min(1.0, spread_strength * spread_f_weight(minute) * spread_f_propensity_ *
                                      spread_draw);
    if (spread > 0.08) {
        SpreadF spread_f;
        spread_f.depth_km = 40.0 + 170.0 * spread;
        spread_f.density = 0.2 + 0.6 * spread;
        spread_f.beyond_mhz = spread > 0.3 ? 1.1 * spread * beyond_draw : 0.0;
        model.spread_f = spread_f;
    }

    double oblique_draw[3] = {random.uniform(20.0, 80.0), random.uniform(0.1, 0.4),
                              random.uniform(0.25, 0.55)};
    if (world_.oblique_echoes &&
        spell(1.0, oblique_spell_.period_minutes, oblique_spell_.phase, minute) > 0.1) {
        model.oblique = ObliqueEcho{oblique_draw[0], oblique_draw[1], oblique_draw[2]};
    }

    if (world_.travelling_disturbances) {
        // The wave's phase goes down through the bottomside; the ledge follows it, and the
        // disturbance waxes and wanes over a few of its periods.
        double phase = minute / ledge_wave_.period_minutes + ledge_wave_.phase / two_pi;
        double descent = phase - std::floor(phase);
        double strength =
            ledge_wave_.amplitude *
            (0.5 + 0.5 * std::sin(two_pi * minute / (3.7 * ledge_wave_.period_minutes) +
                                  ledge_wave_.phase));
        if (strength > 0.04) {
            double scale = model.ionosphere.f2.scale_height;
            model.ledge = Ledge{hmF2 - 0.4 * scale - 1.6 * scale * descent, 0.35 * scale, strength};
        }
    }

    double gap_start = random.uniform(0.05, 0.3);
    double gap_width = random.uniform(0.3, 1.2);
    if (world_.partial_absorption && model.ionosphere.e && !model.e_below_absorption &&
        spell(1.0, gap_spell_.period_minutes, gap_spell_.phase, minute) > 0.0) {
        double low = model.ionosphere.e->critical_frequency + gap_start;
        double high = std::min(low + gap_width, foF2 - 0.6);
        if (high > low + 0.1) {
            model.f_gap = std::array<double, 2>{low, high};
        }
    }

    if (world_.partial_lines) {
        for (const auto& transmitter : transmitters_) {
            double low = random.uniform(90.0, 480.0);
            double length = random.uniform(60.0, 380.0);
            double level = transmitter.level * random.uniform(0.7, 1.2);
            if (random.chance(transmitter.on_share)) {
                model.partial_lines.push_back(
                    {transmitter.frequency, transmitter.columns, low, low + length, level});
            }
        }
    }
}

void DayModel::add_varied_sporadic_e(SoundingModel& model, std::uint64_t sounding_seed) const {
    Random random(derive_seed(sounding_seed, sporadic_e_stream));
    double minute = model.minute_of_day;
    const EsEvent* chosen = nullptr;
    std::optional<SporadicE> strongest;
    for (const auto& event : es_events_) {
        double offset = (minute - event.centre_minute) / event.half_width_minutes;
        double jitter = random.uniform(-0.15, 0.15);
        double height_jitter = random.uniform(-2.0, 2.0);
        if (std::fabs(offset) >= 1.0) {
            continue;
        }
        double weight = std::cos(0.5 * std::numbers::pi * offset);
        weight *= weight;
        double top = event.peak_frequency * (0.6 + 0.4 * weight) + jitter;
        if (!strongest || top > strongest->top_frequency) {
            double blanketing = std::max(model.fmin, event.blanketing_ratio * top);
            strongest = SporadicE{top, blanketing, event.height + height_jitter, event.shape};
            chosen = &event;
        }
    }
    bool drifted = random.chance(0.12);
    bool second_here = random.chance(0.7);
    double second_share = random.uniform(0.5, 0.8);
    if (!strongest || drifted) {
        return;
    }
    const auto& e = model.ionosphere.e;
    bool e_seen = e && !model.e_below_absorption;
    double foE = e_seen ? e->critical_frequency : 0.0;
    if (strongest->shape == EsShape::cusp && !e_seen) {
        strongest->shape = EsShape::flat; // no E trace to rise out of
    }
    double lowest_visible = model.fmin + 0.4;
    if (e_seen) {
        lowest_visible = std::max(lowest_visible, foE + 0.3);
    }
    if (strongest->top_frequency < lowest_visible) {
        return;
    }
    if (strongest->shape == EsShape::cusp) {
        strongest->lowest_frequency = foE;
    }
    model.sporadic_e = strongest;
    if (chosen->second_layer > 0.0 && second_here) {
        double top = strongest->top_frequency * second_share;
        if (top >= lowest_visible) {
            model.second_sporadic_e =
                SporadicE{top, model.fmin, chosen->second_layer, EsShape::flat};
        }
    }
}

} // namespace synth
