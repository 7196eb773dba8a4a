#include "records/particular_cases.h"

#include "common/shared_state.h"
#include "scaling/sheet_layout.h"
#include "support/fake_dialogs.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::FakeDialogs;
using Texts = std::map<std::string, std::string>;

// Box names of the sheet: value, q and d of a row by key.
std::string value(std::string_view key) {
    return std::string(sheet_row(key).value_box);
}
std::string q(std::string_view key) {
    return std::string(sheet_row(key).qualifying_box);
}
std::string d(std::string_view key) {
    return std::string(sheet_row(key).descriptive_box);
}

class ParticularCaseTest : public ::testing::Test {
  protected:
    void SetUp() override { shared.ionogram_loaded = true; }
    void fill(const Texts& texts) {
        for (const auto& [box, text] : texts)
            form.set_text(box, text);
    }
    // Every box that is not empty.
    Texts sheet() const {
        Texts texts;
        for (const auto& [name, box] : form.boxes)
            if (!box.text.empty())
                texts[name] = box.text;
        return texts;
    }
    void run(std::string_view control) { run_case_command(scaling, control); }
    void expect_refused(std::string_view control) {
        const Texts before = sheet();
        const std::string code = form.particular_case_code;
        const std::string label = form.label11;
        const std::string selected = form.selected_characteristic;
        dialogs.clear();
        run(control);
        ASSERT_EQ(dialogs.shown.size(), 1u) << control;
        EXPECT_EQ(dialogs.last().text,
                  "There aren't the right conditions to apply this particular case");
        EXPECT_EQ(dialogs.last().title, "Be careful!!");
        EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::ok);
        EXPECT_EQ(sheet(), before) << control;
        EXPECT_EQ(form.particular_case_code, code);
        EXPECT_EQ(form.label11, label);
        EXPECT_EQ(form.selected_characteristic, selected);
    }

    SharedState shared;
    FakeDialogs dialogs;
    ScalingForm form;
    Scaling scaling{form, shared, dialogs};
};

