// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/m3000.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

TEST(M3000, FactorInHundredthsToTheNearestHalvesToEven) {
    const struct {
        Layer layer;
        const char* muf;
        const char* critical;
        const char* expected;
        std::int32_t product;
    } cases[] = {
        {Layer::F1, "150", "433", "346", 150000},  // 346.4
        {Layer::F2, "253", "72", "351", 25300},    // 351.4
        {Layer::F2, "294", "80", "368", 29400},    // 367.5 up to the even 368
        {Layer::F2, "145", "40", "362", 14500},    // 362.5 down to the even 362
        {Layer::F2, "73", "72", "101", 7300},      // 101.39
        {Layer::F1, "150", "150", "1000", 150000}, // ten times: four characters
        {Layer::F2, "720", "72", "1000", 72000},
    };
    for (const auto& c : cases) {
        ScalingForm form;
        const bool f1 = c.layer == Layer::F1;
        form.set_text(f1 ? value_box(Row::MUF3000F1) : value_box(Row::MUF3000F2), c.muf);
        form.set_text(f1 ? value_box(Row::foF1) : value_box(Row::foF2), c.critical);
        recompute_m3000(form, c.layer);
        EXPECT_EQ(form.text(f1 ? value_box(Row::M3000F1) : value_box(Row::M3000F2)), c.expected)
            << c.muf << "/" << c.critical;
        EXPECT_EQ(form.muf_product, c.product);
        // The other layer's row is not touched.
        EXPECT_EQ(form.text(f1 ? value_box(Row::M3000F2) : value_box(Row::M3000F1)), "");
    }
}

TEST(M3000, WithoutTheCriticalFrequencyTheFactorStays) {
    for (const Layer layer : {Layer::F1, Layer::F2}) {
        ScalingForm form;
        const bool f1 = layer == Layer::F1;
        form.set_text(f1 ? value_box(Row::MUF3000F1) : value_box(Row::MUF3000F2), "253");
        form.set_text(f1 ? value_box(Row::M3000F1) : value_box(Row::M3000F2), "351");
        recompute_m3000(form, layer);
        EXPECT_EQ(form.text(f1 ? value_box(Row::M3000F1) : value_box(Row::M3000F2)), "351");
        EXPECT_EQ(form.muf_product, f1 ? 253000 : 25300);
    }
}

} // namespace
} // namespace scalvo
