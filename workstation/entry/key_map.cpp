#include "entry/key_map.h"

#include "records/navigation.h"

namespace scalvo {

// Placeholder until the key map lands: Escape only.
void form_key_down(Scaling& scaling, int key_code, int) {
    if (key_code == 27)
        end_of_scaling(scaling);
}

} // namespace scalvo
