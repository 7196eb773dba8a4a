// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controller of the scaling form: its events, in the program's own vocabulary (virtual-key
// codes, character codes, mouse buttons, plot coordinates, the sheet's boxes and rows),
// dispatched to the commands of the subsystems. The window translates its toolkit's events
// into these calls and mirrors the state after.
#include "common/text_box.h"
#include "controllers/control_names.h"
#include "controllers/days_held.h"
#include "controllers/plot_marks.h"
#include "controllers/sheet_history.h"
#include "controllers/view_settings.h"
#include "controllers/window_request.h"
#include "records/particular_cases.h"
#include "scaling/scaling_form.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
    // The form sees every key first. True when the key was the form's alone (undo, redo, a
    // key refused while looking only): the focused box must not see it.
    bool key_down(int key_code, int shift);
    // Then the focused box: returns the key code, 0 when the box discards the key.
    int box_key_down(Box box, int key_code, int shift);
    // Then the typed character through the box's filter; what passes is typed into the box.
    // Returns the box's new caret position.
    int box_key_press(Box box, int code, Caret caret);
    // An edit the box made by itself (a key without a character); only deletions are taken.
    void box_text_edited(Box box, std::string text);
    void box_click(Box box);
    // The operator moved the focus (Tab, a click) to a box, or to another control (nullopt).
    void focus_changed(std::optional<Box> box);
    void label_click(Row row);
    void control_click(FormControl control);
    void menu_click(CaseCommand command);
    // Another sounding of the day asked for from outside the form (the day overview).
    void go_to_record(int record);
    // Closing the window; false keeps it open.
    bool query_unload();

    // Edit > Undo and Edit > Redo (also Alt+Backspace, Alt+Shift+Backspace): the steps of the
    // sounding on screen.
    void undo();
    void redo();
    bool can_undo() const { return history_.can_undo(); }
    bool can_redo() const { return history_.can_redo(); }
    // Edit > Revert to stored: the stored record and case of the sounding on screen, as one
    // step.
    void revert_to_stored();

    // View > Look only. Switched on with changes on the sheet that are not stored, the operator
    // is asked first; false when the answer kept it off.
    bool set_look_only(bool on);
    bool look_only() const;
    // The window's caption: the form's, with "(look only)" after it while looking only.
    std::string caption() const;

    // File > Open day…: the sounding is left as Escape leaves it, and the day asked for.
    void open_day(const DayHeld& day);
    const std::optional<DayHeld>& requested_day() const { return requested_day_; }

    // What the window shows beside the form's own state, computed from it.
    bool locked(Box box) const { return scalvo::locked(scaling_.form, box); }
    bool label_red(Row row) const { return scalvo::label_red(scaling_.form, row); }
    bool menu_enabled(CaseCommand command) const;
    bool menu_enabled(CaseSubmenu submenu) const;

    // The View choices, the one place that says what is shown beside the described form.
    const ViewSettings& view() const { return view_; }
    void set_view(const ViewSettings& view) { view_ = view; }
    // The grey text an empty value box shows: its proposal, while proposals are shown and F11
    // can accept them.
    std::string placeholder(Box box) const;
    // The particular case F11 would apply, as Label11 would then read; "" for none.
    std::string proposed_case_caption() const;
    // Called before each message box F11 raises: the window shows the sheet as it stands.
    void set_refresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }
    // The marks over the plot: proposals and the previous sounding's values, as chosen.
    std::vector<PlotMark> marks() const;

    // What the program's windows must do after the events so far; none again once taken.
    WindowRequest take_request();

    Scaling& scaling() { return scaling_; }
    ScalingForm& form() { return scaling_.form; }

  private:
    // Lost-focus handlers of the boxes the focus left during the event.
    void finish_event();
    // One event of the form: the command, then the lost-focus handlers; a change of the sheet
    // becomes a step (a MUF step key continues the tool's run), a new sounding drops the steps,
    // and while looking only the sheet is put back as it was (then true).
    template <typename Command> bool event(Command command, bool muf_key = false);
    // While looking only: the message, and true.
    bool refused();
    // The sounding on screen was replaced: its steps and stored case go with it.
    void new_sounding();

    struct Sounding {
        std::string file;
        std::int16_t record = 0;
        friend bool operator==(const Sounding&, const Sounding&) = default;
    };
    Sounding sounding() const;

    Scaling scaling_;
    CompanionController& companion_;
    ViewSettings view_;
    std::function<void()> refresh_ = [] {};
    WindowRequest request_ = WindowRequest::none;
    SheetHistory history_;
    // The case the ionogram file holds for the sounding on screen, as it was shown at its load.
    ParticularCase stored_case_ = ParticularCase::none;
    std::string stored_label11_;
    std::optional<DayHeld> requested_day_;
};

inline constexpr const char* look_only_text =
    "Look only is on: the sheet cannot be changed here and nothing is stored.\r\n"
    "Switch off View > Look only to scale.";
inline constexpr const char* look_only_title = "Look only";

} // namespace scalvo
