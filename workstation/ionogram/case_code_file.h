#pragma once
// The particular-case code kept in bytes 60-61 of an ionogram file: the only bytes of an
// ionogram file the program ever writes.
#include "common/file_calls.h"
#include "common/file_error.h"

#include <filesystem>
#include <string_view>

namespace scalvo {

// True for the codes stored in the file ("01" ... "05" and "xx"); "06" and others never are.
bool is_stored_case_code(std::string_view code);

// Writes the two characters at bytes 60 and 61 for a stored code; any other code writes
// nothing and succeeds.
FileResult write_particular_case_code(const std::filesystem::path& file, std::string_view code,
                                      FileCalls& calls = system_file_calls());

} // namespace scalvo
