// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scaling form's menu bar holds the seven particular-case menus and the program's own
// (File, Edit, View, Help) in the 1015 pixels of the window: narrower padding around each entry, so
// that none goes behind the bar's extension button, with the bar's height unchanged.
class QMenuBar;

namespace scalvo {

void fit_menu_bar(QMenuBar& bar);

} // namespace scalvo
