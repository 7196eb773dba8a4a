// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inner area of a plot window: paints the logic's pixel buffer and its texts, then the marks
// over the plot area, and reports mouse events in plot coordinates. Controls placed on it are its
// children.
#include "controllers/plot_marks.h"
#include "ionogram/plot_canvas.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <vector>

namespace scalvo {

class PlotSurface : public QWidget {
    Q_OBJECT
  public:
    PlotSurface(const PlotCanvas& canvas, QWidget* parent);

    // Repaints when the canvas changed since the last call.
    void refresh();
    QPoint to_plot(QPointF position) const;
    // Marks painted over the plot area after the picture; repaints when they change.
    void set_marks(std::vector<PlotMark> marks);

    std::function<void(int button, int shift, QPoint plot)> on_mouse_down;
    std::function<void(QPoint plot)> on_mouse_move;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QPoint to_widget(int x, int y) const;
    QRect shape_of(const PlotMark& mark) const;
    QRect place_name(const PlotMark& mark, QSize size, const std::vector<QRect>& taken,
                     const QRect& area) const;
    void paint_marks(QPainter& painter) const;

    const PlotCanvas& canvas_;
    std::vector<PlotMark> marks_;
    QImage image_;
    std::uint64_t painted_revision_ = ~std::uint64_t{0};
};

} // namespace scalvo
