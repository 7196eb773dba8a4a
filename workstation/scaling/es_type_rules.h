// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The automatic Es type proposed from the E-region entries of the sheet.
#include "scaling/scaling_form.h"

#include <optional>
#include <string>

namespace scalvo {

// "L1", "F1" or "C1" by the first of the rules L, F, C whose condition holds; none otherwise.
std::optional<std::string> automatic_es_type(const ScalingForm& form);

} // namespace scalvo
