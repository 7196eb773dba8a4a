// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// F11: the proposals of the automatic scaling accepted through the operator's own commands.
#include "records/particular_cases.h"
#include "scaling/scaling_form.h"

#include <functional>
#include <optional>

namespace scalvo {

// Whether F11 can accept anything on the sounding on screen: an ionogram, and no particular
// case (a code naming none included). Where it cannot, nothing is shown as proposed either.
bool proposals_acceptable(const Scaling& scaling);

// The particular case F11 applies last: "Es missing" where the sounding was read and showed no
// sporadic E, daytime where foE will be on the sheet, nighttime otherwise (as the right button
// chooses). Only where the sporadic E rows (foEs, h'Es, fbEs) and the Es types are empty, and
// the case's command will apply without changing anything the operator put on the sheet.
std::optional<CaseCommand> proposed_case(const Scaling& scaling);

// Every row of the sheet without anything of the operator's (value and letters empty) that has
// a proposal is filled in sheet order, by the commands an operator would give: the row's
// selection, then the pick at the proposed point (its letter rules and warnings as after any
// pick), or for MUF(3000) the tool's step keys until the curve stands at the proposed MUF. No
// box that held something before F11 is changed, not even by a letter rule of a pick. Then the
// proposed particular case, and the first row a clean sounding of this time of day reports and
// still lacks is selected, else foF2. Without anything to accept: nothing at all.
// after_command runs after each command, as the form does after each event; refresh before
// each message box, so that the operator sees the sheet the question is about.
void accept_proposals(Scaling& scaling, const std::function<void()>& after_command,
                      const std::function<void()>& refresh);

} // namespace scalvo
