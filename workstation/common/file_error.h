// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Failures of file operations the operator must hear about, with the file and the reason.
#include <filesystem>
#include <optional>
#include <string>

namespace scalvo {

class Dialogs;

struct FileError {
    std::filesystem::path path;
    std::string action; // "created", "written", "read", "opened", "locked"
    std::string reason; // the system's text for the failure
};

using FileResult = std::optional<FileError>; // empty: success

inline constexpr const char* file_error_title = "File error";

// "The file "<path>" could not be written: <reason>"
std::string file_error_text(const FileError& error);
void report_file_error(Dialogs& dialogs, const FileError& error);
// The system's text for errno value number.
std::string reason_of(int error_number);

} // namespace scalvo
