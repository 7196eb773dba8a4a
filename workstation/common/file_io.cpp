// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scalvo {

namespace {

FileError error_of(const std::filesystem::path& path, const char* action, int number) {
    return FileError{path, action, reason_of(number)};
}

// Writes all bytes at offset, going on after short writes.
bool write_all(FileCalls& calls, int fd, const std::string& bytes, std::int64_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = calls.write_at(fd, bytes.data() + done, bytes.size() - done,
                                      offset + static_cast<std::int64_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

class Descriptor {
  public:
    explicit Descriptor(int fd, FileCalls& calls = system_file_calls()) : fd_(fd), calls_(calls) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            calls_.close(fd_);
    }
    int get() const { return fd_; }
    // Closing can report a delayed write failure, so writers close explicitly.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return calls_.close(fd) == 0;
    }

  private:
    int fd_;
    FileCalls& calls_;
};

// Opens an ordinary file; a folder of that name is refused.
int open_regular(const std::filesystem::path& path, int flags,
                 FileCalls& calls = system_file_calls()) {
    const int fd = calls.open(path, flags, 0);
    if (fd < 0)
        return fd;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int number = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        calls.close(fd);
        errno = number;
        return -1;
    }
    return fd;
}

std::filesystem::path folder_of(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// A new name or a rename is kept by the folder: until the folder is synced a power cut may
// lose it, and with it the file. Returns 0 or the errno value. A file system that cannot sync
// a folder says so with EINVAL and keeps its entries its own way; a folder we may write but
// not read cannot be synced by us, and the rename stands.
int sync_folder(FileCalls& calls, const std::filesystem::path& file) {
    const int fd = calls.open(folder_of(file), O_RDONLY | O_DIRECTORY, 0);
    if (fd < 0)
        return errno == EACCES ? 0 : errno;
    int number = calls.sync(fd) == 0 ? 0 : errno;
    if (number == EINVAL || number == ENOTSUP)
        number = 0;
    calls.close(fd);
    return number;
}

} // namespace

bool is_missing(const FileError& error) {
    return error.reason == reason_of(ENOENT);
}

Expected<std::int64_t> file_size_of(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return error_of(path, "opened", errno);
    if (!S_ISREG(info.st_mode))
        return error_of(path, "opened", S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    return static_cast<std::int64_t>(info.st_size);
}

Expected<std::string> read_at(const std::filesystem::path& path, std::int64_t offset,
                              std::size_t length) {
    Descriptor fd(open_regular(path, O_RDONLY));
    if (fd.get() < 0)
        return error_of(path, "read", errno);
    std::string bytes(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd.get(), bytes.data() + done, length - done,
                                  static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return error_of(path, "read", errno);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

Expected<std::string> read_whole_file(const std::filesystem::path& path) {
    Descriptor fd(open_regular(path, O_RDONLY));
    if (fd.get() < 0)
        return error_of(path, "read", errno);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return error_of(path, "read", errno);
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

FileResult write_at(const std::filesystem::path& path, std::int64_t offset,
                    const std::string& bytes, FileCalls& calls) {
    Descriptor fd(open_regular(path, O_WRONLY, calls), calls);
    if (fd.get() < 0)
        return error_of(path, "written", errno);
    if (!write_all(calls, fd.get(), bytes, offset) || calls.sync(fd.get()) != 0 || !fd.close())
        return error_of(path, "written", errno);
    return std::nullopt;
}

FileResult create_file(const std::filesystem::path& path, const std::string& bytes,
                       FileCalls& calls) {
    Descriptor fd(calls.open(path, O_WRONLY | O_CREAT | O_EXCL, 0644), calls);
    if (fd.get() < 0)
        return error_of(path, "created", errno);
    if (!write_all(calls, fd.get(), bytes, 0) || calls.sync(fd.get()) != 0 || !fd.close()) {
        const int number = errno;
        calls.remove(path); // a half-made file would pass for a complete one next time
        return error_of(path, "created", number);
    }
    if (const int number = sync_folder(calls, path))
        return error_of(path, "created", number);
    return std::nullopt;
}

namespace {

// The mode a new file gets from open(2): mkstemp makes its files private instead. The mask can
// only be read by setting it, so it is read before main, while the program has one thread: a
// file another thread made in between would get no mask at all.
const mode_t new_file_mode = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0644 & ~mask);
}();

// The new content goes to a temporary file of its own in the same folder (a rename does not
// cross file systems, and two writers never share one), is synced, renamed into place, and
// the folder is synced: neither a killed program nor a power cut leaves an empty or half file.
FileResult replace_with_mode(const std::filesystem::path& path, const std::string& bytes,
                             mode_t mode, FileCalls& calls) {
    std::string name = path.string() + ".tmp.XXXXXX";
    Descriptor fd(calls.make_temporary(name), calls);
    if (fd.get() < 0)
        return error_of(path, "written", errno);
    const std::filesystem::path temporary(name);
    if (calls.change_mode(fd.get(), mode) != 0 || !write_all(calls, fd.get(), bytes, 0) ||
        calls.sync(fd.get()) != 0 || !fd.close()) {
        const int number = errno;
        calls.remove(temporary);
        return error_of(path, "written", number);
    }
    if (calls.rename(temporary, path) != 0) {
        const int number = errno;
        calls.remove(temporary);
        return error_of(path, "written", number);
    }
    if (const int number = sync_folder(calls, path))
        return error_of(path, "written", number);
    return std::nullopt;
}

} // namespace

FileResult replace_file(const std::filesystem::path& path, const std::string& bytes,
                        FileCalls& calls) {
    return replace_with_mode(path, bytes, new_file_mode, calls);
}

FileResult rewrite_file(const std::filesystem::path& path, const std::string& bytes,
                        FileCalls& calls) {
    std::error_code ignored;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, ignored);
    const std::filesystem::path& real = target.empty() ? path : target;
    Descriptor fd(open_regular(real, O_WRONLY));
    if (fd.get() < 0)
        return error_of(path, "written", errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return error_of(path, "written", errno);
    fd.close();
    if (auto error = replace_with_mode(real, bytes, info.st_mode & 07777, calls)) {
        error->path = path;
        return error;
    }
    return std::nullopt;
}

} // namespace scalvo
