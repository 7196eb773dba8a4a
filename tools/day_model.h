// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar.h"
#include "profile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace synth {

struct SporadicE {
    double top_frequency = 0.0;        // foEs, MHz
    double blanketing_frequency = 0.0; // fbEs: below it nothing above the Es comes through
    double height = 0.0;               // h'Es, km
};

// Everything that makes one sounding.
struct SoundingModel {
    int minute_of_day = 0; // UT
    double cos_zenith = 0.0;
    double fmin = 0.0; // lowest frequency with echoes: absorption and the noise floor
    Ionosphere ionosphere;
    std::optional<SporadicE> sporadic_e;
    std::uint64_t noise_seed = 0;
};

// A mid-latitude day: E and F1 follow the sun, foF2 lags it by an hour and a half and
// peaks in the early afternoon, hmF2 rises after sunset, travelling disturbances ripple
// through, and a few sporadic-E events come and go.
class DayModel {
  public:
    DayModel(const Date& date, std::uint64_t seed);

    SoundingModel sounding(int minute_of_day) const;

  private:
    struct Ripple {
        double amplitude = 0.0;
        double period_minutes = 60.0;
        double phase = 0.0;
    };
    struct EsEvent {
        double centre_minute = 0.0; // UT
        double half_width_minutes = 60.0;
        double peak_frequency = 3.0;
        double blanketing_ratio = 0.0; // fbEs / foEs; 0 for transparent Es
        double height = 105.0;
    };

    double foF2_at(double minute_ut) const;
    double hmF2_at(double minute_ut) const;
    std::optional<SporadicE> sporadic_e_at(double minute_ut, const SoundingModel& sounding,
                                           std::uint64_t sounding_seed) const;

    int day_of_year_;
    std::uint64_t day_seed_;
    double noon_cos_zenith_;
    double day_foF2_;
    double night_foF2_;
    double f1_threshold_;
    std::array<Ripple, 3> foF2_ripples_;
    std::array<Ripple, 3> height_ripples_;
    std::vector<EsEvent> es_events_;
};

} // namespace synth
