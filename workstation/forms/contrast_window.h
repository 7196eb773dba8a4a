// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// View > Contrast: the gain and the gamma of the plot's grey scale, shown at once on the plot,
// remembered with the other View choices. Reset brings back the picture as drawn.
#include "controllers/contrast.h"

#include <QWidget>

class QLabel;
class QSlider;

namespace scalvo {

class ScalingWindow;

class ContrastWindow : public QWidget {
    Q_OBJECT
  public:
    ContrastWindow(ScalingWindow& scaling);

    // Shown in the screen's bottom left corner the first time, or raised.
    void present();
    // The sliders as the scaling form's View choice says.
    void mirror();

  private:
    void chosen();

    ScalingWindow& scaling_;
    QSlider* gain_ = nullptr;
    QSlider* gamma_ = nullptr;
    QLabel* gain_text_ = nullptr;
    QLabel* gamma_text_ = nullptr;
    bool placed_ = false;
    bool mirroring_ = false;
};

// The slider positions of a contrast and back: the gain in tenths of a power of two, the gamma
// in tenths.
int gain_position(double gain);
double gain_at(int position);
int gamma_position(double gamma);
double gamma_at(int position);

} // namespace scalvo
