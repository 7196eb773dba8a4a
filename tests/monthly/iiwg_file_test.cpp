// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange file read back field by field with the published layout of the IIWG format:
//
//   record    format        content
//   1         A30 A5 I4 F5.1 F5.1 A10 A10 A30
//                           station name, station code, meridian time, latitude N, longitude E,
//                           scaling type, data editing, ionosonde
//   2,3       30I4*         year, month, days M, characteristics, measurements, then the
//                           measurements of each of the M days (NM)
//   4,i       12A10*        the characteristics
//   i+1,j     12A10*        their dimensions
//   j+1,k     60A2*         their URSI codes
//   k+1,l     20(3I2)*      the NM sample times HHMMSS of each day
//   l+1,m     24(I3,A2)*    the NM values of characteristic 1 of day 1, ... of each day
//   m+1       24(I3,A2)     hourly medians
//   m+2       24(I2,I3)     the counts of the medians, range
//   m+3 ...   24(I3,A2)     upper quartile, lower quartile, upper decile, lower decile
//   then the same from l+1 for each further characteristic.
//
// (* as many records as the items need.) The reader below knows nothing of the writer.
#include "monthly/iiwg_file.h"

#include "support/month_tables_builder.h"

#include <gtest/gtest.h>

#include <vector>

namespace scalvo {
namespace {

// Reads the items of a repeated Fortran format off the file's records: each item a group of
// fields of these widths, so many items to a record, a new record for each read.
class FormattedReader {
  public:
    explicit FormattedReader(const std::string& text) {
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) {
                ADD_FAILURE() << "a record without CR LF at the end of the file";
                break;
            }
            records_.push_back(text.substr(start, end - start));
            start = end + 2;
        }
    }

    std::vector<std::vector<std::string>> read(std::size_t items, std::vector<std::size_t> widths,
                                               std::size_t per_record) {
        std::vector<std::vector<std::string>> all;
        std::string record;
        std::size_t at = 0;
        for (std::size_t k = 0; k < items; ++k) {
            if (k % per_record == 0) {
                record = next();
                at = 0;
            }
            std::vector<std::string> fields;
            for (const std::size_t w : widths) {
                EXPECT_LE(at + w, record.size()) << "record " << index_ << " is short";
                fields.push_back(at < record.size() ? record.substr(at, w) : "");
                at += w;
            }
            all.push_back(fields);
        }
        if (items == 0)
            next(); // a read with no items still takes a record
        return all;
    }

    bool at_end() const { return index_ == records_.size(); }
    const std::vector<std::string>& records() const { return records_; }

  private:
    std::string next() {
        if (index_ == records_.size()) {
            ADD_FAILURE() << "the file ends too early";
            return "";
        }
        return records_[index_++];
    }
    std::vector<std::string> records_;
    std::size_t index_ = 0;
};

int integer(const std::string& field) {
    const auto first = field.find_first_not_of(' ');
    EXPECT_NE(first, std::string::npos) << "a blank integer field";
    return first == std::string::npos ? 0 : std::stoi(field.substr(first));
}

Station station() {
    return {"Roma", "RO041", 41.8, 254.7, -105, "DORVIK 2", "Manual", "Edited"};
}

class IiwgFile : public ::testing::Test {
  protected:
    IiwgFile() {
        testing::MonthBuilder month({2026, 2});
        month.set(3, 7, Row::foF2, " 72UA").set(3, 8, Row::foF2, "    C");
        month.set(28, 23, Row::hF, "250  ").set(1, 0, Row::foE, "305  ");
        for (int day = 1; day <= 11; ++day)
            month.set(day, 12, Row::foF2, " " + std::to_string(40 + day) + "  ");
        month.es_types(1, 1, "L1");
        tables = month.tables();
        text = iiwg_file(tables, station());
    }
    MonthTables tables;
    std::string text;
};

