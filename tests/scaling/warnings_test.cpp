// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/picking.h"

#include "common/shared_state.h"
#include "support/scaling_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace scalvo {
namespace {

using testing::FakeDialogs;
using testing::ShownBox;

const std::string impossible_height =
    "Impossible value for this characteristic!!\r\nDo you want to continue?";

class WarningsTest : public testing::ScalingTest {
  protected:
    WarningsTest() {
        shared.ionogram_loaded = true;
        form.ionogram.start_frequency = 1.0f;
    }
    void click(Row key, float x, float y = 300) {
        form.selected_characteristic = key;
        pick_on_plot(scaling, x, y);
    }
    static float column(double mhz) { return static_cast<float>(std::lrint(40 * mhz - 36)); }
};

TEST_F(WarningsTest, HeightPlausibilityBands) {
    const struct {
        Row key;
        Box box;
        int y;
        bool warns;
    } cases[] = {
        {Row::hE, value_box(Row::hE), 57, false},    {Row::hE, value_box(Row::hE), 58, true},
        {Row::hEs, value_box(Row::hEs), 97, false},  {Row::hEs, value_box(Row::hEs), 98, true},
        {Row::hF, value_box(Row::hF), 83, true},     {Row::hF, value_box(Row::hF), 84, false},
        {Row::hF, value_box(Row::hF), 280, false},   {Row::hF, value_box(Row::hF), 281, true},
        {Row::hF2, value_box(Row::hF2), 101, true},  {Row::hF2, value_box(Row::hF2), 102, false},
        {Row::hF2, value_box(Row::hF2), 458, false}, {Row::hF2, value_box(Row::hF2), 459, true},
    };
    for (const auto& c : cases) {
        for (const int answer : {answer_yes, answer_no}) {
            form.set_text(c.box, "old");
            dialogs.clear();
            form.last_answer = 0;
            dialogs.answers = {answer};
            click(c.key, 100, static_cast<float>(c.y));
            if (!c.warns) {
                EXPECT_TRUE(dialogs.shown.empty()) << c.key << c.y;
                EXPECT_NE(form.text(c.box), "old") << c.key << c.y;
                break;
            }
            ASSERT_EQ(dialogs.shown.size(), 1u) << c.key << c.y;
            EXPECT_EQ(dialogs.last().kind, ShownBox::Kind::yes_no);
            EXPECT_EQ(dialogs.last().text, impossible_height);
            EXPECT_EQ(dialogs.last().title, "Be careful!!!");
            EXPECT_EQ(form.last_answer, answer);
            EXPECT_EQ(form.text(c.box) == "old", answer == answer_no) << c.key << c.y;
        }
    }
}

TEST_F(WarningsTest, FoEAndFoF1RefusedFromTenMegahertz) {
    for (const Row key : {Row::foE, Row::foF1}) {
        dialogs.clear();
        click(key, 364);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.last().kind, ShownBox::Kind::ok);
        EXPECT_EQ(dialogs.last().text, "Impossible value for this characteristic!!");
        EXPECT_EQ(dialogs.last().title, "Be careful");
    }
    EXPECT_EQ(form.text(value_box(Row::foE)), "");
    EXPECT_EQ(form.text(value_box(Row::foF1)), "");
    EXPECT_EQ(form.foF1_point.frequency, 0.0f);
    EXPECT_EQ(form.picked_text, "");
}

