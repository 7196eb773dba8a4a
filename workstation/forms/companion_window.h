// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The companion window on screen: another sounding's plot with its "previous" and "next".
#include "controllers/companion_controller.h"

#include <QWidget>

namespace scalvo {

class PlotSurface;

class CompanionWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CompanionWindow(CompanionController& controller);
    void sync();
    // Shown centred on the screen.
    void present();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CompanionController& controller_;
    PlotSurface* surface_ = nullptr;
};

} // namespace scalvo
