// SPDX-License-Identifier: GPL-3.0-or-later
#include "png_writer.h"

#include <png.h>

#include <stdexcept>
#include <string>

namespace synth {

void RgbImage::set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return;
    }
    std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    pixels[i] = r;
    pixels[i + 1] = g;
    pixels[i + 2] = b;
}

std::uint32_t RgbImage::at(int x, int y) const {
    std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return (std::uint32_t{pixels[i]} << 16) | (std::uint32_t{pixels[i + 1]} << 8) | pixels[i + 2];
}

std::vector<std::uint8_t> encode_png(const RgbImage& image) {
    // libpng's simplified interface reports failures in the image, without setjmp.
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    auto fail = [&]() {
        std::string why = png.message;
        png_image_free(&png);
        return std::runtime_error("cannot encode the picture as PNG: " + why);
    };
    png_alloc_size_t size = 0;
    // The first call only measures.
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.pixels.data(), 0, nullptr)) {
        throw fail();
    }
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&png, out.data(), &size, 0, image.pixels.data(), 0, nullptr)) {
        throw fail();
    }
    out.resize(size);
    return out;
}

} // namespace synth
