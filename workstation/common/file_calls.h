// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system calls behind every write of a file, in one place: tests put their own in to watch
// the order of the calls or to make one of them fail. Each returns what the system call does
// (-1 with errno set on failure).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace scalvo {

class FileCalls {
  public:
    virtual ~FileCalls() = default;
    virtual int open(const std::filesystem::path& path, int flags, unsigned mode);
    // A new file named after name_template, whose trailing "XXXXXX" is replaced by a unique
    // part (mkostemp); name_template then holds the name.
    virtual int make_temporary(std::string& name_template);
    virtual long write_at(int fd, const char* data, std::size_t size, std::int64_t offset);
    virtual int change_mode(int fd, unsigned mode);
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual int remove(const std::filesystem::path& path);
};

// The real calls.
FileCalls& system_file_calls();

} // namespace scalvo
