// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole-sheet check before a sounding is stored.
#include "scaling/scaling_form.h"

namespace scalvo {

// True when a rule failed (its message has been shown).
bool check_sheet(Scaling& scaling, ParticularCase particular_case_code);

} // namespace scalvo
