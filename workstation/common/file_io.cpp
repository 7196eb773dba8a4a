// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_io.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace scalvo {

namespace fs = std::filesystem;

namespace {

FileError error_of(const fs::path& path, const char* action, int number) {
    // With O_NOFOLLOW on a single name, ELOOP says the name is a link.
    return FileError{path, action, number == ELOOP ? link_reason : reason_of(number)};
}

FileIdentity identity_of(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

// A descriptor closed with its owner; writers close explicitly, since closing can report a
// delayed write failure.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1, FileCalls& calls = system_file_calls())
        : fd_(fd), calls_(&calls) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            calls_->close(fd_);
    }
    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return calls_->close(fd) == 0;
    }

  private:
    int fd_;
    FileCalls* calls_;
};

std::string name_of(const fs::path& path) {
    return path.filename().string();
}

fs::path folder_of(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// A file of an open folder: refused when the name is a link or anything but an ordinary file.
// Returns the descriptor with `info` filled, or -1 with `error` set.
int open_ordinary(FileCalls& calls, int folder, const fs::path& path, int flags, const char* action,
                  struct stat& info, FileError& error) {
    const int fd = calls.open(folder, name_of(path), flags, 0666);
    if (fd < 0) {
        error = error_of(path, action, errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0) {
        error = error_of(path, action, errno);
        calls.close(fd);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? error_of(path, action, EISDIR)
                                      : FileError{path, action, not_ordinary_reason};
        calls.close(fd);
        return -1;
    }
    return fd;
}

Expected<std::string> read_descriptor(int fd, const fs::path& path, std::int64_t offset,
                                      std::size_t length) {
    std::string bytes(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, bytes.data() + done, length - done,
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

// The whole content of a descriptor, whatever its size says (a file may grow while it is read).
Expected<std::string> read_to_end(int fd, const fs::path& path) {
    std::string bytes;
    for (;;) {
        const std::size_t chunk = 65536;
        auto part = read_descriptor(fd, path, static_cast<std::int64_t>(bytes.size()), chunk);
        if (failed(part))
            return part;
        const std::string& got = std::get<std::string>(part);
        bytes += got;
        if (got.size() < chunk)
            return bytes;
    }
}

// Writes all bytes at offset, going on after short writes.
bool write_all(FileCalls& calls, int fd, std::string_view bytes, std::int64_t offset) {
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

// A new name or a rename is kept by the folder: until the folder is synced a power cut may
// lose it, and with it the file. Returns 0 or the errno value. A file system that cannot sync a
// folder says so with EINVAL and keeps its entries its own way.
int sync_folder(FileCalls& calls, int folder) {
    const int number = calls.sync(folder) == 0 ? 0 : errno;
    return number == EINVAL || number == ENOTSUP ? 0 : number;
}

// The mode a new file gets from open(2) with 0666: mkstemp makes its files private instead. The
// mask can only be read by setting it, so it is read before main, while the program has one
// thread: a file another thread made in between would get no mask at all.
const mode_t new_file_mode = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}();

// The old file's owner, group and attributes onto the new one. An owner or group we may not
// give is left as the system gives it (a colleague's file stays theirs only where we may say
// so); a file system without extended attributes has none to keep.
bool keep_owner_and_attributes(FileCalls& calls, int old_fd, const struct stat& old, int fd) {
    if (calls.change_owner(fd, old.st_uid, old.st_gid) != 0) {
        if (errno != EPERM)
            return false;
        if (calls.change_owner(fd, static_cast<unsigned>(-1), old.st_gid) != 0 && errno != EPERM)
            return false;
    }
    if (calls.copy_attributes(old_fd, fd) != 0 && errno != ENOTSUP && errno != EOPNOTSUPP)
        return false;
    return true;
}

// The content of an open file as it is now, by its name: the same file with the same bytes.
bool unchanged(FileCalls& calls, int folder, const fs::path& path, const FileIdentity& identity,
               std::string_view old) {
    struct stat info {};
    FileError ignored;
    Descriptor fd(open_ordinary(calls, folder, path, O_RDONLY, "read", info, ignored), calls);
    if (fd.get() < 0 || identity_of(info) != identity)
        return false;
    const auto now = read_to_end(fd.get(), path);
    return !failed(now) && std::get<std::string>(now) == old;
}

struct Replaced {
    const struct stat* old = nullptr; // the file replaced, if there was one
    int old_fd = -1;
    std::function<bool()> still_unchanged; // checked just before the rename
};

inline constexpr const char* changed_reason =
    "another program changed it since Scalvo read it; nothing was written, and the file stays "
    "as that program left it";

// The new content goes to a temporary file of its own in the same folder (a rename does not
// cross file systems, and two writers never share one), is synced, renamed into place, and the
// folder is synced: neither a killed program nor a power cut leaves an empty or half file.
// Returns nullopt, an error, or (with `no_temporary`) nothing done because no temporary file
// could be made.
FileResult replace_through_temporary(FileCalls& calls, int folder, const fs::path& path,
                                     std::string_view bytes, const Replaced& replaced,
                                     bool* no_temporary = nullptr) {
    std::string temporary = name_of(path) + ".tmp.XXXXXX";
    Descriptor fd(calls.make_temporary(folder, temporary), calls);
    if (fd.get() < 0) {
        if (no_temporary) {
            *no_temporary = true;
            return std::nullopt;
        }
        return error_of(path, "written", errno);
    }
    const mode_t mode = replaced.old ? (replaced.old->st_mode & 07777) : new_file_mode;
    // The mode last: a change of owner clears the set-id bits.
    const bool written =
        (!replaced.old ||
         keep_owner_and_attributes(calls, replaced.old_fd, *replaced.old, fd.get())) &&
        calls.change_mode(fd.get(), mode) == 0 && write_all(calls, fd.get(), bytes, 0) &&
        calls.sync(fd.get()) == 0 && fd.close();
    if (!written) {
        const int number = errno;
        calls.remove(folder, temporary);
        return error_of(path, "written", number);
    }
    if (replaced.still_unchanged && !replaced.still_unchanged()) {
        calls.remove(folder, temporary);
        return FileError{path, "written", changed_reason};
    }
    if (calls.rename(folder, temporary, name_of(path)) != 0) {
        const int number = errno;
        calls.remove(folder, temporary);
        return error_of(path, "written", number);
    }
    if (const int number = sync_folder(calls, folder))
        return error_of(path, "written", number);
    return std::nullopt;
}

} // namespace

bool is_missing(const FileError& error) {
    return error.reason == reason_of(ENOENT);
}

Expected<ReadFile> ReadFile::open(const fs::path& path) {
    FileCalls& calls = system_file_calls();
    Descriptor folder(calls.open_folder(folder_of(path)), calls);
    if (folder.get() < 0)
        return error_of(path, "read", errno);
    struct stat info {};
    FileError error;
    const int fd = open_ordinary(calls, folder.get(), path, O_RDONLY, "read", info, error);
    if (fd < 0)
        return error;
    return ReadFile(path, fd, static_cast<std::int64_t>(info.st_size), identity_of(info));
}

ReadFile::ReadFile(ReadFile&& other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)), size_(other.size_),
      identity_(other.identity_) {}

ReadFile::~ReadFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

Expected<std::string> ReadFile::read(std::int64_t offset, std::size_t length) const {
    return read_descriptor(fd_, path_, offset, length);
}

Expected<std::string> ReadFile::read_all() const {
    return read_to_end(fd_, path_);
}

Expected<std::int64_t> file_size_of(const fs::path& path) {
    auto file = ReadFile::open(path);
    if (failed(file)) {
        FileError error = std::get<FileError>(std::move(file));
        error.action = "opened";
        return error;
    }
    return std::get<ReadFile>(file).size();
}

Expected<std::string> read_at(const fs::path& path, std::int64_t offset, std::size_t length) {
    auto file = ReadFile::open(path);
    if (failed(file))
        return std::get<FileError>(std::move(file));
    return std::get<ReadFile>(file).read(offset, length);
}

Expected<std::string> read_whole_file(const fs::path& path) {
    auto file = ReadFile::open(path);
    if (failed(file))
        return std::get<FileError>(std::move(file));
    return std::get<ReadFile>(file).read_all();
}

FileResult write_at(const fs::path& path, std::int64_t offset, const std::string& bytes,
                    std::optional<FileIdentity> loaded, FileCalls& calls) {
    Descriptor folder(calls.open_folder(folder_of(path)), calls);
    if (folder.get() < 0)
        return error_of(path, "written", errno);
    struct stat info {};
    FileError error;
    {
        // Read first: bytes already in place need no write, and no write permission.
        Descriptor fd(open_ordinary(calls, folder.get(), path, O_RDONLY, "written", info, error),
                      calls);
        if (fd.get() < 0)
            return error;
        if (loaded && identity_of(info) != *loaded)
            return FileError{path, "written",
                             "it is no longer the file that was read: another file was put in "
                             "its place"};
        const auto end = offset + static_cast<std::int64_t>(bytes.size());
        if (info.st_size < end)
            return FileError{path, "written",
                             "the file ends before byte " + std::to_string(end) +
                                 ", which "
                                 "it must hold"};
        const auto there = read_descriptor(fd.get(), path, offset, bytes.size());
        if (failed(there))
            return std::get<FileError>(there);
        if (std::get<std::string>(there) == bytes)
            return std::nullopt;
    }
    const FileIdentity read = identity_of(info);
    Descriptor fd(open_ordinary(calls, folder.get(), path, O_WRONLY, "written", info, error),
                  calls);
    if (fd.get() < 0)
        return error;
    if (identity_of(info) != read)
        return FileError{path, "written", "another file was put in its place while it was written"};
    if (!write_all(calls, fd.get(), bytes, offset) || calls.sync(fd.get()) != 0 || !fd.close())
        return error_of(path, "written", errno);
    return std::nullopt;
}

FileResult create_file(const fs::path& path, const std::string& bytes, FileCalls& calls) {
    Descriptor folder(calls.open_folder(folder_of(path)), calls);
    if (folder.get() < 0)
        return error_of(path, "created", errno);
    const std::string name = name_of(path);
    Descriptor fd(calls.open(folder.get(), name, O_WRONLY | O_CREAT | O_EXCL, 0666), calls);
    if (fd.get() < 0)
        return error_of(path, "created", errno);
    if (!write_all(calls, fd.get(), bytes, 0) || calls.sync(fd.get()) != 0 || !fd.close()) {
        const int number = errno;
        calls.remove(folder.get(), name); // a half-made file would pass for a complete one
        return error_of(path, "created", number);
    }
    if (const int number = sync_folder(calls, folder.get()))
        return error_of(path, "created", number);
    return std::nullopt;
}

FileResult replace_file(const fs::path& path, const std::string& bytes, FileCalls& calls) {
    Descriptor folder(calls.open_folder(folder_of(path)), calls);
    if (folder.get() < 0)
        return error_of(path, "written", errno);
    struct stat info {};
    FileError error;
    Descriptor old(open_ordinary(calls, folder.get(), path, O_RDONLY, "written", info, error),
                   calls);
    if (old.get() < 0 && !is_missing(error))
        return error;
    Replaced replaced;
    if (old.get() >= 0) {
        replaced.old = &info;
        replaced.old_fd = old.get();
    }
    return replace_through_temporary(calls, folder.get(), path, bytes, replaced);
}

FileResult rewrite_file(const fs::path& path, const FileEdit& edit, FileCalls& calls) {
    Descriptor folder(calls.open_folder(folder_of(path)), calls);
    if (folder.get() < 0)
        return error_of(path, "written", errno);
    struct stat info {};
    FileError error;
    Descriptor fd(open_ordinary(calls, folder.get(), path, O_RDWR, "written", info, error), calls);
    if (fd.get() < 0)
        return error;
    const auto read = read_to_end(fd.get(), path);
    if (failed(read)) {
        FileError read_error = std::get<FileError>(read);
        read_error.action = "written";
        return read_error;
    }
    const std::string& old = std::get<std::string>(read);
    auto made = edit(old);
    if (const auto* why = std::get_if<std::string>(&made))
        return FileError{path, "written", *why};
    const FileChange& change = std::get<FileChange>(made);
    const FileIdentity identity = identity_of(info);
    const auto still_unchanged = [&] {
        return unchanged(calls, folder.get(), path, identity, old);
    };

    bool no_temporary = false;
    Replaced replaced{&info, fd.get(), still_unchanged};
    if (auto result = replace_through_temporary(calls, folder.get(), path, change.content, replaced,
                                                &no_temporary);
        result || !no_temporary)
        return result;

    // No temporary file: the changed bytes in place. A power cut in the middle of this write may
    // leave part of them; the rest of the file stays as it was.
    if (!still_unchanged())
        return FileError{path, "written", changed_reason};
    const std::string_view bytes =
        std::string_view(change.content).substr(change.from, change.to - change.from);
    if (!write_all(calls, fd.get(), bytes, static_cast<std::int64_t>(change.from)) ||
        calls.sync(fd.get()) != 0 || !fd.close())
        return error_of(path, "written", errno);
    return std::nullopt;
}

bool is_temporary_name(std::string_view name) {
    constexpr std::string_view mark = ".tmp.";
    if (name.size() < mark.size() + 7)
        return false;
    const std::string_view tail = name.substr(name.size() - 6);
    for (const char c : tail)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    return name.substr(name.size() - 6 - mark.size(), mark.size()) == mark;
}

int clear_stale_temporaries(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    DIR* listing = ::fdopendir(fd);
    if (!listing) {
        ::close(fd);
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        if (!is_temporary_name(entry->d_name))
            continue;
        struct stat info {};
        if (::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && ::unlinkat(fd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(listing);
    return removed;
}

} // namespace scalvo
