// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tabulor {

// An output table opened for appending that can be put back as it was before the open.
// The value table and the letters table are read side by side, line for line: when one
// input file fails half-way, both are undone so that neither holds a part of it.
class TableFile {
  public:
    TableFile() = default;
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;
    ~TableFile();

    // On failure `why` gets the reason.
    bool open(const std::filesystem::path& path, std::string& why);
    // Buffered; a failed write is remembered and reported by failed() and close().
    void append(std::string_view bytes);
    bool failed() const { return !error_.empty(); }
    bool close(std::string& why);
    // Back to the state before open(): the old length, or no file when there was none.
    bool undo(std::string& why);

  private:
    void flush();

    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    std::string error_;
    bool existed_ = false;
    bool undoable_ = false;
    std::uintmax_t old_size_ = 0;
    std::uintmax_t written_ = 0;
};

// The reason of the last failed C library call.
std::string last_error_text();

} // namespace tabulor
