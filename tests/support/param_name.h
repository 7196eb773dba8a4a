// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test names from the cases' own `name` fields: GoogleTest takes only letters, digits and
// underscores, so every other character becomes an underscore.
#include <cctype>
#include <string>

namespace scalvo::testing {

// The last argument of INSTANTIATE_TEST_SUITE_P.
inline constexpr auto param_name = [](const auto& info) {
    std::string name;
    for (const char ch : info.param.name)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
};

} // namespace scalvo::testing
