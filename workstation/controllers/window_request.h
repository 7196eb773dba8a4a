// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program's windows must do after an event of the scaling form.
namespace scalvo {

enum class WindowRequest {
    none,
    show_companion,
    show_parameters_form,
    close_program,
    // File > Open day…: the sounding has been left; the day asked for is to be started.
    open_day,
};

} // namespace scalvo
