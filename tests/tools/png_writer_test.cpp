// SPDX-License-Identifier: GPL-3.0-or-later
#include "png_read_back.h"
#include "png_writer.h"

#include <gtest/gtest.h>

using namespace synth;

namespace {

struct SizeCase {
    int width, height;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height;
}

class EncodePng : public testing::TestWithParam<SizeCase> {};

TEST_P(EncodePng, ReadsBackToTheSamePixels) {
    RgbImage image(GetParam().width, GetParam().height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.set(x, y, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                      static_cast<std::uint8_t>(x ^ y));
        }
    }
    auto png = encode_png(image);
    auto back = png_read_back(png);
    ASSERT_TRUE(back) << "libpng does not read the file";
    EXPECT_EQ(back->width, image.width);
    EXPECT_EQ(back->height, image.height);
    EXPECT_TRUE(back->pixels == image.pixels);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EncodePng,
                         testing::Values(SizeCase{1, 1}, SizeCase{3, 2}, SizeCase{766, 602}));

TEST(EncodePng, AnImageLibpngCannotTakeIsAnError) {
    EXPECT_THROW(encode_png(RgbImage(0, 0)), std::runtime_error);
}

} // namespace
