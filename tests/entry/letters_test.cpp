#include "entry/letters.h"

#include "support/scaling_fixture.h"

#include <string>
#include <vector>

namespace scalvo {
namespace {

using testing::ScalingTest;

// The rows whose letters are typed.
std::vector<SheetRow> typed_rows() {
    std::vector<SheetRow> rows;
    for (const SheetRow& row : sheet_rows)
        if (row.key != "tipoEs" && row.key != "M3000F1" && row.key != "M3000F2")
            rows.push_back(row);
    return rows;
}

TEST(LetterBoxes, OnlyTheThirteenTypedRowsHaveFilters) {
    EXPECT_EQ(typed_rows().size(), 13u);
    for (const SheetRow& row : sheet_rows) {
        const bool typed = row.key != "tipoEs" && row.key != "M3000F1" && row.key != "M3000F2";
        EXPECT_EQ(is_qualifying_letter_box(row.qualifying_box), typed) << row.key;
        EXPECT_EQ(is_descriptive_letter_box(row.descriptive_box), typed) << row.key;
        EXPECT_FALSE(is_qualifying_letter_box(row.descriptive_box)) << row.key;
        EXPECT_FALSE(is_descriptive_letter_box(row.qualifying_box)) << row.key;
        EXPECT_FALSE(is_qualifying_letter_box(row.value_box)) << row.key;
        EXPECT_FALSE(is_descriptive_letter_box(row.previous_box)) << row.key;
    }
    EXPECT_FALSE(is_qualifying_letter_box(""));
    EXPECT_FALSE(is_descriptive_letter_box(""));
}

class LetterFilterTest : public ScalingTest {
  protected:
    void SetUp() override { select("fmin"); }
};

TEST_F(LetterFilterTest, EachAlphabetIsTheSameForEveryRow) {
    for (const SheetRow& row : typed_rows()) {
        select(row.key);
        std::string qualifying;
        std::string descriptive;
        for (int code = 'A'; code <= 'Z'; ++code) {
            if (qualifying_letter_key_press(scaling, row.qualifying_box, code) == code)
                qualifying += static_cast<char>(code);
            if (descriptive_letter_key_press(scaling, row.descriptive_box, code) == code)
                descriptive += static_cast<char>(code);
        }
        EXPECT_EQ(qualifying, "ADEIJMOTUZ") << row.key;
        EXPECT_EQ(descriptive, "ABCDEFGHKLMNOPQRSTVWXYZ") << row.key;
    }
}

TEST_F(LetterFilterTest, KeysAreUpperCasedRefusedOrDiscarded) {
    const struct {
        bool qualifying;
        int code;
        int expected;
        const char* message; // nullptr: none
    } cases[] = {
        {true, 'a', 'A', nullptr},
        {true, 'u', 'U', nullptr},
        {true, 'b', 0, "This is not a qualificative letter!"},
        {true, 'X', 0, "This is not a qualificative letter!"},
        {true, 8, 8, nullptr},
        {true, '5', 0, nullptr},
        {true, ',', 0, nullptr},
        {true, ' ', 0, nullptr},
        {true, 13, 0, nullptr},
        {true, '[', 0, nullptr},
        {true, '`', 0, nullptr},
        {false, 'b', 'B', nullptr},
        {false, 'x', 'X', nullptr},
        {false, 'u', 0, "This is not a descriptive letter!"},
        {false, 'I', 0, "This is not a descriptive letter!"},
        {false, 'j', 0, "This is not a descriptive letter!"},
        {false, 8, 8, nullptr},
        {false, '5', 0, nullptr},
        {false, ',', 0, nullptr},
        {false, '_', 0, nullptr},
    };
    for (const auto& c : cases) {
        select("fmin");
        dialogs.clear();
        const int result = c.qualifying ? qualifying_letter_key_press(scaling, "Text17", c.code)
                                        : descriptive_letter_key_press(scaling, "Text23", c.code);
        EXPECT_EQ(result, c.expected) << c.qualifying << ' ' << c.code;
        if (!c.message) {
            EXPECT_TRUE(dialogs.shown.empty()) << c.code;
            continue;
        }
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.code;
        EXPECT_EQ(dialogs.last().text, c.message);
        EXPECT_EQ(dialogs.last().title, "Be careful!!");
        EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::ok);
    }
}

TEST_F(LetterFilterTest, CodesAboveTheAsciiLettersAreDiscardedSilently) {
    for (int code : {-1, 0, 127, 128, 192, 201, 224, 233, 255, 256, 'a' + 256, 'A' + 256}) {
        EXPECT_EQ(qualifying_letter_key_press(scaling, "Text17", code), 0) << code;
        EXPECT_EQ(descriptive_letter_key_press(scaling, "Text23", code), 0) << code;
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form.focus, "Text23");
}

TEST_F(LetterFilterTest, AQualifyingLetterSendsTheFocusToTheRowsDescriptiveLetter) {
    for (const SheetRow& row : typed_rows()) {
        select(row.key);
        form.focus = std::string(row.qualifying_box);
        EXPECT_EQ(qualifying_letter_key_press(scaling, row.qualifying_box, 'e'), 'E');
        EXPECT_EQ(form.focus, row.descriptive_box) << row.key;
        // Refused keys and backspace leave the focus where it is.
        form.focus = std::string(row.qualifying_box);
        qualifying_letter_key_press(scaling, row.qualifying_box, 'c');
        qualifying_letter_key_press(scaling, row.qualifying_box, '1');
        qualifying_letter_key_press(scaling, row.qualifying_box, 8);
        EXPECT_EQ(form.focus, row.qualifying_box) << row.key;
        // A descriptive letter stays put.
        form.focus = std::string(row.descriptive_box);
        EXPECT_EQ(descriptive_letter_key_press(scaling, row.descriptive_box, 'c'), 'C');
        EXPECT_EQ(form.focus, row.descriptive_box) << row.key;
    }
}

TEST_F(LetterFilterTest, BoxesThatCannotTakeTheKeyIgnoreItQuietly) {
    // Another row selected: the fmin boxes are locked.
    select("foF2");
    form.focus = "Text17";
    EXPECT_EQ(qualifying_letter_key_press(scaling, "Text17", 'b'), 0);
    EXPECT_EQ(qualifying_letter_key_press(scaling, "Text17", 'a'), 0);
    EXPECT_EQ(descriptive_letter_key_press(scaling, "Text23", 'u'), 0);
    // The row selected but its box locked.
    select("fmin");
    form.box("Text17").locked = true;
    form.box("Text23").locked = true;
    form.focus = "Text17";
    EXPECT_EQ(qualifying_letter_key_press(scaling, "Text17", 'a'), 0);
    EXPECT_EQ(qualifying_letter_key_press(scaling, "Text17", 'b'), 0);
    EXPECT_EQ(descriptive_letter_key_press(scaling, "Text23", 'u'), 0);
    // An open box of a row that is not selected.
    select("foF2");
    form.box("Text17").locked = false;
    form.focus = "Text17";
    EXPECT_EQ(qualifying_letter_key_press(scaling, "Text17", '5'), 0);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form.focus, "Text17");
    // Boxes without a filter are none of its business.
    EXPECT_EQ(qualifying_letter_key_press(scaling, "lettera_qualificativa_m3000f1", '5'), '5');
    EXPECT_EQ(descriptive_letter_key_press(scaling, "Text7", '5'), '5');
}

