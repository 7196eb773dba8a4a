// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_file.h"

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

FileResult create_blank_scaled_values_file(const std::filesystem::path& file, int record_count,
                                           FileCalls& calls) {
    const auto size = file_size_of(file);
    if (!failed(size))
        return std::nullopt;
    const FileError& error = std::get<FileError>(size);
    if (!is_missing(error))
        return FileError{file, "opened", error.reason};
    std::string content;
    content.reserve(record_length * static_cast<std::size_t>(record_count));
    for (int n = 0; n < record_count; ++n)
        content += blank_record();
    return create_file(file, content, calls);
}

Expected<std::string> read_record_at(const std::filesystem::path& file, int n) {
    if (n < 1)
        return blank_record();
    const auto bytes =
        read_at(file, static_cast<std::int64_t>(n - 1) * record_length, record_length);
    if (failed(bytes))
        return bytes;
    const std::string& record = std::get<std::string>(bytes);
    return record.size() == record_length ? record : blank_record();
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
    // The kernel may stop a write that spans two memory pages when the program is killed,
    // which would leave half a record; a whole new file renamed into place cannot be torn.
    const auto content = read_whole_file(file);
    if (failed(content)) {
        FileError error = std::get<FileError>(content);
        error.action = "written";
        return error;
    }
    std::string bytes = std::get<std::string>(content);
    const std::size_t offset = static_cast<std::size_t>(n - 1) * record_length;
    // A file cut short gets blank records up to this one; a longer one keeps its tail.
    const std::size_t complete = bytes.size() / record_length * record_length;
    if (complete < offset) {
        bytes.resize(complete);
        while (bytes.size() < offset)
            bytes += blank_record();
    }
    if (bytes.size() < offset + record_length)
        bytes.resize(offset + record_length, ' ');
    bytes.replace(offset, record_length, record);
    return rewrite_file(file, bytes, calls);
}

} // namespace scalvo
