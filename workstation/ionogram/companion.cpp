#include "ionogram/companion.h"

namespace scalvo {

// Placeholder until the companion window lands.
void show_next_ionogram(CompanionForm& form, SharedState&, Dialogs&) {
    form.shown = true;
}
void next_new_form_click(CompanionForm&, SharedState&, Dialogs&) {}
void previous_new_form_click(CompanionForm&, SharedState&, Dialogs&) {}

} // namespace scalvo
