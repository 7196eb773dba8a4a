// SPDX-License-Identifier: GPL-3.0-or-later
// One Scalvo per folder of day files, as the operator meets it: a second program started in the
// folder names it in a message box and ends; a crashed one blocks nothing.
#include "forms/workstation_app.h"

#include "support/lock_holder.h"
#include "support/message_boxes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::answering_boxes;

TEST(OneScalvoPerFolder, ASecondProgramNamesTheFolderAndEnds) {
    testing::TempFolder folder;
    std::filesystem::create_directory(folder / "ionograms");
    auto first = std::make_unique<WorkstationApp>(folder.path());
    bool first_started = false;
    EXPECT_TRUE(answering_boxes([&] { first_started = first->lock_working_folder(); }).empty());
    ASSERT_TRUE(first_started);

    WorkstationApp second(folder.path());
    bool second_started = true;
    const auto boxes = answering_boxes([&] { second_started = second.lock_working_folder(); });
    EXPECT_FALSE(second_started);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Scalvo is already running on the day files of this folder: " +
                                 QString::fromStdString((folder / "ionograms").string()));
    EXPECT_EQ(boxes[0].title, "SCALVO");

    // Once the first has ended the folder is free.
    first.reset();
    WorkstationApp third(folder.path());
    bool third_started = false;
    EXPECT_TRUE(answering_boxes([&] { third_started = third.lock_working_folder(); }).empty());
    EXPECT_TRUE(third_started);
}

TEST(OneScalvoPerFolder, AKilledProgramNeverBlocksTheNextStart) {
    testing::TempFolder folder;
    std::filesystem::create_directory(folder / "ionograms");
    testing::LockHolder crashed(folder / "ionograms");
    ASSERT_TRUE(crashed.holds());
    {
        WorkstationApp while_alive(folder.path());
        bool started = true;
        EXPECT_EQ(answering_boxes([&] { started = while_alive.lock_working_folder(); }).size(), 1u);
        EXPECT_FALSE(started);
    }
    ASSERT_TRUE(crashed.kill_hard());
    ASSERT_TRUE(std::filesystem::exists(folder / "ionograms" / folder_lock_file_name));

    WorkstationApp next(folder.path());
    bool started = false;
    EXPECT_TRUE(answering_boxes([&] { started = next.lock_working_folder(); }).empty());
    EXPECT_TRUE(started);
}

} // namespace
} // namespace scalvo
