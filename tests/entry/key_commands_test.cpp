// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/key_commands.h"

#include "support/scaling_fixture.h"

namespace scalvo {
namespace {

class KeyCommandsTest : public testing::ScalingTest {
  protected:
    void select(std::optional<Row> row) { form.selected_characteristic = row; }
    std::optional<Row> next_after(std::optional<Row> row) {
        select(row);
        select_next_characteristic(scaling);
        return form.selected_characteristic;
    }
    std::optional<Row> previous_of(std::optional<Row> row) {
        select(row);
        select_previous_characteristic(scaling);
        return form.selected_characteristic;
    }
};

TEST_F(KeyCommandsTest, NextFollowsTheScalingOrder) {
    form.day_night = DayNight::day;
    form.set_text(value_box(Row::foE), "285");
    const struct {
        std::optional<Row> from;
        std::optional<Row> to;
    } steps[] = {
        {Row::fmin, Row::hE},         {Row::hE, Row::foE},          {Row::foE, Row::foEs},
        {Row::es_types, Row::fbEs},   {Row::fbEs, Row::hF},         {Row::hF, Row::foF1},
        {Row::foF1, Row::MUF3000F1},  {Row::MUF3000F1, Row::hF2},   {Row::hF2, Row::foF2},
        {Row::foF2, Row::fxI},        {Row::fxI, Row::MUF3000F2},   {Row::MUF3000F2, Row::fmin},
        {std::nullopt, std::nullopt}, {Row::M3000F2, Row::M3000F2},
    };
    for (const auto& s : steps)
        EXPECT_EQ(next_after(s.from), s.to) << s.from;
}

TEST_F(KeyCommandsTest, NextSkipsTheAbsentLayers) {
    form.day_night = DayNight::night;
    EXPECT_EQ(next_after(Row::fmin), Row::foEs);
    EXPECT_EQ(next_after(Row::hF), Row::foF2); // foE's three boxes are empty
    form.set_text(qualifying_box(Row::foE), "E");
    EXPECT_EQ(next_after(Row::hF), Row::foF1);
}

TEST_F(KeyCommandsTest, NextFromFoEsDecidesDayOrNight) {
    EXPECT_EQ(next_after(Row::foEs), Row::hEs);
    EXPECT_EQ(form.day_night, DayNight::night);
    EXPECT_EQ(next_after(Row::MUF3000F2), Row::fmin);
    EXPECT_EQ(next_after(Row::fmin), Row::foEs);
    form.set_text(qualifying_box(Row::hE), "E");
    next_after(Row::foEs);
    EXPECT_EQ(form.day_night, DayNight::day);
}

TEST_F(KeyCommandsTest, NextFromHEsProposesTheEsTypeWhateverTheBoxHolds) {
    form.set_text(value_box(Row::es_types), "H2");
    form.set_text(value_box(Row::foEs), "45"); // Es without any E layer: rule F
    EXPECT_EQ(next_after(Row::hEs), Row::es_types);
    EXPECT_EQ(form.text(value_box(Row::es_types)), "F1");
    form.set_text(descriptive_box(Row::hEs), "C");
    EXPECT_EQ(next_after(Row::hEs), Row::fbEs);
    // No rule holds: the box stays.
    form.set_text(value_box(Row::foEs), "");
    form.set_text(value_box(Row::es_types), "H2");
    next_after(Row::hEs);
    EXPECT_EQ(form.text(value_box(Row::es_types)), "H2");
}

TEST_F(KeyCommandsTest, PreviousIsThePlainReverseCycle) {
    const struct {
        std::optional<Row> from;
        std::optional<Row> to;
    } steps[] = {
        {Row::fmin, Row::MUF3000F2}, {Row::hE, Row::fmin},       {Row::foEs, Row::foE},
        {Row::es_types, Row::hEs},   {Row::fbEs, Row::es_types}, {Row::foF1, Row::hF},
        {Row::hF2, Row::MUF3000F1},  {Row::fxI, Row::foF2},      {std::nullopt, std::nullopt}};
    for (const auto& s : steps)
        EXPECT_EQ(previous_of(s.from), s.to) << s.from;
}

TEST_F(KeyCommandsTest, ClearingEmptiesTheRowAndKeepsTheM3000LettersCoherent) {
    for (const Box box : sheet_boxes)
        if (visible(box))
            form.set_text(box, box == descriptive_box(Row::fxI) ? "X" : "Z");
    form.set_text(descriptive_box(Row::MUF3000F1), "M");
    form.set_text(qualifying_box(Row::MUF3000F2), "U");
    form.set_text(descriptive_box(Row::MUF3000F2), "S");

    select(Row::foF1);
    clear_selected_characteristic(scaling);
    for (const Box box :
         {value_box(Row::foF1), qualifying_box(Row::foF1), descriptive_box(Row::foF1),
          value_box(Row::M3000F1), qualifying_box(Row::M3000F1)})
        EXPECT_EQ(form.text(box), "") << box;
    EXPECT_EQ(form.text(descriptive_box(Row::M3000F1)), "M");
    EXPECT_EQ(form.text(value_box(Row::MUF3000F1)), "Z");

    select(Row::foF2);
    clear_selected_characteristic(scaling);
    for (const Box box :
         {descriptive_box(Row::fxI), value_box(Row::foF2), qualifying_box(Row::foF2),
          descriptive_box(Row::foF2), value_box(Row::M3000F2)})
        EXPECT_EQ(form.text(box), "") << box;
    EXPECT_EQ(form.text(qualifying_box(Row::M3000F2)), "U");
    EXPECT_EQ(form.text(descriptive_box(Row::M3000F2)), "S");
    EXPECT_EQ(form.text(qualifying_box(Row::fxI)), "Z");
    EXPECT_EQ(form.selected_characteristic, Row::foF2);

    form.set_text(descriptive_box(Row::fxI), "Y");
    clear_selected_characteristic(scaling);
    EXPECT_EQ(form.text(descriptive_box(Row::fxI)), "Y");

    select(Row::es_types);
    clear_selected_characteristic(scaling);
    EXPECT_EQ(form.text(value_box(Row::es_types)), "");
    EXPECT_EQ(form.text(value_box(Row::foEs)), "Z");
}

TEST_F(KeyCommandsTest, F1LayerAbsentMarksTheRowsAndSelectsFoF2) {
    for (const Box box : {value_box(Row::foF1), value_box(Row::MUF3000F1), value_box(Row::M3000F1),
                          value_box(Row::hF2), qualifying_box(Row::hF2), qualifying_box(Row::foF1),
                          descriptive_box(Row::M3000F1)})
        form.set_text(box, "1");
    select(Row::fmin);
    f1_layer_absent(scaling);
    for (const Box box : {value_box(Row::foF1), value_box(Row::MUF3000F1), value_box(Row::M3000F1),
                          value_box(Row::hF2), qualifying_box(Row::hF2), qualifying_box(Row::foF1),
                          qualifying_box(Row::MUF3000F1), qualifying_box(Row::M3000F1)})
        EXPECT_EQ(form.text(box), "") << box;
    for (const Box box : {descriptive_box(Row::foF1), descriptive_box(Row::MUF3000F1),
                          descriptive_box(Row::M3000F1), descriptive_box(Row::hF2)})
        EXPECT_EQ(form.text(box), "L") << box;
    EXPECT_EQ(form.selected_characteristic, Row::foF2);
}

} // namespace
} // namespace scalvo
