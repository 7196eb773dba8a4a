// SPDX-License-Identifier: GPL-3.0-or-later
// autoscale FILE...: the automatic scaling of ionogram files, one CSV line per file.
#include "autoscale/report.h"
#include "parallel_scaling.h"
#include "program_options.h"
#include "progress_line.h"
#include "sounding_list.h"

#include <unistd.h>

#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#ifndef SCALVO_VERSION
#define SCALVO_VERSION ""
#endif

namespace {

using namespace scalvo::autoscale;

// The truth files, or the line that refuses them.
std::variant<std::vector<TruthFile>, std::string>
read_truths(const std::vector<std::string>& paths) {
    std::vector<TruthFile> truths;
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return "cannot read the truth file " + path;
        auto read = read_truth(in);
        if (const auto* error = std::get_if<std::string>(&read))
            return path + ": " + *error;
        truths.push_back({path, std::move(std::get<std::vector<TruthRow>>(read))});
    }
    return truths;
}

int scale(const ProgramOptions& options) {
    auto truths = read_truths(options.truths);
    if (const auto* error = std::get_if<std::string>(&truths)) {
        std::cerr << "autoscale: " << *error << "\n";
        return 1;
    }
    int status = 0;
    const SoundingList list = list_soundings(options.inputs);
    for (const std::string& error : list.errors) {
        std::cerr << "autoscale: " << error << "\n";
        status = 1;
    }

    ProgressLine progress(std::cerr, isatty(STDERR_FILENO) == 1, list.files.size());
    progress.update(0);
    std::vector<ScaledFile> scaled;
    scaled.reserve(list.files.size());
    std::cout << csv_header() << "\n";
    ScalingCallbacks callbacks;
    callbacks.ready = [&](std::size_t k, const FileScaling& file) {
        if (!file.error.empty()) {
            progress.clear();
            std::cerr << "autoscale: " << list.files[k] << ": " << file.error << "\n";
            status = 1;
        }
        std::cout << csv_line(list.files[k], file.proposals) << "\n";
        scaled.push_back({list.files[k], file.proposals});
    };
    callbacks.progress = [&](std::size_t read) { progress.update(read); };
    scale_files(list.files, options.jobs > 0 ? options.jobs : core_count(), callbacks);
    progress.clear();
    std::cout.flush();
    if (!std::get<std::vector<TruthFile>>(truths).empty())
        std::cerr << agreement_table(scaled, std::get<std::vector<TruthFile>>(truths));
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedProgramOptions parsed = parse_program_options(arguments);
    if (!parsed.options) {
        std::cerr << "autoscale: " << parsed.error << "\n" << program_usage();
        return 2;
    }
    if (parsed.options->help) {
        std::cout << program_usage();
        return 0;
    }
    if (parsed.options->version) {
        std::cout << "autoscale " << SCALVO_VERSION << "\n";
        return 0;
    }
    try {
        return scale(*parsed.options);
    } catch (const std::exception& error) {
        std::cerr << "autoscale: " << error.what() << "\n";
        return 1;
    }
}
