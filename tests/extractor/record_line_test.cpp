// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A line of the given length holding the foF2 fields at characters 166-170.
std::string line(const std::string& fields, std::size_t length = 246) {
    std::string text = std::string(165, ' ') + fields;
    text.resize(length, ' ');
    return text;
}

struct Case {
    const char* name;
    std::string line;
    const char* value;
    const char* letters;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class RecordLine : public ::testing::TestWithParam<Case> {};

TEST_P(RecordLine, GivesValueAndLetters) {
    const auto lines = tabulor::convert_record_line(GetParam().line);
    EXPECT_EQ(lines.value, GetParam().value);
    EXPECT_EQ(lines.letters, GetParam().letters);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordLine,
    ::testing::Values(Case{"Blank", line(""), "", "  "},
                      Case{"Scaled", line("123UA"), "12.3", "UA"},
                      Case{"RightAligned", line(" 45 A"), " 4.5", " A"},
                      Case{"OneDigit", line("  5  "), "  .5", "  "}, Case{"Empty", "", "", ""},
                      Case{"Short165", line("", 165), "", ""},
                      Case{"ValueCutAfterTwo", line("12", 167), "", ""},
                      Case{"ValueCutAfterOne", line("12", 166), "", ""},
                      Case{"LettersAbsent", line("123", 168), "12.3", ""},
                      Case{"OneLetter", line("123U", 169), "12.3", "U"},
                      Case{"LongerThanRecord", line("123UA", 400), "12.3", "UA"},
                      Case{"ControlBytes", line("1\r5\tA"), "1 .5", " A"},
                      Case{"OnlyControlBytes", line("\r\r\r"), "", "  "}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
