// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/letters.h"

#include "support/scaling_fixture.h"

#include <string>
#include <vector>

namespace scalvo {
namespace {

using testing::ScalingTest;

// The rows whose letters are typed.
std::vector<Row> typed_rows() {
    std::vector<Row> rows;
    for (const Row row : all_rows)
        if (row != Row::es_types && row != Row::M3000F1 && row != Row::M3000F2)
            rows.push_back(row);
    return rows;
}

TEST(LetterBoxes, OnlyTheThirteenTypedRowsHaveFilters) {
    EXPECT_EQ(typed_rows().size(), 13u);
    for (const Row row : all_rows) {
        const bool typed = row != Row::es_types && row != Row::M3000F1 && row != Row::M3000F2;
        EXPECT_EQ(is_qualifying_letter_box(qualifying_box(row)), typed) << row;
        EXPECT_EQ(is_descriptive_letter_box(descriptive_box(row)), typed) << row;
        EXPECT_FALSE(is_qualifying_letter_box(descriptive_box(row))) << row;
        EXPECT_FALSE(is_descriptive_letter_box(qualifying_box(row))) << row;
        EXPECT_FALSE(is_qualifying_letter_box(value_box(row))) << row;
        EXPECT_FALSE(is_descriptive_letter_box(previous_box(row))) << row;
    }
}

class LetterFilterTest : public ScalingTest {
  protected:
    void SetUp() override { select(Row::fmin); }
};

TEST_F(LetterFilterTest, EachAlphabetIsTheSameForEveryRow) {
    for (const Row row : typed_rows()) {
        select(row);
        std::string qualifying;
        std::string descriptive;
        for (int code = 'A'; code <= 'Z'; ++code) {
            if (qualifying_letter_key_press(scaling, qualifying_box(row), code) == code)
                qualifying += static_cast<char>(code);
            if (descriptive_letter_key_press(scaling, descriptive_box(row), code) == code)
                descriptive += static_cast<char>(code);
        }
        EXPECT_EQ(qualifying, "ADEIJMOTUZ") << row;
        EXPECT_EQ(descriptive, "ABCDEFGHKLMNOPQRSTVWXYZ") << row;
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
        select(Row::fmin);
        dialogs.clear();
        const int result =
            c.qualifying
                ? qualifying_letter_key_press(scaling, qualifying_box(Row::fmin), c.code)
                : descriptive_letter_key_press(scaling, descriptive_box(Row::fmin), c.code);
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
        EXPECT_EQ(qualifying_letter_key_press(scaling, qualifying_box(Row::fmin), code), 0) << code;
        EXPECT_EQ(descriptive_letter_key_press(scaling, descriptive_box(Row::fmin), code), 0)
            << code;
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form.focus, descriptive_box(Row::fmin));
}

TEST_F(LetterFilterTest, AQualifyingLetterSendsTheFocusToTheRowsDescriptiveLetter) {
    for (const Row row : typed_rows()) {
        select(row);
        form.focus = qualifying_box(row);
        EXPECT_EQ(qualifying_letter_key_press(scaling, qualifying_box(row), 'e'), 'E');
        EXPECT_EQ(form.focus, descriptive_box(row)) << row;
        // Refused keys and backspace leave the focus where it is.
        form.focus = qualifying_box(row);
        qualifying_letter_key_press(scaling, qualifying_box(row), 'c');
        qualifying_letter_key_press(scaling, qualifying_box(row), '1');
        qualifying_letter_key_press(scaling, qualifying_box(row), 8);
        EXPECT_EQ(form.focus, qualifying_box(row)) << row;
        // A descriptive letter stays put.
        form.focus = descriptive_box(row);
        EXPECT_EQ(descriptive_letter_key_press(scaling, descriptive_box(row), 'c'), 'C');
        EXPECT_EQ(form.focus, descriptive_box(row)) << row;
    }
}

TEST_F(LetterFilterTest, BoxesThatCannotTakeTheKeyIgnoreItQuietly) {
    // Another row selected: the fmin boxes are locked.
    select(Row::foF2);
    form.focus = qualifying_box(Row::fmin);
    EXPECT_EQ(qualifying_letter_key_press(scaling, qualifying_box(Row::fmin), 'b'), 0);
    EXPECT_EQ(qualifying_letter_key_press(scaling, qualifying_box(Row::fmin), 'a'), 0);
    EXPECT_EQ(descriptive_letter_key_press(scaling, descriptive_box(Row::fmin), 'u'), 0);
    // Before any selection every letter box is locked.
    form.selected_characteristic.reset();
    form.focus = qualifying_box(Row::fmin);
    EXPECT_EQ(qualifying_letter_key_press(scaling, qualifying_box(Row::fmin), 'a'), 0);
    EXPECT_EQ(qualifying_letter_key_press(scaling, qualifying_box(Row::fmin), 'b'), 0);
    EXPECT_EQ(descriptive_letter_key_press(scaling, descriptive_box(Row::fmin), 'u'), 0);
    select(Row::foF2);
    form.focus = qualifying_box(Row::fmin);
    EXPECT_EQ(qualifying_letter_key_press(scaling, qualifying_box(Row::fmin), '5'), 0);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form.focus, qualifying_box(Row::fmin));
    // Boxes without a filter are none of its business.
    EXPECT_EQ(qualifying_letter_key_press(scaling, qualifying_box(Row::M3000F1), '5'), '5');
    EXPECT_EQ(descriptive_letter_key_press(scaling, value_box(Row::es_types), '5'), '5');
}

TEST_F(ScalingTest, ClickOnALetterBoxSelectsItsRowWithTheFocusInTheDescriptiveLetter) {
    for (const Row row : typed_rows()) {
        select(Row::foF2);
        form.selected_characteristic.reset();
        letter_box_click(scaling, qualifying_box(row));
        EXPECT_EQ(form.selected_characteristic, row);

        select(Row::foF2);
        form.selected_characteristic.reset();
        form.focus = qualifying_box(row);
        letter_box_click(scaling, descriptive_box(row));
        EXPECT_EQ(form.selected_characteristic, row);
        EXPECT_EQ(form.focus, descriptive_box(row));
    }
    form.selected_characteristic = Row::foF2;
    letter_box_click(scaling, descriptive_box(Row::M3000F2));
    letter_box_click(scaling, value_box(Row::foF2));
    EXPECT_EQ(form.selected_characteristic, Row::foF2);
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
        Box vf;
        Box qf;
        Box df;
        Box vu;
        Box qu;
        Box du;
        Box vm;
        Box qm;
        Box dm;
    };
    const Group groups[] = {
        {value_box(Row::foF1), qualifying_box(Row::foF1), descriptive_box(Row::foF1),
         value_box(Row::MUF3000F1), qualifying_box(Row::MUF3000F1), descriptive_box(Row::MUF3000F1),
         value_box(Row::M3000F1), qualifying_box(Row::M3000F1), descriptive_box(Row::M3000F1)},
        {value_box(Row::foF2), qualifying_box(Row::foF2), descriptive_box(Row::foF2),
         value_box(Row::MUF3000F2), qualifying_box(Row::MUF3000F2), descriptive_box(Row::MUF3000F2),
         value_box(Row::M3000F2), qualifying_box(Row::M3000F2), descriptive_box(Row::M3000F2)},
    };
    for (const Group& g : groups) {
        for (const LetterRuleCase& c : letter_rule_cases) {
            // Both boxes of the version's kind run the same rule.
            const Box left_boxes[2] = {c.descriptive_version ? g.df : g.qf,
                                       c.descriptive_version ? g.du : g.qu};
            for (const Box left : left_boxes) {
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
    form.set_text(value_box(Row::foF1), "433");
    form.set_text(descriptive_box(Row::foF1), "A");
    form.set_text(value_box(Row::foF2), "72");
    form.set_text(descriptive_box(Row::foF2), "S");
    for (const Box left :
         {qualifying_box(Row::fmin), descriptive_box(Row::fmin), value_box(Row::es_types),
          value_box(Row::foF1), value_box(Row::foF2), qualifying_box(Row::M3000F1),
          descriptive_box(Row::M3000F2), previous_box(Row::foF1)})
        letter_box_lost_focus(scaling, left);
    EXPECT_EQ(form.text(descriptive_box(Row::M3000F1)), "");
    EXPECT_EQ(form.text(descriptive_box(Row::M3000F2)), "");
    // A group's rule touches only its own M(3000) letters.
    letter_box_lost_focus(scaling, descriptive_box(Row::foF1));
    EXPECT_EQ(form.text(descriptive_box(Row::M3000F1)), "A");
    EXPECT_EQ(form.text(descriptive_box(Row::M3000F2)), "");
}

} // namespace
} // namespace scalvo
