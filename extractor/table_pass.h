// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <ostream>

namespace tabulor {

// Converts every ordinary file of `work`/data into the tables in `work`/output. Failures go
// to `errors`, one line each. Returns the exit status: 0, or 1 when anything failed.
int run_pass(const std::filesystem::path& work, std::ostream& errors);

} // namespace tabulor
