// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Es types box: its key filter, the multiple-reflection steps and the format rule.
#include "scaling/scaling_form.h"

#include <string>

namespace scalvo {

// Character typed in the Es types box holding content; returns the code to type, 0 to discard it.
int es_types_key_press(const std::string& content, int code);
// Key pressed in the Es types box; the caret and forward-delete keys come back as 0.
int es_types_key_down(int key_code);
void esup_click(Scaling& scaling);
void esdown_click(Scaling& scaling);
// Length 0, 2 or 4; otherwise the message (closing has its own wording) and false.
bool es_types_format_ok(Scaling& scaling, bool closing);

} // namespace scalvo
