#pragma once
// The particular-case commands of the scaling form's menu.
#include "scaling/scaling_form.h"

#include <string_view>

namespace scalvo {

// The command of a menu control (mancanza_es_di_giorno_principale, ..., no_ionogramma).
void run_case_command(Scaling& scaling, std::string_view menu_control);

} // namespace scalvo
