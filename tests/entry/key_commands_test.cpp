#include "entry/key_commands.h"

#include "common/shared_state.h"
#include "support/fake_dialogs.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

class KeyCommandsTest : public ::testing::Test {
  protected:
    void select(const char* key) { form.selected_characteristic = key; }
    std::string next_after(const char* key) {
        select(key);
        select_next_characteristic(scaling);
        return form.selected_characteristic;
    }
    std::string previous_of(const char* key) {
        select(key);
        select_previous_characteristic(scaling);
        return form.selected_characteristic;
    }

    ScalingForm form;
    SharedState shared;
    testing::FakeDialogs dialogs;
    Scaling scaling{form, shared, dialogs};
};

TEST_F(KeyCommandsTest, NextFollowsTheScalingOrder) {
    form.day_night = "d";
    form.set_text("Text3", "285");
    const struct {
        const char* from;
        const char* to;
    } steps[] = {
        {"fmin", "hE"},  {"hE", "foE"},          {"foE", "foEs"},       {"tipoEs", "fbEs"},
        {"fbEs", "hF"},  {"hF", "foF1"},         {"foF1", "MUF3000F1"}, {"MUF3000F1", "hF2"},
        {"hF2", "foF2"}, {"foF2", "fxI"},        {"fxI", "MUF3000F2"},  {"MUF3000F2", "fmin"},
        {"", ""},        {"M3000F2", "M3000F2"},
    };
    for (const auto& s : steps)
        EXPECT_EQ(next_after(s.from), s.to) << s.from;
}

TEST_F(KeyCommandsTest, NextSkipsTheAbsentLayers) {
    form.day_night = "n";
    EXPECT_EQ(next_after("fmin"), "foEs");
    EXPECT_EQ(next_after("hF"), "foF2"); // foE's three boxes are empty
    form.set_text("Text19", "E");
    EXPECT_EQ(next_after("hF"), "foF1");
}

TEST_F(KeyCommandsTest, NextFromFoEsDecidesDayOrNight) {
    EXPECT_EQ(next_after("foEs"), "hEs");
    EXPECT_EQ(form.day_night, "n");
    EXPECT_EQ(next_after("MUF3000F2"), "fmin");
    EXPECT_EQ(next_after("fmin"), "foEs");
    form.set_text("Text18", "E");
    next_after("foEs");
    EXPECT_EQ(form.day_night, "d");
}

TEST_F(KeyCommandsTest, NextFromHEsProposesTheEsTypeWhateverTheBoxHolds) {
    form.set_text("Text7", "H2");
    form.set_text("Text4", "45"); // Es without any E layer: rule F
    EXPECT_EQ(next_after("hEs"), "tipoEs");
    EXPECT_EQ(form.text("Text7"), "F1");
    form.set_text("Text36", "C");
    EXPECT_EQ(next_after("hEs"), "fbEs");
    // No rule holds: the box stays.
    form.set_text("Text4", "");
    form.set_text("Text7", "H2");
    next_after("hEs");
    EXPECT_EQ(form.text("Text7"), "H2");
}

TEST_F(KeyCommandsTest, PreviousIsThePlainReverseCycle) {
    const struct {
        const char* from;
        const char* to;
    } steps[] = {{"fmin", "MUF3000F2"}, {"hE", "fmin"},     {"foEs", "foE"},
                 {"tipoEs", "hEs"},     {"fbEs", "tipoEs"}, {"foF1", "hF"},
                 {"hF2", "MUF3000F1"},  {"fxI", "foF2"},    {"", ""}};
    for (const auto& s : steps)
        EXPECT_EQ(previous_of(s.from), s.to) << s.from;
}

TEST_F(KeyCommandsTest, ClearingEmptiesTheRowAndKeepsTheM3000LettersCoherent) {
    for (const auto& [name, box] : form.boxes)
        if (box.visible)
            form.set_text(name, name == "Text44" ? "X" : "Z");
    form.set_text("lettera_descrittiva_muf3000f1", "M");
    form.set_text("lettera_qualificativa_muf3000f2", "U");
    form.set_text("lettera_descrittiva_muf3000f2", "S");

    select("foF1");
    clear_selected_characteristic(scaling);
    for (const char* box : {"Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1",
                            "Text11", "lettera_qualificativa_m3000f1"})
        EXPECT_EQ(form.text(box), "") << box;
    EXPECT_EQ(form.text("lettera_descrittiva_m3000f1"), "M");
    EXPECT_EQ(form.text("Text10"), "Z");

    select("foF2");
    clear_selected_characteristic(scaling);
    for (const char* box :
         {"Text44", "Text13", "lettera_qualificativa_fof2", "lettera_descrittiva_fof2", "Text16"})
        EXPECT_EQ(form.text(box), "") << box;
    EXPECT_EQ(form.text("lettera_qualificativa_m3000f2"), "U");
    EXPECT_EQ(form.text("lettera_descrittiva_m3000f2"), "S");
    EXPECT_EQ(form.text("Text30"), "Z");
    EXPECT_EQ(form.selected_characteristic, "foF2");

    form.set_text("Text44", "Y");
    clear_selected_characteristic(scaling);
    EXPECT_EQ(form.text("Text44"), "Y");

    select("tipoEs");
    clear_selected_characteristic(scaling);
    EXPECT_EQ(form.text("Text7"), "");
    EXPECT_EQ(form.text("Text4"), "Z");
}

TEST_F(KeyCommandsTest, F1LayerAbsentMarksTheRowsAndSelectsFoF2) {
    for (const char* box : {"Text9", "Text10", "Text11", "Text12", "Text28",
                            "lettera_qualificativa_fof1", "lettera_descrittiva_m3000f1"})
        form.set_text(box, "1");
    select("fmin");
    f1_layer_absent(scaling);
    for (const char* box :
         {"Text9", "Text10", "Text11", "Text12", "Text28", "lettera_qualificativa_fof1",
          "lettera_qualificativa_muf3000f1", "lettera_qualificativa_m3000f1"})
        EXPECT_EQ(form.text(box), "") << box;
    for (const char* box : {"lettera_descrittiva_fof1", "lettera_descrittiva_muf3000f1",
                            "lettera_descrittiva_m3000f1", "Text42"})
        EXPECT_EQ(form.text(box), "L") << box;
    EXPECT_EQ(form.selected_characteristic, "foF2");
}

} // namespace
} // namespace scalvo
