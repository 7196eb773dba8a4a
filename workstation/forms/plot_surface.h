#pragma once
// The inner area of a plot window: paints the logic's pixel buffer and its texts, and reports
// mouse events in plot coordinates. Controls placed on it are its children.
#include "ionogram/plot_canvas.h"

#include <QImage>
#include <QWidget>
#include <functional>

namespace scalvo {

class PlotSurface : public QWidget {
    Q_OBJECT
  public:
    PlotSurface(const PlotCanvas& canvas, QWidget* parent);

    // Repaints when the canvas changed since the last call.
    void refresh();
    QPoint to_plot(QPointF position) const;

    std::function<void(int button, int shift, QPoint plot)> on_mouse_down;
    std::function<void(QPoint plot)> on_mouse_move;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    const PlotCanvas& canvas_;
    QImage image_;
    std::uint64_t painted_revision_ = ~std::uint64_t{0};
};

} // namespace scalvo
