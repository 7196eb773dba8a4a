// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert_file.h"

#include "line_splitter.h"
#include "record_line.h"
#include "table_file.h"

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tabulor {

namespace {

constexpr std::size_t kChunk = 1 << 16;
// The letters end at character 170; nothing after it matters.
constexpr std::size_t kKeptPerLine = 170;
constexpr std::string_view kLineEnd = "\r\n";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using InputFile = std::unique_ptr<std::FILE, FileCloser>;

// The input for reading, refused without waiting when it is a FIFO (or anything but an
// ordinary file) put in place of a data file.
std::FILE* open_input(const fs::path& path, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = "cannot open for reading: " + last_error_text();
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = "cannot open for reading: not an ordinary file";
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        why = "cannot open for reading: " + last_error_text();
        ::close(fd);
    }
    return file;
}

bool same_file(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

void undo(TableFile& table, const fs::path& path, Report& report) {
    std::string why;
    if (!table.undo(why)) {
        report.failure(path, why);
    }
}

// Reads the whole input into both tables; false with `why` set when reading fails.
// `bare_line_feeds` counts the lines ended by a line feed alone.
bool append_lines(std::FILE* input, TableFile& values, TableFile& letters, std::string& why,
                  std::size_t& bare_line_feeds) {
    LineSplitter splitter(kKeptPerLine);
    auto on_line = [&](std::string_view line) {
        const TableLines lines = convert_record_line(line);
        values.append(lines.value);
        values.append(kLineEnd);
        letters.append(lines.letters);
        letters.append(kLineEnd);
    };
    std::array<char, kChunk> chunk;
    while (!values.failed() && !letters.failed()) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), input);
        splitter.feed(std::string_view(chunk.data(), got), on_line);
        if (got < chunk.size()) {
            if (std::ferror(input)) {
                why = "cannot read: " + last_error_text();
                return false;
            }
            splitter.finish(on_line);
            break;
        }
    }
    bare_line_feeds = splitter.bare_line_feeds();
    return true;
}

} // namespace

bool convert_file(const fs::path& input, const fs::path& value_table, const fs::path& letters_table,
                  Report& report) {
    std::string why;
    InputFile in(open_input(input, why));
    if (!in) {
        report.failure(input, why);
        return false;
    }
    // Appending to the file being read would never reach its end.
    for (const fs::path* table : {&value_table, &letters_table}) {
        if (same_file(input, *table)) {
            report.failure(*table, "is the data file itself; not written");
            return false;
        }
    }
    TableFile values;
    if (!values.open(value_table, why)) {
        report.failure(value_table, why);
        return false;
    }
    TableFile letters;
    if (!letters.open(letters_table, why)) {
        report.failure(letters_table, why);
        undo(values, value_table, report);
        return false;
    }
    std::size_t bare_line_feeds = 0;
    if (!append_lines(in.get(), values, letters, why, bare_line_feeds)) {
        report.failure(input, why);
    } else if (!values.close(why)) {
        report.failure(value_table, why);
    } else if (!letters.close(why)) {
        report.failure(letters_table, why);
    } else {
        // Such a file was converted by a program that changes line ends (an editor, a
        // transfer): Scalvo will not open it until its CR LF ends are back.
        if (bare_line_feeds > 0)
            report.note(input, std::to_string(bare_line_feeds) +
                                   " line(s) end in LF alone, not CR LF as a day file's "
                                   "records do; converted as lines all the same");
        return true;
    }
    undo(values, value_table, report);
    undo(letters, letters_table, report);
    return false;
}

} // namespace tabulor
