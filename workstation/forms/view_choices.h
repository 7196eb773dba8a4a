#pragma once
// The View choices the windows read, kept in the program's settings (QSettings), never in
// setting.txt.

namespace scalvo {

// Whether the automatic proposals are shown ("view/proposals"; on until the operator turns
// them off).
bool proposals_shown();

} // namespace scalvo
