// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview.h"

#include <gtest/gtest.h>

using namespace synth;

namespace {

constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t yellow = 0xFFFF00;
constexpr std::uint32_t grey = 0x646464;

// Plot coordinates, y upwards, to the image's pixel.
std::uint32_t pixel(const RgbImage& image, int x, int y) {
    return image.at(x, 601 - y);
}

ReadBack ionogram(float start, float end, float step) {
    ReadBack r;
    r.start = start;
    r.end = end;
    r.step = step;
    r.count = frequency_count(start, end, step);
    r.amplitudes.assign(static_cast<std::size_t>(r.count) * 150, 0);
    return r;
}

void set_cell(ReadBack& r, int i, int j, std::uint8_t value) {
    r.amplitudes[static_cast<std::size_t>(i - 1) * 150 + (j - 1)] = value;
}

TEST(Plot, FrameAndGrid) {
    auto image = render_plot(ionogram(2.0f, 10.0f, 0.1f));
    ASSERT_EQ(image.width, 766);
    ASSERT_EQ(image.height, 602);
    for (auto [x, y] : {std::pair{0, 0}, {765, 0}, {0, 601}, {765, 601}, {300, 0}, {0, 300}}) {
        EXPECT_EQ(pixel(image, x, y), yellow) << x << "," << y;
    }
    // Grey lines at whole MHz inside the ionogram's range only, and every 100 km.
    EXPECT_EQ(pixel(image, 44, 300), grey);   // 2 MHz
    EXPECT_EQ(pixel(image, 364, 300), grey);  // 10 MHz
    EXPECT_EQ(pixel(image, 4, 300), black);   // 1 MHz, below the start
    EXPECT_EQ(pixel(image, 404, 300), black); // 11 MHz, above the end
    EXPECT_EQ(pixel(image, 200, 12), grey);   // 100 km
    EXPECT_EQ(pixel(image, 200, 546), grey);  // 700 km
    EXPECT_EQ(pixel(image, 200, 13), black);
}

struct PlacementCase {
    float step;
    int i;
    int first_x, last_x;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << "step " << c.step << " i " << c.i;
}

class EchoPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(EchoPlacement, BlockEndsAtTheFrequencysColumn) {
    auto r = ionogram(1.0f, 20.0f, GetParam().step);
    set_cell(r, GetParam().i, 10, 200);
    auto image = render_plot(r);
    for (int x = GetParam().first_x; x <= GetParam().last_x; ++x) {
        for (int y = 37; y <= 40; ++y) {
            EXPECT_EQ(pixel(image, x, y), 0xFEFEFEu) << x << "," << y;
        }
    }
    EXPECT_NE(pixel(image, GetParam().first_x - 1, 38), 0xFEFEFEu);
    EXPECT_NE(pixel(image, GetParam().last_x + 1, 38), 0xFEFEFEu);
    EXPECT_NE(pixel(image, GetParam().first_x, 41), 0xFEFEFEu);
    EXPECT_NE(pixel(image, GetParam().first_x, 36), 0xFEFEFEu);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, EchoPlacement,
    testing::Values(PlacementCase{0.025f, 1, 4, 4}, PlacementCase{0.025f, 761, 764, 764},
                    PlacementCase{0.05f, 1, 3, 4}, PlacementCase{0.05f, 381, 763, 764},
                    PlacementCase{0.1f, 1, 1, 4}, PlacementCase{0.2f, 2, 9, 12},
                    PlacementCase{0.5f, 2, 21, 24}));

TEST(Plot, AmplitudesNormalisedToTheLargest) {
    auto r = ionogram(1.0f, 20.0f, 0.1f);
    set_cell(r, 100, 20, 255);
    set_cell(r, 101, 20, 7);
    set_cell(r, 102, 20, 128);
    auto image = render_plot(r);
    EXPECT_EQ(pixel(image, 400, 80), 0xFEFEFEu);
    EXPECT_EQ(pixel(image, 404, 80), 0x060606u); // 7 x 254 / 255 truncated
    EXPECT_EQ(pixel(image, 408, 80), 0x7F7F7Fu); // 128 x 254 / 255 = 127.5
}

TEST(ReadBack, SmallAmplitudesAreZeroAndOldShortHeadersUnusable) {
    std::vector<std::uint8_t> file(197 + 39 * 150, 6);
    std::string header = "01.000 20.000 0.500";
    std::copy(header.begin(), header.end(), file.begin());
    file[196] = '\n';
    file[197] = 7;
    auto r = read_back(file);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->amplitudes[0], 7);
    EXPECT_EQ(r->amplitudes[1], 0);
    file[49] = '\n';
    EXPECT_FALSE(read_back(file));
}

} // namespace
