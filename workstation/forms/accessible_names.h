#pragma once
#include <QWidget>

namespace scalvo {

// Screen readers and accessibility tools find each named control: boxes and lists by their
// control name (they have no text of their own), the others by their text, with the control
// name as description.
void name_controls_for_accessibility(QWidget& window);

} // namespace scalvo
