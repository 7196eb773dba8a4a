// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/sheet_record.h"

#include "common/shared_state.h"
#include "common/text.h"
#include "records/record_file.h"
#include "support/scaling_fixture.h"
#include "support/temp_folder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::read_bytes;
using testing::TempFolder;
using testing::write_bytes;

class SheetRecordTest : public testing::ScalingTest {
  protected:
    void SetUp() override {
        shared.scaled_values_file = folder / "ZE20R_05122026_15.txt";
        std::string day;
        for (int n = 0; n < 96; ++n)
            day += blank_record();
        write_bytes(shared.scaled_values_file, day);
    }
    // The file's record n (1-based).
    std::string stored(int n) const {
        return read_bytes(shared.scaled_values_file).substr((n - 1) * 248, 248);
    }
    void store(int n, const std::string& record) {
        ASSERT_FALSE(write_record_at(shared.scaled_values_file, n, record));
    }
    // Composes the sheet on screen at hh:mm into record n of the file.
    void save(int hour, int minute, int n) {
        shared.sounding_hour = static_cast<std::int16_t>(hour);
        shared.sounding_minute = static_cast<std::int16_t>(minute);
        shared.current_record_number = static_cast<std::int16_t>(n);
        compose_sheet_record(scaling);
        ASSERT_FALSE(write_current_record(scaling));
    }
    // Shows record n on a fresh form.
    ScalingForm& show(int n) {
        reloaded = ScalingForm();
        shared.current_record_number = static_cast<std::int16_t>(n);
        show_stored_sheets(reload);
        return reloaded;
    }
    testing::BoxTexts sheet_texts(const ScalingForm& f) const {
        testing::BoxTexts texts;
        for (const Box box : sheet_boxes)
            if (visible(box))
                texts[box] = f.text(box);
        return texts;
    }

    TempFolder folder;
    ScalingForm reloaded;
    Scaling reload{reloaded, shared, dialogs};
};

TEST_F(SheetRecordTest, EmptySheetAtMidnightIsTheRecordOfTheLayout) {
    compose_sheet_record(scaling);
    const std::string expected = "00:00"
                                 " fmin    =     "
                                 " h'E     =     "
                                 " foE     =     "
                                 " foEs    =     "
                                 " h'Es    =     "
                                 " Es Type =     "
                                 " fbEs    =     "
                                 " h'F     =     "
                                 " foF1    =     "
                                 " h'F2    =     "
                                 " foF2    =     "
                                 " fxI     =     "
                                 " MUF F1  =     "
                                 " M3000 F1=     "
                                 " MUF F2  =     "
                                 " M3000 F2=     "
                                 " \r\n";
    EXPECT_EQ(expected.size(), 248u);
    EXPECT_EQ(form.current_record, expected);
}

