// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/overview_place.h"

#include <QSettings>

#include <algorithm>

namespace scalvo {

namespace {

const QString place_key = QStringLiteral("overview/place");
// The overview's largest size beside or under the form; a smaller screen gives it less.
constexpr int widest = 940;
constexpr int highest = 640;
// Below this the overview is of no use: it then lies over the form's edge instead.
constexpr int narrowest = 200;
constexpr int lowest = 180;

} // namespace

OverviewPlacement place_overview(OverviewPlace place, const QRect& area, const QRect& form) {
    OverviewPlacement placement;
    const QSize size = form.size();
    if (place == OverviewPlace::under) {
        const int height = std::max(lowest, std::min(highest, area.height() - size.height()));
        // Up as far as the strip needs, never above the screen's top.
        const int top =
            std::max(area.top(), std::min(form.top(), area.bottom() + 1 - height - size.height()));
        const int left = std::clamp(form.left(), area.left(),
                                    std::max(area.left(), area.right() + 1 - size.width()));
        placement.form = QPoint(left, top);
        const int strip_top = std::min(top + size.height(), area.bottom() + 1 - height);
        placement.overview = QRect(area.left(), strip_top, area.width(), height);
    } else {
        const int width = std::max(narrowest, std::min(widest, area.width() - size.width()));
        const int left =
            std::max(area.left(), std::min(form.left(), area.right() + 1 - width - size.width()));
        const int top = std::clamp(form.top(), area.top(),
                                   std::max(area.top(), area.bottom() + 1 - size.height()));
        placement.form = QPoint(left, top);
        const int column_left = std::min(left + size.width(), area.right() + 1 - width);
        placement.overview = QRect(column_left, area.top(), width, area.height());
    }
    return placement;
}

OverviewPlace remembered_place(const QRect& area, const QRect& form) {
    const QString remembered = QSettings().value(place_key).toString();
    if (remembered == QStringLiteral("under"))
        return OverviewPlace::under;
    if (remembered == QStringLiteral("beside"))
        return OverviewPlace::beside;
    return area.width() - form.width() >= 600 ? OverviewPlace::beside : OverviewPlace::under;
}

void remember_place(OverviewPlace place) {
    QSettings().setValue(place_key, place == OverviewPlace::under ? QStringLiteral("under")
                                                                  : QStringLiteral("beside"));
}

} // namespace scalvo
