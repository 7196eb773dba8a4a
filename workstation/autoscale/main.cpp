// SPDX-License-Identifier: GPL-3.0-or-later
// autoscale FILE...: the automatic scaling of ionogram files, one CSV line per file.
#include "autoscale/autoscale.h"
#include "autoscale/day_series.h"
#include "autoscale/report.h"
#include "ionogram/ionogram_file.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#ifndef SCALVO_VERSION
#define SCALVO_VERSION ""
#endif

namespace {

using namespace scalvo;
using namespace scalvo::autoscale;

constexpr const char* usage =
    "usage: autoscale [--truth FILE]... FILE...\n"
    "Reads ionogram files and writes the automatic scaling of each as one CSV line on\n"
    "standard output, in the order given, after a header line. Fields are empty where\n"
    "nothing is proposed; a file that cannot be read gives a line of empty fields and a\n"
    "reason on standard error (the exit status is then 1).\n"
    "  --truth FILE  compare with a truth CSV of the synthetic-day generator and write the\n"
    "                agreement table on standard error; given for several days, each\n"
    "                speaks for the files in its own folder\n"
    "  --help        show this text\n"
    "  --version     show the version\n";

struct Arguments {
    std::vector<std::string> files;
    std::vector<std::string> truths;
    bool help = false;
    bool version = false;
    std::string error;
};

Arguments parse(int argc, char** argv) {
    Arguments arguments;
    bool options_done = false;
    for (int k = 1; k < argc; ++k) {
        const std::string_view argument = argv[k];
        if (options_done || argument == "-" || !argument.starts_with("-")) {
            arguments.files.emplace_back(argument);
        } else if (argument == "--") {
            options_done = true;
        } else if (argument == "--help" || argument == "-h") {
            arguments.help = true;
        } else if (argument == "--version") {
            arguments.version = true;
        } else if (argument == "--truth") {
            if (k + 1 >= argc) {
                arguments.error = "--truth needs a file";
                return arguments;
            }
            arguments.truths.emplace_back(argv[++k]);
        } else if (argument.starts_with("--truth=")) {
            arguments.truths.emplace_back(argument.substr(8));
        } else {
            arguments.error = "unknown option " + std::string(argument);
            return arguments;
        }
    }
    if (!arguments.help && !arguments.version && arguments.files.empty())
        arguments.error = "no ionogram file given";
    return arguments;
}

// Why a file gave no ionogram, in one line.
std::string reason_of(const IonogramLoad& load) {
    if (load.read_error)
        return load.read_error->reason;
    // A file that was read but holds no header is there: it is no ionogram, not a missing file.
    if (load.fault == HeaderFault::no_header)
        return "not an ionogram: no header (no line feed at byte 197)";
    if (load.outcome == IonogramOutcome::missing)
        return "no such file";
    return "not an ionogram file of a usable size";
}

// Soundings of one day (same folder and day in the name) are read together, so that what a
// blanketing sporadic E hides comes from the soundings around it.
void fill_days(std::vector<ScaledFile>& scaled, const std::vector<FTraceShape>& shapes) {
    std::map<std::string, std::vector<std::size_t>> days;
    for (std::size_t k = 0; k < scaled.size(); ++k)
        if (const auto day = sounding_day_of(scaled[k].path))
            days[*day].push_back(k);
    for (auto& [day, members] : days) {
        // Sorted by minute already, the series keeps its order through the filling, so each
        // reading goes back to its own file even where two share a minute.
        std::stable_sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) {
            return *sounding_minute_of(scaled[a].path) < *sounding_minute_of(scaled[b].path);
        });
        std::vector<TimedProposals> series;
        for (const std::size_t k : members)
            series.push_back({*sounding_minute_of(scaled[k].path), scaled[k].proposals, shapes[k]});
        fill_hidden_from_neighbours(series);
        for (std::size_t n = 0; n < members.size(); ++n)
            scaled[members[n]].proposals = series[n].proposals;
    }
}

} // namespace

int main(int argc, char** argv) {
    const Arguments arguments = parse(argc, argv);
    if (!arguments.error.empty()) {
        std::cerr << "autoscale: " << arguments.error << "\n" << usage;
        return 2;
    }
    if (arguments.help) {
        std::cout << usage;
        return 0;
    }
    if (arguments.version) {
        std::cout << "autoscale " << SCALVO_VERSION << "\n";
        return 0;
    }

    std::vector<TruthFile> truths;
    for (const std::string& path : arguments.truths) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << "autoscale: cannot read the truth file " << path << "\n";
            return 1;
        }
        auto read = read_truth(in);
        if (const auto* error = std::get_if<std::string>(&read)) {
            std::cerr << "autoscale: " << path << ": " << *error << "\n";
            return 1;
        }
        truths.push_back({path, std::move(std::get<std::vector<TruthRow>>(read))});
    }

    int status = 0;
    std::vector<ScaledFile> scaled;
    std::vector<FTraceShape> shapes;
    for (const std::string& file : arguments.files) {
        Ionogram ionogram;
        const IonogramLoad load = load_ionogram_file(file, ionogram);
        Reading reading;
        if (load.outcome == IonogramOutcome::usable) {
            reading = read_sounding(ionogram);
        } else {
            std::cerr << "autoscale: " << file << ": " << reason_of(load) << "\n";
            status = 1;
        }
        scaled.push_back({file, reading.proposals});
        shapes.push_back(std::move(reading.f_trace));
    }
    fill_days(scaled, shapes);
    std::cout << csv_header() << "\n";
    for (const ScaledFile& file : scaled)
        std::cout << csv_line(file.path, file.proposals) << "\n";
    std::cout.flush();
    if (!truths.empty())
        std::cerr << agreement_table(scaled, truths);
    return status;
}
