// SPDX-License-Identifier: GPL-3.0-or-later
// --folder takes the folder's name as the bytes given, whatever the locale: a folder named in
// Latin-1 on a UTF-8 system is found, not answered with "no such folder".
#include "forms/command_line.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

TEST(FolderOption, TakesTheNameAsBytes) {
    testing::TempFolder folder;
    const std::string latin1 = (folder.path() / "caf\xe9").string();
    std::filesystem::create_directory(latin1);
    const std::vector<std::vector<std::string>> cases{
        {"scalvo", "--folder", latin1},
        {"scalvo", "-folder", latin1},
        {"scalvo", "--folder=" + latin1},
    };
    for (const auto& owned : cases) {
        std::vector<const char*> argv;
        for (const std::string& argument : owned)
            argv.push_back(argument.c_str());
        const CommandLine command = parse_command_line(static_cast<int>(argv.size()), argv.data());
        ASSERT_FALSE(command.exit_status) << owned.back() << command.err;
        EXPECT_EQ(command.folder.source, FolderSource::given);
        EXPECT_EQ(command.folder.given.string(), latin1) << owned.back();
        const FolderDecision decision =
            decide_start_folder(command.folder, folder.path(), std::nullopt, "/");
        EXPECT_EQ(decision.kind, FolderDecision::Kind::use) << decision.error;
    }
}

} // namespace
} // namespace scalvo
