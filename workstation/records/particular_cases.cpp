#include "records/particular_cases.h"

namespace scalvo {

// Placeholder until the particular cases land.
void run_case_command(Scaling&, std::string_view) {}

} // namespace scalvo
