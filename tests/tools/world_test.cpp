// SPDX-License-Identifier: GPL-3.0-or-later
// The sky of other places and times, the named worlds, their options and what the truth says
// a condition hides.
#include "day_model.h"
#include "day_writer.h"
#include "ground_truth.h"
#include "models.h"
#include "preview.h"
#include "profile.h"
#include "truth_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

using namespace synth;
using synth::models::noon_model;
namespace fs = std::filesystem;

namespace {

constexpr int local_noon = 11 * 60 + 9; // UT

const Date april{15, 4, 2026};

double noon_foF2(const World& world, std::uint64_t seed = 3) {
    return DayModel(april, seed, world).sounding(local_noon + 120).ionosphere.f2.critical_frequency;
}

World with(std::function<void(World&)> set) {
    World world;
    set(world);
    return world;
}

TEST(Sky, SunspotNumberSetsTheLevels) {
    auto low =
        DayModel(april, 3, with([](World& w) { w.sunspot_number = 10.0; })).sounding(local_noon);
    auto high =
        DayModel(april, 3, with([](World& w) { w.sunspot_number = 200.0; })).sounding(local_noon);
    ASSERT_TRUE(low.ionosphere.e && high.ionosphere.e);
    EXPECT_GT(high.ionosphere.e->critical_frequency, low.ionosphere.e->critical_frequency + 0.2);
    EXPECT_GT(high.ionosphere.f2.critical_frequency, 1.4 * low.ionosphere.f2.critical_frequency);
    EXPECT_GT(noon_foF2(with([](World& w) { w.sunspot_number = 200.0; })), 10.5);
    EXPECT_LT(noon_foF2(with([](World& w) { w.sunspot_number = 0.0; })), 7.5);
}

TEST(Sky, LatitudeSetsTheSunAndTheF1Season) {
    // A high-latitude winter noon: the sun barely up, no F1 and a weak E; the equator's: both.
    Date december{21, 12, 2026};
    auto polar =
        DayModel(december, 3, with([](World& w) { w.latitude = 68.0; })).sounding(local_noon);
    auto equator =
        DayModel(december, 3, with([](World& w) { w.latitude = 2.0; })).sounding(local_noon);
    EXPECT_LT(polar.cos_zenith, 0.05);
    EXPECT_FALSE(polar.ionosphere.f1);
    EXPECT_GT(equator.cos_zenith, 0.85);
    EXPECT_TRUE(equator.ionosphere.e);
    // Over the equator the layer rises steeply after sunset.
    DayModel tropical(april, 3, with([](World& w) { w.latitude = 2.0; }));
    DayModel home(april, 3);
    int evening = 19 * 60 + 40 - 51; // local 19:40
    EXPECT_GT(tropical.sounding(evening).ionosphere.f2.peak_height,
              home.sounding(evening).ionosphere.f2.peak_height + 80.0);
}

TEST(Sky, StormLowersFoF2RaisesTheLayerAndBringsSpreadF) {
    DayModel quiet(april, 4);
    DayModel storm(april, 4, with([](World& w) { w.storm = true; }));
    int spread = 0;
    for (int minute = 0; minute < 1440; minute += 15) {
        auto a = quiet.sounding(minute);
        auto b = storm.sounding(minute);
        EXPECT_LE(b.ionosphere.f2.critical_frequency, a.ionosphere.f2.critical_frequency + 1e-9);
        EXPECT_GE(b.ionosphere.f2.peak_height, a.ionosphere.f2.peak_height - 1e-9);
        EXPECT_GT(b.ionosphere.f2.critical_frequency, 1.6);
        spread += b.spread_f ? 1 : 0;
        EXPECT_FALSE(a.spread_f);
    }
    auto late_quiet = quiet.sounding(23 * 60);
    auto late_storm = storm.sounding(23 * 60);
    EXPECT_LT(late_storm.ionosphere.f2.critical_frequency,
              0.85 * late_quiet.ionosphere.f2.critical_frequency);
    EXPECT_GT(late_storm.ionosphere.f2.peak_height, late_quiet.ionosphere.f2.peak_height + 25.0);
    EXPECT_GT(spread, 10);
}

TEST(Sky, SpreadFMostlyByNight) {
    DayModel day(april, 5, with([](World& w) { w.spread_f = 1.0; }));
    int by_night = 0;
    int by_day = 0;
    for (int minute = 0; minute < 1440; minute += 5) {
        auto s = day.sounding(minute);
        if (s.spread_f) {
            by_night += s.cos_zenith < -0.2 ? 1 : 0;
            by_day += s.cos_zenith > 0.3 ? 1 : 0;
        }
    }
    EXPECT_GT(by_night, 40);
    EXPECT_EQ(by_day, 0);
}

TEST(Sky, VariedSporadicEChangesWithTheSeedAndTakesEveryShape) {
    World varied = with([](World& w) { w.varied_sporadic_e = true; });
    int shapes[3] = {0, 0, 0};
    int second_layers = 0;
    std::vector<std::vector<int>> hours_with_es;
    for (std::uint64_t seed = 1; seed <= 24; ++seed) {
        DayModel day(Date{10, 6, 2026}, seed, varied);
        std::vector<int> hours;
        for (int minute = 0; minute < 1440; minute += 15) {
            auto s = day.sounding(minute);
            if (!s.sporadic_e) {
                continue;
            }
            ++shapes[static_cast<int>(s.sporadic_e->shape)];
            second_layers += s.second_sporadic_e ? 1 : 0;
            hours.push_back(minute / 60);
            EXPECT_GE(s.sporadic_e->blanketing_frequency, s.fmin);
            if (s.sporadic_e->shape == EsShape::cusp) {
                ASSERT_TRUE(s.ionosphere.e);
                EXPECT_DOUBLE_EQ(s.sporadic_e->lowest_frequency,
                                 s.ionosphere.e->critical_frequency);
            }
            if (s.second_sporadic_e) {
                EXPECT_GT(s.second_sporadic_e->height, s.sporadic_e->height);
                EXPECT_LT(s.second_sporadic_e->top_frequency, s.sporadic_e->top_frequency);
            }
        }
        hours_with_es.push_back(hours);
    }
    for (int count : shapes) {
        EXPECT_GT(count, 0);
    }
    EXPECT_GT(second_layers, 0);
    std::sort(hours_with_es.begin(), hours_with_es.end());
    EXPECT_GT(std::unique(hours_with_es.begin(), hours_with_es.end()) - hours_with_es.begin(), 20);
}

TEST(Sky, AbsorptionLiftsNoonFminAndHidesAWeakE) {
    DayModel quiet(april, 6);
    DayModel absorbed(april, 6, with([](World& w) { w.absorption = 3.0; }));
    auto a = quiet.sounding(local_noon);
    auto b = absorbed.sounding(local_noon);
    EXPECT_LT(a.fmin, 2.3);
    EXPECT_GT(b.fmin, 2.5);
    EXPECT_LT(b.fmin, 3.0);
    EXPECT_TRUE(b.absorption_fading);
    EXPECT_NEAR(absorbed.sounding(0).fmin, quiet.sounding(0).fmin, 1e-9); // nothing by night
    // Early in the morning the sun's E layer lies below what the absorption leaves.
    int hidden = 0;
    for (int minute = 4 * 60; minute < 8 * 60; minute += 5) {
        auto s = absorbed.sounding(minute);
        if (s.e_below_absorption) {
            ++hidden;
            ASSERT_TRUE(s.ionosphere.e);
            EXPECT_LT(s.ionosphere.e->critical_frequency, s.fmin + 0.3);
        }
    }
    EXPECT_GT(hidden, 0);
}

// ---- What the truth says a condition hides ----

SoundingModel night() {
    SoundingModel m;
    m.cos_zenith = -0.6;
    m.fmin = 1.4;
    m.ionosphere.f2 = {5.0, 300.0, 44.0};
    return m;
}

struct HiddenCase {
    const char* name;
    std::function<void(SoundingModel&)> change;
    Recording recording;
    std::vector<std::string> hidden;
    bool at_noon = false;
};

void PrintTo(const HiddenCase& c, std::ostream* os) {
    *os << c.name;
}

class Hidden : public testing::TestWithParam<HiddenCase> {};

TEST_P(Hidden, NamesWhatTheConditionHidesAndKeepsTheValues) {
    SoundingModel plain = GetParam().at_noon ? noon_model() : night();
    SoundingModel model = plain;
    GetParam().change(model);
    auto traces = [](const SoundingModel& m) {
        return TraceTable(sample_ionosphere(m.ionosphere, 60.0, 700.0, 0.5),
                          m.fmin - TraceTable::spacing);
    };
    auto truth = ground_truth(model, traces(model), GetParam().recording);
    EXPECT_EQ(truth.hidden, GetParam().hidden);
    // The physical values stay in their columns.
    auto physical = ground_truth(plain, traces(plain));
    EXPECT_EQ(truth.foF2, physical.foF2);
    EXPECT_EQ(truth.fmin, physical.fmin);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, Hidden,
    testing::Values(HiddenCase{"quiet", [](SoundingModel&) {}, {}, {}},
                    HiddenCase{"range_spread_only",
                               [](SoundingModel& m) {
                                   m.spread_f = SpreadF{150, 0.0, 0.8};
                               },
                               {},
                               {}},
                    HiddenCase{"frequency_spread",
                               [](SoundingModel& m) {
                                   m.spread_f = SpreadF{150, 0.6, 0.8};
                               },
                               {},
                               {"foF2"}},
                    HiddenCase{"ordinary_only", [](SoundingModel&) {}, {1.0, 20.0, true}, {}},
                    HiddenCase{"sweep_starts_just_above_fmin",
                               [](SoundingModel&) {},
                               {1.5, 20.0, false},
                               {"fmin"}},
                    // What is left of the trace then starts 5 km and more above its true minimum.
                    HiddenCase{"sweep_starts_well_above_fmin",
                               [](SoundingModel&) {},
                               {3.0, 20.0, false},
                               {"fmin", "hF"}},
                    HiddenCase{"sweep_ends_below_the_cusps",
                               [](SoundingModel&) {},
                               {1.0, 8.0, false},
                               {"foF2", "fxI", "MUF3000F2"},
                               true},
                    HiddenCase{"absorption_hides_E",
                               [](SoundingModel& m) { m.e_below_absorption = true; },
                               {},
                               {"foE", "hE"},
                               true},
                    HiddenCase{"gap_over_the_F1_minimum",
                               [](SoundingModel& m) {
                                   m.f_gap = std::array<double, 2>{3.5, 4.6};
                               },
                               {},
                               {"hF"},
                               true},
                    HiddenCase{"gap_over_the_F1_cusp",
                               [](SoundingModel& m) {
                                   m.f_gap = std::array<double, 2>{5.0, 5.5};
                               },
                               {},
                               {"foF1"},
                               true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Hidden, TheFxIOfASpreadIsItsEdge) {
    SoundingModel m = night();
    m.gyrofrequency = 1.2;
    m.spread_f = SpreadF{150, 0.7, 0.8};
    auto truth =
        ground_truth(m, TraceTable(sample_ionosphere(m.ionosphere, 60.0, 700.0, 0.5), 1.3));
    double fx = 0.5 * (1.2 + std::sqrt(1.44 + 100.0));
    EXPECT_NEAR(*truth.fxI, fx + 0.7, 1e-9);
}

TEST(TruthCsv, HiddenColumnOnlyWhenAsked) {
    GroundTruth truth;
    truth.fmin = 1.3;
    truth.foF2 = 3.876;
    truth.hidden = {"foF2", "MUF3000F2"};
    EXPECT_EQ(truth_csv_header(true),
              "time,file,fmin,foE,hE,foEs,hEs,fbEs,hF,foF1,hF2,foF2,fxI,MUF3000F2,hidden\r\n");
    EXPECT_EQ(truth_csv_line(0, FileState::written, truth, true),
              "00:00,written,1.30,,,,,,,,,3.88,,,foF2 MUF3000F2\r\n");
    truth.hidden.clear();
    EXPECT_EQ(truth_csv_line(0, FileState::written, truth, true),
              "00:00,written,1.30,,,,,,,,,3.88,,,\r\n");
    EXPECT_EQ(truth_csv_line(0, FileState::written, truth),
              "00:00,written,1.30,,,,,,,,,3.88,,\r\n");
}

// ---- Options and named worlds ----

ParsedOptions parse(std::vector<std::string_view> arguments) {
    return parse_options(arguments);
}

TEST(WorldOptions, EveryConditionTaken) {
    auto parsed = parse({"--gyrofrequency",
                         "1.3",
                         "--ordinary-only",
                         "--spread-f",
                         "0.7",
                         "--oblique-echoes",
                         "--travelling-disturbances",
                         "--absorption",
                         "2.8",
                         "--partial-absorption",
                         "--partial-lines",
                         "--broadcast-bands",
                         "--impulsive-noise",
                         "--pulse-length",
                         "40",
                         "--dynamic-range",
                         "35",
                         "--noise",
                         "1.5",
                         "--frequencies",
                         "1.5-12",
                         "--ssn",
                         "150",
                         "--latitude",
                         "-33.5",
                         "--storm",
                         "--varied-es"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const World& w = parsed.options->world;
    EXPECT_EQ(w.gyrofrequency, 1.3);
    EXPECT_TRUE(w.ordinary_only && w.oblique_echoes && w.travelling_disturbances &&
                w.partial_absorption && w.partial_lines && w.broadcast_bands && w.impulsive_noise &&
                w.storm && w.varied_sporadic_e);
    EXPECT_EQ(w.spread_f, 0.7);
    EXPECT_EQ(w.absorption, 2.8);
    EXPECT_EQ(w.pulse_km, 40.0);
    EXPECT_EQ(w.dynamic_range_db, 35.0);
    EXPECT_EQ(w.noise, 1.5);
    EXPECT_EQ(w.sunspot_number, 150.0);
    EXPECT_EQ(w.latitude, -33.5);
    EXPECT_EQ(parsed.options->axis.start_khz, 1500);
    EXPECT_EQ(parsed.options->axis.end_khz, 12000);
    EXPECT_TRUE(parsed.options->harder());
    EXPECT_FALSE(parse({}).options->harder());
}

TEST(WorldOptions, AnOptionOverridesItsWorldWhereverItStands) {
    for (auto arguments : {std::vector<std::string_view>{"--world", "storm", "--spread-f", "0"},
                           {"--spread-f", "0", "--world", "storm"}}) {
        auto parsed = parse(arguments);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->world.spread_f, 0.0);
        EXPECT_TRUE(parsed.options->world.storm);
        EXPECT_EQ(parsed.options->world.name, "storm");
    }
}

TEST(WorldOptions, EveryNamedWorldIsItsOwn) {
    std::vector<double> noon_levels;
    for (auto name : world_names()) {
        auto world = named_world(name);
        ASSERT_TRUE(world) << name;
        EXPECT_TRUE(world->any());
        EXPECT_TRUE(world->varied_sporadic_e);
        auto parsed = parse({"--world", name});
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->world.name, name);
    }
    EXPECT_FALSE(named_world("mars"));
}

struct RefusedCase {
    std::vector<std::string_view> arguments;
    const char* why;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    for (auto a : c.arguments) {
        *os << a << " ";
    }
}

class WorldRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(WorldRefused, SaysWhy) {
    auto parsed = parse(GetParam().arguments);
    EXPECT_FALSE(parsed.options);
    EXPECT_NE(parsed.error.find(GetParam().why), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, WorldRefused,
    testing::Values(RefusedCase{{"--world", "mars"}, "quiet|storm|equatorial|high-latitude|noisy"},
                    RefusedCase{{"--gyrofrequency", "3"}, "from 0.3 to 2"},
                    RefusedCase{{"--spread-f", "1.5"}, "from 0 to 1"},
                    RefusedCase{{"--ssn", "-1"}, "sunspot number '-1'"},
                    RefusedCase{{"--latitude", "north"}, "latitude 'north'"},
                    RefusedCase{{"--frequencies", "9"}, "LOW-HIGH"},
                    RefusedCase{{"--frequencies", "0.5-9"}, "within 1-20 MHz"},
                    RefusedCase{{"--frequencies", "2-21"}, "within 1-20 MHz"},
                    RefusedCase{{"--frequencies", "1.05-9", "--step", "0.1"}, "step's grid"},
                    RefusedCase{{"--storm=maybe"}, "storm"}));

// ---- A harder day on disk ----

std::string file_text(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(HarderDay, NarrowSweepAndHiddenColumnOnDisk) {
    fs::path folder = fs::temp_directory_path() / "synth_harder_day";
    fs::remove_all(folder);
    std::string out = folder.string();
    auto parsed = parse({"--out", out, "--interval", "60", "--step", "0.1", "--frequencies", "2-9",
                         "--latitude", "-33.5", "--world", "quiet"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    auto report = write_day(*parsed.options);
    EXPECT_EQ(report.written, 24);
    std::string noon = file_text(folder / "ionograms" / ionogram_file_name(april, 12 * 60));
    EXPECT_EQ(noon.substr(0, 19), "02.000 09.000 0.100");
    EXPECT_NE(noon.find("33.50S"), std::string::npos);
    std::vector<std::uint8_t> bytes(noon.begin(), noon.end());
    auto read = read_back(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->count, 71);
    std::string truth = file_text(report.truth_file);
    EXPECT_NE(truth.find("MUF3000F2,hidden\r\n"), std::string::npos);
    // Night soundings read fmin below the sweep's start: hidden.
    EXPECT_NE(truth.find("fmin"), truth.rfind("fmin")) << truth;
    fs::remove_all(folder);
}

} // namespace