TEST_F(ParticularCaseTest, DaytimeEsMissingRoundsFoEToTenths) {
    const struct {
        const char* foE;
        const char* foEs;
    } cases[] = {{"285", "29"}, {"284", "28"}, {"100", "10"}, {"995", "100"}};
    for (const auto& c : cases) {
        form = ScalingForm();
        fill({{value("foE"), c.foE}});
        run("mancanza_es_di_giorno_principale");
        EXPECT_EQ(sheet(), (Texts{{value("foE"), c.foE},
                                  {value("foEs"), c.foEs},
                                  {q("foEs"), "E"},
                                  {d("foEs"), "G"},
                                  {value("fbEs"), c.foEs},
                                  {q("fbEs"), "E"},
                                  {d("fbEs"), "G"},
                                  {d("hEs"), "G"}}))
            << c.foE;
        EXPECT_EQ(form.particular_case_code, "02");
        EXPECT_EQ(form.label11, "Particular Case: Daytime Es missing");
        EXPECT_EQ(form.selected_characteristic, "hF");
        EXPECT_EQ(form.focus, d("hF"));
        EXPECT_TRUE(form.label_red.at("hF"));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ParticularCaseTest, ConditionsThatFailChangeNothing) {
    const struct {
        const char* control;
        Texts sheet;
    } refused[] = {
        {"mancanza_es_di_giorno_principale", {}},
        {"mancanza_es_di_giorno_principale", {{"Text3", "285"}, {"Text7", "C1"}}},
        {"mancanza_es_di_giorno_principale", {{"Text3", "285"}, {"Text4", "30"}}},
        {"mancanza_es_di_notte_principale", {}},
        {"mancanza_es_di_notte_principale", {{"Text1", "15"}, {"Text23", "A"}}},
        {"mancanza_es_di_notte_principale", {{"Text1", "15"}, {"Text2", "105"}}},
        {"mancanza_es_di_notte_principale", {{"Text1", "15"}, {"Text3", "285"}}},
        {"mancanza_es_di_notte_principale", {{"Text1", "15"}, {"Text4", "30"}}},
        {"mancanza_es_di_notte_principale", {{"Text1", "15"}, {"Text5", "105"}}},
        {"mancanza_es_di_notte_principale", {{"Text1", "15"}, {"Text7", "F1"}}},
        {"assorbimento_parziale", {{"Text3", "285"}}},
        // Daytime blanketing: foE (value or d), h'E (value or d), foEs, h'Es, Es types.
        {"giorno_singola_riflessione",
         {{"Text33", "A"}, {"Text4", "45"}, {"Text5", "105"}, {"Text7", "C1"}}},
        {"giorno_singola_riflessione",
         {{"Text34", "A"}, {"Text4", "45"}, {"Text5", "105"}, {"Text7", "C1"}}},
        {"giorno_doppia_riflessione_magfoEs",
         {{"Text3", "285"}, {"Text2", "105"}, {"Text5", "105"}, {"Text7", "C1"}}},
        {"giorno_doppia_riflessione_minfoEs",
         {{"Text3", "285"}, {"Text2", "105"}, {"Text4", "45"}, {"Text5", "105"}, {"Text7", "C1"}}},
        // Nighttime blanketing: foEs, h'Es, Es types, no foE and no h'E value.
        {"notte_singola_riflessione",
         {{"Text3", "285"}, {"Text4", "45"}, {"Text5", "105"}, {"Text7", "C1"}}},
        {"notte_doppia_riflessione_magfoEs", {{"Text4", "45"}, {"Text5", "105"}}},
        {"notte_doppia_riflessione_minfoEs", {{"Text4", "45"}, {"Text5", "105"}, {"Text7", "C1"}}},
    };
    for (const auto& r : refused) {
        form = ScalingForm();
        fill(r.sheet);
        expect_refused(r.control);
    }
}

TEST_F(ParticularCaseTest, NighttimeEsMissingFollowsTheFminLetter) {
    const struct {
        const char* letter;
        Texts filled;
    } cases[] = {
        {"",
         {{q("fmin"), "E"},
          {d("fmin"), "S"},
          {q("foEs"), "E"},
          {d("foEs"), "S"},
          {q("fbEs"), "E"},
          {d("fbEs"), "S"},
          {d("hEs"), "S"}}},
        {"S",
         {{q("fmin"), "E"},
          {d("fmin"), "S"},
          {q("foEs"), "E"},
          {d("foEs"), "S"},
          {q("fbEs"), "E"},
          {d("fbEs"), "S"},
          {d("hEs"), "S"}}},
        {"B",
         {{q("fmin"), "E"},
          {d("fmin"), "B"},
          {q("foEs"), "E"},
          {d("foEs"), "B"},
          {q("fbEs"), "E"},
          {d("fbEs"), "B"},
          {d("hEs"), "B"}}},
        {"E", {{d("fmin"), "E"}, {d("foEs"), "E"}, {d("fbEs"), "E"}, {d("hEs"), "E"}}},
    };
    for (const auto& c : cases) {
        form = ScalingForm();
        fill({{value("fmin"), "15"}, {d("fmin"), c.letter}, {d("foE"), "R"}});
        run("mancanza_es_di_notte_principale");
        Texts expected = c.filled;
        expected[value("fmin")] = "15";
        expected[value("foEs")] = "15";
        expected[value("fbEs")] = "15";
        expected[d("foE")] = "R";
        EXPECT_EQ(sheet(), expected) << c.letter;
        EXPECT_EQ(form.particular_case_code, "01");
        EXPECT_EQ(form.label11, "Particular Case: Nighttime Es missing");
        EXPECT_EQ(form.selected_characteristic, "hF");
    }
}

TEST_F(ParticularCaseTest, BlanketingMarksTheRowsAboveTheEs) {
    const Texts day{{value("foE"), "285"}, {value("hE"), "105"}, {value("foEs"), "45"},
                    {value("hEs"), "110"}, {"Text7", "C1"},      {value("fbEs"), "40"}};
    const Texts day_letters_only{{d("foE"), "A"},       {d("hE"), "A"},  {value("foEs"), "45"},
                                 {value("hEs"), "110"}, {"Text7", "F1"}, {value("fbEs"), "40"}};
    const Texts night{
        {value("foEs"), "45"}, {value("hEs"), "110"}, {"Text7", "F1"}, {value("fbEs"), "40"}};
    const struct {
        const char* control;
        const Texts& sheet;
        const char* code;
        const char* caption;
        const char* fbEs_value; // after the command
        const char* fbEs_q;
    } cases[] = {
        {"giorno_singola_riflessione", day, "3a",
         "Particular Case: Daily Es blanketing - single reflection", "40", ""},
        {"giorno_singola_riflessione", day_letters_only, "3a",
         "Particular Case: Daily Es blanketing - single reflection", "40", ""},
        {"giorno_doppia_riflessione_magfoEs", day, "3b",
         "Particular Case: Daily Es blanketing - more reflections - second reflection >= foEs",
         "45", "A"},
        {"giorno_doppia_riflessione_minfoEs", day, "3c",
         "Particular Case: Daily Es blanketing - more reflections - second reflection < foEs", "40",
         "A"},
        {"notte_singola_riflessione", night, "4a",
         "Particular Case: Nocturnal Es blanketing - single reflection", "40", ""},
        {"notte_doppia_riflessione_magfoEs", night, "4b",
         "Particular Case: Nocturnal Es blanketing - more reflections - second reflection >= foEs",
         "45", "A"},
        {"notte_doppia_riflessione_minfoEs", night, "4c",
         "Particular Case: Nocturnal Es blanketing - more reflections - second reflection < foEs",
         "40", "A"},
    };
    for (const auto& c : cases) {
        form = ScalingForm();
        form.selected_characteristic = "foEs";
        fill(c.sheet);
        run(c.control);
        Texts expected = c.sheet;
        expected[value("fbEs")] = c.fbEs_value;
        if (*c.fbEs_q)
            expected[q("fbEs")] = c.fbEs_q;
        for (const char* key : {"fbEs", "hF", "foF2", "fxI", "M3000F2", "MUF3000F2"})
            expected[d(key)] = "A";
        EXPECT_EQ(sheet(), expected) << c.control;
        EXPECT_EQ(form.particular_case_code, c.code);
        EXPECT_EQ(form.label11, c.caption);
        EXPECT_EQ(form.selected_characteristic, "foEs"); // the selection stays
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ParticularCaseTest, PartialAbsorptionAndItsDeletion) {
    fill({{value("fmin"), "20"}, {"Text7", "C1"}, {value("foF2"), "72"}, {d("foE"), "R"}});
    run("assorbimento_parziale");
    EXPECT_EQ(sheet(), (Texts{{value("fmin"), "20"},
                              {value("foF2"), "72"},
                              {d("hE"), "B"},
                              {d("foE"), "B"},
                              {value("foEs"), "20"},
                              {q("foEs"), "E"},
                              {d("foEs"), "B"},
                              {d("hEs"), "B"},
                              {value("fbEs"), "20"},
                              {q("fbEs"), "E"},
                              {d("fbEs"), "B"}}));
    EXPECT_EQ(form.particular_case_code, "05");
    EXPECT_EQ(form.label11, "Particular Case: Partial absorption");
    EXPECT_EQ(form.selected_characteristic, "hF");

    run("annulla_caso_particolare");
    // The Es types are not restored.
    EXPECT_EQ(sheet(), (Texts{{value("fmin"), "20"}, {value("foF2"), "72"}}));
    EXPECT_EQ(form.particular_case_code, "xx");
    EXPECT_EQ(form.label11, "");
}

TEST_F(ParticularCaseTest, NoIonogramLeavesOnlyTheNineCLetters) {
    for (auto& [name, box] : form.boxes)
        if (box.visible)
            box.text = name == "Text7" ? "C1H2" : "Z";
    for (const SheetRow& row : sheet_rows)
        form.set_text(row.previous_box, "285UA");
    form.label11 = "Particular Case: Partial absorption";
    run("no_ionogramma");
    Texts expected;
    for (const char* key :
         {"fmin", "foEs", "hEs", "hF", "foF2", "fbEs", "fxI", "M3000F2", "MUF3000F2"})
        expected[d(key)] = "C";
    for (const SheetRow& row : sheet_rows)
        expected[std::string(row.previous_box)] = "285UA"; // not part of the sheet
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(form.particular_case_code, "06");
    EXPECT_EQ(form.label11, "Particular Case: Partial absorption");

    run("annulla_caso_particolare");
    for (const SheetRow& row : sheet_rows)
        expected.erase(std::string(row.descriptive_box));
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(form.particular_case_code, "xx");
    EXPECT_EQ(form.label11, "");
}

TEST_F(ParticularCaseTest, DeleteTakesBackOnlyTheLastCase) {
    const Texts day{{value("foE"), "285"},
                    {value("hE"), "105"},
                    {value("foEs"), "45"},
                    {value("hEs"), "110"},
                    {"Text7", "C1"}};
    fill(day);
    run("giorno_singola_riflessione");
    // The operator empties foEs and the Es types, then applies the daytime Es missing over it.
    fill({{value("foEs"), ""}, {"Text7", ""}});
    run("mancanza_es_di_giorno_principale");
    EXPECT_EQ(form.particular_case_code, "02");
    EXPECT_EQ(form.label11, "Particular Case: Daytime Es missing");
    for (const char* key : {"hF", "foF2", "fxI", "M3000F2", "MUF3000F2"})
        EXPECT_EQ(form.text(d(key)), "A") << key;
    EXPECT_EQ(form.text(d("fbEs")), "G");

    run("annulla_caso_particolare");
    Texts expected{{value("foE"), "285"}, {value("hE"), "105"}, {value("hEs"), "110"},
                   {d("hF"), "A"},        {d("foF2"), "A"},     {d("fxI"), "A"},
                   {d("M3000F2"), "A"},   {d("MUF3000F2"), "A"}};
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(form.particular_case_code, "xx");

    // Nothing to delete any more.
    form.label11 = "kept";
    run("annulla_caso_particolare");
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(form.label11, "kept");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ParticularCaseTest, DeleteEmptiesWhatEachCodeFilled) {
    Texts full;
    for (const auto& [name, box] : form.boxes)
        if (box.visible)
            full[name] = name == "Text7" ? "C1" : "Z";
    const auto emptied = [](std::initializer_list<std::string> boxes) {
        return std::vector<std::string>(boxes);
    };
    const std::vector<std::string> blanketed{d("fbEs"), d("hF"),      d("foF2"),
                                             d("fxI"),  d("M3000F2"), d("MUF3000F2")};
    const struct {
        const char* code;
        std::vector<std::string> boxes;
    } cases[] = {
        {"01", emptied({q("fmin"), d("fmin"), value("foEs"), q("foEs"), d("foEs"), value("fbEs"),
                        q("fbEs"), d("fbEs"), d("hEs")})},
        {"02", emptied({value("foEs"), q("foEs"), d("foEs"), value("fbEs"), q("fbEs"), d("fbEs"),
                        d("hEs")})},
        {"3a", blanketed},
        {"4a", blanketed},
        {"05", emptied({d("hE"), d("foE"), value("foEs"), q("foEs"), d("foEs"), d("hEs"),
                        value("fbEs"), q("fbEs"), d("fbEs")})},
        {"06", emptied({d("fmin"), d("foEs"), d("hEs"), d("hF"), d("foF2"), d("fbEs"), d("fxI"),
                        d("M3000F2"), d("MUF3000F2")})},
        {"  ", {}}, // a code read from a file that is no case
    };
    for (const char* code : {"3b", "3c", "4b", "4c"}) {
        form = ScalingForm();
        fill(full);
        form.particular_case_code = code;
        run("annulla_caso_particolare");
        Texts expected = full;
        for (const std::string& box : blanketed)
            expected.erase(box);
        expected.erase(value("fbEs"));
        expected.erase(q("fbEs"));
        EXPECT_EQ(sheet(), expected) << code;
    }
    for (const auto& c : cases) {
        form = ScalingForm();
        fill(full);
        form.particular_case_code = c.code;
        form.label11 = "caption";
        run("annulla_caso_particolare");
        Texts expected = full;
        for (const std::string& box : c.boxes)
            expected.erase(box);
        EXPECT_EQ(sheet(), expected) << c.code;
        EXPECT_EQ(form.particular_case_code, "xx");
        EXPECT_EQ(form.label11, "");
    }
}

TEST_F(ParticularCaseTest, SubmenusAndOtherNamesAreNoCommands) {
    fill({{value("fmin"), "15"}, {value("foE"), "285"}});
    for (const char* control : {"es_occultante_di_giorno", "es_occultante_di_notte",
                                "giorno_doppia_riflessione", "notte_doppia_riflessione", ""}) {
        run(control);
        EXPECT_EQ(form.particular_case_code, "xx") << control;
    }
    EXPECT_EQ(sheet().size(), 2u);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ParticularCaseTest, CommandsWorkWithTheirMenuDisabled) {
    // The keys F5 to F9 run them whatever the menu shows.
    for (auto& [entry, enabled] : form.menu_enabled)
        enabled = false;
    fill({{value("foE"), "285"}});
    run("mancanza_es_di_giorno_principale");
    EXPECT_EQ(form.particular_case_code, "02");
}

TEST(CaseCaptions, CodesThatAreNoCaseHaveNoCommandCaption) {
    for (const char* code : {"06", "  ", "3A", ""})
        EXPECT_EQ(case_command_caption(code), std::nullopt) << code;
}

TEST_F(ParticularCaseTest, RightButtonCaseFollowsFoE) {
    const struct {
        const char* value;
        const char* qualifying;
        const char* descriptive;
        const char* expected;
    } cases[] = {
        {"300", "", "", "mancanza_es_di_giorno_principale"},
        {"", "", "A", "mancanza_es_di_giorno_principale"},
        {"", "", "", "mancanza_es_di_notte_principale"},
        {"", "E", "", "mancanza_es_di_notte_principale"},
    };
    for (const auto& c : cases) {
        form.set_text("Text3", c.value);
        form.set_text("Text19", c.qualifying);
        form.set_text("Text34", c.descriptive);
        EXPECT_EQ(es_missing_case(form), c.expected) << c.value << c.qualifying << c.descriptive;
    }
}

} // namespace
} // namespace scalvo
