// SPDX-License-Identifier: GPL-3.0-or-later
// Any line to Tabulor's conversion: table lines never carry a line break.
#include "record_line.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto lines = tabulor::convert_record_line(line);
    for (const std::string* text : {&lines.value, &lines.letters})
        if (text->find_first_of("\r\n") != std::string::npos || text->size() > 4)
            std::abort();
    return 0;
}
