// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace scalvo {

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / folder_lock_file_name;
    // The file stays when the program ends: removing it could let a newcomer lock a fresh file
    // while another still holds the old one. A folder we may not write still has its lock
    // when the file is already there.
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = FileError{file, "opened", reason_of(errno)};
        return;
    }
    int result;
    do
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result == 0) {
        outcome_ = Outcome::held;
        return;
    }
    if (errno == EWOULDBLOCK)
        outcome_ = Outcome::busy;
    else
        error_ = FileError{file, "locked", reason_of(errno)};
    ::close(fd_);
    fd_ = -1;
}

FolderLock::~FolderLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace scalvo
