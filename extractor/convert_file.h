// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report.h"

#include <filesystem>

namespace tabulor {

// Appends the foF2 value table and the letters table made from one scaled-values file.
// Either both tables get every line of the file or neither changes; a failure is reported
// and gives false.
bool convert_file(const std::filesystem::path& input, const std::filesystem::path& value_table,
                  const std::filesystem::path& letters_table, Report& report);

} // namespace tabulor
