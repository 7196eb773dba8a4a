// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text helpers with the 1-based, forgiving semantics the scaling rules are written in.
#include <string>
#include <string_view>

namespace scalvo {

// Characters start..start+length-1 (1-based); positions past the end give fewer characters.
std::string mid(std::string_view text, std::size_t start, std::size_t length);
// From position start (1-based) to the end.
std::string mid(std::string_view text, std::size_t start);
std::string left(std::string_view text, std::size_t length);
std::string trim(std::string_view text);
std::string trim_left(std::string_view text);
std::string trim_right(std::string_view text);
std::string upper(std::string_view text);
// Padding with blanks to a fixed width; longer texts are kept whole.
std::string pad_left(std::string_view text, std::size_t width);
std::string pad_right(std::string_view text, std::size_t width);

} // namespace scalvo
