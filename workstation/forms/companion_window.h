#pragma once
// The companion window on screen: another sounding's plot with its "previous" and "next".
#include "ionogram/companion.h"

#include <QWidget>

namespace scalvo {

class PlotSurface;

class CompanionWindow : public QWidget {
    Q_OBJECT
  public:
    CompanionWindow(CompanionForm& form, SharedState& shared, Dialogs& dialogs);
    void sync();
    // Shown centred on the screen.
    void present();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CompanionForm& form_;
    SharedState& shared_;
    Dialogs& dialogs_;
    PlotSurface* surface_ = nullptr;
};

} // namespace scalvo
