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

// Every option of the program, writing into `options` as the arguments are taken.
void describe(CLI::App& app, Options& options) {
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
    CLI::App app("", "synthetic_day");
    describe(app, ignored);
    return app.help();
}

ParsedOptions parse_options(std::span<const std::string_view> arguments) {
    Options options;
    CLI::App app("", "synthetic_day");
    describe(app, options);
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
    return {options, ""};
}

} // namespace synth
