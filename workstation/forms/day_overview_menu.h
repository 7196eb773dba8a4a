// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Day overview" (F10) in the View menu of the scaling form: opens the day overview beside it,
// made at its first opening; it follows the form's every stored record and closes with it.
namespace scalvo {

class DayOverviewWindow;
class ScalingWindow;

void add_day_overview(ScalingWindow& window);

// The window, once opened; nullptr before.
DayOverviewWindow* day_overview_of(ScalingWindow& window);

} // namespace scalvo
