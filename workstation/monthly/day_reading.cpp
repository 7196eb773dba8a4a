// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/day_reading.h"

#include "common/text.h"
#include "monthly/characteristics.h"
#include "records/record_file.h"
#include "records/sheet_record.h"

#include <algorithm>

namespace scalvo {

namespace {

constexpr std::size_t text_length = record_length - 2; // a record's line without CR LF

// The lines of the file, each without its line break; a last line without one too.
std::vector<std::string_view> lines_of(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

std::string two_digits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string time_text(int minute_of_day) {
    return two_digits(minute_of_day / 60) + ":" + two_digits(minute_of_day % 60);
}

// The value code of a field as the record stores it ("1E3" ... read back as 1000 ...).
std::optional<int> code_of(std::string_view text) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int code = 0;
    for (const char c : text)
        code = code * 10 + (c - '0');
    return code;
}

std::string shown(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

class RecordReader {
  public:
    RecordReader(const std::filesystem::path& file, int line, std::vector<Problem>& problems)
        : file_(file), line_(line), problems_(problems) {}

    // The row's fields; a field that cannot be read is named, and the row left out.
    Entry entry(std::string_view record, Row row) {
        Entry entry;
        const std::string value = record_text(record, value_box(row));
        const std::string name(caption(row));
        if (row == Row::es_types) {
            // The field is 5 wide but holds at most 4 characters.
            if (!value.empty() && (!is_es_types_text(value) || record[94] != ' '))
                return left_out(name + " " + shown(mid(record, 91, 5)) + " are no Es types");
            entry.es_types = value;
            return entry;
        }
        const std::string q = record_text(record, qualifying_box(row));
        const std::string d = record_text(record, descriptive_box(row));
        if (!value.empty()) {
            entry.code = code_of(value);
            if (!entry.code)
                return left_out(name + " value " + shown(value) + " is no value code");
            if (*entry.code > largest_code)
                return left_out(name + " value " + value +
                                " does not fit the tables' three digits");
        }
        if (!q.empty() && !is_qualifying_letter(q[0]))
            return left_out(name + " qualifying letter " + shown(q) + " is not one");
        if (!d.empty() && !is_descriptive_letter(d[0]))
            return left_out(name + " descriptive letter " + shown(d) + " is not one");
        entry.qualifying = q.empty() ? ' ' : q[0];
        entry.descriptive = d.empty() ? ' ' : d[0];
        return entry;
    }

  private:
    Entry left_out(const std::string& why) {
        problems_.push_back({file_, line_, why + "; left out"});
        return {};
    }

    const std::filesystem::path& file_;
    int line_;
    std::vector<Problem>& problems_;
};

} // namespace

DayReading read_day(std::string_view bytes, const std::filesystem::path& file, int interval) {
    DayReading day;
    const std::vector<std::string_view> lines = lines_of(bytes);
    const int per_hour = 60 / interval;
    for (int hour = 0; hour < 24; ++hour) {
        const int line = hour * per_hour + 1;
        const std::string time = time_text(hour * 60);
        if (static_cast<std::size_t>(line) > lines.size()) {
            day.problems.push_back({file, 0,
                                    "the file ends after line " + std::to_string(lines.size()) +
                                        ": the hours from " + time + " are left out"});
            break;
        }
        const std::string_view record = lines[static_cast<std::size_t>(line - 1)];
        if (record.size() != text_length) {
            day.problems.push_back({file, line,
                                    "the record of " + time + " is " +
                                        std::to_string(record.size()) + " characters long, not " +
                                        std::to_string(text_length) + "; left out"});
            continue;
        }
        if (record.find_first_not_of(' ') == std::string_view::npos)
            continue; // never scaled
        if (!record_layout_intact(record)) {
            day.problems.push_back({file, line,
                                    "the record of " + time +
                                        " is damaged (its fixed texts are out of "
                                        "place); left out"});
            continue;
        }
        if (record.substr(0, 5) != time) {
            day.problems.push_back({file, line,
                                    "the record holds the time " +
                                        std::string(record.substr(0, 5)) + " where " + time +
                                        " belongs; left out"});
            continue;
        }
        RecordReader reader(file, line, day.problems);
        for (const Row row : all_rows)
            day.hours[static_cast<std::size_t>(hour)][index_of(row)] = reader.entry(record, row);
    }
    return day;
}

} // namespace scalvo
