#include "ionogram/case_code_file.h"

#include "common/file_io.h"

#include <array>

namespace scalvo {

bool is_stored_case_code(std::string_view code) {
    static constexpr std::array<std::string_view, 10> stored{"01", "02", "3a", "3b", "3c",
                                                             "4a", "4b", "4c", "05", "xx"};
    for (std::string_view c : stored)
        if (c == code)
            return true;
    return false;
}

FileResult write_particular_case_code(const std::filesystem::path& file, std::string_view code,
                                      FileCalls& calls) {
    if (!is_stored_case_code(code))
        return std::nullopt;
    // A file cut short since it was read must not grow: bytes 60-61 must already exist.
    const auto size = file_size_of(file);
    if (failed(size)) {
        FileError error = std::get<FileError>(size);
        error.action = "written";
        return error;
    }
    if (std::get<std::int64_t>(size) < 61)
        return FileError{file, "written", "the file is shorter than its header"};
    return write_at(file, 59, std::string(code), calls);
}

} // namespace scalvo
