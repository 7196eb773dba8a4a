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
    select_characteristic(scaling, "foF2");
    form.set_text("Text13", "72");
    form.set_text("Text15", "253");
    select_characteristic(scaling, "MUF3000F2"); // opens at 25.4 MHz
    EXPECT_EQ(form.text("Text15"), "254");
    key(17, ctrl_mask); // the Ctrl key on its own
    EXPECT_EQ(form.text("Text15"), "");
    EXPECT_EQ(form.text("Text16"), "");
    key(40, ctrl_mask); // then Ctrl + Down: +2.0 MHz
    EXPECT_EQ(form.text("Text15"), "274");
    EXPECT_EQ(form.text("Text16"), "381"); // 27400 / 72
    key(40, ctrl_mask | shift_mask);       // not Ctrl alone: +0.1 MHz
    EXPECT_EQ(form.text("Text15"), "275");
}

TEST_F(KeyMapTest, MufKeysNeedAnIonogramAndAMufRow) {
    select_characteristic(scaling, "fmin");
    key(49);
    EXPECT_EQ(form.text("Text1"), "");
    select_characteristic(scaling, "MUF3000F1");
    shared.ionogram_loaded = false;
    for (int code : {38, 40, 49, 50, 51, 52})
        key(code);
    EXPECT_EQ(form.text("Text10"), "");
}

TEST_F(KeyMapTest, ADigitInALetterBoxStepsTheCurveAndIsRefused) {
    select_characteristic(scaling, "MUF3000F1");
    form.set_text("Text10", "150");
    select_characteristic(scaling, "MUF3000F1"); // 15.0 MHz: no foF1, no opening step
    ASSERT_EQ(form.focus, "lettera_descrittiva_muf3000f1");
    key(50);
    EXPECT_EQ(form.text("Text10"), "170");
    logic.box_key_press(form.focus, '2', {});
    EXPECT_EQ(form.text("lettera_descrittiva_muf3000f1"), "");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(KeyMapTest, SpaceJumpsToFoF2FromHFAndFoF1Only) {
    const struct {
        const char* from;
        const char* to;
    } cases[] = {{"hF", "foF2"}, {"foF1", "foF2"}, {"foEs", "foEs"}, {"fmin", "fmin"}};
    for (const auto& c : cases) {
        select_characteristic(scaling, c.from);
        key(32);
        EXPECT_EQ(form.selected_characteristic, c.to) << c.from;
    }
}

TEST_F(KeyMapTest, FunctionKeysRunTheirCommands) {
    select_characteristic(scaling, "foF2");
    form.set_text("Text1", "15");
    key(117); // F6: nighttime Es missing
    EXPECT_EQ(form.particular_case_code, "01");
    EXPECT_EQ(form.text("Text4"), "15");
    EXPECT_EQ(form.selected_characteristic, "hF");
    key(119); // F8: deleted again
    EXPECT_EQ(form.particular_case_code, "xx");
    EXPECT_EQ(form.text("Text4"), "");
    key(118); // F7: partial absorption
    EXPECT_EQ(form.particular_case_code, "05");
    key(120); // F9: no ionogram
    EXPECT_EQ(form.particular_case_code, "06");
    EXPECT_EQ(form.text("Text23"), "C");
    form.set_text("Text3", "285");
    form.set_text("Text23", "");
    key(116); // F5: daytime Es missing
    EXPECT_EQ(form.particular_case_code, "02");
    EXPECT_EQ(form.text("Text4"), "29");
    key(112); // F1 from h'F: foE present, so foF1
    EXPECT_EQ(form.selected_characteristic, "foF1");
    key(113); // F2
    EXPECT_EQ(form.selected_characteristic, "hF");
    key(123); // F12 clears h'F
    key(220);
    EXPECT_EQ(form.selected_characteristic, "foF2");
    EXPECT_EQ(form.text("Text42"), "L");
}

TEST_F(KeyMapTest, EscapeIsRefusedByAOneCharacterEsTypesText) {
    form.set_text("Text7", "F");
    key(27);
    EXPECT_EQ(form.request, WindowRequest::none);
    EXPECT_EQ(dialogs.last().text, "The format of Es Types is not correct!!");
}

TEST_F(KeyMapTest, KeysOutsideTheMapChangeNothing) {
    select_characteristic(scaling, "foF2");
    form.set_text("Text13", "72");
    const auto before = form.boxes;
    for (int code : {9, 13, 33, 65, 121, 122, 186})
        key(code);
    for (const auto& [name, box] : before)
        EXPECT_EQ(form.text(name), box.text) << name;
    EXPECT_EQ(form.selected_characteristic, "foF2");
}

} // namespace
} // namespace scalvo
