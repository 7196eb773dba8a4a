// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The particular case of a sounding, and its code kept in bytes 60-61 of an ionogram file: the
// only bytes of an ionogram file the program ever writes. The code's text lives here, at the
// file's boundary; the program says ParticularCase.
#include "common/file_calls.h"
#include "common/file_error.h"
#include "common/file_io.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace scalvo {

enum class ParticularCase : std::uint8_t {
    none,                        // "xx"
    nighttime_es_missing,        // "01"
    daytime_es_missing,          // "02"
    daytime_blanketing_single,   // "3a"
    daytime_blanketing_above,    // "3b": second reflection >= foEs
    daytime_blanketing_below,    // "3c": second reflection < foEs
    nighttime_blanketing_single, // "4a"
    nighttime_blanketing_above,  // "4b"
    nighttime_blanketing_below,  // "4c"
    partial_absorption,          // "05"
    no_ionogram,                 // "06", never stored in a file
    unknown,                     // bytes that name no case, kept as they are in the file
};

// The case of a code as a file holds it; unknown for anything else (exact, case-sensitive).
ParticularCase case_of_code(std::string_view code);
// The two characters of a case; "" for unknown.
std::string_view code_of_case(ParticularCase particular_case);

// True for the cases whose code is stored in the file ("01" ... "05" and "xx").
bool is_stored_case(ParticularCase particular_case);

// Writes the case's code at bytes 60 and 61 for a stored case; any other case writes nothing
// and succeeds, and so does a file that holds the code already. With `loaded`, only into the
// file that was loaded: a file put in its place since is refused.
FileResult write_particular_case_code(const std::filesystem::path& file,
                                      ParticularCase particular_case,
                                      std::optional<FileIdentity> loaded = std::nullopt,
                                      FileCalls& calls = system_file_calls());

} // namespace scalvo
