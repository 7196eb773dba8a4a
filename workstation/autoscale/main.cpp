// SPDX-License-Identifier: GPL-3.0-or-later
// autoscale FILE...: the automatic scaling of ionogram files, one CSV line per file.
#include "autoscale/report.h"
#include "parallel_scaling.h"
#include "program_options.h"
#include "progress_line.h"
#include "sounding_list.h"

#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

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

    const bool terminal = isatty(STDERR_FILENO) == 1;
    // Lines written to the same terminal go above the progress line, not after it.
    const bool shared_terminal = terminal && isatty(STDOUT_FILENO) == 1;
    ProgressLine progress(std::cerr, terminal, list.files.size());
    progress.update(0);
    const auto& truth_files = std::get<std::vector<TruthFile>>(truths);
    std::vector<ScaledFile> scaled; // only for the truth's agreement
    std::cout << csv_header() << "\n";
    ScalingCallbacks callbacks;
    callbacks.ready = [&](std::size_t k, const FileScaling& file) {
        if (!file.error.empty() || shared_terminal)
            progress.clear();
        if (!file.error.empty()) {
            std::cerr << "autoscale: " << list.files[k] << ": " << file.error << "\n";
            status = 1;
        }
        std::cout << csv_line(list.files[k], file.proposals) << "\n";
        if (!truth_files.empty())
            scaled.push_back({list.files[k], file.proposals});
    };
    callbacks.progress = [&](std::size_t read) {
        if (shared_terminal)
            std::cout.flush();
        progress.update(read);
    };
    scale_files(list.files, options.jobs > 0 ? options.jobs : core_count(), callbacks);
    progress.clear();
    std::cout.flush();
    if (!truth_files.empty())
        std::cerr << agreement_table(scaled, truth_files);
    return status;
}

// Each file's buffers are freed before the next file's are made. Left to itself glibc gives the
// pages of a reading thread's heap back to the system after every file and faults them in again
// for the next: that took as long as the reading. Kept, a year is read in half the time.
void keep_heaps_between_files() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
    mallopt(M_TRIM_THRESHOLD, 32 << 20);
#endif
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
        keep_heaps_between_files();
        return scale(*parsed.options);
    } catch (const std::exception& error) {
        std::cerr << "autoscale: " << error.what() << "\n";
        return 1;
    }
}
