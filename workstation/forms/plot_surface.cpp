#include "forms/plot_surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <cstring>

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
    for (int row = 0; row < canvas_.height(); ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(image_.scanLine(row));
        const std::uint32_t* source = pixels.data() + static_cast<std::size_t>(row) *
                                                          static_cast<std::size_t>(canvas_.width());
        for (int column = 0; column < canvas_.width(); ++column)
            line[column] = 0xFF000000u | source[column];
    }
    update();
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
        painter.drawText(
            top_left.x(), top_left.y() + metrics.ascent(),
            QString::fromLatin1(text.text.data(), static_cast<qsizetype>(text.text.size())));
    }
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
    if (on_mouse_move)
        on_mouse_move(to_plot(event->position()));
}

} // namespace scalvo
