// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/settings_file.h"

#include "support/temp_folder.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::TempFolder;

TEST(Settings, MissingOrUnreadableLinesTakeTheDefaults) {
    const struct {
        const char* content;
        SettingsLines lines;
    } cases[] = {
        {"05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n", {"05-12-2026", "07", "45", "15", "32"}},
        {"05-12-2026\n07\n45\n15\n32", {"05-12-2026", "07", "45", "15", "32"}},
        {"", {"01-02-2027", "00", "00", "15", "1"}},
        {"05-12-2026\r\n07\r\n", {"05-12-2026", "07", "00", "15", "1"}},
        {"05-12-2026\r\n24\r\n47\r\n20\r\nxx\r\n", {"05-12-2026", "00", "00", "15", "1"}},
        {"a very long line that is no date\r\n", {"01-02-2027", "00", "00", "15", "1"}},
        {"\r\n\r\n\r\n\r\n\r\n", {"01-02-2027", "00", "00", "15", "1"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_settings(c.content, "01-02-2027"), c.lines) << c.content;
}

TEST(Settings, WrittenWholeWithCrLfAndReadBack) {
    TempFolder folder;
    const SettingsLines lines{"05-12-2026", "07", "45", "15", "32"};
    ASSERT_FALSE(write_settings(folder / "setting.txt", lines));
    EXPECT_EQ(testing::read_bytes(folder / "setting.txt"),
              "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
    EXPECT_EQ(read_settings(folder / "setting.txt", "01-01-2000"), lines);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    EXPECT_EQ(read_settings(folder / "missing.txt", "01-01-2000")[0], "01-01-2000");
}

TEST(Settings, AFailedWriteKeepsTheOldFile) {
    TempFolder folder;
    testing::write_bytes(folder / "setting.txt", "old");
    // A disk that fills up while the new content is written.
    struct FullDisk : FileCalls {
        long write_at(int, const char*, std::size_t, std::int64_t) override {
            errno = ENOSPC;
            return -1;
        }
    } full;
    const auto error = write_settings(folder / "setting.txt", {"a", "b", "c", "d", "e"}, full);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, folder / "setting.txt");
    EXPECT_EQ(testing::read_bytes(folder / "setting.txt"), "old");
}

} // namespace
} // namespace scalvo
