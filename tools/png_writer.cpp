// SPDX-License-Identifier: GPL-3.0-or-later
#include "png_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace synth {

namespace {

const std::array<std::uint32_t, 256>& crc_table() {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void put_chunk(std::vector<std::uint8_t>& out, std::string_view type,
               std::span<const std::uint8_t> data) {
    put_u32(out, static_cast<std::uint32_t>(data.size()));
    std::size_t type_start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    put_u32(out, crc32(std::span(out).subspan(type_start)));
}

std::vector<std::uint8_t> zlib_stored(std::span<const std::uint8_t> raw) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    constexpr std::size_t block = 65535;
    std::size_t offset = 0;
    do {
        std::size_t length = std::min(block, raw.size() - offset);
        bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length));
        out.push_back(static_cast<std::uint8_t>(~length >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    put_u32(out, adler32(raw));
    return out;
}

} // namespace

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

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    const auto& table = crc_table();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) {
        c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> encode_png(const RgbImage& image) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    put_u32(header, static_cast<std::uint32_t>(image.width));
    put_u32(header, static_cast<std::uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
    put_chunk(out, "IHDR", header);

    std::size_t row_bytes = static_cast<std::size_t>(image.width) * 3;
    std::vector<std::uint8_t> raw;
    raw.reserve((row_bytes + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0); // filter: none
        auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y * row_bytes);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(row_bytes));
    }
    put_chunk(out, "IDAT", zlib_stored(raw));
    put_chunk(out, "IEND", {});
    return out;
}

} // namespace synth