TEST_F(ScalingTest, ClickOnALetterBoxSelectsItsRowWithTheFocusInTheDescriptiveLetter) {
    for (const SheetRow& row : typed_rows()) {
        select("foF2");
        form.selected_characteristic.clear();
        letter_box_click(scaling, row.qualifying_box);
        EXPECT_EQ(form.selected_characteristic, row.key);

        select("foF2");
        form.selected_characteristic.clear();
        form.focus = std::string(row.qualifying_box);
        letter_box_click(scaling, row.descriptive_box);
        EXPECT_EQ(form.selected_characteristic, row.key);
        EXPECT_EQ(form.focus, row.descriptive_box);
    }
    form.selected_characteristic = "foF2";
    letter_box_click(scaling, "lettera_descrittiva_m3000f2");
    letter_box_click(scaling, "Text13");
    EXPECT_EQ(form.selected_characteristic, "foF2");
}

// The M(3000) letter rule, both groups, both versions.
struct LetterRuleCase {
    const char* name;
    const char* vf;
    const char* qf;
    const char* df;
    const char* vu;
    const char* qu;
    const char* du;
    const char* vm;
    const char* qm_before;
    const char* dm_before;
    bool descriptive_version;
    const char* qm;
    const char* dm;
};

const LetterRuleCase letter_rule_cases[] = {
    // A: no M(3000) value.
    {"muf only, its d first", "", "", "L", "150", "", "S", "", "Z", "Y", false, "", "S"},
    {"muf only, its d empty", "", "", "L", "150", "", "", "", "Z", "Y", true, "", "L"},
    {"foF value, its d first", "433", "", "L", "150", "", "S", "", "", "", false, "", "L"},
    {"foF value, its d empty", "433", "", "", "150", "", "S", "", "", "", true, "", "S"},
    {"no values, foF d first", "", "", "A", "", "", "S", "", "", "", true, "", "A"},
    {"no d, qualifying keeps", "433", "U", "", "150", "D", "", "", "Z", "Y", false, "", "Y"},
    {"no d, descriptive clears", "433", "U", "", "150", "D", "", "", "Z", "Y", true, "", ""},
    // B: M(3000) has a value.
    {"B1 foF q", "72", "U", "", "253", "D", "", "351", "", "Y", false, "U", ""},
    {"B1 muf q", "72", "", "", "253", "D", "", "351", "", "Y", true, "D", ""},
    {"B1 same q", "72", "U", "", "253", "U", "", "351", "", "", true, "U", ""},
    {"B2", "72", "U", "", "253", "D", "S", "351", "", "", false, "D", "S"},
    {"B3", "72", "U", "A", "253", "U", "S", "351", "Z", "", true, "", "A"},
    {"B4 du empty, qf empty", "72", "", "A", "253", "D", "", "351", "", "", false, "D", "A"},
    {"B4 same d, qf empty qu empty", "72", "", "A", "253", "", "A", "351", "Z", "Y", true, "", "A"},
    {"B4 qu equal", "72", "U", "A", "253", "U", "A", "351", "", "", false, "U", "A"},
    {"B4 qu empty", "72", "U", "A", "253", "", "", "351", "", "", true, "U", "A"},
    {"B4 qu differs", "72", "U", "A", "253", "D", "A", "351", "Z", "", false, "", "A"},
};

