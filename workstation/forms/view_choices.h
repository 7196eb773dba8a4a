// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The View choices of the scaling form kept between runs in the program's QSettings (never in
// setting.txt).
#include "controllers/view_settings.h"

namespace scalvo {

// The choices remembered under "view/proposals" and "view/previous_sounding" (both on when
// nothing was remembered), and "view/contrast_gain" and "view/contrast_gamma" (the picture as
// drawn when nothing was remembered).
ViewSettings load_view_settings();
void save_view_settings(const ViewSettings& view);

} // namespace scalvo
