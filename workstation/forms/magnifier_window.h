// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// View > Magnifier: a small window of its own that shows the plot around the pointer four times
// larger, with the pointer's frequency and height. It takes no focus and no click: the keys and
// the picks stay with the scaling form.
#include <QPoint>
#include <QWidget>

class QLabel;

namespace scalvo {

class PlotSurface;

class MagnifierWindow : public QWidget {
    Q_OBJECT
  public:
    MagnifierWindow(PlotSurface& surface, QWidget* parent);

    // Shown where it was last, else in the screen's bottom right corner, entirely on the screen.
    void present();
    // The plot point at the centre.
    QPoint centre() const { return centre_; }

  signals:
    void hidden();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void follow(QPoint plot);
    void draw();

    PlotSurface& surface_;
    QLabel* picture_ = nullptr;
    QLabel* readout_ = nullptr;
    QPoint centre_{382, 300};
    bool placed_ = false;
};

} // namespace scalvo
