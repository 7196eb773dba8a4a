// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/calendar.h"
#include "common/shared_state.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

TEST(DayOfYear, FollowsTheMonthTablesWithoutCenturyRule) {
    const struct {
        const char* date;
        const char* day;
    } cases[] = {
        {"01-01-2025", "001"}, {"31-12-2025", "365"}, {"31-12-2024", "366"},
        {"29-02-2100", "060"}, {"15-13-2026", ""},    {"05-12-2026", "339"},
        {"01-03-2025", "060"}, {"01-03-2024", "061"}, {"00-00-2026", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(make_day_of_year_text(c.date), c.day) << c.date;
}

TEST(DateOfDayOfYear, TheDateWhoseDayOfTheYearItIs) {
    const struct {
        int year;
        int day;
        const char* date;
    } cases[] = {{2026, 1, "01-01-2026"},   {2026, 339, "05-12-2026"},
                 {2026, 59, "28-02-2026"},  {2026, 60, "01-03-2026"},
                 {2028, 60, "29-02-2028"},  {2026, 365, "31-12-2026"},
                 {2028, 366, "31-12-2028"}, {2100, 366, "31-12-2100"},
                 {2026, 366, ""},           {2026, 0, ""},
                 {812, 32, "01-02-0812"}};
    for (const auto& c : cases)
        EXPECT_EQ(date_of_day_of_year(c.year, c.day), c.date) << c.year << " " << c.day;
    for (const int year : {2026, 2028})
        for (int day = 1; day <= (year == 2028 ? 366 : 365); ++day) {
            std::string text = std::to_string(day);
            text.insert(0, 3 - text.size(), '0');
            EXPECT_EQ(make_day_of_year_text(date_of_day_of_year(year, day)), text);
        }
}

TEST(IonogramFileName, CarriesDateHourMinuteAndZeroSeconds) {
    SharedState shared;
    fill_hour_texts(shared);
    shared.working_year = "2025";
    shared.day_of_year_text = "001";
    EXPECT_EQ(make_ionogram_file_name(shared, 0, 0), "ZE20R_2025001000000.rdf");
    EXPECT_EQ(make_ionogram_file_name(shared, 23, 5), "ZE20R_2025001230500.rdf");
    shared.working_year = "2026";
    shared.day_of_year_text = "339";
    EXPECT_EQ(make_ionogram_file_name(shared, 7, 45), "ZE20R_2026339074500.rdf");
}

TEST(SoundingCaption, NamesMonthAndDayWithTheirBlanks) {
    const struct {
        const char* name;
        const char* caption;
    } cases[] = {
        {"ZE20R_2026339074500.rdf", "2026-December- 5  07:45 [UT]"},
        {"ZE20R_2026359074500.rdf", "2026-December- 25  07:45 [UT]"},
        {"ZE20R_2024060120000.rdf", "2024-February- 29  12:00 [UT]"},
        {"ZE20R_2025060120000.rdf", "2025-March- 1  12:00 [UT]"},
        {"ZE20R_2025000120000.rdf", "2025--  12:00 [UT]"},
        {"ZE20R_2025366120000.rdf", "2025--  12:00 [UT]"},
        {"ZE20R_2024366120000.rdf", "2024-December- 31  12:00 [UT]"},
        {"ZE20R_2025001000000.rdf", "2025-January- 1  00:00 [UT]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(make_sounding_caption(c.name), c.caption) << c.name;
}

} // namespace
} // namespace scalvo
