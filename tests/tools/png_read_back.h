// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PNG read back with libpng, as any viewer would read it.
#include "png_writer.h"

#include <png.h>

#include <optional>
#include <span>

namespace synth {

inline std::optional<RgbImage> png_read_back(std::span<const std::uint8_t> file) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, file.data(), file.size())) {
        return std::nullopt;
    }
    png.format = PNG_FORMAT_RGB;
    RgbImage image(static_cast<int>(png.width), static_cast<int>(png.height));
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

} // namespace synth
