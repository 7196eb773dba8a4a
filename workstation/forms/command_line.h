// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scalvo's options, read before the application object exists: --help, --version and a
// refused option must work without a display.
#include "controllers/start_folder.h"

#include <optional>
#include <string>

namespace scalvo {

struct CommandLine {
    FolderRequest folder;
    // Set when the program ends here: with `out` for standard output (help, version) or
    // `err` for standard error (a refused option, then the usage).
    std::optional<int> exit_status;
    std::string out;
    std::string err;
};

CommandLine parse_command_line(int argc, const char* const argv[]);
std::string usage_text();
std::string version_text();

} // namespace scalvo
