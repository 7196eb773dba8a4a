// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar.h"

#include <gtest/gtest.h>

using namespace synth;

namespace {

struct DayCase {
    const char* date;
    int day_of_year;
};

void PrintTo(const DayCase& c, std::ostream* os) {
    *os << c.date;
}

class DayOfYear : public testing::TestWithParam<DayCase> {};

TEST_P(DayOfYear, CountsFromTheFirstOfJanuary) {
    auto date = parse_date(GetParam().date);
    ASSERT_TRUE(date) << GetParam().date;
    EXPECT_EQ(day_of_year(*date), GetParam().day_of_year);
}

// Every fourth year is a leap year, 2100 included, as the workstation counts.
INSTANTIATE_TEST_SUITE_P(Dates, DayOfYear,
                         testing::Values(DayCase{"01-01-2025", 1}, DayCase{"31-12-2025", 365},
                                         DayCase{"31-12-2024", 366}, DayCase{"01-03-2025", 60},
                                         DayCase{"01-03-2024", 61}, DayCase{"29-02-2100", 60},
                                         DayCase{"05-12-2026", 339}, DayCase{"15-04-2026", 105}));

TEST(ParseDate, RefusesWhatIsNotACalendarDay) {
    for (const char* text : {"31-04-2026", "29-02-2027", "00-01-2026", "01-13-2026", "5-12-2026",
                             "05/12/2026", "05-12-26", "aa-bb-cccc", ""}) {
        EXPECT_FALSE(parse_date(text)) << text;
    }
    EXPECT_TRUE(parse_date("29-02-2028"));
}

TEST(Clock, ParsesAndPrintsHoursAndMinutes) {
    EXPECT_EQ(date_text(*parse_date("05-02-2026")), "05-02-2026");
    EXPECT_EQ(parse_clock("00:00"), 0);
    EXPECT_EQ(parse_clock("07:45"), 465);
    EXPECT_EQ(parse_clock("23:59"), 1439);
    EXPECT_FALSE(parse_clock("24:00"));
    EXPECT_FALSE(parse_clock("7:45"));
    EXPECT_FALSE(parse_clock("07-45"));
    EXPECT_EQ(clock_text(465), "07:45");
}

TEST(IonogramFileName, StationYearDayHourMinuteSeconds) {
    EXPECT_EQ(ionogram_file_name(*parse_date("05-12-2026"), 7 * 60 + 45),
              "ZE20R_2026339074500.rdf");
    EXPECT_EQ(ionogram_file_name(*parse_date("01-01-2025"), 0), "ZE20R_2025001000000.rdf");
    EXPECT_EQ(ionogram_file_name(*parse_date("01-01-2025"), 23 * 60 + 5),
              "ZE20R_2025001230500.rdf");
}

} // namespace
