#pragma once
// The whole-sheet check before a sounding is stored.
#include "scaling/scaling_form.h"

#include <string_view>

namespace scalvo {

// True when a rule failed (its message has been shown).
bool check_sheet(Scaling& scaling, std::string_view particular_case_code);

} // namespace scalvo
