// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// monthly_tables' options: --month YYYY-MM [--folder DIR] [--out DIR], --help, --version.
#include "monthly/monthly_run.h"

#include <optional>
#include <string>

namespace scalvo {

struct MonthlyCommandLine {
    MonthlyRequest request;
    // Set when the program ends here: with `out` for standard output (help, version) or
    // `err` for standard error (a refused argument, then the usage).
    std::optional<int> exit_status;
    std::string out;
    std::string err;
};

// Relative folders are taken from the current folder.
MonthlyCommandLine parse_monthly_command_line(int argc, const char* const argv[]);
std::string monthly_usage_text();

} // namespace scalvo
