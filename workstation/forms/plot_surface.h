// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inner area of a plot window: paints the logic's pixel buffer and its texts, then the marks
// over the plot area, and reports mouse events in plot coordinates. Controls placed on it are its
// children.
#include "controllers/contrast.h"
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
    QPoint to_widget(int x, int y) const;
    // Marks painted over the plot area after the picture; repaints when they change.
    void set_marks(std::vector<PlotMark> marks);
    // The grey scale as shown; repaints when it changes.
    void set_contrast(const Contrast& contrast);
    const Contrast& contrast() const { return contrast_; }
    // A part of the surface as painted (the picture, its texts and marks; no controls), in
    // widget coordinates.
    QImage shown(const QRect& area);

    std::function<void(int button, int shift, QPoint plot)> on_mouse_down;
    std::function<void(QPoint plot)> on_mouse_move;

  signals:
    // After on_mouse_move: the pointer is over the surface at this point of the plot.
    void pointer_moved(QPoint plot);
    // What the surface shows changed (the picture, its contrast or the marks).
    void changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QRect shape_of(const PlotMark& mark) const;
    QRect place_name(const PlotMark& mark, QSize size, const std::vector<QRect>& taken,
                     const QRect& area) const;
    void paint_marks(QPainter& painter) const;

    const PlotCanvas& canvas_;
    std::vector<PlotMark> marks_;
    Contrast contrast_;
    QImage image_;
    std::uint64_t painted_revision_ = ~std::uint64_t{0};
};

} // namespace scalvo
