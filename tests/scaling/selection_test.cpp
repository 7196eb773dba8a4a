#include "scaling/selection.h"

#include "common/shared_state.h"
#include "scaling/sheet_layout.h"
#include "support/fake_dialogs.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::FakeDialogs;

class SelectionTest : public ::testing::Test {
  protected:
    void select(std::string_view key) { select_characteristic(scaling, key); }
    // Boxes open to typing, in sheet order.
    std::vector<std::string> unlocked() const {
        std::vector<std::string> names;
        for (const SheetRow& row : sheet_rows)
            for (std::string_view box : {row.value_box, row.qualifying_box, row.descriptive_box})
                if (!box.empty() && !form.box(box).locked)
                    names.emplace_back(box);
        return names;
    }
    std::vector<std::string> red_labels() const {
        std::vector<std::string> keys;
        for (const auto& [key, red] : form.label_red)
            if (red)
                keys.push_back(key);
        return keys;
    }
    void fill(std::initializer_list<std::pair<const char*, const char*>> texts) {
        for (const auto& [box, text] : texts)
            form.set_text(box, text);
    }

    SharedState shared;
    FakeDialogs dialogs;
    ScalingForm form;
    Scaling scaling{form, shared, dialogs};
};

TEST_F(SelectionTest, EverySelectionMarksItsRowAndOpensOnlyItsLetters) {
    const struct {
        const char* key;
        std::vector<std::string> open; // descriptive letter first: it gets the focus
    } rows[] = {
        {"fmin", {"Text23", "Text17"}},
        {"hE", {"Text33", "Text18"}},
        {"foE", {"Text34", "Text19"}},
        {"foEs", {"Text35", "Text20"}},
        {"hEs", {"Text36", "Text21"}},
        {"tipoEs", {"Text7"}},
        {"fbEs", {"Text37", "Text22"}},
        {"hF", {"Text38", "Text24"}},
        {"foF1", {"lettera_descrittiva_fof1", "lettera_qualificativa_fof1"}},
        {"MUF3000F1", {"lettera_descrittiva_muf3000f1", "lettera_qualificativa_muf3000f1"}},
        {"hF2", {"Text42", "Text28"}},
        {"foF2", {"lettera_descrittiva_fof2", "lettera_qualificativa_fof2"}},
        {"fxI", {"Text44", "Text30"}},
        {"MUF3000F2", {"lettera_descrittiva_muf3000f2", "lettera_qualificativa_muf3000f2"}},
    };
    for (const bool loaded : {false, true}) {
        shared.ionogram_loaded = loaded;
        for (const auto& row : rows) {
            select(row.key);
            EXPECT_EQ(form.selected_characteristic, row.key);
            EXPECT_EQ(red_labels(), std::vector<std::string>{row.key});
            std::vector<std::string> open = unlocked();
            std::sort(open.begin(), open.end());
            std::vector<std::string> expected = row.open;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(open, expected) << row.key;
            EXPECT_EQ(form.focus, row.open.front()) << row.key;
        }
    }
}

TEST_F(SelectionTest, MThreeThousandRowsAndUnknownNamesAreNotSelected) {
    select("foEs");
    const std::string focus = form.focus;
    for (const char* key : {"M3000F1", "M3000F2", "", "successivo", "Text13"}) {
        select(key);
        EXPECT_EQ(form.selected_characteristic, "foEs") << key;
        EXPECT_EQ(red_labels(), std::vector<std::string>{"foEs"});
        EXPECT_EQ(form.focus, focus);
    }
}

TEST_F(SelectionTest, TheFocusLeftBehindGetsItsLostFocusHandling) {
    select("foF2");
    form.focus_lost.clear();
    select("MUF3000F2");
    EXPECT_EQ(form.focus_lost, std::vector<std::string>{"lettera_descrittiva_fof2"});
    select("MUF3000F2");
    EXPECT_EQ(form.focus_lost.size(), 1u);
}

TEST_F(SelectionTest, ThePlotIsRedrawnAndTheMufRowsDrawOnlyWithAnIonogram) {
    for (const bool loaded : {false, true}) {
        shared.ionogram_loaded = loaded;
        for (const char* key : {"fmin", "foF2", "foF2", "tipoEs"}) {
            const auto before = form.plot.revision();
            select(key);
            EXPECT_GT(form.plot.revision(), before) << key;
        }
        // The MUF rows leave the drawing to their tool, which needs an ionogram.
        for (const char* key : {"MUF3000F1", "MUF3000F2"}) {
            const auto before = form.plot.revision();
            select(key);
            EXPECT_EQ(form.plot.revision() > before, loaded) << key;
        }
    }
}

