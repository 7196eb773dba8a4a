// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/csv_files.h"

#include "support/month_tables_builder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace scalvo {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos)
            break;
        all.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return all;
}

TEST(ValuesCsv, OneLinePerValueInPhysicalUnits) {
    const MonthTables tables = testing::MonthBuilder({2026, 12})
                                   .set(3, 7, Row::foF2, " 72UA")
                                   .set(3, 7, Row::foE, "305  ")
                                   .set(3, 7, Row::hF, "250  ")
                                   .set(3, 7, Row::M3000F2, "305  ")
                                   .set(3, 8, Row::foF2, "    C")
                                   .set(31, 23, Row::fmin, " 15ES")
                                   .es_types(3, 7, "L1H2")
                                   .tables();
    EXPECT_EQ(lines(values_csv(tables)),
              (std::vector<std::string>{"day,hour,characteristic,value,qualifying,descriptive",
                                        "3,7,foE,3.05,,", "3,7,h'F,250,,", "3,7,foF2,7.2,U,A",
                                        "3,7,M(3000)F2,3.05,,", "3,7,Es Types,L1H2,,",
                                        "3,8,foF2,,,C", "31,23,fmin,1.5,E,S"}));
}

TEST(MediansCsv, EveryCharacteristicAndHourWithItsStatistics) {
    testing::MonthBuilder month({2026, 12});
    for (int day = 1; day <= 11; ++day)
        month.set(day, 12, Row::foF2, " " + std::to_string(40 + day) + "  ");
    const std::vector<std::string> all = lines(medians_csv(month.tables()));
    ASSERT_EQ(all.size(), 1u + 15 * 24);
    EXPECT_EQ(all[0], "characteristic,hour,count,median,upper_quartile,lower_quartile,"
                      "upper_decile,lower_decile");
    EXPECT_EQ(all[1], "fmin,0,0,,,,,");
    // foF2 41 ... 51: median 46, quartiles at ranks 9 and 3, deciles at 10.8 and 1.2 rounded
    // to the tabulation unit.
    const auto foF2_noon = std::find(all.begin(), all.end(), "foF2,12,11,4.6,4.9,4.3,5.1,4.1");
    EXPECT_NE(foF2_noon, all.end());
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                            [](const std::string& l) { return l.starts_with("Es Types"); }),
              0);
}

} // namespace
} // namespace scalvo
