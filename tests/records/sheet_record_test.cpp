#include "records/sheet_record.h"

#include "common/shared_state.h"
#include "common/text.h"
#include "records/record_file.h"
#include "scaling/sheet_layout.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::FakeDialogs;
using testing::read_bytes;
using testing::TempFolder;
using testing::write_bytes;

class SheetRecordTest : public ::testing::Test {
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
    std::map<std::string, std::string> sheet_texts(const ScalingForm& f) const {
        std::map<std::string, std::string> texts;
        for (const auto& [name, box] : f.boxes)
            if (box.visible)
                texts[name] = box.text;
        return texts;
    }

    TempFolder folder;
    SharedState shared;
    FakeDialogs dialogs;
    ScalingForm form;
    Scaling scaling{form, shared, dialogs};
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
        const char* box;
        const char* text;
        std::size_t position;
        const char* field;
    } fields[] = {
        {"Text1", "15", 16, " 15"},
        {"Text17", "E", 19, "E"},
        {"Text23", "S", 20, "S"},
        {"Text2", "105", 31, "105"},
        {"Text18", "U", 34, "U"},
        {"Text33", "A", 35, "A"},
        {"Text3", "285", 46, "285"},
        {"Text19", "J", 49, "J"},
        {"Text34", "B", 50, "B"},
        {"Text4", "45", 61, " 45"},
        {"Text20", "E", 64, "E"},
        {"Text35", "G", 65, "G"},
        {"Text5", "110", 76, "110"},
        {"Text21", "D", 79, "D"},
        {"Text36", "K", 80, "K"},
        {"Text7", "L1H2", 91, "L1H2 "},
        {"Text6", "47", 106, " 47"},
        {"Text22", "U", 109, "U"},
        {"Text37", "Y", 110, "Y"},
        {"Text8", "250", 121, "250"},
        {"Text24", "M", 124, "M"},
        {"Text38", "F", 125, "F"},
        {"Text9", "433", 136, "433"},
        {"lettera_qualificativa_fof1", "O", 139, "O"},
        {"lettera_descrittiva_fof1", "H", 140, "H"},
        {"Text12", "260", 151, "260"},
        {"Text28", "T", 154, "T"},
        {"Text42", "L", 155, "L"},
        {"Text13", "72", 166, " 72"},
        {"lettera_qualificativa_fof2", "Z", 169, "Z"},
        {"lettera_descrittiva_fof2", "R", 170, "R"},
        {"Text14", "80", 181, " 80"},
        {"Text30", "A", 184, "A"},
        {"Text44", "V", 185, "V"},
        {"Text10", "150", 196, "150"},
        {"lettera_qualificativa_muf3000f1", "I", 199, "I"},
        {"lettera_descrittiva_muf3000f1", "W", 200, "W"},
        {"Text11", "346", 211, "346"},
        {"lettera_qualificativa_m3000f1", "E", 214, "E"},
        {"lettera_descrittiva_m3000f1", "X", 215, "X"},
        {"Text15", "253", 226, "253"},
        {"lettera_qualificativa_muf3000f2", "D", 229, "D"},
        {"lettera_descrittiva_muf3000f2", "Q", 230, "Q"},
        {"Text16", "351", 241, "351"},
        {"lettera_qualificativa_m3000f2", "U", 244, "U"},
        {"lettera_descrittiva_m3000f2", "N", 245, "N"},
    };
    for (const auto& f : fields)
        form.set_text(f.box, f.text);
    save(7, 5, 29);

    const std::string record = stored(29);
    ASSERT_EQ(record.size(), 248u);
    EXPECT_EQ(record, form.current_record);
    EXPECT_EQ(mid(record, 1, 5), "07:05");
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
        form.set_text("Text16", c.text);
        save(0, 0, 1);
        EXPECT_EQ(stored(1).substr(240, 3), c.field) << c.text;
        EXPECT_EQ(show(1).text("Text16"), c.read_back) << c.text;
    }
}

