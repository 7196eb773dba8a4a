// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_file.h"

#include "common/conversions.h"
#include "common/text.h"

namespace scalvo {

const std::string& blank_record() {
    static const std::string record = std::string(246, ' ') + "\r\n";
    return record;
}

int records_per_day(std::string_view interval_text) {
    for (int minutes : {5, 10, 15, 30, 60}) {
        const std::string text =
            minutes < 10 ? "0" + std::to_string(minutes) : std::to_string(minutes);
        if (interval_text == text)
            return 24 * 60 / minutes;
    }
    return 0;
}

int minute_of_record(std::string_view interval_text, int record) {
    const int count = records_per_day(interval_text);
    return count > 0 ? (record - 1) * (24 * 60 / count) : 0;
}

std::string scaled_values_file_name(std::string_view date, std::string_view interval_text) {
    return "ZE20R_" + mid(date, 1, 2) + mid(date, 4, 2) + mid(date, 7, 4) + "_" +
           std::string(interval_text) + ".txt";
}

std::string interval_of_day_file(const std::filesystem::path& file) {
    // ZE20R_ddmmyyyy_II.txt
    const std::string name = file.filename().string();
    if (name.size() != 21 || !name.ends_with(".txt") || name[14] != '_')
        return "";
    const std::string interval = name.substr(15, 2);
    return records_per_day(interval) > 0 ? interval : "";
}

namespace {

std::string time_text(int minute) {
    return two_digit_text(minute / 60) + ":" + two_digit_text(minute % 60);
}

bool is_time(std::string_view text) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return text.size() == 5 && digit(text[0]) && digit(text[1]) && text[2] == ':' &&
           digit(text[3]) && digit(text[4]);
}

} // namespace

std::optional<std::string> day_file_fault(std::string_view bytes, std::string_view interval_text) {
    const bool known = records_per_day(interval_text) > 0;
    const std::size_t whole = bytes.size() / record_length;
    for (std::size_t k = 0; k < whole; ++k) {
        const int n = static_cast<int>(k) + 1;
        const std::string_view record = bytes.substr(k * record_length, record_length);
        const std::string time = known ? time_text(minute_of_record(interval_text, n)) : "";
        const std::string which =
            "record " + std::to_string(n) + (known ? " (" + time + ")" : std::string());
        if (!record.ends_with("\r\n"))
            return which + " does not end in CR LF (were the line ends converted?)";
        if (record == blank_record())
            continue;
        const std::string_view start = record.substr(0, 5);
        if (known ? start != time : !is_time(start))
            return which + " does not start with its time" +
                   (known ? " " + time : std::string(" hh:mm"));
    }
    if (bytes.size() % record_length != 0)
        return "its size, " + std::to_string(bytes.size()) + " bytes, is not a whole number of " +
               std::to_string(record_length) + "-byte records: record " +
               std::to_string(whole + 1) + " is cut short";
    return std::nullopt;
}

namespace {

std::string fault_text(const std::string& fault) {
    return "it is not a day file of whole records that Scalvo can read: " + fault +
           ". It is left as it is";
}

} // namespace

FileResult check_day_file(const std::filesystem::path& file) {
    const auto content = read_whole_file(file);
    if (failed(content)) {
        FileError error = std::get<FileError>(content);
        error.action = "opened";
        return error;
    }
    if (const auto fault =
            day_file_fault(std::get<std::string>(content), interval_of_day_file(file)))
        return FileError{file, "opened", fault_text(*fault)};
    return std::nullopt;
}

FileResult create_blank_scaled_values_file(const std::filesystem::path& file, int record_count,
                                           FileCalls& calls) {
    const auto size = file_size_of(file);
    if (!failed(size))
        return std::nullopt;
    const FileError& error = std::get<FileError>(size);
    if (!is_missing(error))
        return error;
    std::string content;
    content.reserve(record_length * static_cast<std::size_t>(record_count));
    for (int n = 0; n < record_count; ++n)
        content += blank_record();
    return create_file(file, content, calls);
}

Expected<std::string> read_record_at(const std::filesystem::path& file, int n) {
    if (n < 1)
        return blank_record();
    const auto content = read_whole_file(file);
    if (failed(content))
        return content;
    const std::string& bytes = std::get<std::string>(content);
    if (const auto fault = day_file_fault(bytes, interval_of_day_file(file)))
        return FileError{file, "read", fault_text(*fault)};
    const std::size_t offset = static_cast<std::size_t>(n - 1) * record_length;
    if (offset + record_length > bytes.size())
        return blank_record();
    return bytes.substr(offset, record_length);
}

FileResult write_record_at(const std::filesystem::path& file, int n, const std::string& record,
                           FileCalls& calls) {
    if (n < 1)
        return FileError{file, "written", "record number " + std::to_string(n)};
    // A record of another length would shift every record after it.
    if (record.size() != record_length)
        return FileError{file, "written",
                         "a record of " + std::to_string(record.size()) +
                             " characters instead of " + std::to_string(record_length)};
    const std::string interval = interval_of_day_file(file);
    // The kernel may stop a write that spans two memory pages when the program is killed,
    // which would leave half a record; a whole new file renamed into place cannot be torn.
    const FileEdit edit = [&](std::string_view old) -> std::variant<FileChange, std::string> {
        if (const auto fault = day_file_fault(old, interval))
            return fault_text(*fault);
        const std::size_t offset = static_cast<std::size_t>(n - 1) * record_length;
        FileChange change{std::string(old), std::min(offset, old.size()), offset + record_length};
        // A file cut short gets blank records up to this one; a longer one keeps its tail.
        while (change.content.size() < offset)
            change.content += blank_record();
        if (change.content.size() < offset + record_length)
            change.content.resize(offset + record_length, ' ');
        change.content.replace(offset, record_length, record);
        return change;
    };
    return rewrite_file(file, edit, calls);
}

} // namespace scalvo
