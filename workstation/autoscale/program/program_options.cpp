// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_options.h"

#include <CLI/CLI.hpp>

#include <charconv>

namespace scalvo::autoscale {

namespace {

std::optional<int> jobs_of(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 1 ||
        value > most_jobs)
        return std::nullopt;
    return value;
}

void describe(CLI::App& app, ProgramOptions& options) {
    app.set_help_flag();
    app.allow_extras();
    app.get_formatter()->label("Usage", "usage");
    app.footer(
        "Reads ionogram files and writes the automatic scaling of each as one CSV line on\n"
        "standard output, in the order given, after a header line. A folder stands for its\n"
        "ionogram files, sorted by name. Fields are empty where nothing is proposed; a file\n"
        "that cannot be read gives a line of empty fields and a reason on standard error\n"
        "(the exit status is then 1). On a terminal a progress line on standard error\n"
        "shows the files done, the rate and the time left.");
    app.add_flag("-h,--help", options.help, "show this text");
    app.add_flag("--version", options.version, "show the version");
    // Repeatable, one file each time.
    auto* truth = app.add_option("--truth", "compare with a truth CSV of the synthetic-day\n"
                                            "generator and write the agreement table on\n"
                                            "standard error; given for several days, each\n"
                                            "speaks for the files in its own folder");
    truth->type_name("FILE")->allow_extra_args(false);
    truth->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    truth->each([&options](const std::string& file) { options.truths.push_back(file); });
    app.add_option_function<std::string>(
           "-j,--jobs",
           [&options](const std::string& text) {
               const auto jobs = jobs_of(text);
               if (!jobs)
                   throw CLI::ValidationError("--jobs '" + text + "' is not a number from 1 to " +
                                              std::to_string(most_jobs));
               options.jobs = *jobs;
           },
           "threads reading files (default one per core)")
        ->type_name("N")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("FILE", options.inputs, "ionogram files, or folders of them")
        ->type_name("")
        ->expected(0, -1);
}

// What the parser left over: an option it does not know.
std::string refusal_of_extra(const std::string& extra) {
    return "unknown option " + extra.substr(0, extra.find('='));
}

} // namespace

std::string program_usage() {
    ProgramOptions ignored;
    CLI::App app("", "autoscale");
    describe(app, ignored);
    return app.help();
}

ParsedProgramOptions parse_program_options(std::span<const std::string_view> arguments) {
    ProgramOptions options;
    CLI::App app("", "autoscale");
    describe(app, options);
    // The parser takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ArgumentMismatch& error) {
        const std::string message = error.what();
        const std::string option = message.substr(0, message.find(':'));
        return {std::nullopt, option + (option == "--truth" ? " needs a file" : " needs a number")};
    } catch (const CLI::ParseError& error) {
        return {std::nullopt, error.what()};
    }
    // The parser leaves the "--" that ends the options among the extras.
    for (const std::string& extra : app.remaining())
        if (extra != "--")
            return {std::nullopt, refusal_of_extra(extra)};
    if (!options.help && !options.version && options.inputs.empty())
        return {std::nullopt, "no ionogram file given"};
    return {options, ""};
}

} // namespace scalvo::autoscale
