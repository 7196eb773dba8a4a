#pragma once
// The MUF(3000) transmission-curve tool.
#include "scaling/scaling_form.h"

namespace scalvo {

// Opens the tool after the selection of MUF3000F1 or MUF3000F2.
void open_muf_tool(Scaling& scaling);
// One step key (49, 50, 51, 52, 38, 40) with the keyboard-state mask.
void muf_step(Scaling& scaling, int key_code, int shift);

} // namespace scalvo
