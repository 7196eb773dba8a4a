// SPDX-License-Identifier: GPL-3.0-or-later
// Any arguments to the command-line parsers that need no window: Tabulor's, synthetic_day's and
// autoscale's, and Scalvo's choice of its working folder from what was given. Each answers or
// refuses with a reason; none crashes.
#include "command_line.h"
#include "controllers/start_folder.h"
#include "options.h"
#include "program_options.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Arguments are separated by NUL bytes, as in a process's argument vector.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> owned;
    std::size_t start = 0;
    while (start <= bytes.size() && owned.size() < 64) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        owned.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    const std::vector<std::string_view> arguments(owned.begin(), owned.end());

    const tabulor::Invocation invocation = tabulor::read_arguments(arguments);
    if (invocation.kind == tabulor::Invocation::Kind::refuse && invocation.error.empty())
        std::abort();

    const synth::ParsedOptions parsed = synth::parse_options(arguments);
    if (!parsed.options && parsed.error.empty())
        std::abort();

    const scalvo::autoscale::ParsedProgramOptions program =
        scalvo::autoscale::parse_program_options(arguments);
    if (!program.options && program.error.empty())
        std::abort();
    if (program.options &&
        (program.options->jobs < 0 || program.options->jobs > scalvo::autoscale::most_jobs))
        std::abort();

    scalvo::FolderRequest request;
    request.source = static_cast<scalvo::FolderSource>(size % 4);
    request.given = owned.front();
    const auto decision = scalvo::decide_start_folder(request, "/nonexistent-scalvo-fuzz",
                                                      std::filesystem::path(owned.back()), "/");
    if (decision.kind == scalvo::FolderDecision::Kind::refuse && decision.error.empty())
        std::abort();
    return 0;
}
