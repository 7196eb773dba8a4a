// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The month's picture: foF2 and h'F against the hour of the day, every day's value as a dot,
// the median as a line and the band between the quartiles shaded. Drawn with QPainter into an
// image, so it needs no display.
#include "monthly/month_tables.h"

#include <QImage>

#include <optional>
#include <string>

namespace scalvo {

inline constexpr int month_picture_width = 1100;
inline constexpr int month_picture_height = 820;

QImage month_picture(const MonthTables& tables, const std::string& title);

// The picture as PNG bytes; nullopt when it cannot be encoded. For make_monthly_tables.
std::optional<std::string> month_picture_png(const MonthTables& tables, const std::string& title);

} // namespace scalvo
