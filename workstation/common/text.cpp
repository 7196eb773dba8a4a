// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text.h"

#include <algorithm>

namespace scalvo {

std::string mid(std::string_view text, std::size_t start, std::size_t length) {
    if (start == 0 || start > text.size())
        return {};
    return std::string(text.substr(start - 1, length));
}

std::string mid(std::string_view text, std::size_t start) {
    return mid(text, start, std::string_view::npos);
}

std::string left(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, std::min(length, text.size())));
}

std::string trim_left(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string trim_right(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string trim(std::string_view text) {
    return trim_left(trim_right(text));
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return result;
}

std::string pad_left(std::string_view text, std::size_t width) {
    std::string result(text);
    if (result.size() < width)
        result.insert(0, width - result.size(), ' ');
    return result;
}

std::string pad_right(std::string_view text, std::size_t width) {
    std::string result(text);
    if (result.size() < width)
        result.append(width - result.size(), ' ');
    return result;
}

} // namespace scalvo
