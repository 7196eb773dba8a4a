// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/plot_surface.h"

#include "forms/latin1.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <utility>

namespace scalvo {

PlotSurface::PlotSurface(const PlotCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas),
      image_(canvas.width(), canvas.height(), QImage::Format_RGB32) {
    setFixedSize(canvas.width(), canvas.height());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::PreventContextMenu);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
}

void PlotSurface::refresh() {
    if (painted_revision_ == canvas_.revision())
        return;
    painted_revision_ = canvas_.revision();
    const auto& pixels = canvas_.pixels();
    // At the default contrast the words go through untouched.
    const bool as_drawn = contrast_.is_default();
    const ContrastTable table = contrast_table(contrast_);
    for (int row = 0; row < canvas_.height(); ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(image_.scanLine(row));
        if (as_drawn) {
            const std::uint32_t* source =
                pixels.data() +
                static_cast<std::size_t>(row) * static_cast<std::size_t>(canvas_.width());
            std::copy(source, source + canvas_.width(), line);
        } else {
            shown_row(canvas_, table, row, line);
        }
        for (int column = 0; column < canvas_.width(); ++column)
            line[column] |= 0xFF000000u;
    }
    update();
    emit changed();
}

void PlotSurface::set_contrast(const Contrast& contrast) {
    if (contrast == contrast_)
        return;
    contrast_ = contrast;
    painted_revision_ = ~std::uint64_t{0};
    refresh();
}

QImage PlotSurface::shown(const QRect& area) {
    QImage part(area.size(), QImage::Format_RGB32);
    part.fill(Qt::black);
    render(&part, QPoint(), QRegion(area), QWidget::DrawWindowBackground);
    return part;
}

void PlotSurface::set_marks(std::vector<PlotMark> marks) {
    if (marks == marks_)
        return;
    marks_ = std::move(marks);
    update();
    emit changed();
}

QPoint PlotSurface::to_widget(int x, int y) const {
    return {x - canvas_.left_x(), canvas_.top_y() - y};
}

// The pixels a mark's own lines cover.
QRect PlotSurface::shape_of(const PlotMark& mark) const {
    const QPoint at = to_widget(mark.x, mark.y);
    switch (mark.shape) {
    case MarkShape::cross:
        return QRect(at - QPoint(4, 4), QSize(9, 9));
    case MarkShape::vertical:
        return QRect(at.x() - 1, at.y() - mark.length, 3, mark.length + 1);
    case MarkShape::horizontal:
        return QRect(at.x(), at.y() - 1, mark.length + 1, 3);
    }
    return {};
}

// Where a mark's name goes: the first place beside it that covers no other name and no other
// mark, inside the plot; the first place when every one does.
QRect PlotSurface::place_name(const PlotMark& mark, QSize size, const std::vector<QRect>& taken,
                              const QRect& area) const {
    const QRect shape = shape_of(mark);
    const int w = size.width();
    const int h = size.height();
    std::vector<QPoint> corners;
    switch (mark.shape) {
    case MarkShape::cross:
        corners = {{shape.right() + 2, shape.center().y() - h / 2},
                   {shape.left() - 2 - w, shape.center().y() - h / 2},
                   {shape.center().x() - w / 2, shape.top() - 1 - h},
                   {shape.center().x() - w / 2, shape.bottom() + 2},
                   {shape.right() + 2, shape.top() - h},
                   {shape.right() + 2, shape.bottom()},
                   {shape.left() - 2 - w, shape.top() - h},
                   {shape.left() - 2 - w, shape.bottom()}};
        break;
    case MarkShape::vertical:
        corners = {{shape.center().x() - w / 2, shape.top() - 1 - h},
                   {shape.right() + 2, shape.top()},
                   {shape.left() - 2 - w, shape.top()},
                   {shape.right() + 2, shape.center().y() - h / 2},
                   {shape.left() - 2 - w, shape.center().y() - h / 2},
                   {shape.right() + 2, shape.bottom() - h}};
        break;
    case MarkShape::horizontal:
        corners = {{shape.right() + 2, shape.center().y() - h / 2},
                   {shape.left(), shape.top() - 1 - h},
                   {shape.left(), shape.bottom() + 2},
                   {shape.left() - 2 - w, shape.center().y() - h / 2}};
        break;
    }
    for (const QPoint& corner : corners) {
        const QRect place(corner, size);
        if (!area.contains(place))
            continue;
        const bool free = std::none_of(taken.begin(), taken.end(),
                                       [&](const QRect& r) { return r.intersects(place); });
        if (free)
            return place;
    }
    return QRect(corners.front(), size);
}