// Rows of the heights used below: 22 -> 110 km, 23 -> 111, 50 -> 142, 100 -> 198, 150 -> 254.
TEST_F(WarningsTest, HeightOrderAfterEachHeight) {
    const std::string e_es = "(h'E-10) cannot be greater than h'Es\r\nDo you want to continue?";
    const std::string es_f = "h'Es cannot be greater than h'F\r\nDo you want to continue?";
    const std::string f_f2 = "h'F cannot be greater than h'F2\r\nDo you want to continue?";
    const struct {
        const char* name;
        testing::BoxTexts sheet;
        Row key;
        Box box;
        int y;
        std::vector<int> answers;
        std::vector<std::string> shown;
        const char* result;
    } cases[] = {
        {"h'E - 10 equal to h'Es",
         {{value_box(Row::hEs), "100"}},
         Row::hE,
         value_box(Row::hE),
         22,
         {},
         {},
         "110"},
        {"h'E too high, No",
         {{value_box(Row::hEs), "100"}},
         Row::hE,
         value_box(Row::hE),
         23,
         {answer_no},
         {e_es},
         ""},
        {"h'E too high, Yes",
         {{value_box(Row::hEs), "100"}},
         Row::hE,
         value_box(Row::hE),
         23,
         {answer_yes},
         {e_es},
         "111"},
        {"h'Es both wrong, No ends",
         {{value_box(Row::hE), "160"}, {value_box(Row::hF), "130"}},
         Row::hEs,
         value_box(Row::hEs),
         50,
         {answer_no},
         {e_es},
         ""},
        {"h'Es both wrong, Yes then No",
         {{value_box(Row::hE), "160"}, {value_box(Row::hF), "130"}},
         Row::hEs,
         value_box(Row::hEs),
         50,
         {answer_yes, answer_no},
         {e_es, es_f},
         ""},
        {"h'Es both wrong, Yes twice",
         {{value_box(Row::hE), "160"}, {value_box(Row::hF), "130"}},
         Row::hEs,
         value_box(Row::hEs),
         50,
         {answer_yes, answer_yes},
         {e_es, es_f},
         "142"},
        {"h'Es equal to h'F",
         {{value_box(Row::hF), "142"}},
         Row::hEs,
         value_box(Row::hEs),
         50,
         {},
         {},
         "142"},
        {"h'F below h'Es, No ends",
         {{value_box(Row::hEs), "250"}, {value_box(Row::hF2), "150"}},
         Row::hF,
         value_box(Row::hF),
         100,
         {answer_no},
         {es_f},
         ""},
        {"h'F both wrong, Yes then No",
         {{value_box(Row::hEs), "250"}, {value_box(Row::hF2), "150"}},
         Row::hF,
         value_box(Row::hF),
         100,
         {answer_yes, answer_no},
         {es_f, f_f2},
         ""},
        {"h'F above h'F2 only",
         {{value_box(Row::hF2), "150"}},
         Row::hF,
         value_box(Row::hF),
         100,
         {answer_yes},
         {f_f2},
         "198"},
        {"h'F2 below h'F, No",
         {{value_box(Row::hF), "300"}},
         Row::hF2,
         value_box(Row::hF2),
         150,
         {answer_no},
         {f_f2},
         ""},
        {"h'F2 equal to h'F",
         {{value_box(Row::hF), "254"}},
         Row::hF2,
         value_box(Row::hF2),
         150,
         {},
         {},
         "254"},
    };
    for (const auto& c : cases) {
        ScalingForm fresh;
        form = fresh;
        form.ionogram.start_frequency = 1.0f;
        dialogs.clear();
        fill(c.sheet);
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        click(c.key, 100, static_cast<float>(c.y));
        EXPECT_EQ(dialogs.texts(), c.shown) << c.name;
        for (const auto& box : dialogs.shown)
            EXPECT_EQ(box.title, "Be careful!") << c.name;
        EXPECT_EQ(form.text(c.box), c.result) << c.name;
        for (const auto& [box, text] : c.sheet)
            EXPECT_EQ(form.text(box), text) << c.name << " " << box;
        EXPECT_TRUE(dialogs.answers.empty()) << c.name;
    }
}

TEST_F(WarningsTest, FminAgainstFoEComparesInHundredths) {
    const std::string text = "fmin cannot be greater than foE\r\nDo you want to continue?";
    const struct {
        const char* name;
        Row key;
        double mhz;
        testing::BoxTexts sheet;
        std::vector<int> answers;
        Box box;
        const char* result;
    } cases[] = {
        {"foE below fmin, No",
         Row::foE,
         2.5,
         {{value_box(Row::fmin), "30"}},
         {answer_no},
         value_box(Row::foE),
         ""},
        {"foE below fmin, Yes",
         Row::foE,
         2.5,
         {{value_box(Row::fmin), "30"}},
         {answer_yes},
         value_box(Row::foE),
         "250"},
        {"foE equal to fmin",
         Row::foE,
         2.5,
         {{value_box(Row::fmin), "25"}},
         {},
         value_box(Row::foE),
         "250"},
        {"fmin blank counts as absent",
         Row::foE,
         2.5,
         {{value_box(Row::fmin), " "}},
         {},
         value_box(Row::foE),
         "250"},
        {"fmin above foE, No",
         Row::fmin,
         3.0,
         {{value_box(Row::foE), "250"}},
         {answer_no},
         value_box(Row::fmin),
         ""},
        {"fmin above foE, Yes",
         Row::fmin,
         3.0,
         {{value_box(Row::foE), "250"}},
         {answer_yes},
         value_box(Row::fmin),
         "30"},
        {"fmin below foE",
         Row::fmin,
         2.0,
         {{value_box(Row::foE), "250"}},
         {},
         value_box(Row::fmin),
         "20"},
    };
    for (const auto& c : cases) {
        form = ScalingForm{};
        form.ionogram.start_frequency = 1.0f;
        dialogs.clear();
        fill(c.sheet);
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        click(c.key, column(c.mhz));
        EXPECT_EQ(form.text(c.box), c.result) << c.name;
        ASSERT_EQ(dialogs.shown.size(), c.answers.size()) << c.name;
        if (!c.answers.empty()) {
            EXPECT_EQ(dialogs.last().text, text);
            EXPECT_EQ(dialogs.last().title, "Be careful!");
            EXPECT_EQ(form.last_answer, c.answers.back());
        }
    }
}

