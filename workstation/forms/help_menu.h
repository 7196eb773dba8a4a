// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu, after the scaling form's own menus: Keys lists the keys of the form, About
// names the version and the folder being worked in.
class QMainWindow;
class QString;

namespace scalvo {

void add_help_menu(QMainWindow& window);

// The text of the About box for a working folder.
QString about_text(const QString& working_folder);

} // namespace scalvo
