// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options.h"

#include <filesystem>
#include <string>
#include <vector>

namespace synth {

struct DayReport {
    bool kept = false; // the folder held scaled values and was left alone
    int written = 0;
    int missing = 0;
    int broken = 0;
    std::filesystem::path truth_file;
    std::vector<std::filesystem::path> previews;
};

// Writes the day into options.working_folder: ionograms/ with one file per sounding
// (skipped ones removed, broken ones cut), the truth CSV beside them, the previews and
// setting.txt when asked. Every file goes through a temporary file of its own, synced and
// renamed into place; a link is never followed. Throws std::runtime_error naming the file on
// an I/O failure, and for an ionograms/ folder that holds files this program did not write
// (a station's real ionograms) unless options.force.
DayReport write_day(const Options& options);

// True when the folder holds a scaled-values file (ZE20R_ddmmyyyy_MM.txt), that is, when
// someone has started scaling there and the folder is no longer ours to regenerate.
bool holds_scaled_values(const std::filesystem::path& ionogram_folder);

// The five CR LF lines of setting.txt: date, hour, minute, interval, record number.
std::string setting_text(const Date& date, int minute_of_day, int interval);

std::string truth_file_name(const Date& date);

// The files of ionogram_folder this program did not write: anything but its truth files, the
// ionograms of the days they are the truth of, and the files Scalvo leaves (its lock,
// temporaries of a killed write). A link is never its own.
std::vector<std::string> foreign_files(const std::filesystem::path& ionogram_folder);

} // namespace synth
