// SPDX-License-Identifier: GPL-3.0-or-later
// A program killed at any moment leaves the day's records and "setting.txt" whole: each record
// and the settings file hold either what was there before or what was being written.
#include "common/settings_file.h"
#include "records/record_file.h"
#include "support/temp_folder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scalvo {
namespace {

constexpr int day_records = 96;

// Record n of a generation: its time, then one letter throughout.
std::string record_of(int n, int generation) {
    return testing::framed_record(n, static_cast<char>('A' + generation % 26));
}

SettingsLines settings_of(int generation) {
    return {"05-12-2026", generation % 2 ? "07" : "13", generation % 2 ? "45" : "30", "15",
            std::to_string(generation % 96 + 1)};
}

[[noreturn]] void write_forever(const std::filesystem::path& day,
                                const std::filesystem::path& settings) {
    for (int generation = 1;; ++generation) {
        for (int n = 1; n <= day_records; ++n)
            if (write_record_at(day, n, record_of(n, generation)))
                _exit(2);
        if (write_settings(settings, settings_of(generation)))
            _exit(3);
    }
}

bool is_whole_record(const std::string& record) {
    if (record.size() != record_length || record.substr(246) != "\r\n")
        return false;
    const bool blank = record.find_first_not_of(' ') == 246;
    return blank ||
           (record[2] == ':' && record.find_first_not_of(record[5], 5) >= 246 && record[5] != '\r');
}

TEST(CrashSafety, KilledWritersLeaveWholeRecordsAndSettings) {
    testing::TempFolder folder;
    const auto day = folder / "ZE20R_05122026_15.txt";
    const auto settings = folder / "setting.txt";
    ASSERT_FALSE(create_blank_scaled_values_file(day, day_records));
    ASSERT_FALSE(write_settings(settings, settings_of(0)));

    std::vector<std::string> whole_settings;
    for (int g = 0; g < 2 * 96; ++g)
        whole_settings.push_back(settings_text(settings_of(g)));

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pause_us(0, 3000);
    for (int kill_count = 0; kill_count < 300; ++kill_count) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            write_forever(day, settings);
        usleep(static_cast<useconds_t>(pause_us(random)));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed with " << WEXITSTATUS(status);

        const std::string bytes = testing::read_bytes(day);
        ASSERT_EQ(bytes.size(), record_length * day_records) << "after kill " << kill_count;
        for (int n = 0; n < day_records; ++n)
            ASSERT_TRUE(is_whole_record(bytes.substr(n * record_length, record_length)))
                << "record " << n + 1 << " after kill " << kill_count;
        const std::string stored = testing::read_bytes(settings);
        ASSERT_NE(std::find(whole_settings.begin(), whole_settings.end(), stored),
                  whole_settings.end())
            << "setting.txt after kill " << kill_count << ": " << stored;
    }
}

} // namespace
} // namespace scalvo
