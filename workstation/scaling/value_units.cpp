// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/value_units.h"

#include <algorithm>

namespace scalvo {

namespace {

// Digits after the decimal point of a row's code.
int decimals_of(Row row) {
    switch (row) {
    case Row::hE:
    case Row::hEs:
    case Row::hF:
    case Row::hF2:
    case Row::es_types:
        return 0;
    case Row::foE:
    case Row::foF1:
    case Row::M3000F1:
    case Row::M3000F2:
        return 2;
    default:
        return 1;
    }
}

bool all_digits(std::string_view code) {
    return !code.empty() &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

ValueUnit unit_of(Row row) {
    switch (row) {
    case Row::es_types:
        return ValueUnit::none;
    case Row::hE:
    case Row::hEs:
    case Row::hF:
    case Row::hF2:
        return ValueUnit::kilometres;
    case Row::M3000F1:
    case Row::M3000F2:
        return ValueUnit::factor;
    default:
        return ValueUnit::megahertz;
    }
}

std::optional<double> value_of_code(Row row, std::string_view code) {
    // Codes have at most four digits; a longer run of digits is no code of the sheet.
    if (unit_of(row) == ValueUnit::none || !all_digits(code) || code.size() > 6)
        return std::nullopt;
    double value = 0;
    for (const char c : code)
        value = value * 10 + (c - '0');
    for (int k = 0; k < decimals_of(row); ++k)
        value /= 10;
    return value;
}

std::string reading_of_code(Row row, std::string_view code) {
    const int decimals = decimals_of(row);
    if (unit_of(row) == ValueUnit::none || decimals == 0 || !all_digits(code))
        return std::string(code);
    std::string digits(code);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    return digits;
}

} // namespace scalvo
