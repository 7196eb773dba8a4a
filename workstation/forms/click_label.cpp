// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/click_label.h"

#include <QMouseEvent>
#include <utility>

namespace scalvo {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool ends_double_click = std::exchange(double_click_, false);
    if (event->button() == Qt::LeftButton && !ends_double_click &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    double_click_ = event->button() == Qt::LeftButton;
}

} // namespace scalvo
