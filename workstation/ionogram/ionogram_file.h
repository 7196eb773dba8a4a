// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ionogram file of a sounding: a 197-byte text header (frequency range and step,
// particular-case code, station code, a line feed at byte 197), then 150 amplitude bytes per
// frequency. The readers work on bytes; load_ionogram_file is the thin layer over the disk.
#include "common/file_error.h"
#include "common/file_io.h"
#include "ionogram/case_code_file.h"
#include "ionogram/ionogram.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace scalvo {

inline constexpr std::size_t ionogram_header_length = 197;

struct IonogramHeader {
    float start_frequency = 0;
    float end_frequency = 0;
    float frequency_step = 0;
    std::int32_t frequency_count = 0;
    std::string particular_case_code; // bytes 60-61, as they are
    std::string station_code;         // bytes 123-127
};

enum class HeaderFault {
    too_short,    // fewer bytes than a header
    short_header, // a line feed at byte 50: the old 50-byte header, never usable
    no_header,    // no line feed at byte 197 nor at byte 50: nothing can be read
    wrong_size,   // not 197 + 150 x N bytes with the N of its own header
};

using HeaderResult = std::variant<IonogramHeader, HeaderFault>;

// N of a header: nearest_integer((end - start) / step + 1); 0 when the numbers give no
// sensible count (a step of 0, a range that runs backwards), so that the size rule refuses
// the file.
std::int32_t frequency_count_of(float start, float end, float step);

// The header from the first bytes of a file (197 or more).
HeaderResult read_ionogram_header(std::string_view bytes);

// The file is usable when it is exactly 197 + 150 x N bytes with N > 0.
bool check_ionogram_size(std::int64_t size, std::int64_t frequency_count);

// The whole file: the header, and the amplitudes into the ionogram (bytes of 6 or less as 0).
// A file that fails the size rule is refused and the ionogram is left as it was.
HeaderResult read_ionogram(std::string_view bytes, Ionogram& ionogram);

// All N x 150 cells to 0.
void clear_amplitude_grid(Ionogram& ionogram);

// "Farnel" for ZE20R ...; "XXXXXXXX" for any other code (exact, case-sensitive).
std::string_view station_name_of(std::string_view station_code);

// The Label11 caption a stored case stands for when the sounding is shown; none for a case
// that is not one of the stored ones.
std::optional<std::string_view> particular_case_caption(ParticularCase particular_case);

// What became of the load of an ionogram file.
enum class IonogramOutcome { usable, unusable, missing };

struct IonogramLoad {
    IonogramOutcome outcome = IonogramOutcome::missing;
    // 53 for a file that does not exist, 75 for one that cannot be read, else 0.
    std::int16_t error_number = 0;
    IonogramHeader header; // the header of a usable file
    // Why a file that exists could not be read (a folder of that name, permissions, a link).
    std::optional<FileError> read_error;
    // Why a file that was read is no ionogram (its header, or its size against it).
    std::optional<HeaderFault> fault;
    // The file that was read, for the case-code write into it.
    FileIdentity identity;
};

// Size, header, size rule, then the whole file into the ionogram, all from one opening of the
// file. Only a usable file changes the ionogram. Nothing is ever written or deleted.
IonogramLoad load_ionogram_file(const std::filesystem::path& path, Ionogram& ionogram);

} // namespace scalvo
