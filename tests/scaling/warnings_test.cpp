#include "scaling/picking.h"

#include "common/shared_state.h"
#include "support/fake_dialogs.h"

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

class WarningsTest : public ::testing::Test {
  protected:
    WarningsTest() {
        shared.ionogram_loaded = true;
        form.ionogram.start_frequency = 1.0f;
    }
    void click(const char* key, float x, float y = 300) {
        form.selected_characteristic = key;
        pick_on_plot(scaling, x, y);
    }
    void fill(const std::map<std::string, std::string>& texts) {
        for (const auto& [box, text] : texts)
            form.set_text(box, text);
    }
    static float column(double mhz) { return static_cast<float>(std::lrint(40 * mhz - 36)); }

    ScalingForm form;
    SharedState shared;
    FakeDialogs dialogs;
    Scaling scaling{form, shared, dialogs};
};

TEST_F(WarningsTest, HeightPlausibilityBands) {
    const struct {
        const char* key;
        const char* box;
        int y;
        bool warns;
    } cases[] = {
        {"hE", "Text2", 57, false},    {"hE", "Text2", 58, true},     {"hEs", "Text5", 97, false},
        {"hEs", "Text5", 98, true},    {"hF", "Text8", 83, true},     {"hF", "Text8", 84, false},
        {"hF", "Text8", 280, false},   {"hF", "Text8", 281, true},    {"hF2", "Text12", 101, true},
        {"hF2", "Text12", 102, false}, {"hF2", "Text12", 458, false}, {"hF2", "Text12", 459, true},
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
    for (const char* key : {"foE", "foF1"}) {
        dialogs.clear();
        click(key, 364);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.last().kind, ShownBox::Kind::ok);
        EXPECT_EQ(dialogs.last().text, "Impossible value for this characteristic!!");
        EXPECT_EQ(dialogs.last().title, "Be careful");
    }
    EXPECT_EQ(form.text("Text3"), "");
    EXPECT_EQ(form.text("Text9"), "");
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
        std::map<std::string, std::string> sheet;
        const char* key;
        const char* box;
        int y;
        std::vector<int> answers;
        std::vector<std::string> shown;
        const char* result;
    } cases[] = {
        {"h'E - 10 equal to h'Es", {{"Text5", "100"}}, "hE", "Text2", 22, {}, {}, "110"},
        {"h'E too high, No", {{"Text5", "100"}}, "hE", "Text2", 23, {answer_no}, {e_es}, ""},
        {"h'E too high, Yes", {{"Text5", "100"}}, "hE", "Text2", 23, {answer_yes}, {e_es}, "111"},
        {"h'Es both wrong, No ends",
         {{"Text2", "160"}, {"Text8", "130"}},
         "hEs",
         "Text5",
         50,
         {answer_no},
         {e_es},
         ""},
        {"h'Es both wrong, Yes then No",
         {{"Text2", "160"}, {"Text8", "130"}},
         "hEs",
         "Text5",
         50,
         {answer_yes, answer_no},
         {e_es, es_f},
         ""},
        {"h'Es both wrong, Yes twice",
         {{"Text2", "160"}, {"Text8", "130"}},
         "hEs",
         "Text5",
         50,
         {answer_yes, answer_yes},
         {e_es, es_f},
         "142"},
        {"h'Es equal to h'F", {{"Text8", "142"}}, "hEs", "Text5", 50, {}, {}, "142"},
        {"h'F below h'Es, No ends",
         {{"Text5", "250"}, {"Text12", "150"}},
         "hF",
         "Text8",
         100,
         {answer_no},
         {es_f},
         ""},
        {"h'F both wrong, Yes then No",
         {{"Text5", "250"}, {"Text12", "150"}},
         "hF",
         "Text8",
         100,
         {answer_yes, answer_no},
         {es_f, f_f2},
         ""},
        {"h'F above h'F2 only",
         {{"Text12", "150"}},
         "hF",
         "Text8",
         100,
         {answer_yes},
         {f_f2},
         "198"},
        {"h'F2 below h'F, No", {{"Text8", "300"}}, "hF2", "Text12", 150, {answer_no}, {f_f2}, ""},
        {"h'F2 equal to h'F", {{"Text8", "254"}}, "hF2", "Text12", 150, {}, {}, "254"},
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
        const char* key;
        double mhz;
        std::map<std::string, std::string> sheet;
        std::vector<int> answers;
        const char* box;
        const char* result;
    } cases[] = {
        {"foE below fmin, No", "foE", 2.5, {{"Text1", "30"}}, {answer_no}, "Text3", ""},
        {"foE below fmin, Yes", "foE", 2.5, {{"Text1", "30"}}, {answer_yes}, "Text3", "250"},
        {"foE equal to fmin", "foE", 2.5, {{"Text1", "25"}}, {}, "Text3", "250"},
        {"fmin blank counts as absent", "foE", 2.5, {{"Text1", " "}}, {}, "Text3", "250"},
        {"fmin above foE, No", "fmin", 3.0, {{"Text3", "250"}}, {answer_no}, "Text1", ""},
        {"fmin above foE, Yes", "fmin", 3.0, {{"Text3", "250"}}, {answer_yes}, "Text1", "30"},
        {"fmin below foE", "fmin", 2.0, {{"Text3", "250"}}, {}, "Text1", "20"},
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
    form.set_text("Text3", "120");
    dialogs.answers = {answer_no};
    click("fmin", column(1.2));
    EXPECT_EQ(form.text("Text1"), "");
    EXPECT_EQ(form.text("Text17"), "E"); // letters stay
}

