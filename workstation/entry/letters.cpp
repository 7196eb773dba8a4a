#include "entry/letters.h"

namespace scalvo {

// Placeholder until the letters land.
bool is_qualifying_letter_box(std::string_view) {
    return false;
}
bool is_descriptive_letter_box(std::string_view) {
    return false;
}
int qualifying_letter_key_press(Scaling&, std::string_view, int code) {
    return code;
}
int descriptive_letter_key_press(Scaling&, std::string_view, int code) {
    return code;
}
void letter_box_click(Scaling&, std::string_view) {}
void letter_box_lost_focus(Scaling&, std::string_view) {}

} // namespace scalvo
