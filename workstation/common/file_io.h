// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place that opens the working folder's files. A file is opened inside its folder,
// opened first, by its own name: a symbolic link there is refused and never followed, so nothing
// outside the folder is ever read as a program file or written; a FIFO or a device is refused
// without waiting on it; what is checked is always the file that was opened (fstat). Every file
// is opened, used and closed within one call.
#include "common/file_calls.h"
#include "common/file_error.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace scalvo {

template <typename T> using Expected = std::variant<T, FileError>;

template <typename T> bool failed(const Expected<T>& result) {
    return std::holds_alternative<FileError>(result);
}

// ENOENT is "the file does not exist" (the old error 53): callers treat it apart.
bool is_missing(const FileError& error);

// The reasons given for a file the program will not use.
inline constexpr const char* link_reason =
    "it is a symbolic link; Scalvo uses only ordinary files inside its folder and follows no link";
inline constexpr const char* not_ordinary_reason =
    "it is not an ordinary file (a named pipe, a device or a socket)";

// Which file a name stood for when it was opened: another file put in its place since (a copy,
// a rename) has another.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// An ordinary file opened for reading; several reads see the same file.
class ReadFile {
  public:
    static Expected<ReadFile> open(const std::filesystem::path& path);
    ReadFile(ReadFile&& other) noexcept;
    ReadFile& operator=(ReadFile&&) = delete;
    ~ReadFile();

    std::int64_t size() const { return size_; }
    const FileIdentity& identity() const { return identity_; }
    // Up to length bytes from offset (fewer at the end of the file).
    Expected<std::string> read(std::int64_t offset, std::size_t length) const;
    Expected<std::string> read_all() const;

  private:
    ReadFile(std::filesystem::path path, int fd, std::int64_t size, FileIdentity identity)
        : path_(std::move(path)), fd_(fd), size_(size), identity_(identity) {}
    std::filesystem::path path_;
    int fd_ = -1;
    std::int64_t size_ = 0;
    FileIdentity identity_;
};

// Size of an ordinary file in bytes; a folder, a link or anything else of that name is an error.
Expected<std::int64_t> file_size_of(const std::filesystem::path& path);
// The whole file.
Expected<std::string> read_whole_file(const std::filesystem::path& path);
// Up to length bytes from offset (fewer at the end of the file).
Expected<std::string> read_at(const std::filesystem::path& path, std::int64_t offset,
                              std::size_t length);

// Puts bytes at offset into an existing file, synced; nothing else in the file changes. Bytes
// already there are not written again: a file that may not be written then needs no write.
// With `loaded`, the file must still be the one that was read (a file put in its place since is
// refused); a file that ends before the bytes' end is refused too, so that it never grows.
FileResult write_at(const std::filesystem::path& path, std::int64_t offset,
                    const std::string& bytes, std::optional<FileIdentity> loaded = std::nullopt,
                    FileCalls& calls = system_file_calls());
// Creates a new file with these bytes (mode 0666 less the umask); fails when it exists. The file
// and its name are synced.
FileResult create_file(const std::filesystem::path& path, const std::string& bytes,
                       FileCalls& calls = system_file_calls());
// Replaces the whole file through a uniquely named temporary file in the same folder, synced
// before and after the rename: a crash or a power cut leaves either the old or the new content.
// The new file keeps the old one's mode, owner and group (where the system lets us) and extended
// attributes with the ACLs; a file that did not exist gets 0666 less the umask.
FileResult replace_file(const std::filesystem::path& path, const std::string& bytes,
                        FileCalls& calls = system_file_calls());

// A change to an existing file made from its content: the new content, and the byte range
// [from, to) outside of which it equals the old one.
struct FileChange {
    std::string content;
    std::size_t from = 0;
    std::size_t to = 0;
};
// The change, or why the old content cannot be changed.
using FileEdit = std::function<std::variant<FileChange, std::string>(std::string_view old)>;

// Reads an existing file that must stay writable by us (a file we may not write is refused as a
// write into it would be), makes the change and replaces the file as replace_file does. Just
// before the rename the file is read again: when another program changed it in between, the
// change is refused and that program's file stays. Where no temporary file can be made (a folder
// we may not write), the changed range is written in place and synced instead.
FileResult rewrite_file(const std::filesystem::path& path, const FileEdit& edit,
                        FileCalls& calls = system_file_calls());

// Removes the temporary files that a killed program left in folder ("<name>.tmp.XXXXXX",
// ordinary files only). Returns how many went.
int clear_stale_temporaries(const std::filesystem::path& folder);
// True for a name of that shape.
bool is_temporary_name(std::string_view name);

} // namespace scalvo
