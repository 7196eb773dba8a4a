// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

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

// Known before its value is taken, so that an unknown flag is called unknown rather than
// short of a value.
bool takes_value(std::string_view name) {
    for (std::string_view known : {"--date", "--interval", "--out", "--step", "--seed", "--skip",
                                   "--broken", "--preview", "--setting"}) {
        if (name == known) {
            return true;
        }
    }
    return false;
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

} // namespace

std::string usage_text() {
    return "usage: synthetic_day [options]\n"
           "Writes a day of synthetic ionograms into WORK/ionograms, with the ground truth\n"
           "beside them (ZE20R_<year><day>_truth.csv).\n"
           "  --date dd-mm-yyyy   day of the soundings (default 15-04-2026)\n"
           "  --interval MM       05, 10, 15, 30 or 60 minutes between soundings (default 15)\n"
           "  --out WORK          working folder (default .)\n"
           "  --step MHZ          0.025, 0.05, 0.1, 0.2 or 0.5 (default 0.05)\n"
           "  --seed N            the same arguments always give the same bytes (default 1)\n"
           "  --skip HH:MM        leave this sounding's file out (repeatable, or a comma list)\n"
           "  --broken HH:MM      write this sounding with a wrong size (repeatable)\n"
           "  --preview HH:MM     draw this sounding as the plot shows it into\n"
           "                      WORK/previews/<file name>.png (repeatable)\n"
           "  --setting HH:MM     write WORK/setting.txt starting at this sounding\n"
           "  --keep-scaled       leave WORK as it is when ionograms/ holds scaled values\n"
           "                      (ZE20R_*_MM.txt)\n"
           "  --force             write into an ionograms/ folder that holds files this\n"
           "                      program did not write (ionograms without their truth file)\n"
           "  -h, --help          this text\n"
           "  --version           the version\n";
}

ParsedOptions parse_options(std::span<const std::string_view> arguments) {
    Options options;
    auto fail = [](std::string why) { return ParsedOptions{std::nullopt, std::move(why)}; };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        std::string_view value;
        bool inline_value = false;
        if (auto equals = name.find('=');
            name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            inline_value = true;
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--version") {
            options.version = true;
            continue;
        }
        if (name == "--keep-scaled") {
            options.keep_scaled = true;
            continue;
        }
        if (name == "--force") {
            options.force = true;
            continue;
        }
        if (!takes_value(name)) {
            return fail((name.starts_with("-") ? "unknown option " : "unexpected argument ") +
                        std::string(name));
        }
        if (!inline_value) {
            if (i + 1 >= arguments.size()) {
                return fail("option " + std::string(name) + " needs a value");
            }
            value = arguments[++i];
        }
        std::string shown(value);
        if (name == "--date") {
            auto date = parse_date(value);
            if (!date) {
                return fail("date '" + shown + "' is not a day written dd-mm-yyyy");
            }
            options.date = *date;
        } else if (name == "--interval") {
            auto interval = parse_interval(value);
            if (!interval) {
                return fail("interval '" + shown + "' is not one of 05, 10, 15, 30, 60");
            }
            options.interval = *interval;
        } else if (name == "--out") {
            if (value.empty()) {
                return fail("the working folder is empty");
            }
            options.working_folder = std::filesystem::path(value);
        } else if (name == "--step") {
            auto axis = axis_for_step(value);
            if (!axis) {
                return fail("step '" + shown + "' is not one of 0.025, 0.05, 0.1, 0.2, 0.5");
            }
            options.axis = *axis;
        } else if (name == "--seed") {
            auto seed = parse_seed(value);
            if (!seed) {
                return fail("seed '" + shown + "' is not a whole number");
            }
            options.seed = *seed;
        } else if (name == "--skip" || name == "--broken" || name == "--preview") {
            auto& list = name == "--skip"     ? options.skipped
                         : name == "--broken" ? options.broken
                                              : options.previews;
            if (!parse_clocks(value, list)) {
                return fail("time '" + shown + "' is not HH:MM");
            }
        } else if (name == "--setting") {
            auto minute = parse_clock(value);
            if (!minute) {
                return fail("time '" + shown + "' is not HH:MM");
            }
            options.setting = minute;
        }
    }
    if (auto why = check_on_grid(options); !why.empty()) {
        return fail(why);
    }
    return ParsedOptions{options, ""};
}

} // namespace synth
