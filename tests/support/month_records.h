// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scaled-values records written by hand from the record layout (positions 1-based, fields
// fixed-width), for the monthly tables' tests: independent of the code that composes them.
#include "scaling/sheet.h"

#include <array>
#include <map>
#include <string>

namespace scalvo::testing {

// The first position of each row's fields, and its label before it, in sheet order.
struct RecordColumn {
    Row row;
    std::size_t position;
    const char* label;
};
inline constexpr std::array<RecordColumn, 16> record_columns{{
    {Row::fmin, 16, " fmin    ="},
    {Row::hE, 31, " h'E     ="},
    {Row::foE, 46, " foE     ="},
    {Row::foEs, 61, " foEs    ="},
    {Row::hEs, 76, " h'Es    ="},
    {Row::es_types, 91, " Es Type ="},
    {Row::fbEs, 106, " fbEs    ="},
    {Row::hF, 121, " h'F     ="},
    {Row::foF1, 136, " foF1    ="},
    {Row::hF2, 151, " h'F2    ="},
    {Row::foF2, 166, " foF2    ="},
    {Row::fxI, 181, " fxI     ="},
    {Row::MUF3000F1, 196, " MUF F1  ="},
    {Row::M3000F1, 211, " M3000 F1="},
    {Row::MUF3000F2, 226, " MUF F2  ="},
    {Row::M3000F2, 241, " M3000 F2="},
}};

// One record's 246 characters (without CR LF) at hh:mm, every row empty until set.
class RecordLine {
  public:
    RecordLine(int hour, int minute) : text_(246, ' ') {
        put(1, two(hour) + ":" + two(minute));
        for (const RecordColumn& c : record_columns)
            put(c.position - 10, c.label);
    }
    // The value right-aligned in its 3 columns, then the two letters (' ' for none).
    RecordLine& set(Row row, const std::string& value, char qualifying = ' ',
                    char descriptive = ' ') {
        const std::size_t at = position(row);
        put(at, std::string(3 - value.size(), ' ') + value);
        put(at + 3, std::string{qualifying, descriptive});
        return *this;
    }
    RecordLine& set(Row row, int code, char qualifying = ' ', char descriptive = ' ') {
        return set(row, std::to_string(code), qualifying, descriptive);
    }
    RecordLine& es_types(const std::string& text) {
        put(91, text + std::string(5 - text.size(), ' '));
        return *this;
    }
    const std::string& text() const { return text_; }

    static std::size_t position(Row row) {
        for (const RecordColumn& c : record_columns)
            if (c.row == row)
                return c.position;
        return 0;
    }

  private:
    static std::string two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
    void put(std::size_t position, const std::string& s) {
        text_.replace(position - 1, s.size(), s);
    }
    std::string text_;
};

// A day file of 24 x 60 / interval records: the given lines by record index (from 0), blank
// records elsewhere; every record ends with CR LF.
inline std::string day_file(int interval, const std::map<int, std::string>& lines) {
    std::string bytes;
    for (int k = 0; k < 24 * 60 / interval; ++k) {
        const auto found = lines.find(k);
        bytes += (found == lines.end() ? std::string(246, ' ') : found->second) + "\r\n";
    }
    return bytes;
}

} // namespace scalvo::testing
