// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram_file.h"
#include "preview.h"

#include <gtest/gtest.h>

using namespace synth;

namespace {

const Date day{5, 12, 2026};

std::vector<std::uint8_t> file_of(const FrequencyAxis& axis) {
    return ionogram_file_bytes(
        ionogram_header(axis, day, 465, 1),
        std::vector<std::uint8_t>(static_cast<std::size_t>(axis.count()) * 150, 40));
}

struct StepCase {
    int step_khz;
    const char* frequencies; // bytes 1-19
    int count;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.step_khz << " kHz";
}

class HeaderByStep : public testing::TestWithParam<StepCase> {};

TEST_P(HeaderByStep, DigitsThatTheReaderTurnsIntoTheCount) {
    FrequencyAxis axis{GetParam().step_khz};
    auto file = file_of(axis);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 19), GetParam().frequencies);
    EXPECT_EQ(file.size(), 197u + 150u * GetParam().count);
    // Single-precision values from the digits, N rounded from them.
    auto read = read_back(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->count, GetParam().count);
    EXPECT_EQ(read->start, 1.0f);
    EXPECT_EQ(read->end, 20.0f);
}

INSTANTIATE_TEST_SUITE_P(Steps, HeaderByStep,
                         testing::Values(StepCase{25, "01.000 20.000 0.025", 761},
                                         StepCase{50, "01.000 20.000 0.050", 381},
                                         StepCase{100, "01.000 20.000 0.100", 191},
                                         StepCase{200, "01.000 20.000 0.200", 96},
                                         StepCase{500, "01.000 20.000 0.500", 39}));

TEST(Header, FieldsAtTheirBytes) {
    std::string header = ionogram_header(FrequencyAxis{50}, day, 465, 12345);
    ASSERT_EQ(header.size(), 197u);
    EXPECT_EQ(header.substr(59, 2), "xx");     // bytes 60-61
    EXPECT_EQ(header.substr(122, 5), "ZE20R"); // bytes 123-127
    EXPECT_EQ(header[196], '\n');
    for (int position = 1; position <= 196; ++position) {
        unsigned char c = header[position - 1];
        EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "byte " << position << " is " << int(c);
    }
    EXPECT_NE(header.find("2026-12-05 07:45"), std::string::npos);
    auto file = ionogram_file_bytes(header, std::vector<std::uint8_t>(150, 7));
    EXPECT_EQ(file.size(), 347u);
    EXPECT_EQ(file[197], 7);
    EXPECT_THROW(ionogram_file_bytes(header, std::vector<std::uint8_t>(149)),
                 std::invalid_argument);
}

TEST(SizeRule, TheReadersConditions) {
    EXPECT_TRUE(passes_size_rule(57347, 381));
    EXPECT_FALSE(passes_size_rule(57348, 381));
    EXPECT_FALSE(passes_size_rule(57197, 381)); // whole frequencies, one too few
    EXPECT_FALSE(passes_size_rule(197, 0));
}

class Broken : public testing::TestWithParam<Breakage> {};

TEST_P(Broken, OnlyTheSizeGivesItAway) {
    FrequencyAxis axis{100};
    auto good = file_of(axis);
    auto broken = broken_file_bytes(good, GetParam());
    EXPECT_FALSE(passes_size_rule(broken.size(), axis.count()));
    EXPECT_FALSE(read_back(broken));
    EXPECT_TRUE(std::equal(broken.begin(), broken.begin() + 197, good.begin()));
}

INSTANTIATE_TEST_SUITE_P(Kinds, Broken,
                         testing::Values(Breakage::cut_inside_a_frequency,
                                         Breakage::one_frequency_short, Breakage::header_only));

} // namespace
