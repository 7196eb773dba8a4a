// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Thin, errno-reporting file operations. Every file is opened, used and closed within one call.
#include "common/file_calls.h"
#include "common/file_error.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>

namespace scalvo {

template <typename T> using Expected = std::variant<T, FileError>;

template <typename T> bool failed(const Expected<T>& result) {
    return std::holds_alternative<FileError>(result);
}

// ENOENT is "the file does not exist" (the old error 53): callers treat it apart.
bool is_missing(const FileError& error);

// Size of an ordinary file in bytes; a folder of that name or any other failure is an error.
Expected<std::int64_t> file_size_of(const std::filesystem::path& path);
// The whole file.
Expected<std::string> read_whole_file(const std::filesystem::path& path);
// Up to length bytes from offset (fewer at the end of the file).
Expected<std::string> read_at(const std::filesystem::path& path, std::int64_t offset,
                              std::size_t length);
// One positioned write into an existing file, synced; nothing else in the file changes.
FileResult write_at(const std::filesystem::path& path, std::int64_t offset,
                    const std::string& bytes, FileCalls& calls = system_file_calls());
// Creates a new file with these bytes; fails when it exists. The file and its name are synced.
FileResult create_file(const std::filesystem::path& path, const std::string& bytes,
                       FileCalls& calls = system_file_calls());
// Replaces the whole file through a uniquely named temporary file in the same folder, synced
// before and after the rename: a crash or a power cut leaves either the old or the new content.
FileResult replace_file(const std::filesystem::path& path, const std::string& bytes,
                        FileCalls& calls = system_file_calls());
// The same for an existing file that must stay writable by us: a file we may not write is
// refused as a write into it would be, and the new file keeps the old one's permissions.
FileResult rewrite_file(const std::filesystem::path& path, const std::string& bytes,
                        FileCalls& calls = system_file_calls());

} // namespace scalvo
