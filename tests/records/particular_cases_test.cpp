// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/particular_cases.h"

#include "support/scaling_fixture.h"

namespace scalvo {

std::ostream& operator<<(std::ostream& out, CaseCommand command) {
    return out << "case command " << static_cast<int>(command);
}

namespace {

using Texts = testing::BoxTexts;

// The boxes of a row: value, q and d.
constexpr Box value(Row row) {
    return value_box(row);
}
constexpr Box q(Row row) {
    return qualifying_box(row);
}
constexpr Box d(Row row) {
    return descriptive_box(row);
}

class ParticularCaseTest : public testing::ScalingTest {
  protected:
    void SetUp() override { shared.ionogram_loaded = true; }
    void run(CaseCommand command) { run_case_command(scaling, command); }
    void expect_refused(CaseCommand control) {
        const Texts before = sheet();
        const ParticularCase code = form.particular_case_code;
        const std::string label = form.label11;
        const std::optional<Row> selected = form.selected_characteristic;
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
};

TEST_F(ParticularCaseTest, DaytimeEsMissingRoundsFoEToTenths) {
    const struct {
        const char* foE;
        const char* foEs;
    } cases[] = {{"285", "29"}, {"284", "28"}, {"100", "10"}, {"995", "100"}};
    for (const auto& c : cases) {
        form = ScalingForm();
        fill({{value(Row::foE), c.foE}});
        run(CaseCommand::daytime_es_missing);
        EXPECT_EQ(sheet(), (Texts{{value(Row::foE), c.foE},
                                  {value(Row::foEs), c.foEs},
                                  {q(Row::foEs), "E"},
                                  {d(Row::foEs), "G"},
                                  {value(Row::fbEs), c.foEs},
                                  {q(Row::fbEs), "E"},
                                  {d(Row::fbEs), "G"},
                                  {d(Row::hEs), "G"}}))
            << c.foE;
        EXPECT_EQ(form.particular_case_code, ParticularCase::daytime_es_missing);
        EXPECT_EQ(form.label11, "Particular Case: Daytime Es missing");
        EXPECT_EQ(form.selected_characteristic, Row::hF);
        EXPECT_EQ(form.focus, d(Row::hF));
        EXPECT_TRUE(label_red(form, Row::hF));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ParticularCaseTest, ConditionsThatFailChangeNothing) {
    const struct {
        CaseCommand control;
        Texts sheet;
    } refused[] = {
        {CaseCommand::daytime_es_missing, {}},
        {CaseCommand::daytime_es_missing,
         {{value_box(Row::foE), "285"}, {value_box(Row::es_types), "C1"}}},
        {CaseCommand::daytime_es_missing,
         {{value_box(Row::foE), "285"}, {value_box(Row::foEs), "30"}}},
        {CaseCommand::nighttime_es_missing, {}},
        {CaseCommand::nighttime_es_missing,
         {{value_box(Row::fmin), "15"}, {descriptive_box(Row::fmin), "A"}}},
        {CaseCommand::nighttime_es_missing,
         {{value_box(Row::fmin), "15"}, {value_box(Row::hE), "105"}}},
        {CaseCommand::nighttime_es_missing,
         {{value_box(Row::fmin), "15"}, {value_box(Row::foE), "285"}}},
        {CaseCommand::nighttime_es_missing,
         {{value_box(Row::fmin), "15"}, {value_box(Row::foEs), "30"}}},
        {CaseCommand::nighttime_es_missing,
         {{value_box(Row::fmin), "15"}, {value_box(Row::hEs), "105"}}},
        {CaseCommand::nighttime_es_missing,
         {{value_box(Row::fmin), "15"}, {value_box(Row::es_types), "F1"}}},
        {CaseCommand::partial_absorption, {{value_box(Row::foE), "285"}}},
        // Daytime blanketing: foE (value or d), h'E (value or d), foEs, h'Es, Es types.
        {CaseCommand::daytime_blanketing_single,
         {{descriptive_box(Row::hE), "A"},
          {value_box(Row::foEs), "45"},
          {value_box(Row::hEs), "105"},
          {value_box(Row::es_types), "C1"}}},
        {CaseCommand::daytime_blanketing_single,
         {{descriptive_box(Row::foE), "A"},
          {value_box(Row::foEs), "45"},
          {value_box(Row::hEs), "105"},
          {value_box(Row::es_types), "C1"}}},
        {CaseCommand::daytime_blanketing_above,
         {{value_box(Row::foE), "285"},
          {value_box(Row::hE), "105"},
          {value_box(Row::hEs), "105"},
          {value_box(Row::es_types), "C1"}}},
        {CaseCommand::daytime_blanketing_below,
         {{value_box(Row::foE), "285"},
          {value_box(Row::hE), "105"},
          {value_box(Row::foEs), "45"},
          {value_box(Row::hEs), "105"},
          {value_box(Row::es_types), "C1"}}},
        // Nighttime blanketing: foEs, h'Es, Es types, no foE and no h'E value.
        {CaseCommand::nighttime_blanketing_single,
         {{value_box(Row::foE), "285"},
          {value_box(Row::foEs), "45"},
          {value_box(Row::hEs), "105"},
          {value_box(Row::es_types), "C1"}}},
        {CaseCommand::nighttime_blanketing_above,
         {{value_box(Row::foEs), "45"}, {value_box(Row::hEs), "105"}}},
        {CaseCommand::nighttime_blanketing_below,
         {{value_box(Row::foEs), "45"},
          {value_box(Row::hEs), "105"},
          {value_box(Row::es_types), "C1"}}},
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
         {{q(Row::fmin), "E"},
          {d(Row::fmin), "S"},
          {q(Row::foEs), "E"},
          {d(Row::foEs), "S"},
          {q(Row::fbEs), "E"},
          {d(Row::fbEs), "S"},
          {d(Row::hEs), "S"}}},
        {"S",
         {{q(Row::fmin), "E"},
          {d(Row::fmin), "S"},
          {q(Row::foEs), "E"},
          {d(Row::foEs), "S"},
          {q(Row::fbEs), "E"},
          {d(Row::fbEs), "S"},
          {d(Row::hEs), "S"}}},
        {"B",
         {{q(Row::fmin), "E"},
          {d(Row::fmin), "B"},
          {q(Row::foEs), "E"},
          {d(Row::foEs), "B"},
          {q(Row::fbEs), "E"},
          {d(Row::fbEs), "B"},
          {d(Row::hEs), "B"}}},
        {"E", {{d(Row::fmin), "E"}, {d(Row::foEs), "E"}, {d(Row::fbEs), "E"}, {d(Row::hEs), "E"}}},
    };
    for (const auto& c : cases) {
        form = ScalingForm();
        fill({{value(Row::fmin), "15"}, {d(Row::fmin), c.letter}, {d(Row::foE), "R"}});
        run(CaseCommand::nighttime_es_missing);
        Texts expected = c.filled;
        expected[value(Row::fmin)] = "15";
        expected[value(Row::foEs)] = "15";
        expected[value(Row::fbEs)] = "15";
        expected[d(Row::foE)] = "R";
        EXPECT_EQ(sheet(), expected) << c.letter;
        EXPECT_EQ(form.particular_case_code, ParticularCase::nighttime_es_missing);
        EXPECT_EQ(form.label11, "Particular Case: Nighttime Es missing");
        EXPECT_EQ(form.selected_characteristic, Row::hF);
    }
}

TEST_F(ParticularCaseTest, BlanketingMarksTheRowsAboveTheEs) {
    const Texts day{{value(Row::foE), "285"},         {value(Row::hE), "105"},
                    {value(Row::foEs), "45"},         {value(Row::hEs), "110"},
                    {value_box(Row::es_types), "C1"}, {value(Row::fbEs), "40"}};
    const Texts day_letters_only{{d(Row::foE), "A"},
                                 {d(Row::hE), "A"},
                                 {value(Row::foEs), "45"},
                                 {value(Row::hEs), "110"},
                                 {value_box(Row::es_types), "F1"},
                                 {value(Row::fbEs), "40"}};
    const Texts night{{value(Row::foEs), "45"},
                      {value(Row::hEs), "110"},
                      {value_box(Row::es_types), "F1"},
                      {value(Row::fbEs), "40"}};
    const struct {
        CaseCommand control;
        const Texts& sheet;
        ParticularCase code;
        const char* caption;
        const char* fbEs_value; // after the command
        const char* fbEs_q;
    } cases[] = {
        {CaseCommand::daytime_blanketing_single, day, ParticularCase::daytime_blanketing_single,
         "Particular Case: Daily Es blanketing - single reflection", "40", ""},
        {CaseCommand::daytime_blanketing_single, day_letters_only,
         ParticularCase::daytime_blanketing_single,
         "Particular Case: Daily Es blanketing - single reflection", "40", ""},
        {CaseCommand::daytime_blanketing_above, day, ParticularCase::daytime_blanketing_above,
         "Particular Case: Daily Es blanketing - more reflections - second reflection >= foEs",
         "45", "A"},
        {CaseCommand::daytime_blanketing_below, day, ParticularCase::daytime_blanketing_below,
         "Particular Case: Daily Es blanketing - more reflections - second reflection < foEs", "40",
         "A"},
        {CaseCommand::nighttime_blanketing_single, night,
         ParticularCase::nighttime_blanketing_single,
         "Particular Case: Nocturnal Es blanketing - single reflection", "40", ""},
        {CaseCommand::nighttime_blanketing_above, night, ParticularCase::nighttime_blanketing_above,
         "Particular Case: Nocturnal Es blanketing - more reflections - second reflection >= foEs",
         "45", "A"},
        {CaseCommand::nighttime_blanketing_below, night, ParticularCase::nighttime_blanketing_below,
         "Particular Case: Nocturnal Es blanketing - more reflections - second reflection < foEs",
         "40", "A"},
    };
    for (const auto& c : cases) {
        form = ScalingForm();
        form.selected_characteristic = Row::foEs;
        fill(c.sheet);
        run(c.control);
        Texts expected = c.sheet;
        expected[value(Row::fbEs)] = c.fbEs_value;
        if (*c.fbEs_q)
            expected[q(Row::fbEs)] = c.fbEs_q;
        for (const Row key :
             {Row::fbEs, Row::hF, Row::foF2, Row::fxI, Row::M3000F2, Row::MUF3000F2})
            expected[d(key)] = "A";
        EXPECT_EQ(sheet(), expected) << c.control;
        EXPECT_EQ(form.particular_case_code, c.code);
        EXPECT_EQ(form.label11, c.caption);
        EXPECT_EQ(form.selected_characteristic, Row::foEs); // the selection stays
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ParticularCaseTest, PartialAbsorptionAndItsDeletion) {
    fill({{value(Row::fmin), "20"},
          {value_box(Row::es_types), "C1"},
          {value(Row::foF2), "72"},
          {d(Row::foE), "R"}});
    run(CaseCommand::partial_absorption);
    EXPECT_EQ(sheet(), (Texts{{value(Row::fmin), "20"},
                              {value(Row::foF2), "72"},
                              {d(Row::hE), "B"},
                              {d(Row::foE), "B"},
                              {value(Row::foEs), "20"},
                              {q(Row::foEs), "E"},
                              {d(Row::foEs), "B"},
                              {d(Row::hEs), "B"},
                              {value(Row::fbEs), "20"},
                              {q(Row::fbEs), "E"},
                              {d(Row::fbEs), "B"}}));
    EXPECT_EQ(form.particular_case_code, ParticularCase::partial_absorption);
    EXPECT_EQ(form.label11, "Particular Case: Partial absorption");
    EXPECT_EQ(form.selected_characteristic, Row::hF);

    run(CaseCommand::delete_case);
    // The Es types are not restored.
    EXPECT_EQ(sheet(), (Texts{{value(Row::fmin), "20"}, {value(Row::foF2), "72"}}));
    EXPECT_EQ(form.particular_case_code, ParticularCase::none);
    EXPECT_EQ(form.label11, "");
}

TEST_F(ParticularCaseTest, NoIonogramLeavesOnlyTheNineCLetters) {
    for (const Box box : sheet_boxes)
        if (visible(box))
            form.set_text(box, box == value_box(Row::es_types) ? "C1H2" : "Z");
    for (const Row row : all_rows)
        form.set_text(previous_box(row), "285UA");
    form.label11 = "Particular Case: Partial absorption";
    run(CaseCommand::no_ionogram);
    Texts expected;
    for (const Row key : {Row::fmin, Row::foEs, Row::hEs, Row::hF, Row::foF2, Row::fbEs, Row::fxI,
                          Row::M3000F2, Row::MUF3000F2})
        expected[d(key)] = "C";
    for (const Row row : all_rows)
        expected[previous_box(row)] = "285UA"; // not part of the sheet
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(form.particular_case_code, ParticularCase::no_ionogram);
    EXPECT_EQ(form.label11, "Particular Case: Partial absorption");

    run(CaseCommand::delete_case);
    for (const Row row : all_rows)
        if (row != Row::es_types)
            expected.erase(descriptive_box(row));
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(form.particular_case_code, ParticularCase::none);
    EXPECT_EQ(form.label11, "");
}

TEST_F(ParticularCaseTest, DeleteTakesBackOnlyTheLastCase) {
    const Texts day{{value(Row::foE), "285"},
                    {value(Row::hE), "105"},
                    {value(Row::foEs), "45"},
                    {value(Row::hEs), "110"},
                    {value_box(Row::es_types), "C1"}};
    fill(day);
    run(CaseCommand::daytime_blanketing_single);
    // The operator empties foEs and the Es types, then applies the daytime Es missing over it.
    fill({{value(Row::foEs), ""}, {value_box(Row::es_types), ""}});
    run(CaseCommand::daytime_es_missing);
    EXPECT_EQ(form.particular_case_code, ParticularCase::daytime_es_missing);
    EXPECT_EQ(form.label11, "Particular Case: Daytime Es missing");
    for (const Row key : {Row::hF, Row::foF2, Row::fxI, Row::M3000F2, Row::MUF3000F2})
        EXPECT_EQ(form.text(d(key)), "A") << key;
    EXPECT_EQ(form.text(d(Row::fbEs)), "G");

    run(CaseCommand::delete_case);
    Texts expected{{value(Row::foE), "285"}, {value(Row::hE), "105"}, {value(Row::hEs), "110"},
                   {d(Row::hF), "A"},        {d(Row::foF2), "A"},     {d(Row::fxI), "A"},
                   {d(Row::M3000F2), "A"},   {d(Row::MUF3000F2), "A"}};
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(form.particular_case_code, ParticularCase::none);

    // Nothing to delete any more.
    form.label11 = "kept";
    run(CaseCommand::delete_case);
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(form.label11, "kept");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ParticularCaseTest, DeleteEmptiesWhatEachCodeFilled) {
    Texts full;
    for (const Box box : sheet_boxes)
        if (visible(box))
            full[box] = box == value_box(Row::es_types) ? "C1" : "Z";
    const auto emptied = [](std::initializer_list<Box> boxes) { return std::vector<Box>(boxes); };
    const std::vector<Box> blanketed{d(Row::fbEs), d(Row::hF),      d(Row::foF2),
                                     d(Row::fxI),  d(Row::M3000F2), d(Row::MUF3000F2)};
    const struct {
        ParticularCase code;
        std::vector<Box> boxes;
    } cases[] = {
        {ParticularCase::nighttime_es_missing,
         emptied({q(Row::fmin), d(Row::fmin), value(Row::foEs), q(Row::foEs), d(Row::foEs),
                  value(Row::fbEs), q(Row::fbEs), d(Row::fbEs), d(Row::hEs)})},
        {ParticularCase::daytime_es_missing,
         emptied({value(Row::foEs), q(Row::foEs), d(Row::foEs), value(Row::fbEs), q(Row::fbEs),
                  d(Row::fbEs), d(Row::hEs)})},
        {ParticularCase::daytime_blanketing_single, blanketed},
        {ParticularCase::nighttime_blanketing_single, blanketed},
        {ParticularCase::partial_absorption,
         emptied({d(Row::hE), d(Row::foE), value(Row::foEs), q(Row::foEs), d(Row::foEs),
                  d(Row::hEs), value(Row::fbEs), q(Row::fbEs), d(Row::fbEs)})},
        {ParticularCase::no_ionogram,
         emptied({d(Row::fmin), d(Row::foEs), d(Row::hEs), d(Row::hF), d(Row::foF2), d(Row::fbEs),
                  d(Row::fxI), d(Row::M3000F2), d(Row::MUF3000F2)})},
        {ParticularCase::unknown, {}}, // a code read from a file that is no case
    };
    for (const ParticularCase code :
         {ParticularCase::daytime_blanketing_above, ParticularCase::daytime_blanketing_below,
          ParticularCase::nighttime_blanketing_above, ParticularCase::nighttime_blanketing_below}) {
        form = ScalingForm();
        fill(full);
        form.particular_case_code = code;
        run(CaseCommand::delete_case);
        Texts expected = full;
        for (const Box box : blanketed)
            expected.erase(box);
        expected.erase(value(Row::fbEs));
        expected.erase(q(Row::fbEs));
        EXPECT_EQ(sheet(), expected) << static_cast<int>(code);
    }
    for (const auto& c : cases) {
        form = ScalingForm();
        fill(full);
        form.particular_case_code = c.code;
        form.label11 = "caption";
        run(CaseCommand::delete_case);
        Texts expected = full;
        for (const Box box : c.boxes)
            expected.erase(box);
        EXPECT_EQ(sheet(), expected) << static_cast<int>(c.code);
        EXPECT_EQ(form.particular_case_code, ParticularCase::none);
        EXPECT_EQ(form.label11, "");
    }
}

TEST_F(ParticularCaseTest, CommandsWorkWithTheirMenuDisabled) {
    // The keys F5 to F9 run them whatever the menu shows.
    shared.ionogram_loaded = false;
    ASSERT_FALSE(case_command_enabled(shared.ionogram_loaded, CaseCommand::daytime_es_missing));
    fill({{value(Row::foE), "285"}});
    run(CaseCommand::daytime_es_missing);
    EXPECT_EQ(form.particular_case_code, ParticularCase::daytime_es_missing);
}

TEST(CaseCaptions, CodesThatAreNoCaseHaveNoCommandCaption) {
    for (const char* code : {"06", "  ", "3A", ""})
        EXPECT_EQ(case_command_caption(case_of_code(code)), std::nullopt) << code;
}

TEST(CaseMenu, WithoutAnIonogramOnlyNoIonogramIsEnabled) {
    for (std::size_t k = 0; k < case_command_count; ++k) {
        const auto command = static_cast<CaseCommand>(k);
        EXPECT_TRUE(case_command_enabled(true, command)) << command;
        EXPECT_EQ(case_command_enabled(false, command), command == CaseCommand::no_ionogram)
            << command;
    }
}

TEST_F(ParticularCaseTest, RightButtonCaseFollowsFoE) {
    const struct {
        const char* value;
        const char* qualifying;
        const char* descriptive;
        CaseCommand expected;
    } cases[] = {
        {"300", "", "", CaseCommand::daytime_es_missing},
        {"", "", "A", CaseCommand::daytime_es_missing},
        {"", "", "", CaseCommand::nighttime_es_missing},
        {"", "E", "", CaseCommand::nighttime_es_missing},
    };
    for (const auto& c : cases) {
        form.set_text(value_box(Row::foE), c.value);
        form.set_text(qualifying_box(Row::foE), c.qualifying);
        form.set_text(descriptive_box(Row::foE), c.descriptive);
        EXPECT_EQ(es_missing_case(form), c.expected) << c.value << c.qualifying << c.descriptive;
    }
}

} // namespace
} // namespace scalvo
