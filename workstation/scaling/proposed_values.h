// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The automatic scaling's reading as the sheet would take it: for each row, the code that
// accepting the proposal stores, by the commands' own conversions (the pick at the proposed
// point, the transmission curve through it, M(3000) from the codes as they will stand).
#include "scaling/scaling_form.h"

#include <optional>
#include <string>

namespace scalvo {

// The operator's row: something in its value box or in one of its letter boxes (for M(3000),
// whose letters are copied, and the Es types: in its value box). Accepting the proposals leaves
// it as it is.
bool operators_row(const ScalingForm& form, Row row);

// The row's code once the proposals are accepted: the operator's value where the box holds
// one, none on another row of the operator's, else the proposal's.
std::optional<std::string> accepted_code(const ScalingForm& form, Row row);

// The value code the previous sounding's hidden box starts with (it holds value and letters
// joined); nullopt without one.
std::optional<int> previous_code(const ScalingForm& form, Row row);

// The code accepting the row's proposal stores before any letter rule or warning; nullopt
// without a proposal or where the command would store nothing. A height read above a blanketing
// sporadic E is no proposal where it lies more than 5 km above the previous sounding's: the
// start of the trace is hidden, and the operator is asked rather than given a wrong value.
std::optional<std::string> proposed_code(const ScalingForm& form, Row row);

// The grey text of an empty value box: its proposed code. "" on a row of the operator's, for a
// letter or hidden box, or a row without a proposal.
std::string placeholder(const ScalingForm& form, Box box);

} // namespace scalvo
