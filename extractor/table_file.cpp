// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tabulor {

namespace {
constexpr std::size_t kFlushAt = 1 << 16;
}

std::string last_error_text() {
    return std::generic_category().message(errno);
}

TableFile::~TableFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool TableFile::open(const fs::path& path, std::string& why) {
    path_ = path;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    existed_ = status.type() != fs::file_type::not_found;
    // Only a plain file (or none at all) can be put back; bytes sent to anything else are gone.
    undoable_ = !existed_;
    if (fs::is_regular_file(status)) {
        old_size_ = fs::file_size(path, ec);
        undoable_ = !ec;
    }
    // Never waits on a FIFO put in place of a table: without a reader the open fails at once,
    // with one the file is refused below.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        why = errno == ENXIO ? "cannot open for appending: a named pipe (FIFO), not a file"
                             : "cannot open for appending: " + last_error_text();
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) {
        why = "cannot open for appending: a named pipe (FIFO), not a file";
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file_ = ::fdopen(fd, "ab");
    if (file_ == nullptr) {
        why = "cannot open for appending: " + last_error_text();
        ::close(fd);
        return false;
    }
    // We buffer ourselves; unbuffered, fwrite's count is what reached the file.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

void TableFile::append(std::string_view bytes) {
    buffer_.append(bytes);
    if (buffer_.size() >= kFlushAt) {
        flush();
    }
}

void TableFile::flush() {
    if (failed() || buffer_.empty()) {
        buffer_.clear();
        return;
    }
    const std::size_t done = std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    written_ += done;
    if (done != buffer_.size()) {
        error_ = "cannot write: " + last_error_text();
    }
    buffer_.clear();
}

bool TableFile::close(std::string& why) {
    flush();
    // Some file systems report a failed write only when the file is closed.
    if (std::fclose(file_) != 0 && !failed()) {
        error_ = "cannot write: " + last_error_text();
    }
    file_ = nullptr;
    why = error_;
    return !failed();
}

bool TableFile::undo(std::string& why) {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    buffer_.clear();
    if (!undoable_ && written_ == 0) {
        return true;
    }
    if (!undoable_) {
        why = "cannot take back the lines written: not a plain file";
        return false;
    }
    std::error_code ec;
    if (existed_) {
        fs::resize_file(path_, old_size_, ec);
    } else {
        fs::remove(path_, ec);
    }
    if (ec) {
        why = "cannot take back the lines written: " + ec.message();
        return false;
    }
    return true;
}

} // namespace tabulor
