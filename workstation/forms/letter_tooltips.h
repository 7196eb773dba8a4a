// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tooltips on the sheet of the scaling form: every letter box names its characteristic in full
// and lists the letters it accepts with their meanings; every row label names its
// characteristic. The refusal messages stay as they are: the explanation lives here.
class QWidget;

namespace scalvo {

void add_sheet_tooltips(QWidget& window);

} // namespace scalvo
