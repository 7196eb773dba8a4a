// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line program's text: one CSV line per sounding, and the agreement of the
// proposals with a truth file in the synthetic-day generator's format.
#include "autoscale/proposals.h"

#include <array>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace scalvo::autoscale {

// "file,fmin,foE,hE,foEs,hEs,fbEs,hF,foF1,hF2,foF2,fxI,MUF3000F2,M3000F2"
std::string csv_header();
// Frequencies in MHz with two decimals, heights in km with one, M(3000) with two; empty
// fields without a proposal. A file name holding a comma or a quote is quoted.
std::string csv_line(std::string_view file, const Proposals& proposals);

// "HH:MM" of a sounding from its ionogram file name (..._<year><day of year><HH><MM>00.rdf),
// whatever folder it is in.
std::optional<std::string> sounding_time_of(std::string_view path);
// Minute of the day of that time.
std::optional<int> sounding_minute_of(std::string_view path);
// The folder and <year><day of year> of a sounding: soundings with the same one are of one day.
std::optional<std::string> sounding_day_of(std::string_view path);

struct TruthRow {
    std::string time;  // "HH:MM"
    std::string state; // "written", "missing", "broken"
    std::array<std::optional<double>, characteristic_count> values;
};

// The truth CSV; an error text when it is not one.
std::variant<std::vector<TruthRow>, std::string> read_truth(std::istream& in);

struct ScaledFile {
    std::string path;
    Proposals proposals;
};

// The truth of one day: it speaks for the ionogram files in its own folder.
struct TruthFile {
    std::string path;
    std::vector<TruthRow> rows;
};

// For each characteristic: the soundings with a truth value, the share of them proposed within
// tolerance, proposed wrongly and not proposed; the soundings without a truth value and the
// share of them proposed all the same. Only files whose truth row says "written" count. A
// single truth file speaks for every file, wherever it lies.
std::string agreement_table(const std::vector<ScaledFile>& files,
                            const std::vector<TruthFile>& truths);

// How far a proposal may lie from the truth and still agree with it.
double tolerance_of(Characteristic characteristic);

} // namespace scalvo::autoscale
