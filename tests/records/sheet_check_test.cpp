#include "records/sheet_check.h"

#include "common/shared_state.h"
#include "scaling/sheet_layout.h"
#include "support/fake_dialogs.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace scalvo {
namespace {

using testing::FakeDialogs;
using Boxes = std::vector<std::pair<const char*, const char*>>;

// The six rows every sounding reports.
const Boxes reported_rows{{"Text1", "15"},  {"Text6", "30"},   {"Text8", "250"},
                          {"Text13", "72"}, {"Text15", "253"}, {"Text14", "80"}};

class SheetCheckTest : public ::testing::Test {
  protected:
    void fill(const Boxes& boxes) {
        for (const auto& [name, text] : boxes)
            form.set_text(name, text);
    }
    // Runs the check; the message shown, "" when the sheet passed.
    std::string check(std::string_view code = "xx") {
        dialogs.clear();
        const bool failed = check_sheet(scaling, code);
        EXPECT_EQ(failed, !dialogs.shown.empty());
        EXPECT_LE(dialogs.shown.size(), 1u);
        if (dialogs.shown.empty())
            return {};
        EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::ok);
        return dialogs.last().text;
    }

    ScalingForm form;
    SharedState shared;
    FakeDialogs dialogs;
    Scaling scaling{form, shared, dialogs};
};

TEST_F(SheetCheckTest, QualifyingLettersAloneAreReportedRowByRowInTheirOrder) {
    const char* order[] = {"fmin",      "hE",      "foE",     "foEs", "hEs",
                           "fbEs",      "hF",      "foF1",    "foF2", "MUF3000F1",
                           "MUF3000F2", "M3000F1", "M3000F2", "hF2",  "fxI"};
    // Every row with a qualifying letter only, values included: the rows come up in order as
    // each one gets its descriptive letter, before any other rule.
    for (const char* key : order) {
        form.set_text(sheet_row(key).value_box, "10");
        form.set_text(sheet_row(key).qualifying_box, "A");
    }
    for (const char* key : order) {
        EXPECT_EQ(check(),
                  std::string(sheet_row(key).caption) + " has only a qualificative letter!!");
        EXPECT_EQ(dialogs.last().title, "Be careful!!");
        form.set_text(sheet_row(key).descriptive_box, "A");
    }
    form.set_text("Text7", "C1");
    EXPECT_EQ(check(), "");
}

