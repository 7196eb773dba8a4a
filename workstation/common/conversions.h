// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number <-> text conversions shared by every form. They reproduce the number texts the
// scaling rules cut by position, so their exact output matters.
#include <cstdint>
#include <string>
#include <string_view>

namespace scalvo {

// Blanks anywhere are skipped; sign, digits, "." and digits are read up to the first other
// character. "." is the decimal separator whatever the locale. Non-numeric text gives 0.
double numeric_value(std::string_view text);

// Nearest integer, exact halves to the even neighbour.
long long nearest_integer(double x);
// Integer part, towards zero.
long long truncate(double x);

// A blank (or "-") then the shortest decimal form without a "0" before the point.
// A double prints with at most 15 significant digits, a float with at most 7.
std::string number_text(double x);
std::string number_text(float x);
std::string number_text(long long x);
inline std::string number_text(int x) {
    return number_text(static_cast<long long>(x));
}
std::string trimmed_number_text(double x);
std::string trimmed_number_text(float x);
std::string trimmed_number_text(long long x);
inline std::string trimmed_number_text(int x) {
    return trimmed_number_text(static_cast<long long>(x));
}
std::string two_digit_text(long long n);

} // namespace scalvo
