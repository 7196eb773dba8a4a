// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert_file.h"

#include "line_splitter.h"
#include "record_line.h"
#include "table_file.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>

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
bool append_lines(std::FILE* input, TableFile& values, TableFile& letters, std::string& why) {
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
    return true;
}

} // namespace

bool convert_file(const fs::path& input, const fs::path& value_table, const fs::path& letters_table,
                  Report& report) {
    InputFile in(std::fopen(input.c_str(), "rb"));
    if (!in) {
        report.failure(input, "cannot open for reading: " + last_error_text());
        return false;
    }
    // Appending to the file being read would never reach its end.
    for (const fs::path* table : {&value_table, &letters_table}) {
        if (same_file(input, *table)) {
            report.failure(*table, "is the data file itself; not written");
            return false;
        }
    }
    std::string why;
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
    if (!append_lines(in.get(), values, letters, why)) {
        report.failure(input, why);
    } else if (!values.close(why)) {
        report.failure(value_table, why);
    } else if (!letters.close(why)) {
        report.failure(letters_table, why);
    } else {
        return true;
    }
    undo(values, value_table, report);
    undo(letters, letters_table, report);
    return false;
}

} // namespace tabulor
