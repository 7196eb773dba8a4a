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
bool write_all(int fd, const std::string& bytes, std::int64_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
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
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closing can report a delayed write failure, so writers close explicitly.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Opens an ordinary file for reading; a folder of that name is refused.
int open_regular(const std::filesystem::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return fd;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int number = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = number;
        return -1;
    }
    return fd;
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
                    const std::string& bytes) {
    Descriptor fd(open_regular(path, O_WRONLY));
    if (fd.get() < 0)
        return error_of(path, "written", errno);
    if (!write_all(fd.get(), bytes, offset))
        return error_of(path, "written", errno);
    if (!fd.close())
        return error_of(path, "written", errno);
    return std::nullopt;
}

FileResult create_file(const std::filesystem::path& path, const std::string& bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        return error_of(path, "created", errno);
    if (!write_all(fd.get(), bytes, 0) || ::fsync(fd.get()) != 0 || !fd.close()) {
        const int number = errno;
        ::unlink(path.c_str()); // a half-made file would pass for a complete one next time
        return error_of(path, "created", number);
    }
    return std::nullopt;
}

namespace {

FileResult replace_with_mode(const std::filesystem::path& path, const std::string& bytes,
                             mode_t mode) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    if (fd.get() < 0)
        return error_of(path, "written", errno);
    // No fsync: the rename already protects against a killed program, and this runs on
    // every move between soundings.
    if (!write_all(fd.get(), bytes, 0) || !fd.close()) {
        const int number = errno;
        ::unlink(temporary.c_str());
        return error_of(path, "written", number);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int number = errno;
        ::unlink(temporary.c_str());
        return error_of(path, "written", number);
    }
    return std::nullopt;
}

} // namespace

FileResult replace_file(const std::filesystem::path& path, const std::string& bytes) {
    return replace_with_mode(path, bytes, 0644);
}

FileResult rewrite_file(const std::filesystem::path& path, const std::string& bytes) {
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
    if (auto error = replace_with_mode(real, bytes, info.st_mode & 07777)) {
        error->path = path;
        return error;
    }
    return std::nullopt;
}

} // namespace scalvo
