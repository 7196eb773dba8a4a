// SPDX-License-Identifier: GPL-3.0-or-later
// Any header and amplitude grid within the reader's size rule to the automatic scaling: one
// sounding read alone (as the scaling form and the overview's worker do) and a small day read
// together (as autoscale does). Nothing may read out of bounds, overflow or hang; every
// proposal is a finite number.
#include "autoscale/autoscale.h"
#include "autoscale/day_series.h"
#include "ionogram/ionogram_file.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Two decimal digits from a byte, then three: the header's frequency fields.
std::string digits(std::uint8_t byte, int count) {
    char text[8];
    std::snprintf(text, sizeof text,
                  count == 2   ? "%02u"
                  : count == 3 ? "%03u"
                               : "%01u",
                  count == 2   ? byte % 100u
                  : count == 3 ? (byte * 5u) % 1000u
                               : byte % 10u);
    return text;
}

// A header from six bytes: start, end and step as the file writes them. The count is kept
// small enough for a fuzzer to run many of them.
std::string header_of(const std::uint8_t* b) {
    std::string header = digits(b[0] % 20, 2) + "." + digits(b[1], 3) + " " +
                         digits(static_cast<std::uint8_t>(b[2] % 30), 2) + "." + digits(b[3], 3) +
                         " " + digits(b[4] % 2, 1) + "." + digits(b[5], 3);
    header.resize(scalvo::ionogram_header_length - 1, ' ');
    header.replace(59, 2, "xx");
    header.replace(122, 5, "ZE20R");
    return header + '\n';
}

void check(const scalvo::autoscale::Proposals& proposals) {
    for (const auto& proposal : proposals.values)
        if (proposal && !std::isfinite(proposal->value))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7)
        return 0;
    const std::string header = header_of(data);
    const auto read = scalvo::read_ionogram_header(header);
    const auto* fields = std::get_if<scalvo::IonogramHeader>(&read);
    if (!fields || fields->frequency_count <= 0 || fields->frequency_count > 1000)
        return 0;
    // The grid: the rest of the input, repeated to fill every frequency.
    const std::size_t cells = static_cast<std::size_t>(fields->frequency_count) * 150;
    std::string file = header;
    file.reserve(header.size() + cells);
    const std::uint8_t* grid = data + 6;
    const std::size_t grid_size = size - 6;
    for (std::size_t k = 0; k < cells; ++k)
        file += static_cast<char>(grid[k % grid_size]);
    scalvo::Ionogram ionogram;
    if (!std::holds_alternative<scalvo::IonogramHeader>(scalvo::read_ionogram(file, ionogram)))
        std::abort(); // the size rule holds by construction
    check(scalvo::autoscale::propose(ionogram));

    // Three soundings of a day: this one, then the same with its echoes shifted up and down a
    // step, so that neighbours differ.
    std::vector<scalvo::autoscale::TimedProposals> day;
    for (int shift : {0, 1, -1}) {
        scalvo::Ionogram shifted = ionogram;
        if (shift != 0)
            for (std::size_t k = 0; k < shifted.amplitude_grid.size(); ++k)
                shifted.amplitude_grid[k] =
                    ionogram.amplitude_grid[(k + cells + static_cast<std::size_t>(shift)) % cells];
        scalvo::autoscale::Reading reading = scalvo::autoscale::read_sounding(shifted);
        check(reading.proposals);
        day.push_back({600 + 15 * shift, reading.proposals, reading.f_trace});
    }
    scalvo::autoscale::fill_hidden_from_neighbours(day);
    for (const auto& sounding : day)
        check(sounding.proposals);
    return 0;
}
