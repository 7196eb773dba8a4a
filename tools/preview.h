// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "png_writer.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace synth {

// An ionogram file read back the way the workstation reads it: single-precision
// frequencies from the header digits, N from them, bytes of 6 or less taken as 0.
struct ReadBack {
    float start = 0.0f;
    float end = 0.0f;
    float step = 0.0f;
    int count = 0;
    std::vector<std::uint8_t> amplitudes; // count x 150
};

int frequency_count(float start, float end, float step);

// The size rule: more than the header, whole frequencies, exactly N of them.
bool passes_size_rule(std::size_t size, int count);

// Empty when the file fails the header or size rule.
std::optional<ReadBack> read_back(std::span<const std::uint8_t> file);

// The plot area as the scaling form draws it (766 x 602 pixels for plot x 0..765 and
// y 0..601, y upwards): black, yellow frame, grey lines at whole MHz and every 100 km,
// amplitudes normalised to 0..254 and placed by step. No label text.
RgbImage render_plot(const ReadBack& ionogram);

} // namespace synth
