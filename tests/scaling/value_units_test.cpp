// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/value_units.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace scalvo {
namespace {

TEST(ValueUnits, EachRowReadsItsCodeInItsOwnUnit) {
    const struct {
        Row row;
        const char* code;
        std::optional<double> value;
        const char* reading;
    } cases[] = {
        {Row::foF2, "72", 7.2, "7.2"},
        {Row::foF2, "125", 12.5, "12.5"},
        {Row::fmin, "9", 0.9, "0.9"},
        {Row::fmin, "10", 1.0, "1.0"},
        {Row::foE, "305", 3.05, "3.05"},
        {Row::foF1, "420", 4.2, "4.20"},
        {Row::foEs, "29", 2.9, "2.9"},
        {Row::MUF3000F2, "253", 25.3, "25.3"},
        {Row::M3000F2, "305", 3.05, "3.05"},
        {Row::M3000F1, "1000", 10.0, "10.00"},
        {Row::hF, "250", 250.0, "250"},
        {Row::hEs, "105", 105.0, "105"},
        {Row::hE, "95", 95.0, "95"},
        {Row::foF2, "", std::nullopt, ""},
        {Row::foF2, "***", std::nullopt, "***"},
        {Row::foF2, "7 2", std::nullopt, "7 2"},
        {Row::es_types, "L1", std::nullopt, "L1"},
    };
    for (const auto& c : cases) {
        const auto value = value_of_code(c.row, c.code);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << caption(c.row) << " " << c.code;
        if (value) {
            EXPECT_NEAR(*value, *c.value, 1e-9) << caption(c.row) << " " << c.code;
        }
        EXPECT_EQ(reading_of_code(c.row, c.code), c.reading) << caption(c.row) << " " << c.code;
    }
}

TEST(ValueUnits, TheUnitsOfTheRows) {
    EXPECT_EQ(unit_of(Row::foF2), ValueUnit::megahertz);
    EXPECT_EQ(unit_of(Row::foE), ValueUnit::megahertz);
    EXPECT_EQ(unit_of(Row::hF2), ValueUnit::kilometres);
    EXPECT_EQ(unit_of(Row::M3000F2), ValueUnit::factor);
    EXPECT_EQ(unit_of(Row::es_types), ValueUnit::none);
}

} // namespace
} // namespace scalvo
