// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controller of the companion window: another sounding of the day beside the one being
// scaled. It only displays; it never writes a file.
#include "ionogram/ionogram.h"
#include "ionogram/plot_canvas.h"

#include <cstdint>
#include <string>

namespace scalvo {

class Dialogs;
struct SharedState;

struct CompanionForm {
    std::string caption;
    PlotCanvas plot{-30, 795, 670, -51, form_background};
    Ionogram ionogram;
    std::int16_t companion_hour = 0;
    std::int16_t companion_minute = 0;
    std::string companion_file_name;
    bool companion_loaded = false;
    bool companion_invalid = false;
    bool shown = false; // the window is open
};

// "show simultaneously" on the scaling form: the sounding after the scaling form's one.
void show_next_ionogram(CompanionForm& form, SharedState& shared, Dialogs& dialogs);
// "next" and "previous" of the companion window.
void next_new_form_click(CompanionForm& form, SharedState& shared, Dialogs& dialogs);
void previous_new_form_click(CompanionForm& form, SharedState& shared, Dialogs& dialogs);

class CompanionController {
  public:
    CompanionController(CompanionForm& form, SharedState& shared, Dialogs& dialogs)
        : form_(form), shared_(shared), dialogs_(dialogs) {}

    void show_next_ionogram() { scalvo::show_next_ionogram(form_, shared_, dialogs_); }
    void next_new_form_click() { scalvo::next_new_form_click(form_, shared_, dialogs_); }
    void previous_new_form_click() { scalvo::previous_new_form_click(form_, shared_, dialogs_); }
    // The window was closed by the operator.
    void closed() { form_.shown = false; }

    CompanionForm& form() { return form_; }

  private:
    CompanionForm& form_;
    SharedState& shared_;
    Dialogs& dialogs_;
};

} // namespace scalvo
