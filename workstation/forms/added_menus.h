// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menus of our own after the scaling form's described ones, in the order File, Edit, View,
// Help:
// each found by its object name, or made and put in its place.
class QMainWindow;
class QMenu;

namespace scalvo {

// "File" (object name file_menu): after the described menus, before Edit, View and Help.
QMenu* file_menu(QMainWindow& window);
// "Edit" (object name edit_menu): before View and Help.
QMenu* edit_menu(QMainWindow& window);
// "View" (object name view_menu): before Help.
QMenu* view_menu(QMainWindow& window);
// "Help" (object name help_menu): last.
QMenu* help_menu(QMainWindow& window);

} // namespace scalvo
