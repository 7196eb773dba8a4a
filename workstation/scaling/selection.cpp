#include "scaling/selection.h"

namespace scalvo {

// Placeholder until the selection commands land.
void select_characteristic(Scaling& scaling, std::string_view key) {
    scaling.form.selected_characteristic = std::string(key);
}
void select_foF2_without_redraw(Scaling& scaling) {
    scaling.form.selected_characteristic = "foF2";
    set_focus(scaling.form, "lettera_descrittiva_fof2");
}

} // namespace scalvo
