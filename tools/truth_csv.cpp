// SPDX-License-Identifier: GPL-3.0-or-later
#include "truth_csv.h"

#include "calendar.h"

#include <charconv>

namespace synth {

namespace {

// std::to_chars: the decimal point stays "." whatever the locale.
std::string fixed(const std::optional<double>& value, int decimals) {
    if (!value) {
        return "";
    }
    char text[64];
    auto result =
        std::to_chars(text, text + sizeof text, *value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

const char* state_text(FileState state) {
    switch (state) {
    case FileState::written:
        return "written";
    case FileState::missing:
        return "missing";
    case FileState::broken:
        return "broken";
    }
    return "";
}

} // namespace

std::string truth_csv_header(bool with_hidden) {
    return std::string("time,file,fmin,foE,hE,foEs,hEs,fbEs,hF,foF1,hF2,foF2,fxI,MUF3000F2") +
           (with_hidden ? ",hidden" : "") + "\r\n";
}

std::string truth_csv_line(int minute_of_day, FileState state, const GroundTruth& truth,
                           bool with_hidden) {
    std::string line = clock_text(minute_of_day) + "," + state_text(state);
    auto frequency = [&](const std::optional<double>& v) { line += "," + fixed(v, 2); };
    auto height = [&](const std::optional<double>& v) { line += "," + fixed(v, 1); };
    frequency(truth.fmin);
    frequency(truth.foE);
    height(truth.hE);
    frequency(truth.foEs);
    height(truth.hEs);
    frequency(truth.fbEs);
    height(truth.hF);
    frequency(truth.foF1);
    height(truth.hF2);
    frequency(truth.foF2);
    frequency(truth.fxI);
    frequency(truth.muf3000F2);
    if (with_hidden) {
        line += ",";
        for (std::size_t k = 0; k < truth.hidden.size(); ++k) {
            line += (k > 0 ? " " : "") + truth.hidden[k];
        }
    }
    return line + "\r\n";
}

} // namespace synth