TEST_F(WarningsTest, CriticalFrequenciesAgainstTheirMuf) {
    const struct {
        const char* name;
        const char* key;
        float x;
        const char* muf_box;
        const char* muf;
        const char* message; // "" for none
        const char* critical;
        const char* m3000;
    } cases[] = {
        {"foF1 above MUF", "foF1", 137, "Text10", "40", "foF1 cannot be greater than MUF(3000)F1!!",
         "", ""},
        {"MUF(3000)F1 over ten times", "foF1", 20, "Text10", "150",
         "MUF(3000)F1 cannot be 10 times greater than foF1!!", "", ""},
        {"MUF(3000)F1 exactly ten times", "foF1", 24, "Text10", "150", "", "150", "1000"},
        {"foF1 equal to MUF", "foF1", 24, "Text10", "15", "", "150", "100"},
        {"foF2 above MUF", "foF2", 284, "Text15", "70", "foF2 cannot be greater than MUF(3000)F2!!",
         "", ""},
        {"MUF(3000)F2 over ten times", "foF2", 64, "Text15", "253",
         "MUF(3000)F2 cannot be 10 times greater than foF2!!", "", ""},
        {"MUF(3000)F2 just within", "foF2", 68, "Text15", "253", "", "26", "973"},
    };
    for (const auto& c : cases) {
        form = ScalingForm{};
        dialogs.clear();
        const bool f1 = std::string(c.key) == "foF1";
        const char* m_box = f1 ? "Text11" : "Text16";
        const char* critical_box = f1 ? "Text9" : "Text13";
        form.set_text(c.muf_box, c.muf);
        form.set_text(m_box, "123");
        form.set_text(f1 ? "lettera_qualificativa_fof1" : "lettera_qualificativa_fof2", "U");
        click(c.key, c.x);
        EXPECT_EQ(form.text(critical_box), c.critical) << c.name;
        EXPECT_EQ(form.text(m_box), c.m3000) << c.name;
        EXPECT_EQ(form.text(c.muf_box), c.muf) << c.name;
        EXPECT_EQ(form.text(f1 ? "lettera_qualificativa_fof1" : "lettera_qualificativa_fof2"), "U")
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
    fill({{"Text14", "80"}, {"Text15", "70"}});
    click("foF2", column(7.9));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"foF2 cannot be greater than MUF(3000)F2!!"});
    EXPECT_EQ(form.text("Text13"), "");
    EXPECT_EQ(form.text("lettera_qualificativa_fof2"), "J");
    EXPECT_EQ(form.text("Text44"), "X");
}

} // namespace
} // namespace scalvo