TEST_F(SheetRecordTest, EsTypesOfNoneTwoAndFourCharacters) {
    for (const char* types : {"", "L1", "L1H2"}) {
        form.set_text("Text7", types);
        save(0, 0, 1);
        EXPECT_EQ(stored(1).substr(90, 5), pad_right(types, 5)) << types;
        EXPECT_EQ(show(1).text("Text7"), types);
    }
}

TEST_F(SheetRecordTest, MThreeThousandOfTenKeepsEveryFieldInPlace) {
    form.set_text("Text11", "1000");
    form.set_text("lettera_qualificativa_m3000f1", "U");
    form.set_text("Text15", "720");
    form.set_text("Text13", "72");
    form.set_text("Text16", "1000");
    form.set_text("lettera_descrittiva_m3000f2", "A");
    save(23, 45, 96);

    const std::string record = stored(96);
    ASSERT_EQ(record.size(), 248u);
    EXPECT_EQ(mid(record, 211, 5), "1E3U ");
    EXPECT_EQ(mid(record, 226, 3), "720");
    EXPECT_EQ(mid(record, 166, 5), " 72  "); // the field Tabulor reads
    EXPECT_EQ(mid(record, 241, 8), "1E3 A \r\n");
    EXPECT_EQ(read_bytes(shared.scaled_values_file).size(), 96u * 248u);

    const ScalingForm& back = show(96);
    EXPECT_EQ(back.text("Text11"), "1000");
    EXPECT_EQ(back.text("Text16"), "1000");
    EXPECT_EQ(back.text("lettera_descrittiva_m3000f2"), "A");
}

TEST_F(SheetRecordTest, FieldValuesThatAreNotThousandsStayAsTheyAre) {
    for (const char* field : {"1E3", "9E3"})
        EXPECT_EQ(value_of_field(field), std::string(1, field[0]) + "000");
    for (const char* field : {"0E3", "E3 ", "1E4", "100", " 99", "   "})
        EXPECT_EQ(value_of_field(field), trim(field));
    // Nothing longer than its field ever shifts the record.
    EXPECT_EQ(value_field("1234"), "***");
    EXPECT_EQ(value_field("2000"), "2E3");
    form.set_text("Text7", "L1H2C3");
    form.set_text("Text17", "EE");
    compose_sheet_record(scaling);
    EXPECT_EQ(form.current_record.size(), 248u);
}

TEST_F(SheetRecordTest, PreviousSoundingBoxesJoinValueAndLetters) {
    std::string previous = blank_record();
    previous.replace(0, 5, "07:00");
    previous.replace(45, 5, "285UA");  // foE
    previous.replace(60, 5, " 45E ");  // foEs
    previous.replace(90, 5, "C1   ");  // Es types
    previous.replace(240, 5, "1E3  "); // M(3000)F2
    store(28, previous);
    form.set_text("Text3", "300"); // the sheet on screen is not the previous one
    save(7, 15, 29);

    const ScalingForm& shown = show(29);
    EXPECT_EQ(shown.text("Text27"), "285UA");
    EXPECT_EQ(shown.text("Text29"), "45E");
    EXPECT_EQ(shown.text("Text39"), "C1");
    EXPECT_EQ(shown.text("Text50"), "1000");
    for (const char* box : {"Text25", "Text26", "Text31", "Text32", "Text40", "Text47"})
        EXPECT_EQ(shown.text(box), "") << box;
    EXPECT_EQ(shown.text("Text3"), "300");
    EXPECT_EQ(shown.previous_record, previous);
    EXPECT_EQ(shown.previous_record_number, 28);
    for (const SheetRow& row : sheet_rows)
        EXPECT_FALSE(shown.box(row.previous_box).visible);
}

TEST_F(SheetRecordTest, RecordOneEmptiesThePreviousSoundingBoxes) {
    for (const SheetRow& row : sheet_rows)
        reloaded.set_text(row.previous_box, "285UA");
    shared.current_record_number = 1;
    show_stored_sheets(reload);
    for (const SheetRow& row : sheet_rows)
        EXPECT_EQ(reloaded.text(row.previous_box), "") << row.previous_box;
}

