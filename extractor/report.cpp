// SPDX-License-Identifier: GPL-3.0-or-later
#include "report.h"

#include <string>

namespace tabulor {

void Report::failure(const std::filesystem::path& file, std::string_view reason) {
    failed_ = true;
    line(file, reason);
}

void Report::note(const std::filesystem::path& file, std::string_view what) {
    line(file, what);
}

void Report::line(const std::filesystem::path& file, std::string_view text) {
    std::string name = file.lexically_relative(work_).string();
    if (name.empty()) {
        name = file.string();
    }
    // A file name may hold a line break; the report stays one line per failure.
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = '?';
        }
    }
    out_ << "tabulor: " << name << ": " << text << '\n';
}

} // namespace tabulor
