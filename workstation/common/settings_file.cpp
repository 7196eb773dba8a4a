// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/settings_file.h"

#include "common/conversions.h"
#include "common/file_io.h"

#include <chrono>
#include <ctime>

namespace scalvo {

namespace {

bool all_of_chars(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

bool is_hour(const std::string& text) {
    return text.size() == 2 && all_of_chars(text, "0123456789") && numeric_value(text) <= 23;
}

bool is_minute(const std::string& text) {
    return text.size() == 2 && all_of_chars(text, "0123456789") && numeric_value(text) <= 55 &&
           static_cast<int>(numeric_value(text)) % 5 == 0;
}

bool is_interval(const std::string& text) {
    return text == "05" || text == "10" || text == "15" || text == "30" || text == "60";
}

} // namespace

SettingsLines parse_settings(std::string_view content, std::string_view today) {
    SettingsLines found;
    std::size_t count = 0;
    std::size_t start = 0;
    while (count < 5 && start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string line(content.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        found[count++] = line;
        start = end + 1;
    }

    SettingsLines lines{std::string(today), "00", "00", "15", "1"};
    if (count > 0 && !found[0].empty() && found[0].size() <= 10 &&
        all_of_chars(found[0], "0123456789-"))
        lines[0] = found[0];
    if (count > 1 && is_hour(found[1]))
        lines[1] = found[1];
    if (count > 2 && is_minute(found[2]))
        lines[2] = found[2];
    if (count > 3 && is_interval(found[3]))
        lines[3] = found[3];
    if (count > 4 && !found[4].empty() && all_of_chars(found[4], "0123456789") &&
        found[4].size() <= 3)
        lines[4] = found[4];
    return lines;
}

SettingsLines read_settings(const std::filesystem::path& file, std::string_view today) {
    const auto content = read_whole_file(file);
    if (failed(content))
        return parse_settings("", today);
    return parse_settings(std::get<std::string>(content), today);
}

std::string settings_text(const SettingsLines& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

FileResult write_settings(const std::filesystem::path& file, const SettingsLines& lines,
                          FileCalls& calls) {
    return replace_file(file, settings_text(lines), calls);
}

std::string today_text() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[16];
    std::strftime(buffer, sizeof buffer, "%d-%m-%Y", &local);
    return buffer;
}

} // namespace scalvo
