// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/selection.h"

#include "support/scaling_fixture.h"

#include <algorithm>
#include <vector>

namespace scalvo {
namespace {

class SelectionTest : public testing::ScalingTest {
  protected:
    void select(Row row) { select_characteristic(scaling, row); }
    // Boxes open to typing, in sheet order.
    std::vector<Box> unlocked() const {
        std::vector<Box> boxes;
        for (const Box box : sheet_boxes)
            if (box.field != Field::previous && !locked(form, box))
                boxes.push_back(box);
        return boxes;
    }
    std::vector<Row> red_labels() const {
        std::vector<Row> rows;
        for (const Row row : all_rows)
            if (label_red(form, row))
                rows.push_back(row);
        return rows;
    }
    void fill(std::initializer_list<std::pair<Box, const char*>> texts) {
        for (const auto& [box, text] : texts)
            form.set_text(box, text);
    }
};

TEST_F(SelectionTest, EverySelectionMarksItsRowAndOpensOnlyItsLetters) {
    const struct {
        Row key;
        std::vector<Box> open; // descriptive letter first: it gets the focus
    } rows[] = {
        {Row::fmin, {descriptive_box(Row::fmin), qualifying_box(Row::fmin)}},
        {Row::hE, {descriptive_box(Row::hE), qualifying_box(Row::hE)}},
        {Row::foE, {descriptive_box(Row::foE), qualifying_box(Row::foE)}},
        {Row::foEs, {descriptive_box(Row::foEs), qualifying_box(Row::foEs)}},
        {Row::hEs, {descriptive_box(Row::hEs), qualifying_box(Row::hEs)}},
        {Row::es_types, {value_box(Row::es_types)}},
        {Row::fbEs, {descriptive_box(Row::fbEs), qualifying_box(Row::fbEs)}},
        {Row::hF, {descriptive_box(Row::hF), qualifying_box(Row::hF)}},
        {Row::foF1, {descriptive_box(Row::foF1), qualifying_box(Row::foF1)}},
        {Row::MUF3000F1, {descriptive_box(Row::MUF3000F1), qualifying_box(Row::MUF3000F1)}},
        {Row::hF2, {descriptive_box(Row::hF2), qualifying_box(Row::hF2)}},
        {Row::foF2, {descriptive_box(Row::foF2), qualifying_box(Row::foF2)}},
        {Row::fxI, {descriptive_box(Row::fxI), qualifying_box(Row::fxI)}},
        {Row::MUF3000F2, {descriptive_box(Row::MUF3000F2), qualifying_box(Row::MUF3000F2)}},
    };
    for (const bool loaded : {false, true}) {
        shared.ionogram_loaded = loaded;
        for (const auto& row : rows) {
            select(row.key);
            EXPECT_EQ(form.selected_characteristic, row.key);
            EXPECT_EQ(red_labels(), std::vector<Row>{row.key});
            std::vector<Box> open = unlocked();
            std::sort(open.begin(), open.end());
            std::vector<Box> expected = row.open;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(open, expected) << row.key;
            EXPECT_EQ(form.focus, row.open.front()) << row.key;
        }
    }
}

TEST_F(SelectionTest, MThreeThousandRowsAreNotSelected) {
    select(Row::foEs);
    const std::optional<Box> focus = form.focus;
    for (const Row row : {Row::M3000F1, Row::M3000F2}) {
        select(row);
        EXPECT_EQ(form.selected_characteristic, Row::foEs) << row;
        EXPECT_EQ(red_labels(), std::vector<Row>{Row::foEs});
        EXPECT_EQ(form.focus, focus);
    }
}

TEST_F(SelectionTest, BeforeAnySelectionOnlyTheEsTypesBoxIsOpen) {
    EXPECT_EQ(unlocked(), std::vector<Box>{value_box(Row::es_types)});
    EXPECT_TRUE(red_labels().empty());
    for (const Row row : all_rows)
        EXPECT_TRUE(locked(form, previous_box(row))) << row;
}

TEST_F(SelectionTest, TheFocusLeftBehindGetsItsLostFocusHandling) {
    select(Row::foF2);
    form.focus_lost.clear();
    select(Row::MUF3000F2);
    EXPECT_EQ(form.focus_lost, std::vector<Box>{descriptive_box(Row::foF2)});
    select(Row::MUF3000F2);
    EXPECT_EQ(form.focus_lost.size(), 1u);
}

TEST_F(SelectionTest, ThePlotIsRedrawnAndTheMufRowsDrawOnlyWithAnIonogram) {
    for (const bool loaded : {false, true}) {
        shared.ionogram_loaded = loaded;
        for (const Row row : {Row::fmin, Row::foF2, Row::foF2, Row::es_types}) {
            const auto before = form.plot.revision();
            select(row);
            EXPECT_GT(form.plot.revision(), before) << row;
        }
        // The MUF rows leave the drawing to their tool, which needs an ionogram.
        for (const Row row : {Row::MUF3000F1, Row::MUF3000F2}) {
            const auto before = form.plot.revision();
            select(row);
            EXPECT_EQ(form.plot.revision() > before, loaded) << row;
        }
    }
}

TEST_F(SelectionTest, EsStepButtonsFollowEsTypesOnlyWithAnIonogram) {
    shared.ionogram_loaded = true;
    select(Row::es_types);
    EXPECT_TRUE(form.esup_visible && form.esdown_visible);
    select(Row::hF);
    EXPECT_FALSE(form.esup_visible || form.esdown_visible);
    select(Row::es_types);
    select_foF2_without_redraw(scaling);
    EXPECT_FALSE(form.esup_visible || form.esdown_visible);

    shared.ionogram_loaded = false;
    select(Row::es_types);
    EXPECT_FALSE(form.esup_visible || form.esdown_visible);
    form.esup_visible = form.esdown_visible = true;
    select(Row::hF);
    select_foF2_without_redraw(scaling);
    EXPECT_TRUE(form.esup_visible && form.esdown_visible);
}

TEST_F(SelectionTest, FoF2AfterALoadOrMoveIsSelectedWithoutRedrawing) {
    shared.ionogram_loaded = true;
    select(Row::es_types);
    const auto before = form.plot.revision();
    select_foF2_without_redraw(scaling);
    EXPECT_EQ(form.plot.revision(), before);
    EXPECT_EQ(form.selected_characteristic, Row::foF2);
    EXPECT_EQ(red_labels(), std::vector<Row>{Row::foF2});
    EXPECT_EQ(unlocked(),
              (std::vector<Box>{qualifying_box(Row::foF2), descriptive_box(Row::foF2)}));
    EXPECT_EQ(form.focus, descriptive_box(Row::foF2));
}

TEST_F(SelectionTest, FoEsTellsDayFromNightByTheELayerBoxes) {
    for (const Box box :
         {value_box(Row::hE), value_box(Row::foE), qualifying_box(Row::hE),
          descriptive_box(Row::hE), qualifying_box(Row::foE), descriptive_box(Row::foE)}) {
        ScalingForm fresh;
        Scaling s{fresh, shared, dialogs};
        fresh.set_text(box, "E");
        fresh.set_text(value_box(Row::fmin), "15"); // other rows do not count
        select_characteristic(s, Row::foEs);
        EXPECT_EQ(fresh.day_night, DayNight::day) << box;
        fresh.set_text(box, "");
        select_characteristic(s, Row::foEs);
        EXPECT_EQ(fresh.day_night, DayNight::night) << box;
    }
    select(Row::hF);
    EXPECT_EQ(form.day_night, DayNight::unset); // only foEs sets it
}

struct EsTypeCase {
    const char* name;
    std::vector<std::pair<Box, const char*>> sheet;
    const char* after_hEs;    // Es types after selecting h'Es
    const char* after_tipoEs; // Es types after selecting Es types
};

class EsTypeProposal : public SelectionTest, public ::testing::WithParamInterface<EsTypeCase> {};

TEST_P(EsTypeProposal, FollowsTheRulesInOrder) {
    for (const bool es_types_first : {false, true}) {
        ScalingForm fresh;
        Scaling s{fresh, shared, dialogs};
        for (const auto& [box, text] : GetParam().sheet)
            fresh.set_text(box, text);
        select_characteristic(s, es_types_first ? Row::es_types : Row::hEs);
        EXPECT_EQ(fresh.text(value_box(Row::es_types)),
                  es_types_first ? GetParam().after_tipoEs : GetParam().after_hEs);
    }
}

// Text2 h'E, Text3 foE, Text4 foEs, Text5 h'Es, Text7 Es types; letters: h'E 18/33, foE 19/34,
// foEs 20/35.
INSTANTIATE_TEST_SUITE_P(
    Rules, EsTypeProposal,
    ::testing::Values(
        EsTypeCase{"EmptySheet", {}, "", ""},
        EsTypeCase{"RuleL", {{descriptive_box(Row::foE), "A"}}, "L1", "L1"},
        EsTypeCase{"RuleLNeedsFoEEmpty",
                   {{descriptive_box(Row::foE), "A"}, {value_box(Row::foE), "300"}},
                   "",
                   ""},
        EsTypeCase{"RuleLOverFoEsPresent",
                   {{descriptive_box(Row::foE), "A"}, {value_box(Row::foEs), "45"}},
                   "L1",
                   "L1"},
        EsTypeCase{"RuleLWithEsTypesTypedStops",
                   {{descriptive_box(Row::foE), "A"}, {value_box(Row::es_types), "C1"}},
                   "C1",
                   "C1"},
        EsTypeCase{"RuleFLettersEG",
                   {{value_box(Row::foEs), "45"},
                    {qualifying_box(Row::foEs), "E"},
                    {descriptive_box(Row::foEs), "G"}},
                   "F1",
                   "F1"},
        EsTypeCase{"RuleFOnlyALetter", {{descriptive_box(Row::foEs), "B"}}, "F1", "F1"},
        EsTypeCase{"RuleCWhenLettersES",
                   {{value_box(Row::foEs), "45"},
                    {qualifying_box(Row::foEs), "E"},
                    {descriptive_box(Row::foEs), "S"}},
                   "C1",
                   "C1"},
        EsTypeCase{"RuleCWithFoE",
                   {{value_box(Row::foE), "300"},
                    {descriptive_box(Row::foE), "R"},
                    {value_box(Row::foEs), "45"}},
                   "C1",
                   "C1"},
        EsTypeCase{"NoneWithFoELettersEG",
                   {{value_box(Row::foE), "300"},
                    {value_box(Row::foEs), "45"},
                    {qualifying_box(Row::foEs), "E"},
                    {descriptive_box(Row::foEs), "G"}},
                   "",
                   ""},
        EsTypeCase{"RuleCNeedsFoEs", {{value_box(Row::foE), "300"}}, "", ""},
        EsTypeCase{"RuleCByFoEDescriptiveEmpty",
                   {{qualifying_box(Row::foE), "U"}, {value_box(Row::foEs), "45"}},
                   "C1",
                   "C1"},
        EsTypeCase{"NoneWhenOnlyFoEDescriptiveSet",
                   {{descriptive_box(Row::foE), "R"}, {value_box(Row::foEs), "45"}},
                   "",
                   ""},
        EsTypeCase{"HighEsIsH1",
                   {{value_box(Row::hEs), "160"}, {value_box(Row::es_types), "C1"}},
                   "C1",
                   "H1"},
        EsTypeCase{"H1OverTheRules",
                   {{value_box(Row::hEs), "200"}, {descriptive_box(Row::foE), "A"}},
                   "L1",
                   "H1"},
        EsTypeCase{"BelowH1TheBoxStays",
                   {{value_box(Row::hEs), "159"}, {value_box(Row::es_types), "C1"}},
                   "C1",
                   "C1"},
        EsTypeCase{"BelowH1TheRulesApply",
                   {{value_box(Row::hEs), "159"}, {descriptive_box(Row::foE), "A"}},
                   "L1",
                   "L1"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace scalvo
