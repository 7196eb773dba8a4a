// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/folder_access.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace scalvo {

namespace {

// Asked of the system rather than tried with a file: looking must not leave a trace, and the
// answer covers a read-only mount as well as the permissions.
FileResult check(const std::filesystem::path& folder) {
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0)
        return std::nullopt;
    return FileError{folder, "written", reason_of(errno)};
}

} // namespace

FileResult folder_write_check(const std::filesystem::path& working_folder) {
    if (auto error = check(working_folder))
        return error;
    const std::filesystem::path ionograms = working_folder / "ionograms";
    std::error_code ignored;
    if (std::filesystem::is_directory(ionograms, ignored))
        return check(ionograms);
    return std::nullopt;
}

} // namespace scalvo
