// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What autoscale is asked to do: the files and folders to read, the truth files, the threads.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scalvo::autoscale {

struct ProgramOptions {
    std::vector<std::string> inputs; // files and folders, in the order given
    std::vector<std::string> truths;
    int jobs = 0; // threads reading files; 0: one per core
    bool help = false;
    bool version = false;
};

// The options, or why the arguments were refused (one line, without the program's name).
struct ParsedProgramOptions {
    std::optional<ProgramOptions> options;
    std::string error;
};

inline constexpr int most_jobs = 256;

ParsedProgramOptions parse_program_options(std::span<const std::string_view> arguments);
std::string program_usage();

} // namespace scalvo::autoscale
