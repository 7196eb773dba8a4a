// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// View > Magnifier and View > Contrast… of the scaling form, after its other View entries.
namespace scalvo {

class ContrastWindow;
class MagnifierWindow;
class ScalingWindow;

void add_view_tools(ScalingWindow& window);
// The windows once opened; nullptr before.
MagnifierWindow* magnifier_of(ScalingWindow& window);
ContrastWindow* contrast_of(ScalingWindow& window);

} // namespace scalvo
