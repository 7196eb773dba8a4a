#include "ionogram_file.h"
#include "preview.h"

#include <gtest/gtest.h>

#include <string>

using namespace synth;

namespace {

const Date day{5, 12, 2026};

std::string bytes_at(const std::string& header, int first, int last) {
    return header.substr(first - 1, last - first + 1);
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

TEST_P(HeaderByStep, FrequenciesAsDigitsAndCountThatTheReaderDerives) {
    FrequencyAxis axis{GetParam().step_khz};
    std::string header = ionogram_header(axis, day, 465, 1);
    EXPECT_EQ(bytes_at(header, 1, 19), GetParam().frequencies);
    EXPECT_EQ(axis.count(), GetParam().count);
    // The reader takes the digits as single-precision numbers and rounds the count.
    auto read = read_back(ionogram_file_bytes(
        header, std::vector<std::uint8_t>(static_cast<std::size_t>(axis.count()) * 150, 9)));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->count, GetParam().count);
    EXPECT_FLOAT_EQ(read->start, 1.0f);
    EXPECT_FLOAT_EQ(read->end, 20.0f);
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
    EXPECT_EQ(bytes_at(header, 60, 61), "xx");
    EXPECT_EQ(bytes_at(header, 123, 127), "ZE20R");
    EXPECT_EQ(header[196], '\n');
    EXPECT_NE(header[49], '\n');
    // Every other byte is printable text.
    for (int position = 1; position <= 196; ++position) {
        unsigned char c = header[position - 1];
        EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "byte " << position << " is " << int(c);
    }
    EXPECT_NE(header.find("2026-12-05 07:45"), std::string::npos);
}

TEST(FileBytes, HeaderThenOneHundredFiftyBytesPerFrequency) {
    FrequencyAxis axis{50};
    std::vector<std::uint8_t> amplitudes(static_cast<std::size_t>(axis.count()) * 150);
    for (std::size_t i = 0; i < amplitudes.size(); ++i) {
        amplitudes[i] = static_cast<std::uint8_t>(i * 7);
    }
    auto bytes = ionogram_file_bytes(ionogram_header(axis, day, 0, 1), amplitudes);
    ASSERT_EQ(bytes.size(), 57347u);
    EXPECT_EQ(bytes[196], '\n');
    EXPECT_EQ(bytes[197], amplitudes[0]);
    EXPECT_EQ(bytes[197 + 150], amplitudes[150]);
    EXPECT_EQ(bytes.back(), amplitudes.back());
    EXPECT_THROW(ionogram_file_bytes("short", amplitudes), std::invalid_argument);
}

TEST(SizeRule, TheReadersConditions) {
    EXPECT_TRUE(passes_size_rule(57347, 381));
    EXPECT_FALSE(passes_size_rule(57348, 381));
    EXPECT_FALSE(passes_size_rule(57197, 381)); // whole frequencies, one too few
    EXPECT_FALSE(passes_size_rule(197, 0));
    EXPECT_FALSE(passes_size_rule(197 + 150, 0));
    EXPECT_EQ(frequency_count(1.0f, 20.0f, 0.05f), 381);
    EXPECT_EQ(frequency_count(1.0f, 20.0f, 0.025f), 761);
}

class Broken : public testing::TestWithParam<Breakage> {};

TEST_P(Broken, FailsTheSizeRule) {
    FrequencyAxis axis{100};
    auto good = ionogram_file_bytes(
        ionogram_header(axis, day, 0, 1),
        std::vector<std::uint8_t>(static_cast<std::size_t>(axis.count()) * 150, 40));
    auto broken = broken_file_bytes(good, GetParam());
    EXPECT_LT(broken.size(), good.size());
    EXPECT_FALSE(passes_size_rule(broken.size(), axis.count()));
    EXPECT_FALSE(read_back(broken));
    // The header itself stays intact: only the size gives it away.
    EXPECT_TRUE(std::equal(broken.begin(), broken.begin() + 197, good.begin()));
}

INSTANTIATE_TEST_SUITE_P(Kinds, Broken,
                         testing::Values(Breakage::cut_inside_a_frequency,
                                         Breakage::one_frequency_short, Breakage::header_only));

} // namespace
