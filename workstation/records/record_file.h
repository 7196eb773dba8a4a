// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scaled-values file of a day and interval: fixed 248-byte records, one per sounding,
// record n at byte (n - 1) x 248. Also an ordinary text file of one line per sounding.
#include "common/file_io.h"

#include <filesystem>
#include <optional>
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

// The interval ("05" ... "60") a day file's name gives; "" for a name of another shape.
std::string interval_of_day_file(const std::filesystem::path& file);

// Why bytes cannot be framed as a day file at this interval: the first bad record (a size that
// is not whole records, a record that does not end in CR LF, a written record that does not
// start with its own "hh:mm"); nullopt for a sound one. With an interval text that names no
// interval, any "hh:mm" will do.
std::optional<std::string> day_file_fault(std::string_view bytes, std::string_view interval_text);

// Checks the framing of an existing day file; the error names the file and the first bad record.
FileResult check_day_file(const std::filesystem::path& file);

// Leaves an existing file untouched; creates a missing one with its blank records.
FileResult create_blank_scaled_values_file(const std::filesystem::path& file, int record_count,
                                           FileCalls& calls = system_file_calls());

// Record n (from 1). A file cut short by whole records reads its missing records as blank; a
// file that cannot be framed is an error.
Expected<std::string> read_record_at(const std::filesystem::path& file, int n);

// Stores record n, leaving every other record as it was. The file is replaced whole through
// a temporary file, so that a killed program or a power cut leaves the old or the new record, never
// half of one (where no temporary file can be made, the record is written in place). When the
// file is shorter than that, the gap is filled with blank records; the file is never shortened. A
// file that cannot be framed is never written, nor a record that is not record_length bytes long.
FileResult write_record_at(const std::filesystem::path& file, int n, const std::string& record,
                           FileCalls& calls = system_file_calls());

} // namespace scalvo
