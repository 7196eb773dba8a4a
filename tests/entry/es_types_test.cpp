// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/es_types.h"

#include "common/text_box.h"
#include "support/scaling_fixture.h"

#include <string>

namespace scalvo {
namespace {

using testing::ScalingTest;

TEST(EsTypesKeyPress, DecidesByTheLengthOfTheContent) {
    const struct {
        const char* content;
        int code;
        int expected;
    } cases[] = {
        {"", 'f', 'F'},  {"", 'F', 'F'},      {"", 's', 'S'},      {"", 'b', 0},
        {"", 'x', 0},    {"", '1', 0},        {"", ' ', 0},        {"", 8, 8},
        {"F", '2', '2'}, {"F", '9', '9'},     {"F", '0', 0},       {"F", 'a', 0},
        {"F", 8, 8},     {"F2", 'l', 'L'},    {"F2", '1', 0},      {"F2L", '1', '1'},
        {"F2L", 'c', 0}, {"F2L1", 'a', 0},    {"F2L1", '1', 0},    {"F2L1", 8, 8},
        {"F2L1", 13, 0}, {"F2L1x", 'x', 'x'}, {"F2L1x", '0', '0'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(es_types_key_press(c.content, c.code), c.expected)
            << '"' << c.content << "\" " << c.code;
}

TEST(EsTypesKeyPress, TakesExactlyTheTenTypeLetters) {
    std::string accepted;
    for (int code = 'A'; code <= 'Z'; ++code) {
        if (es_types_key_press("", code) == code)
            accepted += static_cast<char>(code);
        EXPECT_EQ(es_types_key_press("C1", code + 32), es_types_key_press("C1", code));
    }
    EXPECT_EQ(accepted, "ACDFHKLQRS");
}

TEST(EsTypesKeyPress, RefusesEveryCodeOutsideTheAsciiLetters) {
    for (const char* content : {"", "C", "C1", "C1H", "C1H1"})
        for (int code : {-1, 0, 127, 128, 163, 200, 225, 233, 255, 256, 'a' + 256, 'C' + 256})
            EXPECT_EQ(es_types_key_press(content, code), 0) << content << ' ' << code;
}

TEST(EsTypesKeyDown, DiscardsTheCaretAndForwardDeleteKeys) {
    for (int key : {37, 38, 39, 40, 46})
        EXPECT_EQ(es_types_key_down(key), 0) << key;
    for (int key : {8, 9, 13, 35, 36, 65, 112})
        EXPECT_EQ(es_types_key_down(key), key) << key;
}

class EsTypesBoxTest : public ScalingTest {
  protected:
    // Keys typed into the Es types box through its filter, the caret at the end.
    void type(const std::string& keys) {
        for (char key : keys)
            if (const int code = es_types_key_press(es_types(), static_cast<unsigned char>(key)))
                type_character(es_types(), max_length(value_box(Row::es_types)), false, code);
    }
    std::string& es_types() { return form.text(value_box(Row::es_types)); }
};

TEST_F(EsTypesBoxTest, TypingBuildsTwoEntriesAndNothingMore) {
    type("0xf0x2");
    EXPECT_EQ(es_types(), "F2");
    type("l1h");
    EXPECT_EQ(es_types(), "F2L1");
    type("\b");
    EXPECT_EQ(es_types(), "F2L");
    type("9");
    EXPECT_EQ(es_types(), "F2L9");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EsTypesBoxTest, StepUpAndDownWalkTheReflectionsOfOneEntry) {
    const struct {
        const char* content;
        const char* up;
        const char* down;
    } cases[] = {
        {"C1", "C2", "C1"}, {"C2", "C3", "C1"}, {"F3", "F4", "F2"},
        {"L4", "L5", "L3"}, {"H5", "H5", "H4"}, {"H2", "H3", "H1"},
    };
    for (const auto& c : cases) {
        es_types() = c.content;
        esup_click(scaling);
        EXPECT_EQ(es_types(), c.up) << c.content;
        es_types() = c.content;
        esdown_click(scaling);
        EXPECT_EQ(es_types(), c.down) << c.content;
    }
}

TEST_F(EsTypesBoxTest, StepLimitsAreReported) {
    const struct {
        const char* content;
        bool up;
        const char* text;
        const char* title;
    } cases[] = {
        {"C5", true, "A sixth multiple reflection is not considered by the software!!",
         "Es multiple refelctions!!"},
        {"H5", true, "A sixth multiple reflection is not considered by the software!!",
         "Es multiple refelctions!!"},
        {"C1", false, "You cannot go below C1!!", "Es multiple reflections!!"},
        {"F1", false, "You cannot go below F1!!", "Es multiple reflections!!"},
        {"L1", false, "You cannot go below L1!!", "Es multiple reflections!!"},
        {"H1", false, "You cannot go below H1!!", "Es multiple reflections!!"},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        es_types() = c.content;
        c.up ? esup_click(scaling) : esdown_click(scaling);
        EXPECT_EQ(es_types(), c.content);
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.content;
        EXPECT_EQ(dialogs.last().text, c.text);
        EXPECT_EQ(dialogs.last().title, c.title);
        EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::ok);
    }
}

TEST_F(EsTypesBoxTest, OtherContentIsNotStepped) {
    for (const char* content :
         {"", "C", "C1H2", "F2L1", "S1", "A3", "K2", "C6", "F9", "C0", "c1", " C1", "1C"}) {
        for (bool up : {true, false}) {
            es_types() = content;
            up ? esup_click(scaling) : esdown_click(scaling);
            EXPECT_EQ(es_types(), content);
        }
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EsTypesBoxTest, StepsWorkWhateverRowIsSelected) {
    select(Row::foF2);
    es_types() = "L2";
    esup_click(scaling);
    EXPECT_EQ(es_types(), "L3");
    esdown_click(scaling);
    esdown_click(scaling);
    EXPECT_EQ(es_types(), "L1");
}

TEST_F(EsTypesBoxTest, FormatRuleLooksAtTheLengthOnly) {
    const struct {
        const char* content;
        bool ok;
    } cases[] = {{"", true},     {"F", false},   {"F2", true},     {"xx", true},
                 {"F2L", false}, {"F2L1", true}, {"F2L1x", false}, {"  ", true}};
    for (const auto& c : cases) {
        for (bool closing : {false, true}) {
            dialogs.clear();
            es_types() = c.content;
            EXPECT_EQ(es_types_format_ok(scaling, closing), c.ok) << c.content;
            EXPECT_EQ(es_types(), c.content);
            if (c.ok) {
                EXPECT_TRUE(dialogs.shown.empty());
                continue;
            }
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.last().text, closing ? "The format Es Types is not correct!!"
                                                   : "The format of Es Types is not correct!!");
            EXPECT_EQ(dialogs.last().title, "Be careful!!");
        }
    }
}

} // namespace
} // namespace scalvo
