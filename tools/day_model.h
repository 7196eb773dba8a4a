// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar.h"
#include "profile.h"
#include "random.h"
#include "world.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace synth {

// Flat: a level trace; cusp: it rises out of the E trace's cusp beyond foE; high: it lies above
// the E trace and turns up at its own low end.
enum class EsShape : std::uint8_t { flat, cusp, high };

struct SporadicE {
    double top_frequency = 0.0;        // foEs, MHz
    double blanketing_frequency = 0.0; // fbEs: below it nothing above the Es comes through
    double height = 0.0;               // h'Es, km
    EsShape shape = EsShape::flat;
    double lowest_frequency = 0.0; // where its trace starts; 0: at fmin
};

// Irregularities of the F layer: a cloud of echoes above the trace (range spread) and echoes
// beyond the cusps (frequency spread).
struct SpreadF {
    double depth_km = 0.0;   // the cloud reaches this far above the trace
    double beyond_mhz = 0.0; // echoes this far beyond each cusp
    double density = 0.0;    // 0..1, how thickly the cloud is lit next to the trace
};

// A copy of the F trace returned from a tilted part of the layer.
struct ObliqueEcho {
    double height_km = 0.0;     // above the vertical trace
    double frequency_mhz = 0.0; // further in frequency
    double strength = 0.0;      // against the vertical echo
};

// A narrow-band transmitter heard over part of a column.
struct PartialLine {
    double frequency = 0.0; // MHz
    int columns = 1;        // its width in frequency steps
    double low_km = 0.0, high_km = 0.0;
    double level = 0.0;
};

// Everything that makes one sounding.
struct SoundingModel {
    int minute_of_day = 0; // UT
    double cos_zenith = 0.0;
    double fmin = 0.0; // lowest frequency with echoes: absorption and the noise floor
    Ionosphere ionosphere;
    std::optional<SporadicE> sporadic_e;
    std::uint64_t noise_seed = 0;

    // The harder world; all empty on the quiet day.
    double gyrofrequency = 0.0;                 // MHz; 0: the station's fixed O-X separation
    bool absorption_fading = false;             // echoes fade towards fmin by the absorption law
    bool e_below_absorption = false;            // the sun makes an E layer that absorption hides
    std::optional<SporadicE> second_sporadic_e; // a second, weaker layer
    std::optional<SpreadF> spread_f;
    std::optional<ObliqueEcho> oblique;
    std::optional<Ledge> ledge;
    std::optional<std::array<double, 2>> f_gap; // MHz: F echoes lost to deviative absorption
    std::vector<PartialLine> partial_lines;
};

// A mid-latitude day: E and F1 follow the sun, foF2 lags it by an hour and a half and
// peaks in the early afternoon, hmF2 rises after sunset, travelling disturbances ripple
// through, and a few sporadic-E events come and go. A World adds the conditions of other
// places, times and instruments.
class DayModel {
  public:
    DayModel(const Date& date, std::uint64_t seed, const World& world = {});

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
        EsShape shape = EsShape::flat;
        double second_layer = 0.0; // height of a second layer above it; 0 for none
    };
    struct Transmitter {
        double frequency = 0.0;
        int columns = 1;
        double on_share = 0.5;
        double level = 100.0;
    };

    double foF2_at(double minute_ut) const;
    double hmF2_at(double minute_ut) const;
    std::optional<SporadicE> sporadic_e_at(double minute_ut, const SoundingModel& sounding,
                                           std::uint64_t sounding_seed) const;

    // The harder world.
    void plan_world();
    void plan_sporadic_e(Random& random);
    double storm_share(double minute_ut) const;
    double spread_f_weight(double minute_ut) const;
    void add_world(SoundingModel& model, std::uint64_t sounding_seed) const;
    void add_varied_sporadic_e(SoundingModel& model, std::uint64_t sounding_seed) const;

    World world_;
    int day_of_year_;
    std::uint64_t day_seed_;
    double latitude_;
    double sunspot_number_;
    double noon_cos_zenith_;
    double day_foF2_;
    double night_foF2_;
    double f1_threshold_;
    std::array<Ripple, 3> foF2_ripples_;
    std::array<Ripple, 3> height_ripples_;
    std::vector<EsEvent> es_events_;
    // Drawn only for the harder world, from their own streams.
    double storm_onset_minute_ = 0.0;
    double storm_depth_ = 0.0;
    double storm_lift_km_ = 0.0;
    double spread_f_propensity_ = 0.0;
    Ripple ledge_wave_;
    Ripple oblique_spell_;
    Ripple gap_spell_;
    std::vector<Transmitter> transmitters_;
};

} // namespace synth
