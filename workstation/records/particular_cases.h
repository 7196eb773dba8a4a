#pragma once
// The particular-case commands of the scaling form's menu.
#include "scaling/scaling_form.h"

#include <optional>
#include <string>
#include <string_view>

namespace scalvo {

// The command of a menu control (mancanza_es_di_giorno_principale, ..., no_ionogramma).
// Submenus and other names do nothing. The enabled state of the menu is not consulted: the
// keys F5 to F9 run the commands whatever it is.
void run_case_command(Scaling& scaling, std::string_view menu_control);

// The particular case the right button runs: daytime when foE's value or its descriptive
// letter is filled, nighttime otherwise (menu control names).
std::string_view es_missing_case(const ScalingForm& form);

// Label11's caption when a command sets the case (the menu's wording: "Daily", "Nocturnal",
// "more reflections"); nullopt for "06", whose command leaves the caption alone.
std::optional<std::string> case_command_caption(std::string_view code);
// (A case read back from an ionogram file has the other wording: particular_case_caption.)

inline constexpr const char* case_refused_text =
    "There aren't the right conditions to apply this particular case";
inline constexpr const char* case_refused_title = "Be careful!!";

} // namespace scalvo
