// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Enters the working folder the command line asks for: asks for one in a folder chooser when
// needed, and remembers the folder for the next start from the menu (in QSettings).
#include "controllers/start_folder.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace scalvo {

// Shows a chooser opening at `start`; an empty path when the operator cancels.
using FolderChooser = std::function<std::filesystem::path(const std::filesystem::path& start)>;

struct StartFolder {
    std::optional<std::filesystem::path> folder; // the working folder, now the current folder
    int exit_status = 0;                         // without a folder: how the program ends
    std::string error;                           // why, when there is a reason to tell
};

StartFolder open_start_folder(const FolderRequest& request, const FolderChooser& chooser);

// The platform's folder chooser.
std::filesystem::path choose_folder_in_dialog(const std::filesystem::path& start);

// The key of the remembered folder in the program's QSettings.
inline constexpr const char* remembered_folder_key = "start/last_folder";

} // namespace scalvo
