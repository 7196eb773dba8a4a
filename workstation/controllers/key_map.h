// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard commands of the scaling form, which sees every key before the focused box.
#include "controllers/window_request.h"
#include "scaling/scaling_form.h"

namespace scalvo {

inline constexpr int shift_mask = 1;
inline constexpr int ctrl_mask = 2;
inline constexpr int alt_mask = 4;

// Form_KeyDown: runs the key's command; Escape may ask for the parameters form.
WindowRequest form_key_down(Scaling& scaling, int key_code, int shift);

} // namespace scalvo
