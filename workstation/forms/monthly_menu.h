// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > Monthly tables… of the scaling form: the month on screen, written as monthly_tables
// writes it, into the working folder's output/.
namespace scalvo {

class ScalingWindow;

// The entry (object name monthly_tables), after "Save picture…".
void add_monthly_tables(ScalingWindow& window);

} // namespace scalvo
