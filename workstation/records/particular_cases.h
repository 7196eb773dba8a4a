// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The particular-case commands of the scaling form's menu.
#include "scaling/scaling_form.h"

#include <cstdint>
#include <optional>
#include <string>

namespace scalvo {

// The commands of the menu (and of F5 to F9), each the click of a menu control.
enum class CaseCommand : std::uint8_t {
    daytime_es_missing,
    nighttime_es_missing,
    daytime_blanketing_single,
    daytime_blanketing_above,
    daytime_blanketing_below,
    nighttime_blanketing_single,
    nighttime_blanketing_above,
    nighttime_blanketing_below,
    partial_absorption,
    delete_case,
    no_ionogram,
};

inline constexpr std::size_t case_command_count = 11;

// Runs a command. The enabled state of the menu is not consulted: the keys F5 to F9 run the
// commands whatever it is.
void run_case_command(Scaling& scaling, CaseCommand command);

// The particular cases apply to an ionogram; without one only "NO IONOGRAM" does. The enabled
// state of a menu entry.
constexpr bool case_command_enabled(bool ionogram_loaded, CaseCommand command) {
    return ionogram_loaded || command == CaseCommand::no_ionogram;
}

// The particular case the right button runs: daytime when foE's value or its descriptive
// letter is filled, nighttime otherwise.
CaseCommand es_missing_case(const ScalingForm& form);

// Label11's caption when a command sets the case (the menu's wording: "Daily", "Nocturnal",
// "more reflections"); nullopt for no ionogram, whose command leaves the caption alone.
std::optional<std::string> case_command_caption(ParticularCase particular_case);
// (A case read back from an ionogram file has the other wording: particular_case_caption.)

inline constexpr const char* case_refused_text =
    "There aren't the right conditions to apply this particular case";
inline constexpr const char* case_refused_title = "Be careful!!";

} // namespace scalvo
