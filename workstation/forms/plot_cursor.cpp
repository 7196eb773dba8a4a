// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/plot_cursor.h"

#include <QPainter>
#include <QPixmap>

namespace scalvo {

QCursor plot_cursor() {
    static const QCursor cursor = [] {
        QPixmap pixmap(31, 31);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setPen(QColor(0, 255, 0));
        painter.drawLine(15, 0, 15, 11);
        painter.drawLine(15, 19, 15, 30);
        painter.drawLine(0, 15, 11, 15);
        painter.drawLine(19, 15, 30, 15);
        return QCursor(pixmap, 15, 15);
    }();
    return cursor;
}

} // namespace scalvo
