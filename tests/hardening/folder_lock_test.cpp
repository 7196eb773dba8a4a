// SPDX-License-Identifier: GPL-3.0-or-later
// One Scalvo per working folder: the lock refuses a second holder while the first lives, and
// goes with the first however it ends.
#include "common/folder_lock.h"
#include "support/lock_holder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

using Outcome = FolderLock::Outcome;

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
        testing::LockHolder other(folder.path());
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
