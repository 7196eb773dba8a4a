// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/plot_view.h"

#include "ionogram/window_caption.h"
#include "support/scaling_fixture.h"

namespace scalvo {
namespace {

using ReadoutTest = testing::ScalingTest;

struct ReadoutCase {
    int x;
    int y;
    const char* label1;
    const char* label2;
    Pointer pointer;
};

TEST_F(ReadoutTest, ReadoutWithAnIonogram) {
    shared.ionogram_loaded = true;
    form.selected_characteristic = Row::foF2;
    const ReadoutCase cases[] = {
        {4, 300, "1.000", "423.000", Pointer::plot},
        {1, 300, "1,000", "423.000", Pointer::plot},
        {2, 300, "1,000", "423.000", Pointer::plot},
        {3, 13, "1,000", "100.125", Pointer::plot},
        {5, 12, "1.025", "100,000", Pointer::plot},
        {764, 600, "20.000", "760.500", Pointer::plot},
        {764, 1, "20.000", "86.625", Pointer::plot},
        {300, 102, "8.400", "200,000", Pointer::plot},
        {300, 190, "8.400", "300,000", Pointer::plot},
        {300, 280, "8.400", "400,000", Pointer::plot},
        {300, 368, "8.400", "500,000", Pointer::plot},
        {300, 458, "8.400", "600,000", Pointer::plot},
        {300, 546, "8.400", "700,000", Pointer::plot},
        {300, 547, "8.400", "700.875", Pointer::plot},
        {765, 300, "", "", Pointer::arrow},
        {0, 300, "", "", Pointer::arrow},
        {300, 0, "", "", Pointer::arrow},
        {300, 601, "", "", Pointer::arrow},
        // at the first columns the fixed frequency shows even just below the plot
        {2, 0, "1,000", "", Pointer::arrow},
    };
    for (const ReadoutCase& c : cases) {
        form.label1 = form.label2 = "old";
        update_readout(scaling, c.x, c.y);
        EXPECT_EQ(form.label1, c.label1) << c.x << " " << c.y;
        EXPECT_EQ(form.label2, c.label2) << c.x << " " << c.y;
        EXPECT_EQ(form.pointer, c.pointer) << c.x << " " << c.y;
    }
}

TEST_F(ReadoutTest, ReadoutFollowsTheSystemSeparatorExceptFixedTexts) {
    shared.ionogram_loaded = true;
    shared.decimal_separator = ',';
    update_readout(scaling, 40, 13);
    EXPECT_EQ(form.label1, "1,900");
    EXPECT_EQ(form.label2, "100,125");
    update_readout(scaling, 2, 12);
    EXPECT_EQ(form.label1, "1,000");
    EXPECT_EQ(form.label2, "100,000");
    EXPECT_EQ(readout_text(0.95, '.'), ".950");
    EXPECT_EQ(readout_text(12.3, '.'), "12.300");
    EXPECT_EQ(readout_text(0.95, ','), ",950");
}

TEST_F(ReadoutTest, BlankingSelectionsEmptyTheReadout) {
    shared.ionogram_loaded = true;
    for (const Row key :
         {Row::MUF3000F1, Row::MUF3000F2, Row::M3000F1, Row::M3000F2, Row::es_types}) {
        form.selected_characteristic = key;
        for (const auto& [x, y] : {std::pair{300, 300}, {2, 12}, {4, 546}}) {
            form.label1 = form.label2 = "old";
            form.pointer = Pointer::plot;
            update_readout(scaling, x, y);
            EXPECT_EQ(form.label1, "") << key;
            EXPECT_EQ(form.label2, "") << key;
            EXPECT_EQ(form.pointer, Pointer::arrow) << key;
        }
    }
}

TEST_F(ReadoutTest, WithoutAnIonogramTheReadoutKeepsItsTexts) {
    shared.ionogram_loaded = true;
    update_readout(scaling, 4, 13);
    shared.ionogram_loaded = false;
    for (const auto& [x, y] : {std::pair{300, 300}, {2, 12}, {764, 600}}) {
        update_readout(scaling, x, y);
        EXPECT_EQ(form.label1, "1.000");
        EXPECT_EQ(form.label2, "100.125");
        EXPECT_EQ(form.pointer, Pointer::plot);
    }
    update_readout(scaling, 765, 300);
    EXPECT_EQ(form.label1, "");
    EXPECT_EQ(form.label2, "");
    EXPECT_EQ(form.pointer, Pointer::arrow);
}

} // namespace
} // namespace scalvo
