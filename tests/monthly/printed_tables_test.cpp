// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/printed_tables.h"

#include "support/month_tables_builder.h"

#include <gtest/gtest.h>

#include <vector>

namespace scalvo {
namespace {

// The pages of the printed tables (split at the form feeds), each as its lines.
std::vector<std::vector<std::string>> pages(const std::string& text) {
    std::vector<std::vector<std::string>> all(1);
    std::size_t start = 0;
    while (start < text.size()) {
        if (text[start] == '\f') {
            all.emplace_back();
            ++start;
        }
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            break;
        all.back().push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return all;
}

// The five columns of the cell of an hour on a line of a table.
std::string cell(std::string line, int hour) {
    line.resize(8 + 6 * 24, ' '); // the blanks at the end of a line are not written
    return line.substr(9 + 6 * static_cast<std::size_t>(hour), 5);
}

TEST(PrintedTables, OnePagePerCharacteristicInTheRecordsOrder) {
    StationReading station;
    station.title = "Roma (RO041)";
    const auto all = pages(printed_tables(testing::MonthBuilder({2026, 2}).tables(), station));
    ASSERT_EQ(all.size(), 16u);
    const char* titles[] = {"fmin ", "h'E ",         "foE ",         "foEs ",      "h'Es ", "fbEs ",
                            "h'F ",  "foF1 ",        "MUF(3000)F1 ", "M(3000)F1 ", "h'F2 ", "foF2 ",
                            "fxI ",  "MUF(3000)F2 ", "M(3000)F2 ",   "Es Types "};
    for (std::size_t k = 0; k < all.size(); ++k) {
        EXPECT_EQ(all[k][0],
                  "Monthly tables of ionospheric characteristics, February 2026, station Roma "
                  "(RO041)");
        EXPECT_EQ(all[k][1].rfind(titles[k], 0), 0u) << all[k][1];
        EXPECT_EQ(all[k][3].rfind("Day", 0), 0u);
        EXPECT_EQ(all[k][4].rfind("  1", 0), 0u);
        EXPECT_EQ(all[k][31].rfind(" 28", 0), 0u); // February 2026 has 28 days
    }
    EXPECT_EQ(all[11][1], "foF2   URSI code 00   unit 0.1 MHz");
    EXPECT_EQ(all[2][1], "foE   URSI code 20   unit 0.01 MHz");
}

TEST(PrintedTables, EachValueWithItsLettersUnderItsHour) {
    testing::MonthBuilder month({2026, 12});
    month.set(1, 0, Row::foF2, " 72UA")
        .set(1, 23, Row::foF2, "105  ")
        .set(2, 12, Row::foF2, "    C");
    month.es_types(5, 6, "L1H2");
    for (int day = 10; day <= 20; ++day)
        month.set(day, 12, Row::foF2, " " + std::to_string(50 + day) + "  ");
    const auto all = pages(printed_tables(month.tables(), StationReading{}));
    const auto& foF2 = all[11];
    EXPECT_EQ(foF2[3].substr(0, 20), "Day       00    01  ");
    EXPECT_EQ(cell(foF2[4], 0), " 72UA");
    EXPECT_EQ(cell(foF2[4], 23), "105  ");
    EXPECT_EQ(cell(foF2[5], 12), "    C");
    // Under the 31 days: a blank line, the count, the median and the quartiles.
    EXPECT_EQ(foF2[35], "");
    EXPECT_EQ(foF2[36].rfind("Count", 0), 0u);
    EXPECT_EQ(cell(foF2[36], 12), " 11  ");
    EXPECT_EQ(cell(foF2[36], 1), "  0  ");
    EXPECT_EQ(cell(foF2[37], 12), " 65  ");
    EXPECT_EQ(cell(foF2[38], 12), " 68  ");
    EXPECT_EQ(cell(foF2[39], 12), " 62  ");
    EXPECT_EQ(cell(foF2[37], 0), " 72UA"); // one value: the median of one, doubtful already
    EXPECT_EQ(foF2[37].rfind("Median", 0), 0u);
    EXPECT_EQ(foF2[38].rfind("Up.Q.", 0), 0u);
    EXPECT_EQ(foF2[39].rfind("Lo.Q.", 0), 0u);
    const auto& es = all[15];
    EXPECT_EQ(cell(es[8], 6), "L1H2 ");
    EXPECT_EQ(cell(es[36], 6), "  1  ");
    // The count alone under the Es types; then the notes that end the last page.
    EXPECT_EQ(es[37], "");
    EXPECT_EQ(es[38].rfind("Values in the unit", 0), 0u);
}

} // namespace
} // namespace scalvo
