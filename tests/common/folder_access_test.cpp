// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the working folder and its ionograms/ may be written, asked without writing.
#include "common/folder_access.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace scalvo {
namespace {

TEST(FolderWriteCheck, AFolderWeMayWriteAndOneThatIsNotThere) {
    testing::TempFolder folder;
    EXPECT_FALSE(folder_write_check(folder.path()));
    std::filesystem::create_directory(folder / "ionograms");
    EXPECT_FALSE(folder_write_check(folder.path()));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "ionograms")); // looking left nothing

    const FileResult missing = folder_write_check(folder / "gone");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->path, folder / "gone");
    EXPECT_FALSE(missing->reason.empty());
}

TEST(FolderWriteCheck, EitherFolderReadOnlyIsNamed) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    using std::filesystem::perms;
    for (const char* name : {"", "ionograms"}) {
        testing::TempFolder folder;
        std::filesystem::create_directory(folder / "ionograms");
        const auto read_only = std::string(name).empty() ? folder.path() : folder / name;
        std::filesystem::permissions(read_only, perms::owner_read | perms::owner_exec);
        const FileResult error = folder_write_check(folder.path());
        ASSERT_TRUE(error) << name;
        EXPECT_EQ(error->path, read_only);
        std::filesystem::permissions(read_only, perms::owner_all);
    }
}

} // namespace
} // namespace scalvo
