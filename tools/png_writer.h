// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace synth {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // row after row from the top, 3 bytes a pixel

    RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h * 3) {}
    void set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b);
    std::uint32_t at(int x, int y) const; // 0xRRGGBB
};

// An 8-bit RGB PNG (libpng). Throws std::runtime_error when libpng refuses the image.
std::vector<std::uint8_t> encode_png(const RgbImage& image);

} // namespace synth
