// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/letter_meanings.h"

#include <gtest/gtest.h>

#include <string>

namespace scalvo {
namespace {

std::string letters_of(std::span<const LetterMeaning> meanings) {
    std::string letters;
    for (const LetterMeaning& meaning : meanings) {
        EXPECT_FALSE(meaning.meaning.empty()) << meaning.letter;
        letters += meaning.letter;
    }
    return letters;
}

TEST(LetterMeanings, TheTableHoldsTheTwoAlphabetsOnceEachInOrder) {
    EXPECT_EQ(letters_of(qualifying_letter_meanings()), "ADEIJMOTUZ");
    EXPECT_EQ(letters_of(descriptive_letter_meanings()), "ABCDEFGHKLMNOPQRSTVWXYZ");
}

TEST(LetterMeanings, TheWordsOfTheInternationalRules) {
    auto meaning_of = [](std::span<const LetterMeaning> meanings, char letter) {
        for (const LetterMeaning& meaning : meanings)
            if (meaning.letter == letter)
                return std::string(meaning.meaning);
        return std::string();
    };
    const struct {
        bool qualifying;
        char letter;
        const char* meaning;
    } cases[] = {
        {true, 'D', "greater than"},
        {true, 'E', "less than"},
        {true, 'U', "uncertain or doubtful value"},
        {false, 'S', "interference or atmospherics"},
        {false, 'G', "ionisation too weak to measure"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            meaning_of(c.qualifying ? qualifying_letter_meanings() : descriptive_letter_meanings(),
                       c.letter),
            c.meaning)
            << c.letter;
}

TEST(LetterMeanings, EveryCharacteristicIsNamedInFull) {
    EXPECT_EQ(characteristic_in_full(Row::foF2),
              "foF2: ordinary-wave critical frequency of the F2 layer");
    for (const Row row : all_rows) {
        const std::string name = characteristic_in_full(row);
        EXPECT_EQ(name.rfind(std::string(caption(row)) + ": ", 0), 0u) << name;
        EXPECT_GT(name.size(), caption(row).size() + 10) << name;
    }
}

TEST(LetterMeanings, TooltipsOfTheBoxes) {
    const std::string qualifying = letter_box_tooltip(qualifying_box(Row::foF2));
    EXPECT_EQ(qualifying.rfind(characteristic_in_full(Row::foF2) + "\n", 0), 0u);
    EXPECT_NE(qualifying.find("\nD: greater than"), std::string::npos);
    EXPECT_EQ(qualifying.find("\nS: "), std::string::npos);
    const std::string descriptive = letter_box_tooltip(descriptive_box(Row::hF));
    EXPECT_NE(descriptive.find("\nS: interference or atmospherics"), std::string::npos);
    EXPECT_EQ(descriptive.find("\nU: "), std::string::npos);

    const std::string m3000 = letter_box_tooltip(descriptive_box(Row::M3000F1));
    EXPECT_NE(m3000.find("foF1 and MUF(3000)F1"), std::string::npos) << m3000;
    EXPECT_EQ(m3000.find(": greater"), std::string::npos) << m3000;
    EXPECT_NE(letter_box_tooltip(qualifying_box(Row::M3000F2)).find("foF2 and MUF(3000)F2"),
              std::string::npos);

    EXPECT_EQ(letter_box_tooltip(value_box(Row::foF2)), "");
    EXPECT_EQ(letter_box_tooltip(previous_box(Row::foF2)), "");
    EXPECT_EQ(letter_box_tooltip(value_box(Row::es_types)), "");
}

} // namespace
} // namespace scalvo
