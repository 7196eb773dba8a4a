// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as "setting.txt": five usable lines come out, each within its field's shape.
#include "common/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const auto lines = scalvo::parse_settings(content, "01-01-2026");
    if (lines[0].empty() || lines[0].size() > 10 || lines[1].size() != 2 || lines[2].size() != 2 ||
        lines[3].size() != 2 || lines[4].empty())
        std::abort();
    return 0;
}
