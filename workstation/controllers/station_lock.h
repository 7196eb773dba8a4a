// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start in a working folder: it must be a station's folder (one with ionograms/), and this
// Scalvo must be the only one on its day files. The lock lives in ionograms/, beside the files
// it protects. Once it is held, the temporary files a killed Scalvo left are cleared.
#include "common/folder_lock.h"

#include <filesystem>
#include <memory>
#include <string>

namespace scalvo {

class Dialogs;

struct StationLock {
    std::unique_ptr<FolderLock> lock; // held, or failed when the operator chose to go on
    bool go_on = false;               // false: the program ends
};

StationLock lock_station_folder(const std::filesystem::path& working_folder, Dialogs& dialogs);

// The message for a working folder without ionograms/.
std::string not_a_station_folder_text(const std::filesystem::path& working_folder);
// The question when no lock can be had.
std::string no_lock_question(const FileError& error);

} // namespace scalvo
