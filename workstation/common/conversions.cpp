// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/conversions.h"

#include <charconv>
#include <cmath>

namespace scalvo {

double numeric_value(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t')
            compact += c;

    std::size_t i = 0;
    bool negative = false;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        negative = compact[i] == '-';
        ++i;
    }
    std::string digits;
    bool seen_point = false;
    for (; i < compact.size(); ++i) {
        const char c = compact[i];
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (c == '.' && !seen_point) {
            seen_point = true;
            digits += c;
        } else {
            break;
        }
    }
    if (digits.empty() || digits == ".")
        return 0.0;
    // from_chars, unlike strtod, ignores the locale the GUI toolkit installs.
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return negative ? -value : value;
}

long long nearest_integer(double x) {
    return std::llrint(x);
}

long long truncate(double x) {
    return static_cast<long long>(std::trunc(x));
}

namespace {

// General format with the given significant digits, locale-free, "0." shortened to ".".
std::string shortest(double x, int digits) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, digits).ptr;
    std::string text(buffer, end);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    if (text == "-0")
        text = "0";
    if (text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    else if (text.rfind("-0.", 0) == 0)
        text.erase(1, 1);
    return text;
}

std::string signed_text(std::string digits) {
    if (!digits.empty() && digits[0] == '-')
        return digits;
    return " " + digits;
}

} // namespace

std::string trimmed_number_text(double x) {
    return shortest(x, 15);
}

std::string trimmed_number_text(float x) {
    return shortest(static_cast<double>(x), 7);
}

std::string trimmed_number_text(long long x) {
    return std::to_string(x);
}

std::string number_text(double x) {
    return signed_text(trimmed_number_text(x));
}
std::string number_text(float x) {
    return signed_text(trimmed_number_text(x));
}
std::string number_text(long long x) {
    return signed_text(trimmed_number_text(x));
}

std::string two_digit_text(long long n) {
    std::string text = trimmed_number_text(n);
    return text.size() == 1 ? "0" + text : text;
}

} // namespace scalvo
