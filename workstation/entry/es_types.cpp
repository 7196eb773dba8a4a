#include "entry/es_types.h"

namespace scalvo {

// Placeholder until the Es types box lands.
int es_types_key_press(const std::string&, int code) {
    return code;
}
int es_types_key_down(int key_code) {
    return key_code;
}
void esup_click(Scaling&) {}
void esdown_click(Scaling&) {}
bool es_types_format_ok(Scaling&, bool) {
    return true;
}

} // namespace scalvo
