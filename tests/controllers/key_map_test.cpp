// SPDX-License-Identifier: GPL-3.0-or-later
// The key map of the scaling form, through the form's events as the window delivers them.
#include "controllers/key_map.h"

#include "scaling/selection.h"
#include "support/scaling_controller_fixture.h"

namespace scalvo {
namespace {

class KeyMapTest : public testing::ScalingControllerTest {
  protected:
    void SetUp() override {
        shared.ionogram_loaded = true;
        form.ionogram.start_frequency = 1.0f;
        form.ionogram.end_frequency = 20.0f;
        form.ionogram.frequency_step = 0.05f;
        form.ionogram.frequency_count = 381;
        form.ionogram.amplitude_grid.assign(381 * 150, 0);
    }
    void key(int code, int shift = 0) { logic.key_down(code, shift); }
};

TEST_F(KeyMapTest, CtrlThenCtrlDownEmptiesTheMufRowThenStepsIntoIt) {
    select_characteristic(scaling, Row::foF2);
    form.set_text(value_box(Row::foF2), "72");
    form.set_text(value_box(Row::MUF3000F2), "253");
    select_characteristic(scaling, Row::MUF3000F2); // opens at 25.4 MHz
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "254");
    key(17, ctrl_mask); // the Ctrl key on its own
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "");
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "");
    key(40, ctrl_mask); // then Ctrl + Down: +2.0 MHz
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "274");
    EXPECT_EQ(form.text(value_box(Row::M3000F2)), "381"); // 27400 / 72
    key(40, ctrl_mask | shift_mask);                      // not Ctrl alone: +0.1 MHz
    EXPECT_EQ(form.text(value_box(Row::MUF3000F2)), "275");
}

TEST_F(KeyMapTest, MufKeysNeedAnIonogramAndAMufRow) {
    select_characteristic(scaling, Row::fmin);
    key(49);
    EXPECT_EQ(form.text(value_box(Row::fmin)), "");
    select_characteristic(scaling, Row::MUF3000F1);
    shared.ionogram_loaded = false;
    for (int code : {38, 40, 49, 50, 51, 52})
        key(code);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F1)), "");
}

TEST_F(KeyMapTest, ADigitInALetterBoxStepsTheCurveAndIsRefused) {
    select_characteristic(scaling, Row::MUF3000F1);
    form.set_text(value_box(Row::MUF3000F1), "150");
    select_characteristic(scaling, Row::MUF3000F1); // 15.0 MHz: no foF1, no opening step
    ASSERT_EQ(form.focus, descriptive_box(Row::MUF3000F1));
    key(50);
    EXPECT_EQ(form.text(value_box(Row::MUF3000F1)), "170");
    logic.box_key_press(*form.focus, '2', {});
    EXPECT_EQ(form.text(descriptive_box(Row::MUF3000F1)), "");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(KeyMapTest, SpaceJumpsToFoF2FromHFAndFoF1Only) {
    const struct {
        Row from;
        Row to;
    } cases[] = {{Row::hF, Row::foF2},
                 {Row::foF1, Row::foF2},
                 {Row::foEs, Row::foEs},
                 {Row::fmin, Row::fmin}};
    for (const auto& c : cases) {
        select_characteristic(scaling, c.from);
        key(32);
        EXPECT_EQ(form.selected_characteristic, c.to) << c.from;
    }
}

TEST_F(KeyMapTest, FunctionKeysRunTheirCommands) {
    select_characteristic(scaling, Row::foF2);
    form.set_text(value_box(Row::fmin), "15");
    key(117); // F6: nighttime Es missing
    EXPECT_EQ(form.particular_case_code, ParticularCase::nighttime_es_missing);
    EXPECT_EQ(form.text(value_box(Row::foEs)), "15");
    EXPECT_EQ(form.selected_characteristic, Row::hF);
    key(119); // F8: deleted again
    EXPECT_EQ(form.particular_case_code, ParticularCase::none);
    EXPECT_EQ(form.text(value_box(Row::foEs)), "");
    key(118); // F7: partial absorption
    EXPECT_EQ(form.particular_case_code, ParticularCase::partial_absorption);
    key(120); // F9: no ionogram
    EXPECT_EQ(form.particular_case_code, ParticularCase::no_ionogram);
    EXPECT_EQ(form.text(descriptive_box(Row::fmin)), "C");
    form.set_text(value_box(Row::foE), "285");
    form.set_text(descriptive_box(Row::fmin), "");
    key(116); // F5: daytime Es missing
    EXPECT_EQ(form.particular_case_code, ParticularCase::daytime_es_missing);
    EXPECT_EQ(form.text(value_box(Row::foEs)), "29");
    key(112); // F1 from h'F: foE present, so foF1
    EXPECT_EQ(form.selected_characteristic, Row::foF1);
    key(113); // F2
    EXPECT_EQ(form.selected_characteristic, Row::hF);
    key(123); // F12 clears h'F
    key(220);
    EXPECT_EQ(form.selected_characteristic, Row::foF2);
    EXPECT_EQ(form.text(descriptive_box(Row::hF2)), "L");
}

TEST_F(KeyMapTest, EscapeIsRefusedByAOneCharacterEsTypesText) {
    form.set_text(value_box(Row::es_types), "F");
    key(27);
    EXPECT_EQ(logic.take_request(), WindowRequest::none);
    EXPECT_EQ(dialogs.last().text, "The format of Es Types is not correct!!");
}

TEST_F(KeyMapTest, KeysOutsideTheMapChangeNothing) {
    select_characteristic(scaling, Row::foF2);
    form.set_text(value_box(Row::foF2), "72");
    const testing::BoxTexts before = sheet();
    for (int code : {9, 13, 33, 65, 121, 122, 186})
        key(code);
    EXPECT_EQ(sheet(), before);
    EXPECT_EQ(form.selected_characteristic, Row::foF2);
}

} // namespace
} // namespace scalvo
