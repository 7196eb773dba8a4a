// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an ionogram file: the header reader and the size rule decide, a usable file is
// read and normalised, and nothing is read out of bounds. With SCALVO_FUZZ_DRAW the usable
// file is also drawn (far slower: a whole plot per input).
#include "ionogram/ionogram_file.h"
#include "ionogram/plot.h"

#include <cstdint>
#include <cstdlib>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    scalvo::Ionogram ionogram;
    const auto header = scalvo::read_ionogram_header(bytes);
    const auto whole = scalvo::read_ionogram(bytes, ionogram);
    const bool usable = std::holds_alternative<scalvo::IonogramHeader>(whole);
    if (usable) {
        const auto& read = std::get<scalvo::IonogramHeader>(whole);
        if (!scalvo::check_ionogram_size(static_cast<std::int64_t>(size), read.frequency_count) ||
            ionogram.amplitude_grid.size() != static_cast<std::size_t>(read.frequency_count) * 150)
            std::abort();
        scalvo::normalise_amplitudes(ionogram);
        for (const auto cell : ionogram.amplitude_grid)
            if (cell < 0 || cell > 254)
                std::abort();
#ifdef SCALVO_FUZZ_DRAW
        static scalvo::PlotCanvas canvas(-220, 795, 670, -51, scalvo::form_background);
        scalvo::draw_ionogram(canvas, ionogram);
#endif
    } else if (std::holds_alternative<scalvo::IonogramHeader>(header) &&
               scalvo::check_ionogram_size(
                   static_cast<std::int64_t>(size),
                   std::get<scalvo::IonogramHeader>(header).frequency_count)) {
        std::abort(); // the header passed the size rule but the file was refused
    }
    return 0;
}
