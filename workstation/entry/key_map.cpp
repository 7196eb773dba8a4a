#include "entry/key_map.h"

#include "records/navigation.h"
#include "scaling/muf_tool.h"

namespace scalvo {

// Escape and the MUF(3000) step keys so far; the other commands join this map later.
void form_key_down(Scaling& scaling, int key_code, int shift) {
    switch (key_code) {
    case 27:
        end_of_scaling(scaling);
        break;
    case 38: // Up arrow
    case 40: // Down arrow
    case 49: // "1"
    case 50: // "2"
    case 51: // "3"
    case 52: // "4"
        muf_step(scaling, key_code, shift);
        break;
    default:
        break;
    }
}

} // namespace scalvo
