// SPDX-License-Identifier: GPL-3.0-or-later
#include "png_writer.h"

#include <gtest/gtest.h>

#include <string>

using namespace synth;

namespace {

std::span<const std::uint8_t> text_bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::uint32_t u32_at(const std::vector<std::uint8_t>& b, std::size_t i) {
    return (std::uint32_t{b[i]} << 24) | (std::uint32_t{b[i + 1]} << 16) |
           (std::uint32_t{b[i + 2]} << 8) | b[i + 3];
}

struct Chunk {
    std::string type;
    std::vector<std::uint8_t> data;
};

// Walks the chunks, checking each CRC on the way.
std::vector<Chunk> chunks_of(const std::vector<std::uint8_t>& png) {
    std::vector<Chunk> chunks;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        std::uint32_t length = u32_at(png, at);
        Chunk chunk{std::string(png.begin() + at + 4, png.begin() + at + 8),
                    std::vector<std::uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + length)};
        std::uint32_t stored_crc = u32_at(png, at + 8 + length);
        EXPECT_EQ(stored_crc, crc32(std::span(png).subspan(at + 4, length + 4))) << chunk.type;
        chunks.push_back(std::move(chunk));
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    return chunks;
}

// Undoes the stored deflate blocks and checks the Adler-32 trailer.
std::vector<std::uint8_t> inflate_stored(const std::vector<std::uint8_t>& z) {
    EXPECT_EQ(z[0], 0x78);
    EXPECT_EQ((z[0] * 256 + z[1]) % 31, 0); // zlib header check bits
    std::vector<std::uint8_t> raw;
    std::size_t at = 2;
    bool last = false;
    while (!last) {
        last = z[at] & 1;
        EXPECT_EQ(z[at] >> 1, 0); // stored block
        std::size_t length = z[at + 1] | (z[at + 2] << 8);
        std::size_t complement = z[at + 3] | (z[at + 4] << 8);
        EXPECT_EQ(length ^ 0xFFFF, complement);
        raw.insert(raw.end(), z.begin() + at + 5, z.begin() + at + 5 + length);
        at += 5 + length;
    }
    EXPECT_EQ(u32_at(z, at), adler32(raw));
    EXPECT_EQ(at + 4, z.size());
    return raw;
}

TEST(Checksums, KnownValues) {
    EXPECT_EQ(crc32(text_bytes("123456789")), 0xCBF43926u);
    EXPECT_EQ(crc32(text_bytes("")), 0u);
    EXPECT_EQ(adler32(text_bytes("Wikipedia")), 0x11E60398u);
    EXPECT_EQ(adler32(text_bytes("")), 1u);
}

struct SizeCase {
    int width, height;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height;
}

class EncodePng : public testing::TestWithParam<SizeCase> {};

TEST_P(EncodePng, DecodesBackToThePixels) {
    RgbImage image(GetParam().width, GetParam().height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.set(x, y, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                      static_cast<std::uint8_t>(x ^ y));
        }
    }
    auto png = encode_png(image);
    const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    auto chunks = chunks_of(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(u32_at(chunks[0].data, 0), static_cast<std::uint32_t>(image.width));
    EXPECT_EQ(u32_at(chunks[0].data, 4), static_cast<std::uint32_t>(image.height));
    EXPECT_EQ(chunks[0].data[8], 8); // bit depth
    EXPECT_EQ(chunks[0].data[9], 2); // RGB
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");

    auto raw = inflate_stored(chunks[1].data);
    std::size_t row = static_cast<std::size_t>(image.width) * 3 + 1;
    ASSERT_EQ(raw.size(), row * image.height);
    for (int y = 0; y < image.height; ++y) {
        EXPECT_EQ(raw[y * row], 0); // no filter
        EXPECT_TRUE(std::equal(raw.begin() + y * row + 1, raw.begin() + (y + 1) * row,
                               image.pixels.begin() + y * (row - 1)));
    }
}

// The preview's size needs several 64 KB stored blocks; a tiny image needs one.
INSTANTIATE_TEST_SUITE_P(Sizes, EncodePng,
                         testing::Values(SizeCase{1, 1}, SizeCase{3, 2}, SizeCase{766, 602}));

} // namespace