// Every box lands in its own field, 1-based positions of the record.
TEST_F(SheetRecordTest, EveryBoxHasItsFieldAndComesBack) {
    const struct {
        Box box;
        const char* text;
        std::size_t position;
        const char* field;
    } fields[] = {
        {value_box(Row::fmin), "15", 16, " 15"},
        {qualifying_box(Row::fmin), "E", 19, "E"},
        {descriptive_box(Row::fmin), "S", 20, "S"},
        {value_box(Row::hE), "105", 31, "105"},
        {qualifying_box(Row::hE), "U", 34, "U"},
        {descriptive_box(Row::hE), "A", 35, "A"},
        {value_box(Row::foE), "285", 46, "285"},
        {qualifying_box(Row::foE), "J", 49, "J"},
        {descriptive_box(Row::foE), "B", 50, "B"},
        {value_box(Row::foEs), "45", 61, " 45"},
        {qualifying_box(Row::foEs), "E", 64, "E"},
        {descriptive_box(Row::foEs), "G", 65, "G"},
        {value_box(Row::hEs), "110", 76, "110"},
        {qualifying_box(Row::hEs), "D", 79, "D"},
        {descriptive_box(Row::hEs), "K", 80, "K"},
        {value_box(Row::es_types), "L1H2", 91, "L1H2 "},
        {value_box(Row::fbEs), "47", 106, " 47"},
        {qualifying_box(Row::fbEs), "U", 109, "U"},
        {descriptive_box(Row::fbEs), "Y", 110, "Y"},
        {value_box(Row::hF), "250", 121, "250"},
        {qualifying_box(Row::hF), "M", 124, "M"},
        {descriptive_box(Row::hF), "F", 125, "F"},
        {value_box(Row::foF1), "433", 136, "433"},
        {qualifying_box(Row::foF1), "O", 139, "O"},
        {descriptive_box(Row::foF1), "H", 140, "H"},
        {value_box(Row::hF2), "260", 151, "260"},
        {qualifying_box(Row::hF2), "T", 154, "T"},
        {descriptive_box(Row::hF2), "L", 155, "L"},
        {value_box(Row::foF2), "72", 166, " 72"},
        {qualifying_box(Row::foF2), "Z", 169, "Z"},
        {descriptive_box(Row::foF2), "R", 170, "R"},
        {value_box(Row::fxI), "80", 181, " 80"},
        {qualifying_box(Row::fxI), "A", 184, "A"},
        {descriptive_box(Row::fxI), "V", 185, "V"},
        {value_box(Row::MUF3000F1), "150", 196, "150"},
        {qualifying_box(Row::MUF3000F1), "I", 199, "I"},
        {descriptive_box(Row::MUF3000F1), "W", 200, "W"},
        {value_box(Row::M3000F1), "346", 211, "346"},
        {qualifying_box(Row::M3000F1), "E", 214, "E"},
        {descriptive_box(Row::M3000F1), "X", 215, "X"},
        {value_box(Row::MUF3000F2), "253", 226, "253"},
        {qualifying_box(Row::MUF3000F2), "D", 229, "D"},
        {descriptive_box(Row::MUF3000F2), "Q", 230, "Q"},
        {value_box(Row::M3000F2), "351", 241, "351"},
        {qualifying_box(Row::M3000F2), "U", 244, "U"},
        {descriptive_box(Row::M3000F2), "N", 245, "N"},
    };
    for (const auto& f : fields)
        form.set_text(f.box, f.text);
    save(7, 0, 29);

    const std::string record = stored(29);
    ASSERT_EQ(record.size(), 248u);
    EXPECT_EQ(record, form.current_record);
    EXPECT_EQ(mid(record, 1, 5), "07:00");
    for (const auto& f : fields)
        EXPECT_EQ(mid(record, f.position, std::strlen(f.field)), f.field) << f.box;
    EXPECT_EQ(record.substr(245), " \r\n");

    // The labels and the time are not boxes: the reloaded sheet is the sheet that was saved.
    EXPECT_EQ(sheet_texts(show(29)), sheet_texts(form));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SheetRecordTest, ValueCodesOfTwoAndThreeDigitsAndSpacesAroundThem) {
    const struct {
        const char* text;
        const char* field;
        const char* read_back;
    } codes[] =
        {
            {"45", " 45", "45"},     {"285", "285", "285"}, {"", "   ", ""},
            {"7", "  7", "7"},       {" 45 ", " 45", "45"}, {"   ", "   ", ""},
            {"1000", "1E3", "1000"}, // M(3000) of exactly 10.00
        };
    for (const auto& c : codes) {
        form.set_text(value_box(Row::M3000F2), c.text);
        save(0, 0, 1);
        EXPECT_EQ(stored(1).substr(240, 3), c.field) << c.text;
        EXPECT_EQ(show(1).text(value_box(Row::M3000F2)), c.read_back) << c.text;
    }
}

TEST_F(SheetRecordTest, EsTypesOfNoneTwoAndFourCharacters) {
    for (const char* types : {"", "L1", "L1H2"}) {
        form.set_text(value_box(Row::es_types), types);
        save(0, 0, 1);
        EXPECT_EQ(stored(1).substr(90, 5), pad_right(types, 5)) << types;
        EXPECT_EQ(show(1).text(value_box(Row::es_types)), types);
    }
}

TEST_F(SheetRecordTest, MThreeThousandOfTenKeepsEveryFieldInPlace) {
    form.set_text(value_box(Row::M3000F1), "1000");
    form.set_text(qualifying_box(Row::M3000F1), "U");
    form.set_text(value_box(Row::MUF3000F2), "720");
    form.set_text(value_box(Row::foF2), "72");
    form.set_text(value_box(Row::M3000F2), "1000");
    form.set_text(descriptive_box(Row::M3000F2), "A");
    save(23, 45, 96);

    const std::string record = stored(96);
    ASSERT_EQ(record.size(), 248u);
    EXPECT_EQ(mid(record, 211, 5), "1E3U ");
    EXPECT_EQ(mid(record, 226, 3), "720");
    EXPECT_EQ(mid(record, 166, 5), " 72  "); // the field Tabulor reads
    EXPECT_EQ(mid(record, 241, 8), "1E3 A \r\n");
    EXPECT_EQ(read_bytes(shared.scaled_values_file).size(), 96u * 248u);

    const ScalingForm& back = show(96);
    EXPECT_EQ(back.text(value_box(Row::M3000F1)), "1000");
    EXPECT_EQ(back.text(value_box(Row::M3000F2)), "1000");
    EXPECT_EQ(back.text(descriptive_box(Row::M3000F2)), "A");
}

