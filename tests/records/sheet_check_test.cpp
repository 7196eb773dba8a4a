// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/sheet_check.h"

#include "support/scaling_fixture.h"

#include <string>
#include <utility>
#include <vector>

namespace scalvo {
namespace {

using Boxes = std::vector<std::pair<Box, const char*>>;

// The six rows every sounding reports.
const Boxes reported_rows{{value_box(Row::fmin), "15"},       {value_box(Row::fbEs), "30"},
                          {value_box(Row::hF), "250"},        {value_box(Row::foF2), "72"},
                          {value_box(Row::MUF3000F2), "253"}, {value_box(Row::fxI), "80"}};

class SheetCheckTest : public testing::ScalingTest {
  protected:
    void fill(const Boxes& boxes) {
        for (const auto& [box, text] : boxes)
            form.set_text(box, text);
    }
    // Runs the check with the case of a code as a file holds it; the message shown, "" when
    // the sheet passed.
    std::string check(std::string_view code = "xx") {
        dialogs.clear();
        const bool failed = check_sheet(scaling, case_of_code(code));
        EXPECT_EQ(failed, !dialogs.shown.empty());
        EXPECT_LE(dialogs.shown.size(), 1u);
        if (dialogs.shown.empty())
            return {};
        EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::ok);
        return dialogs.last().text;
    }
};

TEST_F(SheetCheckTest, QualifyingLettersAloneAreReportedRowByRowInTheirOrder) {
    const Row order[] = {Row::fmin,      Row::hE,      Row::foE,     Row::foEs, Row::hEs,
                         Row::fbEs,      Row::hF,      Row::foF1,    Row::foF2, Row::MUF3000F1,
                         Row::MUF3000F2, Row::M3000F1, Row::M3000F2, Row::hF2,  Row::fxI};
    // Every row with a qualifying letter only, values included: the rows come up in order as
    // each one gets its descriptive letter, before any other rule.
    for (const Row key : order) {
        form.set_text(value_box(key), "10");
        form.set_text(qualifying_box(key), "A");
    }
    for (const Row key : order) {
        EXPECT_EQ(check(), std::string(caption(key)) + " has only a qualificative letter!!");
        EXPECT_EQ(dialogs.last().title, "Be careful!!");
        form.set_text(descriptive_box(key), "A");
    }
    form.set_text(value_box(Row::es_types), "C1");
    EXPECT_EQ(check(), "");
}

TEST_F(SheetCheckTest, ReportedRowsAreMissingInTheirOrder) {
    // A descriptive letter alone makes a row present.
    const struct {
        Box box;
        const char* text;
        const char* message;
    } rows[] = {{descriptive_box(Row::fmin), "C", "fmin missing!!"},
                {value_box(Row::fbEs), "30", "fbEs missing!!"},
                {descriptive_box(Row::hF), "C", "h'F missing!!"},
                {value_box(Row::foF2), "72", "foF2 missing!!"},
                {value_box(Row::MUF3000F2), "253", "MUF(3000)F2 missing!!"},
                {descriptive_box(Row::fxI), "C", "fxI missing!!"}};
    for (const auto& row : rows) {
        EXPECT_EQ(check(), row.message);
        EXPECT_EQ(dialogs.last().title, "Be careful!!");
        form.set_text(row.box, row.text);
    }
    EXPECT_EQ(check(), "");
}

struct CheckCase {
    const char* name;
    Boxes boxes; // on top of the six reported rows
    const char* code;
    const char* message; // "" when the sheet passes
    const char* title;
};

const char* const careful = "Be careful!!";
const char* const case_careful = "Be careful!!!!";
const char* const case_has_foE =
    "The selected particular case has to have a value and/or a descriptive letter for foE!!";
const char* const case_no_foE =
    "The selected particular case cannot have values or letters for foE!!";
const char* const case_no_hE =
    "The selected particular case cannot have values or letters for h'E!!";
const char* const case_no_hF2 =
    "The selected particular case cannot have values or letters for h'F2!!";
const char* const case_no_foF1 =
    "The selected particular case cannot have values or letters for foF1!!";
const char* const case_no_muf =
    "The selected particular case cannot have values or letters for MUF(3000)F1!!";
const char* const case_es_empty =
    "The selected particular case has to have the field Es Types empty!!";
const Boxes e_region{{value_box(Row::hE), "105"}, {value_box(Row::foE), "285"}};

std::vector<CheckCase> cases() {
    return {
        // E-region pair.
        {"foE without h'E", {{value_box(Row::foE), "285"}}, "xx", "h'E missing!!", careful},
        {"foE d without h'E", {{descriptive_box(Row::foE), "A"}}, "xx", "h'E missing!!", careful},
        {"h'E without foE", {{descriptive_box(Row::hE), "A"}}, "xx", "foE missing!!", careful},
        {"both letters only",
         {{descriptive_box(Row::hE), "A"}, {descriptive_box(Row::foE), "A"}},
         "xx",
         "",
         ""},
        // Es types against foE.
        {"foE and F",
         {{value_box(Row::hE), "105"},
          {value_box(Row::foE), "285"},
          {value_box(Row::es_types), "C1F1"}},
         "xx",
         "foE was scaled. You are not allowed to digit F in the Es Types.",
         careful},
        {"foE and C",
         {{value_box(Row::hE), "105"},
          {value_box(Row::foE), "285"},
          {value_box(Row::es_types), "C1"}},
         "xx",
         "",
         ""},
        {"foE and f",
         {{value_box(Row::hE), "105"},
          {value_box(Row::foE), "285"},
          {value_box(Row::es_types), "f1"}},
         "xx",
         "",
         ""},
        {"no foE and L",
         {{value_box(Row::es_types), "L1"}},
         "xx",
         "foE was not scaled. You are allowed to digit only F in the Es Types.",
         careful},
        {"no foE and F then S",
         {{value_box(Row::es_types), "F1S1"}},
         "xx",
         "foE was not scaled. You are allowed to digit only F in the Es Types.",
         careful},
        {"no foE and F", {{value_box(Row::es_types), "F1"}}, "xx", "", ""},
        {"no foE and l", {{value_box(Row::es_types), "l1"}}, "xx", "", ""},
        // Blanks only: present for the pair, absent against the Es types.
        {"blank foE and L",
         {{value_box(Row::hE), " "},
          {value_box(Row::foE), " "},
          {value_box(Row::es_types), " L1 "}},
         "xx",
         "foE was not scaled. You are allowed to digit only F in the Es Types.",
         careful},
        {"blank foE and F",
         {{value_box(Row::hE), " "}, {value_box(Row::foE), " "}, {value_box(Row::es_types), " F1"}},
         "xx",
         "",
         ""},
        // fxI letters.
        {"fxI x with q",
         {{descriptive_box(Row::fxI), "x"}, {qualifying_box(Row::fxI), "E"}},
         "xx",
         "If the descriptive letter of fxI is \"X\" the corresponding qualificative letter has to "
         "be empty.",
         careful},
        {"fxI X blank with q blank-padded",
         {{descriptive_box(Row::fxI), " X"}, {qualifying_box(Row::fxI), " E "}},
         "xx",
         "If the descriptive letter of fxI is \"X\" the corresponding qualificative letter has to "
         "be empty.",
         careful},
        {"fxI X with blank q",
         {{descriptive_box(Row::fxI), "X"}, {qualifying_box(Row::fxI), " "}},
         "xx",
         "",
         ""},
        {"fxI Y with q",
         {{descriptive_box(Row::fxI), "Y"}, {qualifying_box(Row::fxI), "E"}},
         "xx",
         "",
         ""},
        // Case 01.
        {"01 h'E", e_region, "01", case_no_hE, case_careful},
        {"01 Es types", {{value_box(Row::es_types), "F1"}}, "01", case_es_empty, case_careful},
        {"01 h'F2", {{value_box(Row::hF2), "240"}}, "01", case_no_hF2, case_careful},
        {"01 foF1", {{descriptive_box(Row::foF1), "L"}}, "01", case_no_foF1, case_careful},
        {"01 MUF(3000)F1", {{value_box(Row::MUF3000F1), "150"}}, "01", case_no_muf, case_careful},
        {"01 passes",
         {{value_box(Row::M3000F1), "346"}, {value_box(Row::hEs), "110"}},
         "01",
         "",
         ""},
        // Case 02.
        {"02 no E region", {}, "02", case_has_foE, case_careful},
        {"02 Es types",
         {{value_box(Row::hE), "105"},
          {value_box(Row::foE), "285"},
          {value_box(Row::es_types), "L1"}},
         "02",
         case_es_empty,
         case_careful},
        {"02 passes",
         {{descriptive_box(Row::hE), "A"},
          {descriptive_box(Row::foE), "A"},
          {value_box(Row::hF2), "240"}},
         "02",
         "",
         ""},
        // Daytime blanketing.
        {"3a no E region", {}, "3a", case_has_foE, case_careful},
        {"3b no Es types", e_region, "3b",
         "The selected particular case can't have the field Es Types empty!!", case_careful},
        {"3c F first behind blanks",
         {{value_box(Row::hE), " "}, {value_box(Row::foE), " "}, {value_box(Row::es_types), " F1"}},
         "3c",
         "The selected particular case has to have as first character of Es Types a C, a H or a "
         "L!!",
         case_careful},
        {"3a C",
         {{value_box(Row::hE), "105"},
          {value_box(Row::foE), "285"},
          {value_box(Row::es_types), "C1"}},
         "3a",
         "",
         ""},
        {"3b H then L",
         {{value_box(Row::hE), "105"},
          {value_box(Row::foE), "285"},
          {value_box(Row::es_types), "H1L2"}},
         "3b",
         "",
         ""},
        // A first type other than C, H, L or F is let through.
        {"3c A",
         {{value_box(Row::hE), "105"},
          {value_box(Row::foE), "285"},
          {value_box(Row::es_types), "A1"}},
         "3c",
         "",
         ""},
        {"3a S",
         {{value_box(Row::hE), "105"},
          {value_box(Row::foE), "285"},
          {value_box(Row::es_types), "S2"}},
         "3a",
         "",
         ""},
        // Nighttime blanketing.
        {"4a foE", e_region, "4a", case_no_foE, case_careful},
        {"4b no Es types",
         {},
         "4b",
         "The selected particular case cannot have the field Es Types empty!!",
         case_careful},
        {"4c not F first",
         {{value_box(Row::es_types), "f1"}},
         "4c",
         "The selected particular case has to have as first character of Es Types a F!!",
         case_careful},
        {"4a h'F2",
         {{value_box(Row::es_types), "F1"}, {descriptive_box(Row::hF2), "L"}},
         "4a",
         case_no_hF2,
         case_careful},
        {"4b foF1",
         {{value_box(Row::es_types), " F1"}, {value_box(Row::foF1), "433"}},
         "4b",
         case_no_foF1,
         case_careful},
        {"4c MUF(3000)F1",
         {{value_box(Row::es_types), "F2"}, {descriptive_box(Row::MUF3000F1), "L"}},
         "4c",
         case_no_muf,
         case_careful},
        {"4a passes",
         {{value_box(Row::es_types), "F1F2"}, {value_box(Row::M3000F2), "300"}},
         "4a",
         "",
         ""},
        // No rules of their own.
        {"05", {{value_box(Row::es_types), "F1"}, {value_box(Row::hF2), "240"}}, "05", "", ""},
        {"06", {{value_box(Row::hF2), "240"}, {value_box(Row::foF1), "433"}}, "06", "", ""},
        {"xx", {{value_box(Row::hF2), "240"}}, "xx", "", ""},
        {"unknown code", {{value_box(Row::hF2), "240"}}, "", "", ""},
        {"lower-case code", {{value_box(Row::hF2), "240"}}, "4A", "", ""},
    };
}

TEST_F(SheetCheckTest, RulesOnAReportedSheet) {
    for (const CheckCase& c : cases()) {
        for (const Box box : sheet_boxes)
            form.set_text(box, "");
        fill(reported_rows);
        fill(c.boxes);
        const testing::BoxTexts before = sheet();
        EXPECT_EQ(check(c.code), c.message) << c.name;
        if (!dialogs.shown.empty()) {
            EXPECT_EQ(dialogs.last().title, c.title) << c.name;
        }
        // The check only reads the sheet.
        EXPECT_EQ(sheet(), before) << c.name;
    }
}

TEST_F(SheetCheckTest, EmptySheetFailsOnFmin) {
    EXPECT_EQ(check(), "fmin missing!!");
    EXPECT_EQ(check("06"), "fmin missing!!");
}

TEST_F(SheetCheckTest, NoIonogramSheetPasses) {
    for (const Box box :
         {descriptive_box(Row::fmin), descriptive_box(Row::fbEs), descriptive_box(Row::hF),
          descriptive_box(Row::foF2), descriptive_box(Row::MUF3000F2), descriptive_box(Row::fxI)})
        form.set_text(box, "C");
    EXPECT_EQ(check("06"), "");
}

} // namespace
} // namespace scalvo
