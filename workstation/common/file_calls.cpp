// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_calls.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scalvo {

int FileCalls::open(const std::filesystem::path& path, int flags, unsigned mode) {
    return ::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode));
}

int FileCalls::make_temporary(std::string& name_template) {
    return ::mkostemp(name_template.data(), O_CLOEXEC);
}

long FileCalls::write_at(int fd, const char* data, std::size_t size, std::int64_t offset) {
    return static_cast<long>(::pwrite(fd, data, size, static_cast<off_t>(offset)));
}

int FileCalls::change_mode(int fd, unsigned mode) {
    return ::fchmod(fd, static_cast<mode_t>(mode));
}

int FileCalls::sync(int fd) {
    return ::fsync(fd);
}

int FileCalls::close(int fd) {
    return ::close(fd);
}

int FileCalls::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str());
}

int FileCalls::remove(const std::filesystem::path& path) {
    return ::unlink(path.c_str());
}

FileCalls& system_file_calls() {
    static FileCalls calls;
    return calls;
}

} // namespace scalvo
