// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scaled-values file of a day and interval: fixed 248-byte records, one per sounding,
// record n at byte (n - 1) x 248. Also an ordinary text file of one line per sounding.
#include "common/file_io.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace scalvo {

inline constexpr std::size_t record_length = 248;

// 246 blanks, CR, LF.
const std::string& blank_record();

// Records of a day at this interval ("05" ... "60"); 0 for any other text.
int records_per_day(std::string_view interval_text);
// The minute of the day of record n (from 1) at this interval; 0 for another interval text.
int minute_of_record(std::string_view interval_text, int record);

// "ZE20R_05122026_15.txt" for the date 05-12-2026 and interval "15".
std::string scaled_values_file_name(std::string_view date, std::string_view interval_text);

// Leaves an existing file untouched; creates a missing one with its blank records.
FileResult create_blank_scaled_values_file(const std::filesystem::path& file, int record_count,
                                           FileCalls& calls = system_file_calls());

// Record n (from 1). A file cut short reads its missing or incomplete records as blank.
Expected<std::string> read_record_at(const std::filesystem::path& file, int n);

// Stores record n, leaving every other record as it was. The file is replaced whole through
// a temporary file, so that a killed program or a power cut leaves the old or the new record, never
// half of one. When the file is shorter than that, the gap is filled with blank records; the file
// is never shortened. A record that is not exactly record_length bytes long is refused.
FileResult write_record_at(const std::filesystem::path& file, int n, const std::string& record,
                           FileCalls& calls = system_file_calls());

} // namespace scalvo