// The fmin warning comes after the lower-limit rule, on the value that rule wrote.
TEST_F(WarningsTest, FminWarningSeesTheLowerLimit) {
    form.ionogram.start_frequency = 1.5f;
    form.set_text(value_box(Row::foE), "120");
    dialogs.answers = {answer_no};
    click(Row::fmin, column(1.2));
    EXPECT_EQ(form.text(value_box(Row::fmin)), "");
    EXPECT_EQ(form.text(qualifying_box(Row::fmin)), "E"); // letters stay
}

TEST_F(WarningsTest, CriticalFrequenciesAgainstTheirMuf) {
    const struct {
        const char* name;
        Row key;
        float x;
        Box muf_box;
        const char* muf;
        const char* message; // "" for none
        const char* critical;
        const char* m3000;
    } cases[] = {
        {"foF1 above MUF", Row::foF1, 137, value_box(Row::MUF3000F1), "40",
         "foF1 cannot be greater than MUF(3000)F1!!", "", ""},
        {"MUF(3000)F1 over ten times", Row::foF1, 20, value_box(Row::MUF3000F1), "150",
         "MUF(3000)F1 cannot be 10 times greater than foF1!!", "", ""},
        {"MUF(3000)F1 exactly ten times", Row::foF1, 24, value_box(Row::MUF3000F1), "150", "",
         "150", "1000"},
        {"foF1 equal to MUF", Row::foF1, 24, value_box(Row::MUF3000F1), "15", "", "150", "100"},
        {"foF2 above MUF", Row::foF2, 284, value_box(Row::MUF3000F2), "70",
         "foF2 cannot be greater than MUF(3000)F2!!", "", ""},
        {"MUF(3000)F2 over ten times", Row::foF2, 64, value_box(Row::MUF3000F2), "253",
         "MUF(3000)F2 cannot be 10 times greater than foF2!!", "", ""},
        {"MUF(3000)F2 just within", Row::foF2, 68, value_box(Row::MUF3000F2), "253", "", "26",
         "973"},
    };
    for (const auto& c : cases) {
        form = ScalingForm{};
        dialogs.clear();
        const bool f1 = c.key == Row::foF1;
        const Box m_box = f1 ? value_box(Row::M3000F1) : value_box(Row::M3000F2);
        const Box critical_box = f1 ? value_box(Row::foF1) : value_box(Row::foF2);
        form.set_text(c.muf_box, c.muf);
        form.set_text(m_box, "123");
        form.set_text(f1 ? qualifying_box(Row::foF1) : qualifying_box(Row::foF2), "U");
        click(c.key, c.x);
        EXPECT_EQ(form.text(critical_box), c.critical) << c.name;
        EXPECT_EQ(form.text(m_box), c.m3000) << c.name;
        EXPECT_EQ(form.text(c.muf_box), c.muf) << c.name;
        EXPECT_EQ(form.text(f1 ? qualifying_box(Row::foF1) : qualifying_box(Row::foF2)), "U")
            << c.name;
        if (std::string(c.message).empty()) {
            EXPECT_TRUE(dialogs.shown.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.last().kind, ShownBox::Kind::ok);
        EXPECT_EQ(dialogs.last().text, c.message);
        EXPECT_EQ(dialogs.last().title, "Be careful!");
    }
}

// The letter rules of foF2 run before its MUF check, and a refusal keeps their letters.
TEST_F(WarningsTest, RefusedFoF2KeepsItsTraceLetters) {
    fill({{value_box(Row::fxI), "80"}, {value_box(Row::MUF3000F2), "70"}});
    click(Row::foF2, column(7.9));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"foF2 cannot be greater than MUF(3000)F2!!"});
    EXPECT_EQ(form.text(value_box(Row::foF2)), "");
    EXPECT_EQ(form.text(qualifying_box(Row::foF2)), "J");
    EXPECT_EQ(form.text(descriptive_box(Row::fxI)), "X");
}

} // namespace
} // namespace scalvo
