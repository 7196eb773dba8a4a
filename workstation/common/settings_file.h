// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "setting.txt": the last position (date, hour, minute, interval, record number).
#include "common/file_calls.h"
#include "common/file_error.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace scalvo {

using SettingsLines = std::array<std::string, 5>;

inline constexpr const char* settings_file_name = "setting.txt";

// The five lines of the file's content. Missing or unreadable lines take today's date,
// "00", "00", "15" and record 1: a damaged file must not keep the program from starting.
SettingsLines parse_settings(std::string_view content, std::string_view today);
SettingsLines read_settings(const std::filesystem::path& file, std::string_view today);

// Five lines, each ended by CR LF.
std::string settings_text(const SettingsLines& lines);
FileResult write_settings(const std::filesystem::path& file, const SettingsLines& lines,
                          FileCalls& calls = system_file_calls());

// Today as dd-mm-yyyy, from the system clock.
std::string today_text();

} // namespace scalvo