TEST_F(ScalingTest, M3000LettersFollowTheirGroupWhenALetterBoxIsLeft) {
    struct Group {
        const char* vf;
        const char* qf;
        const char* df;
        const char* vu;
        const char* qu;
        const char* du;
        const char* vm;
        const char* qm;
        const char* dm;
    };
    const Group groups[] = {
        {"Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1", "Text10",
         "lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1", "Text11",
         "lettera_qualificativa_m3000f1", "lettera_descrittiva_m3000f1"},
        {"Text13", "lettera_qualificativa_fof2", "lettera_descrittiva_fof2", "Text15",
         "lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2", "Text16",
         "lettera_qualificativa_m3000f2", "lettera_descrittiva_m3000f2"},
    };
    for (const Group& g : groups) {
        for (const LetterRuleCase& c : letter_rule_cases) {
            // Both boxes of the version's kind run the same rule.
            const char* left_boxes[2] = {c.descriptive_version ? g.df : g.qf,
                                         c.descriptive_version ? g.du : g.qu};
            for (const char* left : left_boxes) {
                form.set_text(g.vf, c.vf);
                form.set_text(g.qf, c.qf);
                form.set_text(g.df, c.df);
                form.set_text(g.vu, c.vu);
                form.set_text(g.qu, c.qu);
                form.set_text(g.du, c.du);
                form.set_text(g.vm, c.vm);
                form.set_text(g.qm, c.qm_before);
                form.set_text(g.dm, c.dm_before);
                letter_box_lost_focus(scaling, left);
                EXPECT_EQ(form.text(g.qm), c.qm) << c.name << " leaving " << left;
                EXPECT_EQ(form.text(g.dm), c.dm) << c.name << " leaving " << left;
                EXPECT_EQ(form.text(g.vm), c.vm) << c.name;
            }
        }
    }
}

TEST_F(ScalingTest, LeavingOtherBoxesLeavesTheM3000LettersAlone) {
    form.set_text("Text9", "433");
    form.set_text("lettera_descrittiva_fof1", "A");
    form.set_text("Text13", "72");
    form.set_text("lettera_descrittiva_fof2", "S");
    for (const char* left :
         {"Text17", "Text23", "Text7", "Text9", "Text13", "lettera_qualificativa_m3000f1",
          "lettera_descrittiva_m3000f2", "Label5", ""})
        letter_box_lost_focus(scaling, left);
    EXPECT_EQ(form.text("lettera_descrittiva_m3000f1"), "");
    EXPECT_EQ(form.text("lettera_descrittiva_m3000f2"), "");
    // A group's rule touches only its own M(3000) letters.
    letter_box_lost_focus(scaling, "lettera_descrittiva_fof1");
    EXPECT_EQ(form.text("lettera_descrittiva_m3000f1"), "A");
    EXPECT_EQ(form.text("lettera_descrittiva_m3000f2"), "");
}

} // namespace
} // namespace scalvo