TEST_F(SheetRecordTest, BlankRecordEmptiesEveryBox) {
    for (auto& [name, box] : reloaded.boxes)
        box.text = "X";
    shared.current_record_number = 40;
    show_stored_sheets(reload);
    for (const auto& [name, box] : reloaded.boxes)
        EXPECT_EQ(box.text, "") << name;
}

TEST_F(SheetRecordTest, WritingARecordTouchesNoOther) {
    std::string before = read_bytes(shared.scaled_values_file);
    form.set_text("Text13", "72");
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
    std::string earlier = whole.substr(0, 10 * 248 + 100); // cut inside record 11
    earlier.replace(248, 5, "00:15");
    write_bytes(shared.scaled_values_file, earlier);

    for (auto& [name, box] : reloaded.boxes)
        box.text = "X";
    shared.current_record_number = 11;
    show_stored_sheets(reload);
    EXPECT_EQ(reloaded.text("Text13"), "");
    EXPECT_EQ(reloaded.text("Text35"), "");
    EXPECT_EQ(reloaded.text("Text39"), ""); // record 10 is blank
    EXPECT_TRUE(dialogs.shown.empty());

    form.set_text("Text13", "72");
    save(5, 0, 21);
    const std::string after = read_bytes(shared.scaled_values_file);
    ASSERT_EQ(after.size(), 21u * 248u);
    EXPECT_EQ(after.substr(0, 10 * 248), earlier.substr(0, 10 * 248));
    for (int n = 11; n <= 20; ++n)
        EXPECT_EQ(after.substr((n - 1) * 248, 248), blank_record()) << n;
    EXPECT_EQ(after.substr(20 * 248, 5), "05:00");
}

TEST_F(SheetRecordTest, AFileLongerThanItsDayIsNeverShortened) {
    std::string longer = read_bytes(shared.scaled_values_file) + "trailing notes\r\n";
    write_bytes(shared.scaled_values_file, longer);
    form.set_text("Text1", "15");
    save(0, 30, 3);
    const std::string after = read_bytes(shared.scaled_values_file);
    ASSERT_EQ(after.size(), longer.size());
    EXPECT_EQ(after.substr(96 * 248), "trailing notes\r\n");
    EXPECT_EQ(after.substr(2 * 248, 20), "00:30 fmin    = 15  ");
}

TEST_F(SheetRecordTest, AFailedWriteIsReturnedAndTheSheetStays) {
    form.set_text("Text13", "72");
    compose_sheet_record(scaling);
    const std::string record = form.current_record;
    shared.scaled_values_file = folder / "missing folder" / "ZE20R_05122026_15.txt";
    const FileResult error = write_current_record(scaling);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, shared.scaled_values_file);
    EXPECT_EQ(error->action, "written");
    EXPECT_FALSE(error->reason.empty());
    EXPECT_EQ(form.text("Text13"), "72");
    EXPECT_EQ(form.current_record, record);
    EXPECT_TRUE(dialogs.shown.empty()); // the caller reports it

    // A record of another length never reaches the file.
    shared.scaled_values_file = folder / "ZE20R_05122026_15.txt";
    form.current_record = "short";
    EXPECT_TRUE(write_current_record(scaling));
    EXPECT_EQ(read_bytes(shared.scaled_values_file).size(), 96u * 248u);
}

TEST_F(SheetRecordTest, AFailedReadIsReportedOnceAndLeavesBlankSheets) {
    for (auto& [name, box] : reloaded.boxes)
        box.text = "X";
    shared.scaled_values_file = folder.path(); // a folder cannot be read as records
    shared.current_record_number = 5;
    show_stored_sheets(reload);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find(folder.path().string()), std::string::npos);
    EXPECT_EQ(dialogs.last().title, file_error_title);
    for (const auto& [name, box] : reloaded.boxes)
        EXPECT_EQ(box.text, "") << name;
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
