// SPDX-License-Identifier: GPL-3.0-or-later
// A day made without any of the harder conditions comes out byte for byte as it always has:
// the demo, the fuzz seeds and the automatic scaling's measured days rely on it.
#include "day_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

using namespace synth;
namespace fs = std::filesystem;

namespace {

// FNV-1a over each file's name and bytes, in name order.
std::uint64_t folder_checksum(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::uint64_t hash = 0xcbf29ce484222325ull;
    auto add = [&](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    };
    for (const auto& file : files) {
        for (char c : file.filename().string()) {
            add(static_cast<unsigned char>(c));
        }
        std::ifstream in(file, std::ios::binary);
        for (auto it = std::istreambuf_iterator<char>(in); it != std::istreambuf_iterator<char>();
             ++it) {
            add(static_cast<unsigned char>(*it));
        }
    }
    return hash;
}

struct DayCase {
    const char* name;
    std::vector<std::string_view> arguments;
    std::uint64_t checksum;
};

void PrintTo(const DayCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultDay : public testing::TestWithParam<DayCase> {};

TEST_P(DefaultDay, SameBytesAsEver) {
    fs::path folder = fs::temp_directory_path() / (std::string("synth_default_") + GetParam().name);
    fs::remove_all(folder);
    std::string out = folder.string();
    std::vector<std::string_view> arguments = {"--out", out};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    auto parsed = parse_options(arguments);
    ASSERT_TRUE(parsed.options) << parsed.error;
    write_day(*parsed.options);
    std::uint64_t checksum = folder_checksum(folder / "ionograms");
    char shown[32];
    std::snprintf(shown, sizeof shown, "0x%016llx", static_cast<unsigned long long>(checksum));
    EXPECT_EQ(checksum, GetParam().checksum) << shown;
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Days, DefaultDay,
                         testing::Values(DayCase{"plain", {}, 0xcad0e459e35c4fb5},
                                         DayCase{"demo",
                                                 {"--date", "05-12-2026", "--interval", "60",
                                                  "--skip", "08:00", "--broken", "09:00"},
                                                 0x85d6af8c08f1348b},
                                         DayCase{"fine_leap_day",
                                                 {"--date", "29-02-2028", "--step", "0.025",
                                                  "--interval", "60", "--seed", "9"},
                                                 0x92f4ee97d01b7e9a},
                                         DayCase{"coarse_summer",
                                                 {"--date", "21-06-2027", "--step", "0.5",
                                                  "--interval", "30", "--seed", "77"},
                                                 0x97720aac7c528af4}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
