// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "scalvo_version.h"

namespace tabulor {

Invocation read_arguments(std::span<const std::string_view> arguments) {
    if (arguments.empty())
        return {};
    const std::string_view first = arguments.front();
    if (arguments.size() == 1 && (first == "--help" || first == "-h"))
        return {Invocation::Kind::help, ""};
    if (arguments.size() == 1 && first == "--version")
        return {Invocation::Kind::version, ""};
    for (const std::string_view argument : arguments) {
        if (argument.starts_with("-") && argument != "-" && argument != "--help" &&
            argument != "-h" && argument != "--version")
            return {Invocation::Kind::refuse, "unknown option " + std::string(argument)};
    }
    // Every run appends; a stray argument must not add a second copy of all tables.
    return {Invocation::Kind::refuse, "takes no arguments; run it in the folder holding data/ "
                                      "and output/"};
}

std::string usage_text() {
    return "usage: tabulor [--help | --version]\n"
           "Turns the scaled-values files in data/ into one-column foF2 tables in output/: for\n"
           "each file N it appends the values in MHz to output/foF2_value_N and the\n"
           "qualifying and descriptive letters to output/foF2_qldl_N. Run it in the folder\n"
           "that holds data/ and output/.\n"
           "  -h, --help   this text\n"
           "  --version    the version\n";
}

std::string version_text() {
    return "tabulor " SCALVO_VERSION "\n";
}

} // namespace tabulor
