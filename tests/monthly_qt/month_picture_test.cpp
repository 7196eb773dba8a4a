// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly_qt/month_picture.h"

#include "support/month_tables_builder.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

// The x of an hour's column: the plot spans 80 ... 1070 in 24 slots, each hour at its middle.
int x_of(int hour) {
    return static_cast<int>(80 + (hour + 0.5) * (1100 - 80 - 30) / 24.0);
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           40;
}

// Whether a pixel of the colour is in the column x between the two heights.
bool column_has(const QImage& image, int x, int top, int bottom, QColor colour) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int y = top; y < bottom; ++y)
            if (near(image.pixelColor(x + dx, y), colour))
                return true;
    return false;
}

const QColor median_blue(20, 60, 160);
const QColor band_blue(186, 212, 240);
const QColor dot_grey(150, 150, 150);

// The foF2 panel spans the heights 90 ... 390, the h'F panel 480 ... 780.
TEST(MonthPicture, DrawsTheMedianAndQuartilesOnlyWhereTheHoursHaveThem) {
    testing::MonthBuilder month({2026, 12});
    for (int day = 1; day <= 11; ++day)
        for (const int hour : {11, 12, 13}) {
            month.set(day, hour, Row::foF2, " " + std::to_string(60 + 2 * day) + "  ");
            month.set(day, hour, Row::hF, std::to_string(200 + 5 * day) + "  ");
        }
    const QImage image = month_picture(month.tables(), "December 2026");
    ASSERT_EQ(image.size(), QSize(month_picture_width, month_picture_height));
    for (const auto& [top, bottom] : {std::pair{90, 390}, std::pair{480, 780}}) {
        for (const int hour : {11, 12, 13}) {
            EXPECT_TRUE(column_has(image, x_of(hour), top, bottom, median_blue)) << hour;
            EXPECT_TRUE(column_has(image, x_of(hour), top, bottom, band_blue)) << hour;
            EXPECT_TRUE(column_has(image, x_of(hour), top, bottom, dot_grey)) << hour;
        }
        for (const int hour : {0, 5, 9, 15, 23}) {
            EXPECT_FALSE(column_has(image, x_of(hour), top, bottom, median_blue)) << hour;
            EXPECT_FALSE(column_has(image, x_of(hour), top, bottom, band_blue)) << hour;
        }
    }
}

TEST(MonthPicture, TheMedianLiesInsideTheBand) {
    testing::MonthBuilder month({2026, 12});
    for (int day = 1; day <= 21; ++day)
        month.set(day, 12, Row::foF2, " " + std::to_string(40 + day) + "  ");
    const QImage image = month_picture(month.tables(), "December 2026");
    int median_y = -1, band_top = 10000, band_bottom = -1;
    for (int y = 90; y < 390; ++y) {
        const QColor c = image.pixelColor(x_of(12), y);
        if (c == median_blue && median_y < 0)
            median_y = y;
        if (c == band_blue) {
            band_top = std::min(band_top, y);
            band_bottom = std::max(band_bottom, y);
        }
    }
    ASSERT_GE(median_y, 0);
    EXPECT_GT(median_y, band_top);
    EXPECT_LT(median_y, band_bottom);
}

TEST(MonthPicture, AMonthWithoutValuesIsStillAPicture) {
    const QImage image = month_picture(testing::MonthBuilder({2026, 2}).tables(), "February");
    for (int hour = 0; hour < 24; ++hour)
        EXPECT_FALSE(column_has(image, x_of(hour), 90, 780, median_blue)) << hour;
    const auto png = month_picture_png(testing::MonthBuilder({2026, 2}).tables(), "February");
    ASSERT_TRUE(png);
    EXPECT_EQ(png->substr(1, 3), "PNG");
}

} // namespace
} // namespace scalvo
