// One Scalvo per working folder: the lock refuses a second holder while the first lives, and
// goes with the first however it ends.
#include "common/folder_lock.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scalvo {
namespace {

using Outcome = FolderLock::Outcome;

// A process of its own holding the folder's lock until it is killed.
class OtherProgram {
  public:
    explicit OtherProgram(const std::filesystem::path& folder) {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            FolderLock lock(folder);
            const char held = lock.outcome() == Outcome::held ? 'y' : 'n';
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
    ~OtherProgram() { kill_hard(); }
    bool holds() const { return holds_; }
    // As a crash would: no destructor, no clean-up of its own.
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

TEST(FolderLock, ASecondHolderIsRefusedWhileTheFirstLives) {
    testing::TempFolder folder;
    auto first = std::make_unique<FolderLock>(folder.path());
    ASSERT_EQ(first->outcome(), Outcome::held);
    EXPECT_EQ(FolderLock(folder.path()).outcome(), Outcome::busy);
    first.reset();
    EXPECT_EQ(FolderLock(folder.path()).outcome(), Outcome::held);
    // Another folder has a lock of its own.
    std::filesystem::create_directory(folder / "other");
    FolderLock here(folder.path());
    EXPECT_EQ(FolderLock(folder / "other").outcome(), Outcome::held);
}

TEST(FolderLock, AnotherProgramHoldsItUntilItIsKilled) {
    testing::TempFolder folder;
    for (int start = 0; start < 3; ++start) {
        OtherProgram other(folder.path());
        ASSERT_TRUE(other.holds()) << start;
        const FolderLock refused(folder.path());
        EXPECT_EQ(refused.outcome(), Outcome::busy) << start;
        EXPECT_FALSE(refused.error()) << start;
        ASSERT_TRUE(other.kill_hard()) << start;
        // The killed program's lock file is still there; it blocks nothing.
        EXPECT_TRUE(std::filesystem::exists(folder / folder_lock_file_name));
        EXPECT_EQ(FolderLock(folder.path()).outcome(), Outcome::held) << start;
    }
}

TEST(FolderLock, AFolderThatCannotHoldTheLockIsNamed) {
    testing::TempFolder folder;
    const FolderLock lock(folder / "missing");
    EXPECT_EQ(lock.outcome(), Outcome::failed);
    ASSERT_TRUE(lock.error());
    EXPECT_EQ(lock.error()->path, folder / "missing" / folder_lock_file_name);
    EXPECT_EQ(lock.error()->reason, "No such file or directory");
}

} // namespace
} // namespace scalvo
