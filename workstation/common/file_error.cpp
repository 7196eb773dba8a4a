// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_error.h"

#include "common/dialogs.h"

#include <cstring>

namespace scalvo {

std::string file_error_text(const FileError& error) {
    return "The file \"" + error.path.string() + "\" could not be " + error.action + ": " +
           error.reason;
}

void report_file_error(Dialogs& dialogs, const FileError& error) {
    dialogs.message(file_error_text(error), file_error_title);
}

std::string reason_of(int error_number) {
    return std::strerror(error_number);
}

} // namespace scalvo
