// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the program may write where it stores: the working folder (setting.txt) and its
// ionograms/ folder (the day files and the case codes).
#include "common/file_error.h"

#include <filesystem>

namespace scalvo {

// The first of the two folders this process may not write into, with the system's reason;
// nothing when both may be written (an ionograms/ folder that is not there is not looked at).
FileResult folder_write_check(const std::filesystem::path& working_folder);

} // namespace scalvo
