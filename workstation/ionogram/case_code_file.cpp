// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram/case_code_file.h"

#include "common/file_io.h"

#include <array>
#include <string>

namespace scalvo {

namespace {

struct CaseCode {
    ParticularCase particular_case;
    std::string_view code;
};

constexpr std::array<CaseCode, 11> case_codes{{
    {ParticularCase::none, "xx"},
    {ParticularCase::nighttime_es_missing, "01"},
    {ParticularCase::daytime_es_missing, "02"},
    {ParticularCase::daytime_blanketing_single, "3a"},
    {ParticularCase::daytime_blanketing_above, "3b"},
    {ParticularCase::daytime_blanketing_below, "3c"},
    {ParticularCase::nighttime_blanketing_single, "4a"},
    {ParticularCase::nighttime_blanketing_above, "4b"},
    {ParticularCase::nighttime_blanketing_below, "4c"},
    {ParticularCase::partial_absorption, "05"},
    {ParticularCase::no_ionogram, "06"},
}};

} // namespace

ParticularCase case_of_code(std::string_view code) {
    for (const CaseCode& entry : case_codes)
        if (entry.code == code)
            return entry.particular_case;
    return ParticularCase::unknown;
}

std::string_view code_of_case(ParticularCase particular_case) {
    for (const CaseCode& entry : case_codes)
        if (entry.particular_case == particular_case)
            return entry.code;
    return {};
}

bool is_stored_case(ParticularCase particular_case) {
    return particular_case != ParticularCase::no_ionogram &&
           particular_case != ParticularCase::unknown;
}

FileResult write_particular_case_code(const std::filesystem::path& file,
                                      ParticularCase particular_case,
                                      std::optional<FileIdentity> loaded, FileCalls& calls) {
    if (!is_stored_case(particular_case))
        return std::nullopt;
    // A file cut short since it was read must not grow: bytes 60-61 must already exist.
    return write_at(file, 59, std::string(code_of_case(particular_case)), loaded, calls);
}

} // namespace scalvo