TEST_F(SheetRecordTest, FieldValuesThatAreNotThousandsStayAsTheyAre) {
    for (const char* field : {"1E3", "9E3"})
        EXPECT_EQ(value_of_field(field), std::string(1, field[0]) + "000");
    for (const char* field : {"0E3", "E3 ", "1E4", "100", " 99", "   "})
        EXPECT_EQ(value_of_field(field), trim(field));
    // Nothing longer than its field ever shifts the record.
    EXPECT_EQ(value_field("1234"), "***");
    EXPECT_EQ(value_field("2000"), "2E3");
    form.set_text(value_box(Row::es_types), "L1H2C3");
    form.set_text(qualifying_box(Row::fmin), "EE");
    compose_sheet_record(scaling);
    EXPECT_EQ(form.current_record.size(), 248u);
}

TEST_F(SheetRecordTest, PreviousSoundingBoxesJoinValueAndLetters) {
    std::string previous = blank_record();
    previous.replace(0, 5, "06:45");
    previous.replace(45, 5, "285UA");  // foE
    previous.replace(60, 5, " 45E ");  // foEs
    previous.replace(90, 5, "C1   ");  // Es types
    previous.replace(240, 5, "1E3  "); // M(3000)F2
    store(28, previous);
    form.set_text(value_box(Row::foE), "300"); // the sheet on screen is not the previous one
    save(7, 0, 29);

    const ScalingForm& shown = show(29);
    EXPECT_EQ(shown.text(previous_box(Row::foE)), "285UA");
    EXPECT_EQ(shown.text(previous_box(Row::foEs)), "45E");
    EXPECT_EQ(shown.text(previous_box(Row::es_types)), "C1");
    EXPECT_EQ(shown.text(previous_box(Row::M3000F2)), "1000");
    for (const Box box : {previous_box(Row::fmin), previous_box(Row::hE), previous_box(Row::hEs),
                          previous_box(Row::fbEs), previous_box(Row::hF), previous_box(Row::foF2)})
        EXPECT_EQ(shown.text(box), "") << box;
    EXPECT_EQ(shown.text(value_box(Row::foE)), "300");
    EXPECT_EQ(shown.previous_record, previous);
    EXPECT_EQ(shown.previous_record_number, 28);
    for (const Row row : all_rows)
        EXPECT_FALSE(visible(previous_box(row)));
}

TEST_F(SheetRecordTest, RecordOneEmptiesThePreviousSoundingBoxes) {
    for (const Row row : all_rows)
        reloaded.set_text(previous_box(row), "285UA");
    shared.current_record_number = 1;
    show_stored_sheets(reload);
    for (const Row row : all_rows)
        EXPECT_EQ(reloaded.text(previous_box(row)), "") << row;
}

TEST_F(SheetRecordTest, BlankRecordEmptiesEveryBox) {
    for (const Box box : sheet_boxes)
        reloaded.set_text(box, "X");
    shared.current_record_number = 40;
    show_stored_sheets(reload);
    for (const Box box : sheet_boxes)
        EXPECT_EQ(reloaded.text(box), "") << box;
}

TEST_F(SheetRecordTest, WritingARecordTouchesNoOther) {
    std::string before = read_bytes(shared.scaled_values_file);
    form.set_text(value_box(Row::foF2), "72");
    save(10, 0, 41);
    std::string after = read_bytes(shared.scaled_values_file);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 40 * 248), before.substr(0, 40 * 248));
    EXPECT_EQ(after.substr(41 * 248), before.substr(41 * 248));
    EXPECT_EQ(after.substr(40 * 248, 5), "10:00");

    // Saving without changes writes the same bytes again.
    save(10, 0, 41);
    EXPECT_EQ(read_bytes(shared.scaled_values_file), after);

    // As a text file: one line of 246 characters per sounding.
    std::size_t lines = 0;
    for (std::size_t start = 0; start < after.size(); start += 248, ++lines)
        EXPECT_EQ(after.find("\r\n", start), start + 246);
    EXPECT_EQ(lines, 96u);
}

