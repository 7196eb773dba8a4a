// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system calls behind every write of a file, in one place: tests put their own in to watch
// the order of the calls or to make one of them fail. Each returns what the system call does
// (-1 with errno set on failure). Files are named inside a folder opened first, by a single
// name that no link is followed for.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace scalvo {

class FileCalls {
  public:
    virtual ~FileCalls() = default;
    // The folder itself, for the calls below (links on the way to it are followed).
    virtual int open_folder(const std::filesystem::path& folder);
    // A file of the folder, never through a link (O_NOFOLLOW) and never waiting on a FIFO.
    virtual int open(int folder, const std::string& name, int flags, unsigned mode);
    // A new private file of the folder named after name_template, whose trailing "XXXXXX" is
    // replaced by a unique part; name_template then holds the name.
    virtual int make_temporary(int folder, std::string& name_template);
    virtual long write_at(int fd, const char* data, std::size_t size, std::int64_t offset);
    virtual int change_mode(int fd, unsigned mode);
    virtual int change_owner(int fd, unsigned owner, unsigned group);
    // The extended attributes of one file (ACLs among them) onto another.
    virtual int copy_attributes(int from, int to);
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(int folder, const std::string& from, const std::string& to);
    virtual int remove(int folder, const std::string& name);
};

// The real calls.
FileCalls& system_file_calls();

} // namespace scalvo
