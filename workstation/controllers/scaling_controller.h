#pragma once
// The controller of the scaling form: its events, in the program's own vocabulary (virtual-key
// codes, character codes, mouse buttons, plot coordinates), dispatched to the commands of the
// subsystems. The window translates its toolkit's events into these calls and mirrors the state
// after.
#include "common/text_box.h"
#include "scaling/scaling_form.h"

#include <string_view>

namespace scalvo {

class CompanionController;

class ScalingController {
  public:
    ScalingController(ScalingForm& form, SharedState& shared, Dialogs& dialogs,
                      CompanionController& companion)
        : scaling_{form, shared, dialogs}, companion_(companion) {}

    void load();
    void mouse_move(int x, int y);
    void mouse_down(int button, int shift, float x, float y);
    // The form sees every key first.
    void key_down(int key_code, int shift);
    // Then the focused box: returns the key code, 0 when the box discards the key.
    int box_key_down(std::string_view box, int key_code, int shift);
    // Then the typed character through the box's filter; what passes is typed into the box.
    // Returns the box's new caret position.
    int box_key_press(std::string_view box, int code, Caret caret);
    // An edit the box made by itself (a key without a character); only deletions are taken.
    void box_text_edited(std::string_view box, std::string text);
    void box_click(std::string_view box);
    // The operator moved the focus (Tab, a click).
    void focus_changed(std::string_view control);
    // Row labels, "Next Ionogram (F3)" (successivo) and "Previous Ionogram (F4)" (prima).
    void label_click(std::string_view label);
    // show_next_ionogram, Esup, Esdown.
    void button_click(std::string_view button);
    void option_click(bool yes);
    void menu_click(std::string_view menu_control);
    // Closing the window; false keeps it open.
    bool query_unload();

    Scaling& scaling() { return scaling_; }
    ScalingForm& form() { return scaling_.form; }

  private:
    // Lost-focus handlers of the controls the focus left during the event.
    void finish_event();

    Scaling scaling_;
    CompanionController& companion_;
};

} // namespace scalvo
