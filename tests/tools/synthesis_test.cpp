#include "group_height.h"
#include "profile.h"
#include "sounding.h"
#include "synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace synth;

namespace {

SoundingModel night_model() {
    SoundingModel m;
    m.cos_zenith = -0.6;
    m.fmin = 1.4;
    m.ionosphere.f2 = {5.0, 300.0, 44.0};
    m.noise_seed = 99;
    return m;
}

SampledProfile profile_of(const SoundingModel& m) {
    return sample_ionosphere(m.ionosphere, 60.0, 700.0, 0.5);
}

class Column {
  public:
    Column(const std::vector<std::uint8_t>& amplitudes, const FrequencyAxis& axis, double f)
        : begin_(amplitudes.begin() + static_cast<std::ptrdiff_t>(index_of(axis, f) * 150)) {}
    // Height index 1..150.
    int at(int j) const { return begin_[j - 1]; }
    int strongest_between(int first, int last) const {
        return *std::max_element(begin_ + (first - 1), begin_ + last);
    }

  private:
    static std::size_t index_of(const FrequencyAxis& axis, double f) {
        return static_cast<std::size_t>((f * 1000.0 - FrequencyAxis::start_khz) / axis.step_khz +
                                        0.5);
    }
    std::vector<std::uint8_t>::const_iterator begin_;
};

TEST(HeightCell, LeadingEdgeFallsInTheFirstCellReachingIt) {
    EXPECT_EQ(height_cell_of(90.0), 1);
    EXPECT_EQ(height_cell_of(86.0), 1);
    EXPECT_EQ(height_cell_of(90.1), 2);
    EXPECT_EQ(height_cell_of(300.0), 48); // 85.5 + 4.5 x 48 = 301.5
    EXPECT_EQ(height_cell_of(760.5), 150);
}

TEST(Synthesis, OneHundredFiftyHeightsPerFrequency) {
    for (int step : {25, 50, 100, 200, 500}) {
        FrequencyAxis axis{step};
        auto bytes = make_sounding(night_model(), axis).amplitudes;
        EXPECT_EQ(bytes.size(), static_cast<std::size_t>(axis.count()) * 150) << step;
    }
}

struct TraceCase {
    const char* name;
    double frequency;      // where the column is looked at
    double echo_frequency; // ordinary frequency whose echo should be there
    int hop;
    int min_strength;
    bool clear_below; // no other trace of the column lies just below this one
};

void PrintTo(const TraceCase& c, std::ostream* os) {
    *os << c.name;
}

class NightTraces : public testing::TestWithParam<TraceCase> {};

// Each trace sits at its group height: the ordinary one, the extraordinary one 0.5 MHz
// higher in frequency at the same height, and the second hop at twice the height, weaker.
TEST_P(NightTraces, EchoAtTheGroupHeight) {
    const auto& c = GetParam();
    SoundingModel model = night_model();
    FrequencyAxis axis{50};
    auto bytes = make_sounding(model, axis).amplitudes;
    double h = c.hop * ordinary_echo(profile_of(model), c.echo_frequency).virtual_height;
    int cell = height_cell_of(h);
    Column column(bytes, axis, c.frequency);
    EXPECT_GE(column.strongest_between(cell, cell + 1), c.min_strength) << h;
    if (c.clear_below) {
        // The column's band reaches one cell lower at most.
        EXPECT_LT(column.strongest_between(std::max(1, cell - 12), cell - 2), 60) << h;
    }
}

INSTANTIATE_TEST_SUITE_P(Traces, NightTraces,
                         testing::Values(TraceCase{"ordinary_alone", 1.8, 1.8, 1, 180, true},
                                         TraceCase{"ordinary_near_foF2", 4.5, 4.5, 1, 160, false},
                                         TraceCase{"extraordinary", 2.5, 2.0, 1, 140, true},
                                         TraceCase{"extraordinary_high", 4.0, 3.5, 1, 140, true},
                                         TraceCase{"second_hop", 1.8, 1.8, 2, 70, true},
                                         TraceCase{"second_hop_high", 3.0, 3.0, 2, 70, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Synthesis, SecondHopWeakerThanTheFirst) {
    SoundingModel model = night_model();
    FrequencyAxis axis{50};
    auto bytes = make_sounding(model, axis).amplitudes;
    double h = ordinary_echo(profile_of(model), 2.5).virtual_height;
    Column column(bytes, axis, 2.5);
    EXPECT_GT(column.at(height_cell_of(h)), column.at(height_cell_of(2.0 * h)) + 30);
}

TEST(Synthesis, NothingBelowFminNorAboveTheExtraordinaryCriticalFrequency) {
    FrequencyAxis axis{50};
    auto bytes = make_sounding(night_model(), axis).amplitudes;
    // 1.2 MHz is below fmin; 8.0 MHz above fxI = 5.5 MHz and clear of interference lines.
    EXPECT_LT(Column(bytes, axis, 1.2).strongest_between(1, 150), 90);
    EXPECT_LT(Column(bytes, axis, 8.0).strongest_between(1, 150), 60);
    EXPECT_GT(Column(bytes, axis, 5.3).strongest_between(1, 150), 100); // X trace only
}

TEST(Synthesis, BlanketingEsHidesTheLayersAboveBelowItsFbEs) {
    SoundingModel model = night_model();
    model.sporadic_e = SporadicE{4.0, 3.0, 100.0};
    FrequencyAxis axis{50};
    auto bytes = make_sounding(model, axis).amplitudes;
    auto profile = profile_of(model);
    int es_cell = height_cell_of(100.0);
    int f_cell_low = height_cell_of(ordinary_echo(profile, 2.0).virtual_height);
    int f_cell_high = height_cell_of(ordinary_echo(profile, 3.5).virtual_height);
    Column below(bytes, axis, 2.0);
    Column above(bytes, axis, 3.5);
    EXPECT_GE(below.strongest_between(es_cell, es_cell + 1), 200);
    EXPECT_LT(below.strongest_between(f_cell_low, f_cell_low + 1), 60);
    EXPECT_GE(above.strongest_between(f_cell_high, f_cell_high + 1), 140);
    EXPECT_GE(above.strongest_between(es_cell, es_cell + 1), 120); // partial reflection
    // Multiples of a blanketing layer.
    EXPECT_GE(below.strongest_between(height_cell_of(200.0), height_cell_of(200.0) + 1), 150);
    EXPECT_LT(Column(bytes, axis, 4.2).strongest_between(es_cell, es_cell + 1), 60);
}

TEST(Synthesis, InterferenceLinesAtTheirFrequenciesOnly) {
    // By night the 7.25 MHz broadcaster is loud across all heights unless off the air.
    int heard = 0;
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        SoundingModel model = night_model();
        model.noise_seed = seed;
        FrequencyAxis axis{50};
        auto bytes = make_sounding(model, axis).amplitudes;
        Column line(bytes, axis, 7.25);
        int loud = 0;
        for (int j = 1; j <= 150; ++j) {
            loud += line.at(j) > 30 ? 1 : 0;
        }
        heard += loud > 100 ? 1 : 0;
        EXPECT_LT(Column(bytes, axis, 7.5).strongest_between(1, 150), 60);
    }
    EXPECT_GE(heard, 6);
}

TEST(Synthesis, SameModelSameBytes) {
    FrequencyAxis axis{25};
    EXPECT_EQ(make_sounding(night_model(), axis).amplitudes,
              make_sounding(night_model(), axis).amplitudes);
    SoundingModel other = night_model();
    other.noise_seed = 100;
    EXPECT_NE(make_sounding(night_model(), axis).amplitudes, make_sounding(other, axis).amplitudes);
}

} // namespace
