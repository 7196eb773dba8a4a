// SPDX-License-Identifier: GPL-3.0-or-later
#include "report.h"

#include <string>

namespace tabulor {

void Report::failure(const std::filesystem::path& file, std::string_view reason) {
    failed_ = true;
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
    out_ << "tabulor: " << name << ": " << reason << '\n';
}

} // namespace tabulor
