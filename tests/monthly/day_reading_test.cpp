// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/day_reading.h"

#include "support/month_records.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::day_file;
using testing::RecordLine;

const std::filesystem::path file = "ionograms/ZE20R_03122026_15.txt";

// Rule: the hourly value of an hour is the record at minute 00, whatever the interval.
TEST(DayReading, TheHourlyValueIsTheRecordAtMinuteZero) {
    for (const int interval : {5, 10, 15, 30, 60}) {
        std::map<int, std::string> lines;
        const int per_hour = 60 / interval;
        for (int k = 0; k < 24 * per_hour; ++k) {
            const int minute = k * interval;
            // foF2 codes that name their own record: the hour times 10 plus the minute's share.
            lines[k] = RecordLine(minute / 60, minute % 60)
                           .set(Row::foF2, minute / 60 * 10 + (minute % 60) / interval % 10)
                           .text();
        }
        const DayReading day = read_day(day_file(interval, lines), file, interval);
        EXPECT_TRUE(day.problems.empty()) << interval;
        for (int hour = 0; hour < 24; ++hour)
            EXPECT_EQ(day.hours[static_cast<std::size_t>(hour)][index_of(Row::foF2)].code,
                      hour * 10)
                << interval << " " << hour;
    }
}

TEST(DayReading, KeepsEveryRowWithItsLetters) {
    const std::string line = RecordLine(7, 0)
                                 .set(Row::fmin, 15, 'E', 'S')
                                 .set(Row::foE, "085")
                                 .set(Row::foF2, 72, 'U', 'A')
                                 .set(Row::hF, "", ' ', 'C')
                                 .set(Row::M3000F2, 305)
                                 .es_types("L1H2")
                                 .text();
    const DayReading day = read_day(day_file(15, {{28, line}}), file, 15);
    ASSERT_TRUE(day.problems.empty());
    const HourEntries& h = day.hours[7];
    EXPECT_EQ(h[index_of(Row::fmin)], (Entry{15, 'E', 'S', ""}));
    EXPECT_EQ(h[index_of(Row::foE)], (Entry{85, ' ', ' ', ""}));
    EXPECT_EQ(h[index_of(Row::foF2)], (Entry{72, 'U', 'A', ""}));
    EXPECT_EQ(h[index_of(Row::hF)], (Entry{std::nullopt, ' ', 'C', ""}));
    EXPECT_EQ(h[index_of(Row::M3000F2)], (Entry{305, ' ', ' ', ""}));
    EXPECT_EQ(h[index_of(Row::es_types)].es_types, "L1H2");
    EXPECT_TRUE(h[index_of(Row::foF1)].empty());
    EXPECT_TRUE(day.hours[6][index_of(Row::foF2)].empty()); // a blank record
}

// Bad input is named with its file and line and left out; the rest of the day stays.
TEST(DayReading, NamesAndLeavesOutWhatCannotBeRead) {
    const auto good = [](int hour) {
        return RecordLine(hour, 0).set(Row::foF2, 50 + hour).set(Row::hF, 240);
    };
    const auto changed = [](std::string line, std::size_t at, std::size_t n, const char* by) {
        return line.replace(at, n, by);
    };
    std::string cut = good(1).text();
    cut.resize(120);
    std::string label = good(2).text();
    label.replace(160, 4, "foF3");
    std::string blank_end = good(9).text();
    blank_end[245] = 'x';
    const struct {
        const char* name;
        std::string line; // the record of hour 1 ... at the hour's place
        int hour;
        const char* named;   // in the problem's text
        bool whole;          // the whole record left out, not a field
        Row row = Row::foF2; // the row left out
    } cases[] = {
        {"cut", cut, 1, "is 120 characters long, not 246", true},
        {"label", label, 2, "damaged", true},
        {"time", changed(good(3).text(), 0, 5, "03:15"), 3, "holds the time 03:15", true},
        {"time digits", changed(good(4).text(), 0, 5, "0a:00"), 4, "damaged", true},
        {"value", changed(good(5).text(), RecordLine::position(Row::foF2) - 1, 3, " 7x"), 5,
         "foF2 value \"7x\" is no value code", false},
        {"qualifying", changed(good(6).text(), RecordLine::position(Row::foF2) + 2, 1, "B"), 6,
         "foF2 qualifying letter \"B\" is not one", false},
        {"descriptive", changed(good(7).text(), RecordLine::position(Row::foF2) + 3, 1, "u"), 7,
         "foF2 descriptive letter \"u\" is not one", false},
        {"four digits", changed(good(8).text(), RecordLine::position(Row::foF2) - 1, 3, "1E3"), 8,
         "foF2 value 1000 does not fit", false},
        {"last blank", blank_end, 9, "damaged", true},
        {"es types", good(10).es_types("L0").text(), 10, "Es Types \"L0   \" are no Es types",
         false, Row::es_types},
    };
    for (const auto& c : cases) {
        std::map<int, std::string> lines{{c.hour * 4, c.line}};
        for (const int other : {0, 23})
            lines[other * 4] = RecordLine(other, 0).set(Row::foF2, 40).text();
        const DayReading day = read_day(day_file(15, lines), file, 15);
        ASSERT_EQ(day.problems.size(), 1u) << c.name;
        const Problem& p = day.problems.front();
        EXPECT_EQ(p.file, file) << c.name;
        EXPECT_EQ(p.line, c.hour * 4 + 1) << c.name;
        EXPECT_NE(p.text.find(c.named), std::string::npos) << c.name << ": " << p.text;
        EXPECT_NE(p.text.find("left out"), std::string::npos) << c.name << ": " << p.text;
        const HourEntries& h = day.hours[static_cast<std::size_t>(c.hour)];
        EXPECT_TRUE(h[index_of(c.row)].empty()) << c.name;
        // Another row of the same record: gone with a whole record, kept beside a bad field.
        EXPECT_EQ(h[index_of(Row::hF)].code, c.whole ? std::nullopt : std::optional<int>(240))
            << c.name;
        EXPECT_EQ(day.hours[0][index_of(Row::foF2)].code, 40) << c.name;
        EXPECT_EQ(day.hours[23][index_of(Row::foF2)].code, 40) << c.name;
    }
}

TEST(DayReading, AFileCutShortNamesTheHoursItLacks) {
    std::string bytes = day_file(60, {{2, RecordLine(2, 0).set(Row::foF2, 33).text()}});
    bytes.resize(248 * 10); // records of 00:00 ... 09:00
    const DayReading day = read_day(bytes, file, 60);
    ASSERT_EQ(day.problems.size(), 1u);
    EXPECT_EQ(day.problems[0].line, 0);
    EXPECT_NE(day.problems[0].text.find("ends after line 10: the hours from 10:00"),
              std::string::npos)
        << day.problems[0].text;
    EXPECT_EQ(day.hours[2][index_of(Row::foF2)].code, 33);
}

TEST(DayReading, AnEmptyOrForeignFileHasNoValues) {
    EXPECT_EQ(read_day("", file, 15).problems.size(), 1u);
    // One line too long, then nothing: the record of 00:00 and the file's end are named.
    const DayReading binary = read_day(std::string(5000, '\x01'), file, 15);
    ASSERT_EQ(binary.problems.size(), 2u);
    EXPECT_EQ(binary.problems[0].line, 1);
    for (const HourEntries& h : binary.hours)
        for (const Entry& e : h)
            EXPECT_TRUE(e.empty());
}

} // namespace
} // namespace scalvo