TEST_F(SheetRecordTest, AFileCutShortReadsBlankAndIsFilledUpOnWrite) {
    const std::string whole = read_bytes(shared.scaled_values_file);
    std::string earlier = whole.substr(0, 10 * 248); // cut after record 10
    earlier.replace(248, 5, "00:15");
    write_bytes(shared.scaled_values_file, earlier);

    for (const Box box : sheet_boxes)
        reloaded.set_text(box, "X");
    shared.current_record_number = 11;
    show_stored_sheets(reload);
    EXPECT_EQ(reloaded.text(value_box(Row::foF2)), "");
    EXPECT_EQ(reloaded.text(descriptive_box(Row::foEs)), "");
    EXPECT_EQ(reloaded.text(previous_box(Row::es_types)), ""); // record 10 is blank
    EXPECT_TRUE(dialogs.shown.empty());

    form.set_text(value_box(Row::foF2), "72");
    save(5, 0, 21);
    const std::string after = read_bytes(shared.scaled_values_file);
    ASSERT_EQ(after.size(), 21u * 248u);
    EXPECT_EQ(after.substr(0, 10 * 248), earlier.substr(0, 10 * 248));
    for (int n = 11; n <= 20; ++n)
        EXPECT_EQ(after.substr((n - 1) * 248, 248), blank_record()) << n;
    EXPECT_EQ(after.substr(20 * 248, 5), "05:00");
}

TEST_F(SheetRecordTest, AFileLongerThanItsDayIsNeverShortened) {
    std::string longer = read_bytes(shared.scaled_values_file) + blank_record();
    write_bytes(shared.scaled_values_file, longer);
    form.set_text(value_box(Row::fmin), "15");
    save(0, 30, 3);
    const std::string after = read_bytes(shared.scaled_values_file);
    ASSERT_EQ(after.size(), longer.size());
    EXPECT_EQ(after.substr(96 * 248), blank_record());
    EXPECT_EQ(after.substr(2 * 248, 20), "00:30 fmin    = 15  ");
}

TEST_F(SheetRecordTest, AFailedWriteIsReturnedAndTheSheetStays) {
    form.set_text(value_box(Row::foF2), "72");
    compose_sheet_record(scaling);
    const std::string record = form.current_record;
    shared.scaled_values_file = folder / "missing folder" / "ZE20R_05122026_15.txt";
    const FileResult error = write_current_record(scaling);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, shared.scaled_values_file);
    EXPECT_EQ(error->action, "written");
    EXPECT_FALSE(error->reason.empty());
    EXPECT_EQ(form.text(value_box(Row::foF2)), "72");
    EXPECT_EQ(form.current_record, record);
    EXPECT_TRUE(dialogs.shown.empty()); // the caller reports it

    // A record of another length never reaches the file.
    shared.scaled_values_file = folder / "ZE20R_05122026_15.txt";
    form.current_record = "short";
    EXPECT_TRUE(write_current_record(scaling));
    EXPECT_EQ(read_bytes(shared.scaled_values_file).size(), 96u * 248u);
}

TEST_F(SheetRecordTest, AFailedReadIsReportedOnceAndLeavesBlankSheets) {
    for (const Box box : sheet_boxes)
        reloaded.set_text(box, "X");
    shared.scaled_values_file = folder.path(); // a folder cannot be read as records
    shared.current_record_number = 5;
    show_stored_sheets(reload);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find(folder.path().string()), std::string::npos);
    EXPECT_EQ(dialogs.last().title, file_error_title);
    for (const Box box : sheet_boxes)
        EXPECT_EQ(reloaded.text(box), "") << box;
    EXPECT_EQ(reloaded.current_record, blank_record());
}

TEST(RecordFile, EveryIntervalHasItsDayOfBlankRecords) {
    TempFolder folder;
    const struct {
        const char* interval;
        int records;
    } days[] = {{"05", 288}, {"10", 144}, {"15", 96}, {"30", 48}, {"60", 24}};
    for (const auto& day : days) {
        const auto file = folder / scaled_values_file_name("05-12-2026", day.interval);
        ASSERT_EQ(records_per_day(day.interval), day.records);
        ASSERT_FALSE(create_blank_scaled_values_file(file, day.records));
        EXPECT_EQ(read_bytes(file).size(), static_cast<std::size_t>(day.records) * 248u);
    }
    EXPECT_EQ(records_per_day("20"), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "ZE20R_05122026_15.txt"));
}

} // namespace
} // namespace scalvo
