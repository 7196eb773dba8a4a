// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>

namespace synth {

namespace {

std::optional<int> parse_interval(std::string_view text) {
    for (int minutes : {5, 10, 15, 30, 60}) {
        std::string two = (minutes < 10 ? "0" : "") + std::to_string(minutes);
        if (text == two || text == std::to_string(minutes)) {
            return minutes;
        }
    }
    return std::nullopt;
}

std::optional<std::uint64_t> parse_seed(std::string_view text) {
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "HH:MM" or a comma-separated list of them.
bool parse_clocks(std::string_view text, std::vector<int>& into) {
    while (true) {
        auto comma = text.find(',');
        auto minute = parse_clock(text.substr(0, comma));
        if (!minute) {
            return false;
        }
        into.push_back(*minute);
        if (comma == std::string_view::npos) {
            return true;
        }
        text.remove_prefix(comma + 1);
    }
}

std::string check_on_grid(const Options& options) {
    auto on_grid = [&](int minute) { return minute % options.interval == 0; };
    std::vector<int> all = options.skipped;
    all.insert(all.end(), options.broken.begin(), options.broken.end());
    all.insert(all.end(), options.previews.begin(), options.previews.end());
    if (options.setting) {
        all.push_back(*options.setting);
    }
    for (int minute : all) {
        if (!on_grid(minute)) {
            return "time " + clock_text(minute) + " is not a sounding of a " +
                   std::to_string(options.interval) + "-minute day";
        }
    }
    for (int minute : options.broken) {
        if (std::find(options.skipped.begin(), options.skipped.end(), minute) !=
            options.skipped.end()) {
            return "time " + clock_text(minute) + " is both skipped and broken";
        }
    }
    return "";
}

// A decimal number within [low, high], or nothing.
std::optional<double> number_within(const std::string& text, double low, double high) {
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < low ||
        value > high) {
        return std::nullopt;
    }
    return value;
}

std::string range_text(double low, double high) {
    auto shown = [](double v) {
        std::string text = std::to_string(v);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
        return text;
    };
    return "from " + shown(low) + " to " + shown(high);
}

// "LOW-HIGH" in MHz to kHz.
std::optional<std::pair<int, int>> parse_frequencies(std::string_view text) {
    auto dash = text.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    auto low = khz_of(text.substr(0, dash));
    auto high = khz_of(text.substr(dash + 1));
    if (!low || !high) {
        return std::nullopt;
    }
    return std::pair{*low, *high};
}

std::string check_frequencies(Options& options, const std::optional<std::pair<int, int>>& range) {
    if (!range) {
        return "";
    }
    auto [low, high] = *range;
    int step = options.axis.step_khz;
    if (low < FrequencyAxis::lowest_khz || high > FrequencyAxis::highest_khz || high - low < 1000) {
        return "frequencies must lie within 1-20 MHz and span 1 MHz at least";
    }
    // The plot places every column on the step's grid from 1 MHz.
    if ((low - FrequencyAxis::lowest_khz) % step != 0 || (high - low) % step != 0) {
        return "frequencies must fall on the step's grid from 1 MHz";
    }
    options.axis.start_khz = low;
    options.axis.end_khz = high;
    return "";
}

// `take` stores the value or says why it refuses it; given twice, the last one counts.
template <class Take>
CLI::Option* value_option(CLI::App& app, const std::string& name, const std::string& value_name,
                          const std::string& description, Take take) {
    auto* option = app.add_option_function<std::string>(
        name,
        [take](const std::string& text) {
            if (std::string why = take(text); !why.empty()) {
                throw CLI::ValidationError(why);
            }
        },
        description);
    option->type_name(value_name);
    option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    return option;
}

// Repeatable, each value a time or a comma-separated list of times.
CLI::Option* clock_list_option(CLI::App& app, const std::string& name,
                               const std::string& description, std::vector<int>& into) {
    auto* option = app.add_option(name, description);
    option->type_name("HH:MM");
    option->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    option->each([&into](const std::string& text) {
        if (!parse_clocks(text, into)) {
            throw CLI::ValidationError("time '" + text + "' is not HH:MM");
        }
    });
    return option;
}

// A number option of the harder world.
CLI::Option* number_option(CLI::App& app, const std::string& name, const std::string& value_name,
                           const std::string& description, const std::string& what, double low,
                           double high, std::optional<double>& into) {
    return value_option(app, name, value_name, description,
                        [&into, what, low, high](const std::string& text) -> std::string {
                            auto value = number_within(text, low, high);
                            if (!value) {
                                return what + " '" + text + "' is not a number " +
                                       range_text(low, high);
                            }
                            into = value;
                            return "";
                        });
}

// The options of the harder world. --world comes first: the parser runs the options in the
// order they are described, so that a single option given with a world overrides its value.
void describe_world(CLI::App& app, Options& options,
                    std::optional<std::pair<int, int>>& frequencies) {
    const std::string group = "Harder world (each off by default)";
    World& world = options.world;
    std::string names;
    for (auto name : world_names()) {
        names += (names.empty() ? "" : "|") + std::string(name);
    }
    value_option(app, "--world", "NAME",
                 "quiet, storm, equatorial, high-latitude or noisy:\n"
                 "the options below with sensible values",
                 [&world, names](const std::string& text) -> std::string {
                     auto named = named_world(text);
                     if (!named) {
                         return "world '" + text + "' is not one of " + names;
                     }
                     world = *named;
                     return "";
                 })
        ->group(group);
    number_option(app, "--gyrofrequency", "MHZ",
                  "the X trace by the magneto-ionic relation\n"
                  "fx (fx - fB) = fo^2 (typical fB 0.6 to 1.7)",
                  "gyrofrequency", 0.3, 2.0, world.gyrofrequency)
        ->group(group);
    app.add_flag("--ordinary-only", world.ordinary_only,
                 "an instrument that records the ordinary wave only")
        ->group(group);
    value_option(app, "--spread-f", "0..1",
                 "spread F, mostly by night: a cloud above the F\n"
                 "trace and, when strong, echoes beyond the cusps",
                 [&world](const std::string& text) -> std::string {
                     auto value = number_within(text, 0.0, 1.0);
                     if (!value) {
                         return "spread F '" + text + "' is not a number " + range_text(0.0, 1.0);
                     }
                     world.spread_f = *value;
                     return "";
                 })
        ->group(group);
    app.add_flag("--oblique-echoes", world.oblique_echoes,
                 "spells of a weaker copy of the F trace, tens of\n"
                 "km higher and tenths of a MHz further")
        ->group(group);
    app.add_flag("--travelling-disturbances", world.travelling_disturbances,
                 "a ledge travelling down the F2 layer bends the\ntrace near its cusps")
        ->group(group);
    number_option(app, "--absorption", "MHZ",
                  "fmin under an overhead sun (2 to 3 at noon);\n"
                  "echoes fade towards fmin",
                  "absorption", 1.3, 6.0, world.absorption)
        ->group(group);
    app.add_flag("--partial-absorption", world.partial_absorption,
                 "spells by day that take a stretch of the F trace\njust above foE")
        ->group(group);
    app.add_flag("--partial-lines", world.partial_lines,
                 "narrow-band transmitters over part of one to\nthree columns")
        ->group(group);
    app.add_flag("--broadcast-bands", world.broadcast_bands,
                 "wide bands of noise at the broadcast frequencies,\n"
                 "the low ones loudest by night")
        ->group(group);
    app.add_flag("--impulsive-noise", world.impulsive_noise, "whole rows and short bursts of noise")
        ->group(group);
    number_option(app, "--pulse-length", "KM", "a longer pulse: echoes trail this far",
                  "pulse length", 10.0, 150.0, world.pulse_km)
        ->group(group);
    number_option(app, "--dynamic-range", "DB",
                  "another receiver's logarithmic scale, full scale\nthis far above its reference",
                  "dynamic range", 12.0, 80.0, world.dynamic_range_db)
        ->group(group);
    number_option(app, "--noise", "FACTOR",
                  "the noise floor this many times as high, lumpier\nand with spikes", "noise", 0.2,
                  6.0, world.noise)
        ->group(group);
    value_option(app, "--frequencies", "LOW-HIGH",
                 "a sounder that sweeps less than 1-20 MHz,\non the step's grid (e.g. 1-9)",
                 [&frequencies](const std::string& text) -> std::string {
                     frequencies = parse_frequencies(text);
                     if (!frequencies) {
                         return "frequencies '" + text + "' are not LOW-HIGH in MHz";
                     }
                     return "";
                 })
        ->group(group);
    number_option(app, "--ssn", "N", "the sunspot number (the quiet day's is 80)", "sunspot number",
                  0.0, 300.0, world.sunspot_number)
        ->group(group);
    number_option(app, "--latitude", "DEG",
                  "the station's latitude (Farnel's is 41.5): the\nsun, the layers and the seasons",
                  "latitude", -89.0, 89.0, world.latitude)
        ->group(group);
    app.add_flag("--storm", world.storm,
                 "a geomagnetic storm: foF2 falls, h'F rises,\nspread F comes")
        ->group(group);
    app.add_flag("--varied-es", world.varied_sporadic_e,
                 "sporadic E that varies from day to day: flat,\n"
                 "cusp and high, blanketing or not, one or two layers")
        ->group(group);
}

// Every option of the program, writing into `options` as the arguments are taken.
void describe(CLI::App& app, Options& options, std::optional<std::pair<int, int>>& frequencies) {
    app.set_help_flag();
    app.allow_extras();
    app.get_formatter()->label("Usage", "usage");
    app.footer("Writes a day of synthetic ionograms into WORK/ionograms, with the ground truth\n"
               "beside them (ZE20R_<year><day>_truth.csv).");
    app.add_flag("-h,--help", options.help, "this text");
    app.add_flag("--version", options.version, "the version");
    value_option(app, "--date", "dd-mm-yyyy", "day of the soundings (default 15-04-2026)",
                 [&](const std::string& text) -> std::string {
                     auto date = parse_date(text);
                     if (!date) {
                         return "date '" + text + "' is not a day written dd-mm-yyyy";
                     }
                     options.date = *date;
                     return "";
                 });
    value_option(app, "--interval", "MM",
                 "05, 10, 15, 30 or 60 minutes between soundings\n(default 15)",
                 [&](const std::string& text) -> std::string {
                     auto interval = parse_interval(text);
                     if (!interval) {
                         return "interval '" + text + "' is not one of 05, 10, 15, 30, 60";
                     }
                     options.interval = *interval;
                     return "";
                 });
    value_option(app, "--out", "WORK", "working folder (default .)",
                 [&](const std::string& text) -> std::string {
                     if (text.empty()) {
                         return "the working folder is empty";
                     }
                     options.working_folder = std::filesystem::path(text);
                     return "";
                 });
    value_option(app, "--step", "MHZ", "0.025, 0.05, 0.1, 0.2 or 0.5 (default 0.05)",
                 [&](const std::string& text) -> std::string {
                     auto axis = axis_for_step(text);
                     if (!axis) {
                         return "step '" + text + "' is not one of 0.025, 0.05, 0.1, 0.2, 0.5";
                     }
                     options.axis = *axis;
                     return "";
                 });
    value_option(app, "--seed", "N", "the same arguments always give the same bytes\n(default 1)",
                 [&](const std::string& text) -> std::string {
                     auto seed = parse_seed(text);
                     if (!seed) {
                         return "seed '" + text + "' is not a whole number";
                     }
                     options.seed = *seed;
                     return "";
                 });
    clock_list_option(app, "--skip",
                      "leave this sounding's file out (repeatable,\nor a comma list)",
                      options.skipped);
    clock_list_option(app, "--broken", "write this sounding with a wrong size (repeatable)",
                      options.broken);
    clock_list_option(app, "--preview",
                      "draw this sounding as the plot shows it into\n"
                      "WORK/previews/<file name>.png (repeatable)",
                      options.previews);
    value_option(app, "--setting", "HH:MM", "write WORK/setting.txt starting at this sounding",
                 [&](const std::string& text) -> std::string {
                     auto minute = parse_clock(text);
                     if (!minute) {
                         return "time '" + text + "' is not HH:MM";
                     }
                     options.setting = minute;
                     return "";
                 });
    app.add_flag("--keep-scaled", options.keep_scaled,
                 "leave WORK as it is when ionograms/ holds scaled\nvalues (ZE20R_*_MM.txt)");
    app.add_flag("--force", options.force,
                 "write into an ionograms/ folder that holds files\nthis program did not write "
                 "(ionograms without\ntheir truth file)");
    describe_world(app, options, frequencies);
}

// What the parser left over: an option it does not know, or a word where none is taken.
std::string refusal_of_extra(const std::string& extra) {
    if (extra.starts_with("-")) {
        return "unknown option " + extra.substr(0, extra.find('='));
    }
    return "unexpected argument " + extra;
}

} // namespace

std::string usage_text() {
    Options ignored;
    std::optional<std::pair<int, int>> frequencies;
    CLI::App app("", "synthetic_day");
    describe(app, ignored, frequencies);
    return app.help();
}

ParsedOptions parse_options(std::span<const std::string_view> arguments) {
    Options options;
    std::optional<std::pair<int, int>> frequencies;
    CLI::App app("", "synthetic_day");
    describe(app, options, frequencies);
    // The parser takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ArgumentMismatch& error) {
        std::string message = error.what();
        return {std::nullopt, "option " + message.substr(0, message.find(':')) + " needs a value"};
    } catch (const CLI::ParseError& error) {
        return {std::nullopt, error.what()};
    }
    if (auto extras = app.remaining(); !extras.empty()) {
        return {std::nullopt, refusal_of_extra(extras.front())};
    }
    if (auto why = check_on_grid(options); !why.empty()) {
        return {std::nullopt, why};
    }
    if (auto why = check_frequencies(options, frequencies); !why.empty()) {
        return {std::nullopt, why};
    }
    return {options, ""};
}

} // namespace synth