TEST_F(SheetCheckTest, ReportedRowsAreMissingInTheirOrder) {
    // A descriptive letter alone makes a row present.
    const struct {
        const char* box;
        const char* text;
        const char* message;
    } rows[] = {{"Text23", "C", "fmin missing!!"},          {"Text6", "30", "fbEs missing!!"},
                {"Text38", "C", "h'F missing!!"},           {"Text13", "72", "foF2 missing!!"},
                {"Text15", "253", "MUF(3000)F2 missing!!"}, {"Text44", "C", "fxI missing!!"}};
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
const Boxes e_region{{"Text2", "105"}, {"Text3", "285"}};

std::vector<CheckCase> cases() {
    return {
        // E-region pair.
        {"foE without h'E", {{"Text3", "285"}}, "xx", "h'E missing!!", careful},
        {"foE d without h'E", {{"Text34", "A"}}, "xx", "h'E missing!!", careful},
        {"h'E without foE", {{"Text33", "A"}}, "xx", "foE missing!!", careful},
        {"both letters only", {{"Text33", "A"}, {"Text34", "A"}}, "xx", "", ""},
        // Es types against foE.
        {"foE and F",
         {{"Text2", "105"}, {"Text3", "285"}, {"Text7", "C1F1"}},
         "xx",
         "foE was scaled. You are not allowed to digit F in the Es Types.",
         careful},
        {"foE and C", {{"Text2", "105"}, {"Text3", "285"}, {"Text7", "C1"}}, "xx", "", ""},
        {"foE and f", {{"Text2", "105"}, {"Text3", "285"}, {"Text7", "f1"}}, "xx", "", ""},
        {"no foE and L",
         {{"Text7", "L1"}},
         "xx",
         "foE was not scaled. You are allowed to digit only F in the Es Types.",
         careful},
        {"no foE and F then S",
         {{"Text7", "F1S1"}},
         "xx",
         "foE was not scaled. You are allowed to digit only F in the Es Types.",
         careful},
        {"no foE and F", {{"Text7", "F1"}}, "xx", "", ""},
        {"no foE and l", {{"Text7", "l1"}}, "xx", "", ""},
        // Blanks only: present for the pair, absent against the Es types.
        {"blank foE and L",
         {{"Text2", " "}, {"Text3", " "}, {"Text7", " L1 "}},
         "xx",
         "foE was not scaled. You are allowed to digit only F in the Es Types.",
         careful},
        {"blank foE and F", {{"Text2", " "}, {"Text3", " "}, {"Text7", " F1"}}, "xx", "", ""},
        // fxI letters.
        {"fxI x with q",
         {{"Text44", "x"}, {"Text30", "E"}},
         "xx",
         "If the descriptive letter of fxI is \"X\" the corresponding qualificative letter has to "
         "be empty.",
         careful},
        {"fxI X blank with q blank-padded",
         {{"Text44", " X"}, {"Text30", " E "}},
         "xx",
         "If the descriptive letter of fxI is \"X\" the corresponding qualificative letter has to "
         "be empty.",
         careful},
        {"fxI X with blank q", {{"Text44", "X"}, {"Text30", " "}}, "xx", "", ""},
        {"fxI Y with q", {{"Text44", "Y"}, {"Text30", "E"}}, "xx", "", ""},
        // Case 01.
        {"01 h'E", e_region, "01", case_no_hE, case_careful},
        {"01 Es types", {{"Text7", "F1"}}, "01", case_es_empty, case_careful},
        {"01 h'F2", {{"Text12", "240"}}, "01", case_no_hF2, case_careful},
        {"01 foF1", {{"lettera_descrittiva_fof1", "L"}}, "01", case_no_foF1, case_careful},
        {"01 MUF(3000)F1", {{"Text10", "150"}}, "01", case_no_muf, case_careful},
        {"01 passes", {{"Text11", "346"}, {"Text5", "110"}}, "01", "", ""},
        // Case 02.
        {"02 no E region", {}, "02", case_has_foE, case_careful},
        {"02 Es types",
         {{"Text2", "105"}, {"Text3", "285"}, {"Text7", "L1"}},
         "02",
         case_es_empty,
         case_careful},
        {"02 passes", {{"Text33", "A"}, {"Text34", "A"}, {"Text12", "240"}}, "02", "", ""},
        // Daytime blanketing.
        {"3a no E region", {}, "3a", case_has_foE, case_careful},
        {"3b no Es types", e_region, "3b",
         "The selected particular case can't have the field Es Types empty!!", case_careful},
        {"3c F first behind blanks",
         {{"Text2", " "}, {"Text3", " "}, {"Text7", " F1"}},
         "3c",
         "The selected particular case has to have as first character of Es Types a C, a H or a "
         "L!!",
         case_careful},
        {"3a C", {{"Text2", "105"}, {"Text3", "285"}, {"Text7", "C1"}}, "3a", "", ""},
        {"3b H then L", {{"Text2", "105"}, {"Text3", "285"}, {"Text7", "H1L2"}}, "3b", "", ""},
        // A first type other than C, H, L or F is let through.
        {"3c A", {{"Text2", "105"}, {"Text3", "285"}, {"Text7", "A1"}}, "3c", "", ""},
        {"3a S", {{"Text2", "105"}, {"Text3", "285"}, {"Text7", "S2"}}, "3a", "", ""},
        // Nighttime blanketing.
        {"4a foE", e_region, "4a", case_no_foE, case_careful},
        {"4b no Es types",
         {},
         "4b",
         "The selected particular case cannot have the field Es Types empty!!",
         case_careful},
        {"4c not F first",
         {{"Text7", "f1"}},
         "4c",
         "The selected particular case has to have as first character of Es Types a F!!",
         case_careful},
        {"4a h'F2", {{"Text7", "F1"}, {"Text42", "L"}}, "4a", case_no_hF2, case_careful},
        {"4b foF1", {{"Text7", " F1"}, {"Text9", "433"}}, "4b", case_no_foF1, case_careful},
        {"4c MUF(3000)F1",
         {{"Text7", "F2"}, {"lettera_descrittiva_muf3000f1", "L"}},
         "4c",
         case_no_muf,
         case_careful},
        {"4a passes", {{"Text7", "F1F2"}, {"Text16", "300"}}, "4a", "", ""},
        // No rules of their own.
        {"05", {{"Text7", "F1"}, {"Text12", "240"}}, "05", "", ""},
        {"06", {{"Text12", "240"}, {"Text9", "433"}}, "06", "", ""},
        {"xx", {{"Text12", "240"}}, "xx", "", ""},
        {"unknown code", {{"Text12", "240"}}, "", "", ""},
        {"lower-case code", {{"Text12", "240"}}, "4A", "", ""},
    };
}

TEST_F(SheetCheckTest, RulesOnAReportedSheet) {
    for (const CheckCase& c : cases()) {
        for (auto& [name, box] : form.boxes)
            box.text.clear();
        fill(reported_rows);
        fill(c.boxes);
        const auto before = form.boxes;
        EXPECT_EQ(check(c.code), c.message) << c.name;
        if (!dialogs.shown.empty()) {
            EXPECT_EQ(dialogs.last().title, c.title) << c.name;
        }
        // The check only reads the sheet.
        for (const auto& [name, box] : before)
            EXPECT_EQ(form.text(name), box.text) << c.name << ' ' << name;
    }
}

TEST_F(SheetCheckTest, EmptySheetFailsOnFmin) {
    EXPECT_EQ(check(), "fmin missing!!");
    EXPECT_EQ(check("06"), "fmin missing!!");
}

TEST_F(SheetCheckTest, NoIonogramSheetPasses) {
    for (const char* box : {"Text23", "Text37", "Text38", "lettera_descrittiva_fof2",
                            "lettera_descrittiva_muf3000f2", "Text44"})
        form.set_text(box, "C");
    EXPECT_EQ(check("06"), "");
}

} // namespace
} // namespace scalvo
