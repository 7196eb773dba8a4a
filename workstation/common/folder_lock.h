// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One Scalvo per folder of day files: two would each rewrite the day file from their own sheet
// and undo each other's records. The lock is the system's advisory lock on a file of the folder
// that holds the day files (ionograms/, so that two working folders sharing it through a link
// exclude each other too). It goes with the process however it ends, so a crashed program never
// blocks the next.
#include "common/file_error.h"

#include <filesystem>

namespace scalvo {

inline constexpr const char* folder_lock_file_name = ".scalvo.lock";

class FolderLock {
  public:
    enum class Outcome { held, busy, failed };

    // Takes the lock of folder at once, without waiting. A link or anything but an ordinary
    // file in the lock file's place is refused.
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // held: ours until destroyed; busy: another process holds it; failed: see error().
    Outcome outcome() const { return outcome_; }
    const FileResult& error() const { return error_; }

  private:
    int fd_ = -1;
    Outcome outcome_ = Outcome::failed;
    FileResult error_;
};

} // namespace scalvo