TEST_F(SelectionTest, EsStepButtonsFollowEsTypesOnlyWithAnIonogram) {
    shared.ionogram_loaded = true;
    select("tipoEs");
    EXPECT_TRUE(form.esup_visible && form.esdown_visible);
    select("hF");
    EXPECT_FALSE(form.esup_visible || form.esdown_visible);
    select("tipoEs");
    select_foF2_without_redraw(scaling);
    EXPECT_FALSE(form.esup_visible || form.esdown_visible);

    shared.ionogram_loaded = false;
    select("tipoEs");
    EXPECT_FALSE(form.esup_visible || form.esdown_visible);
    form.esup_visible = form.esdown_visible = true;
    select("hF");
    select_foF2_without_redraw(scaling);
    EXPECT_TRUE(form.esup_visible && form.esdown_visible);
}

TEST_F(SelectionTest, FoF2AfterALoadOrMoveIsSelectedWithoutRedrawing) {
    shared.ionogram_loaded = true;
    select("tipoEs");
    const auto before = form.plot.revision();
    select_foF2_without_redraw(scaling);
    EXPECT_EQ(form.plot.revision(), before);
    EXPECT_EQ(form.selected_characteristic, "foF2");
    EXPECT_EQ(red_labels(), std::vector<std::string>{"foF2"});
    EXPECT_EQ(unlocked(),
              (std::vector<std::string>{"lettera_qualificativa_fof2", "lettera_descrittiva_fof2"}));
    EXPECT_EQ(form.focus, "lettera_descrittiva_fof2");
}

TEST_F(SelectionTest, FoEsTellsDayFromNightByTheELayerBoxes) {
    for (const char* box : {"Text2", "Text3", "Text18", "Text33", "Text19", "Text34"}) {
        ScalingForm fresh;
        Scaling s{fresh, shared, dialogs};
        fresh.set_text(box, "E");
        fresh.set_text("Text1", "15"); // other rows do not count
        select_characteristic(s, "foEs");
        EXPECT_EQ(fresh.day_night, "d") << box;
        fresh.set_text(box, "");
        select_characteristic(s, "foEs");
        EXPECT_EQ(fresh.day_night, "n") << box;
    }
    select("hF");
    EXPECT_EQ(form.day_night, ""); // only foEs sets it
}

struct EsTypeCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> sheet;
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
        select_characteristic(s, es_types_first ? "tipoEs" : "hEs");
        EXPECT_EQ(fresh.text("Text7"),
                  es_types_first ? GetParam().after_tipoEs : GetParam().after_hEs);
    }
}

// Text2 h'E, Text3 foE, Text4 foEs, Text5 h'Es, Text7 Es types; letters: h'E 18/33, foE 19/34,
// foEs 20/35.
INSTANTIATE_TEST_SUITE_P(
    Rules, EsTypeProposal,
    ::testing::Values(
        EsTypeCase{"EmptySheet", {}, "", ""}, EsTypeCase{"RuleL", {{"Text34", "A"}}, "L1", "L1"},
        EsTypeCase{"RuleLNeedsFoEEmpty", {{"Text34", "A"}, {"Text3", "300"}}, "", ""},
        EsTypeCase{"RuleLOverFoEsPresent", {{"Text34", "A"}, {"Text4", "45"}}, "L1", "L1"},
        EsTypeCase{"RuleLWithEsTypesTypedStops", {{"Text34", "A"}, {"Text7", "C1"}}, "C1", "C1"},
        EsTypeCase{
            "RuleFLettersEG", {{"Text4", "45"}, {"Text20", "E"}, {"Text35", "G"}}, "F1", "F1"},
        EsTypeCase{"RuleFOnlyALetter", {{"Text35", "B"}}, "F1", "F1"},
        EsTypeCase{
            "RuleCWhenLettersES", {{"Text4", "45"}, {"Text20", "E"}, {"Text35", "S"}}, "C1", "C1"},
        EsTypeCase{
            "RuleCWithFoE", {{"Text3", "300"}, {"Text34", "R"}, {"Text4", "45"}}, "C1", "C1"},
        EsTypeCase{"NoneWithFoELettersEG",
                   {{"Text3", "300"}, {"Text4", "45"}, {"Text20", "E"}, {"Text35", "G"}},
                   "",
                   ""},
        EsTypeCase{"RuleCNeedsFoEs", {{"Text3", "300"}}, "", ""},
        EsTypeCase{"RuleCByFoEDescriptiveEmpty", {{"Text19", "U"}, {"Text4", "45"}}, "C1", "C1"},
        EsTypeCase{"NoneWhenOnlyFoEDescriptiveSet", {{"Text34", "R"}, {"Text4", "45"}}, "", ""},
        EsTypeCase{"HighEsIsH1", {{"Text5", "160"}, {"Text7", "C1"}}, "C1", "H1"},
        EsTypeCase{"H1OverTheRules", {{"Text5", "200"}, {"Text34", "A"}}, "L1", "H1"},
        EsTypeCase{"BelowH1TheBoxStays", {{"Text5", "159"}, {"Text7", "C1"}}, "C1", "C1"},
        EsTypeCase{"BelowH1TheRulesApply", {{"Text5", "159"}, {"Text34", "A"}}, "L1", "L1"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace scalvo