TEST_F(IiwgFile, EveryFieldWhereThePublishedLayoutPutsIt) {
    FormattedReader in(text);
    const auto header = in.read(1, {30, 5, 4, 5, 5, 10, 10, 30}, 1)[0];
    EXPECT_EQ(header, (std::vector<std::string>{"Roma                          ", "RO041", "-105",
                                                " 41.8", "254.7", "Manual    ", "Edited    ",
                                                "DORVIK 2                      "}));

    const int days = 28;
    const auto counts = in.read(5 + days, {4}, 30);
    EXPECT_EQ(integer(counts[0][0]), 2026);
    EXPECT_EQ(integer(counts[1][0]), 2);
    EXPECT_EQ(integer(counts[2][0]), days);
    const int characteristics = integer(counts[3][0]);
    EXPECT_EQ(characteristics, 15); // every one of the record but the Es types
    EXPECT_EQ(integer(counts[4][0]), 24 * days);
    for (int day = 0; day < days; ++day)
        EXPECT_EQ(integer(counts[5 + static_cast<std::size_t>(day)][0]), 24);

    const auto n = static_cast<std::size_t>(characteristics);
    const auto names = in.read(n, {10}, 12);
    const auto units = in.read(n, {10}, 12);
    const auto codes = in.read(n, {2}, 60);
    const struct {
        const char *name, *unit, *code;
    } expected[] = {{"foF2", "0.1 MHz", "00"},  {"M3000F2", "0.01", "03"},
                    {"h'F2", "km", "04"},       {"MUF3000F2", "0.1 MHz", "07"},
                    {"foF1", "0.01 MHz", "10"}, {"M3000F1", "0.01", "13"},
                    {"h'F", "km", "16"},        {"MUF3000F1", "0.1 MHz", "17"},
                    {"foE", "0.01 MHz", "20"},  {"h'E", "km", "24"},
                    {"foEs", "0.1 MHz", "30"},  {"fbEs", "0.1 MHz", "32"},
                    {"h'Es", "km", "34"},       {"fmin", "0.1 MHz", "42"},
                    {"fxI", "0.1 MHz", "51"}};
    std::map<std::string, std::size_t> position;
    for (std::size_t k = 0; k < n; ++k) {
        EXPECT_EQ(names[k][0], std::string(expected[k].name) +
                                   std::string(10 - std::string(expected[k].name).size(), ' '));
        EXPECT_EQ(units[k][0].substr(0, std::string(expected[k].unit).size()), expected[k].unit);
        EXPECT_EQ(codes[k][0], expected[k].code);
        position[expected[k].name] = k;
    }

    for (int day = 1; day <= days; ++day) {
        const auto times = in.read(24, {2, 2, 2}, 20);
        for (int hour = 0; hour < 24; ++hour) {
            const auto& t = times[static_cast<std::size_t>(hour)];
            EXPECT_EQ(integer(t[0]) * 10000 + integer(t[1]) * 100 + integer(t[2]), hour * 10000)
                << day << " " << hour;
        }
    }

    for (std::size_t k = 0; k < n; ++k) {
        std::vector<std::vector<std::vector<std::string>>> values;
        for (int day = 1; day <= days; ++day)
            values.push_back(in.read(24, {3, 2}, 24));
        const auto medians = in.read(24, {3, 2}, 24);
        const auto count_range = in.read(24, {2, 3}, 24);
        const auto upper_quartiles = in.read(24, {3, 2}, 24);
        const auto lower_quartiles = in.read(24, {3, 2}, 24);
        const auto upper_deciles = in.read(24, {3, 2}, 24);
        const auto lower_deciles = in.read(24, {3, 2}, 24);
        if (k == position["foF2"]) {
            EXPECT_EQ(values[2][7], (std::vector<std::string>{" 72", "UA"}));
            EXPECT_EQ(values[2][8], (std::vector<std::string>{"   ", " C"}));
            EXPECT_EQ(values[0][7], (std::vector<std::string>{"   ", "  "}));
            // 41 ... 51 at noon.
            EXPECT_EQ(medians[12], (std::vector<std::string>{" 46", "  "}));
            EXPECT_EQ(count_range[12], (std::vector<std::string>{"11", "  6"}));
            EXPECT_EQ(upper_quartiles[12], (std::vector<std::string>{" 49", "  "}));
            EXPECT_EQ(lower_quartiles[12], (std::vector<std::string>{" 43", "  "}));
            EXPECT_EQ(upper_deciles[12], (std::vector<std::string>{" 51", "  "}));
            EXPECT_EQ(lower_deciles[12], (std::vector<std::string>{" 41", "  "}));
            // One value at 07:00: a doubtful median of one; nothing at 05:00.
            EXPECT_EQ(medians[7], (std::vector<std::string>{" 72", "UA"}));
            EXPECT_EQ(count_range[7], (std::vector<std::string>{" 1", "  0"}));
            EXPECT_EQ(medians[5], (std::vector<std::string>{"   ", "  "}));
            EXPECT_EQ(count_range[5], (std::vector<std::string>{" 0", "   "}));
        }
        if (k == position["h'F"]) {
            EXPECT_EQ(values[27][23], (std::vector<std::string>{"250", "  "}));
        }
        if (k == position["foE"]) {
            EXPECT_EQ(values[0][0], (std::vector<std::string>{"305", "  "}));
        }
    }
    EXPECT_TRUE(in.at_end());
}

// The format was made to print without wrapping: no record is longer than 120 characters.
TEST_F(IiwgFile, NoRecordLongerThan120Characters) {
    const FormattedReader in(text);
    for (const std::string& record : in.records())
        EXPECT_LE(record.size(), 120u) << record;
}

TEST(IiwgFields, LatitudeAndLongitudeInF51) {
    Station s = station();
    s.latitude = -33.86;
    s.longitude = 0.04;
    const std::string text = iiwg_file(testing::MonthBuilder({2026, 1}).tables(), s);
    EXPECT_EQ(text.substr(39, 10), "-33.9  0.0");
}

} // namespace
} // namespace scalvo
