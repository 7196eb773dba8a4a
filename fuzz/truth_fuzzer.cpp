// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as autoscale's truth file: read, or refused with a reason, never a crash; every
// row read has a time of five characters and finite values.
#include "autoscale/report.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto read = scalvo::autoscale::read_truth(in);
    if (const auto* error = std::get_if<std::string>(&read)) {
        if (error->empty())
            std::abort();
        return 0;
    }
    for (const auto& row : std::get<std::vector<scalvo::autoscale::TruthRow>>(read))
        for (const auto& value : row.values)
            if (value && !std::isfinite(*value))
                std::abort();
    return 0;
}
