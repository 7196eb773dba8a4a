// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_calls.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace scalvo {

int FileCalls::open_folder(const std::filesystem::path& folder) {
    return ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

int FileCalls::open(int folder, const std::string& name, int flags, unsigned mode) {
    return ::openat(folder, name.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                    static_cast<mode_t>(mode));
}

int FileCalls::make_temporary(int folder, std::string& name_template) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    if (name_template.size() < 6 || !name_template.ends_with("XXXXXX")) {
        errno = EINVAL;
        return -1;
    }
    const std::string stem = name_template.substr(0, name_template.size() - 6);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem;
        for (int k = 0; k < 6; ++k)
            name += letters[random() % (sizeof letters - 1)];
        const int fd = ::openat(folder, name.c_str(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            if (fd >= 0)
                name_template = name;
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

long FileCalls::write_at(int fd, const char* data, std::size_t size, std::int64_t offset) {
    return static_cast<long>(::pwrite(fd, data, size, static_cast<off_t>(offset)));
}

int FileCalls::change_mode(int fd, unsigned mode) {
    return ::fchmod(fd, static_cast<mode_t>(mode));
}

int FileCalls::change_owner(int fd, unsigned owner, unsigned group) {
    return ::fchown(fd, static_cast<uid_t>(owner), static_cast<gid_t>(group));
}

int FileCalls::copy_attributes(int from, int to) {
    ssize_t size = ::flistxattr(from, nullptr, 0);
    if (size <= 0)
        return static_cast<int>(size);
    std::vector<char> names(static_cast<std::size_t>(size));
    size = ::flistxattr(from, names.data(), names.size());
    if (size < 0)
        return -1;
    for (std::size_t at = 0; at < static_cast<std::size_t>(size);) {
        const char* name = names.data() + at;
        at += std::char_traits<char>::length(name) + 1;
        const ssize_t length = ::fgetxattr(from, name, nullptr, 0);
        if (length < 0)
            return -1;
        std::vector<char> value(static_cast<std::size_t>(length));
        if (::fgetxattr(from, name, value.data(), value.size()) < 0 ||
            ::fsetxattr(to, name, value.data(), value.size(), 0) != 0) {
            // Attributes of the system's own kind (security labels, another owner's ACL) are
            // not ours to set, and a file system may take some kinds and not others.
            if (errno == EPERM || errno == EACCES || errno == ENOTSUP || errno == EOPNOTSUPP)
                continue;
            return -1;
        }
    }
    return 0;
}

int FileCalls::sync(int fd) {
    return ::fsync(fd);
}

int FileCalls::close(int fd) {
    return ::close(fd);
}

int FileCalls::rename(int folder, const std::string& from, const std::string& to) {
    return ::renameat(folder, from.c_str(), folder, to.c_str());
}

int FileCalls::remove(int folder, const std::string& name) {
    return ::unlinkat(folder, name.c_str(), 0);
}

FileCalls& system_file_calls() {
    static FileCalls calls;
    return calls;
}

} // namespace scalvo
