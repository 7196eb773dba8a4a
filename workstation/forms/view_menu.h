#pragma once
// The View menu of a window, after its own menus and before Help, and the View choices of the
// scaling form kept between runs in the program's QSettings (never in setting.txt).
#include "controllers/view_settings.h"

class QMainWindow;
class QMenu;

namespace scalvo {

// The window's View menu, found by its object name "view_menu", or made and placed before the
// Help menu (at the end when there is none). Every part of the program that adds an entry to
// View comes through here, so that there is one menu whatever the order.
QMenu* view_menu(QMainWindow& window);

// The choices remembered under "view/proposals" and "view/previous_sounding"; both on when
// nothing was remembered.
ViewSettings load_view_settings();
void save_view_settings(const ViewSettings& view);

} // namespace scalvo