void PlotSurface::paint_marks(QPainter& painter) const {
    if (marks_.empty())
        return;
    painter.save();
    // Inside the frame only: the frame, the grid labels and the form around stay as drawn.
    const QRect area(to_widget(1, plot_top), to_widget(plot_right, 1));
    painter.setClipRect(area);
    const QFontMetrics metrics(font());
    // The marks first, then each name where it hides neither a mark nor another name.
    std::vector<QRect> taken;
    for (const PlotMark& mark : marks_)
        taken.push_back(shape_of(mark));
    for (const PlotMark& mark : marks_) {
        const Rgb rgb = colour_of(mark.kind);
        QPen pen(QColor(rgb.r, rgb.g, rgb.b));
        // The previous sounding's ticks are dashed; a large change of foF2 is drawn bold.
        if (mark.kind == MarkKind::previous)
            pen.setStyle(Qt::DashLine);
        pen.setWidth(mark.kind == MarkKind::changed ? 2 : 1);
        painter.setPen(pen);
        const QPoint at = to_widget(mark.x, mark.y);
        switch (mark.shape) {
        case MarkShape::cross:
            painter.drawLine(at + QPoint(-4, 0), at + QPoint(4, 0));
            painter.drawLine(at + QPoint(0, -4), at + QPoint(0, 4));
            break;
        case MarkShape::vertical:
            painter.drawLine(at, at - QPoint(0, mark.length));
            break;
        case MarkShape::horizontal:
            painter.drawLine(at, at + QPoint(mark.length, 0));
            break;
        }
    }
    for (const PlotMark& mark : marks_) {
        const Rgb rgb = colour_of(mark.kind);
        painter.setPen(QColor(rgb.r, rgb.g, rgb.b));
        const QString name = latin1(mark.name);
        const QSize size(metrics.horizontalAdvance(name), metrics.ascent() + 1);
        const QRect place = place_name(mark, size, taken, area);
        taken.push_back(place);
        painter.drawText(place.left(), place.top() + metrics.ascent(), name);
    }
    painter.restore();
}

QPoint PlotSurface::to_plot(QPointF position) const {
    const QPoint pixel = position.toPoint();
    return {pixel.x() + canvas_.left_x(), canvas_.top_y() - pixel.y()};
}

void PlotSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    painter.setPen(palette().color(QPalette::HighlightedText));
    const QFontMetrics metrics(font());
    for (const PlotText& text : canvas_.texts()) {
        const QPoint top_left(text.x - canvas_.left_x(), canvas_.top_y() - text.y);
        painter.drawText(top_left.x(), top_left.y() + metrics.ascent(), latin1(text.text));
    }
    paint_marks(painter);
}

void PlotSurface::mousePressEvent(QMouseEvent* event) {
    // A press that a control left unused comes up here; the form's mouse-down is for its own
    // surface only.
    if (childAt(event->position().toPoint()))
        return;
    int button = 0;
    if (event->button() == Qt::LeftButton)
        button = 1;
    else if (event->button() == Qt::RightButton)
        button = 2;
    else if (event->button() == Qt::MiddleButton)
        button = 4;
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    if (on_mouse_down && button != 0)
        on_mouse_down(button, shift, to_plot(event->position()));
}

// The second press of a double click is a double click, not another mouse-down (Qt's default
// would make it a press).
void PlotSurface::mouseDoubleClickEvent(QMouseEvent*) {}

void PlotSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPoint plot = to_plot(event->position());
    if (on_mouse_move)
        on_mouse_move(plot);
    emit pointer_moved(plot);
}

} // namespace scalvo
