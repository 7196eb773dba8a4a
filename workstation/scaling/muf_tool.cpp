#include "scaling/muf_tool.h"

namespace scalvo {

// Placeholder until the MUF(3000) tool lands.
void open_muf_tool(Scaling&) {}
void muf_step(Scaling&, int, int) {}

} // namespace scalvo
