// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// F11: the proposals of the automatic scaling accepted through the operator's own commands.
#include "scaling/scaling_form.h"

#include <functional>

namespace scalvo {

// Every empty value box with a proposal is filled row by row in sheet order, by the commands
// an operator would give: the row's selection, then the pick at the proposed point (its
// letter rules and warnings as after any pick), or for MUF(3000) the tool's step keys until
// the curve stands at the proposed MUF. A box holding a value is never touched. Then the
// first row a clean sounding of this time of day reports and still lacks is selected, else
// foF2. Without an ionogram, with a particular case, or with nothing to fill: nothing at all.
// after_command runs after each command, as the form does after each event.
void accept_proposals(Scaling& scaling, const std::function<void()>& after_command);

} // namespace scalvo
