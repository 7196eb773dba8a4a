// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tabulor takes no arguments: it converts what it finds in data/. Only --help and --version
// are understood, and anything else is refused before a single table is touched.
#include <span>
#include <string>
#include <string_view>

namespace tabulor {

struct Invocation {
    enum class Kind { convert, help, version, refuse };
    Kind kind = Kind::convert;
    std::string error; // refuse: one line, without the program name
};

Invocation read_arguments(std::span<const std::string_view> arguments);
std::string usage_text();
std::string version_text();

} // namespace tabulor
