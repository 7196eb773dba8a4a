// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/folder_lock.h"

#include "common/file_calls.h"
#include "common/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scalvo {

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / folder_lock_file_name;
    FileCalls& calls = system_file_calls();
    const int folder_fd = calls.open_folder(folder);
    if (folder_fd < 0) {
        error_ = FileError{file, "opened", reason_of(errno)};
        return;
    }
    // The file stays when the program ends: removing it could let a newcomer lock a fresh file
    // while another still holds the old one. A folder we may not write still has its lock
    // when the file is already there.
    fd_ = calls.open(folder_fd, folder_lock_file_name, O_RDWR | O_CREAT, 0666);
    const char* action = "created";
    int number = errno;
    if (fd_ < 0 && (number == EACCES || number == EROFS || number == EPERM)) {
        fd_ = calls.open(folder_fd, folder_lock_file_name, O_RDONLY, 0);
        // A lock file that is not there says nothing of why it could not be made.
        if (fd_ < 0 && errno != ENOENT) {
            number = errno;
            action = "opened";
        }
    }
    ::close(folder_fd);
    if (fd_ < 0) {
        error_ = FileError{file, action, number == ELOOP ? link_reason : reason_of(number)};
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        error_ = FileError{file, "opened", not_ordinary_reason};
        ::close(fd_);
        fd_ = -1;
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
