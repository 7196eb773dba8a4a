// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Another program holding a folder's lock, in a process of its own, until it is killed as a
// crash would kill it. The child makes only plain system calls: the test program may have
// threads.
#include "common/folder_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scalvo::testing {

class LockHolder {
  public:
    explicit LockHolder(const std::filesystem::path& folder) {
        const std::string file = (folder / folder_lock_file_name).string();
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::open(file.c_str(), O_RDWR | O_CREAT, 0644);
            const char held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
            if (::write(ready[1], &held, 1) != 1)
                _exit(2);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char held = 'n';
        holds_ = pid_ > 0 && ::read(ready[0], &held, 1) == 1 && held == 'y';
        ::close(ready[0]);
    }
    ~LockHolder() { kill_hard(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool holds() const { return holds_; }
    // SIGKILL: no destructor, no clean-up of its own.
    bool kill_hard() {
        if (pid_ <= 0)
            return false;
        int status = 0;
        const bool killed = ::kill(pid_, SIGKILL) == 0 && ::waitpid(pid_, &status, 0) == pid_ &&
                            WIFSIGNALED(status);
        pid_ = -1;
        return killed;
    }

  private:
    pid_t pid_ = -1;
    bool holds_ = false;
};

} // namespace scalvo::testing
