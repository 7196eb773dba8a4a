// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoscale/report.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

namespace scalvo::autoscale {

namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

int decimals_of(Characteristic characteristic) {
    return unit_of(characteristic) == Unit::kilometres ? 1 : 2;
}

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    for (const char c : line) {
        if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else if (c != '\r') {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

std::optional<double> number(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string percent(int part, int whole) {
    if (whole == 0)
        return "-";
    return fixed(100.0 * part / whole, 1) + "%";
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

} // namespace

double tolerance_of(Characteristic characteristic) {
    switch (characteristic) {
    case Characteristic::foEs:
    case Characteristic::fbEs:
        return 0.2;
    case Characteristic::muf3000F2:
        return 0.3;
    case Characteristic::m3000F2:
        return 0.05;
    default:
        return unit_of(characteristic) == Unit::kilometres ? 5.0 : 0.1;
    }
}

std::string csv_header() {
    std::string header = "file";
    for (const Characteristic c : all_characteristics)
        header += "," + std::string(name_of(c));
    return header + ",separation";
}

std::string csv_line(std::string_view file, const Proposals& proposals) {
    std::string line = csv_field(file);
    for (const Characteristic c : all_characteristics) {
        line += ",";
        if (const auto& proposal = proposals[c])
            line += fixed(proposal->value, decimals_of(c));
    }
    line += ",";
    if (proposals.separation)
        line += fixed(*proposals.separation, 2);
    return line;
}

std::optional<std::string> sounding_time_of(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    // <prefix>_<yyyy><ddd><HH><MM><SS>.rdf: 13 digits before the extension.
    constexpr std::size_t digit_count = 13;
    if (name.size() < digit_count + 5 || name.substr(name.size() - 4) != ".rdf")
        return std::nullopt;
    const std::string_view digits = name.substr(name.size() - 4 - digit_count, digit_count);
    for (const char c : digits)
        if (c < '0' || c > '9')
            return std::nullopt;
    if (name[name.size() - 5 - digit_count] != '_')
        return std::nullopt;
    return std::string(digits.substr(7, 2)) + ":" + std::string(digits.substr(9, 2));
}

std::optional<int> sounding_minute_of(std::string_view path) {
    const auto time = sounding_time_of(path);
    if (!time)
        return std::nullopt;
    return ((*time)[0] - '0') * 600 + ((*time)[1] - '0') * 60 + ((*time)[3] - '0') * 10 +
           ((*time)[4] - '0');
}

std::optional<std::string> sounding_day_of(std::string_view path) {
    if (!sounding_time_of(path))
        return std::nullopt;
    // Everything but the time and the extension: folder, prefix, year and day of year.
    return std::string(path.substr(0, path.size() - 10));
}

std::variant<std::vector<TruthRow>, std::string> read_truth(std::istream& in) {
    std::string line;
    if (!std::getline(in, line))
        return std::string("empty truth file");
    const std::vector<std::string> header = split(line);
    if (header.size() < 2 || header[0] != "time" || header[1] != "file")
        return std::string("not a truth file: its header does not start with time,file");
    // Column of each characteristic the file has.
    std::array<int, characteristic_count> column{};
    column.fill(-1);
    for (std::size_t k = 2; k < header.size(); ++k)
        for (const Characteristic c : all_characteristics)
            if (header[k] == name_of(c))
                column[static_cast<std::size_t>(c)] = static_cast<int>(k);

    std::vector<TruthRow> rows;
    int line_number = 1;
    while (std::getline(in, line)) {
        ++line_number;
        if (line.empty() || line == "\r")
            continue;
        const std::vector<std::string> fields = split(line);
        if (fields.size() != header.size())
            return "line " + std::to_string(line_number) + " has " + std::to_string(fields.size()) +
                   " fields, the header " + std::to_string(header.size());
        TruthRow row{fields[0], fields[1], {}};
        for (const Characteristic c : all_characteristics) {
            const int k = column[static_cast<std::size_t>(c)];
            if (k < 0)
                continue;
            const std::string& text = fields[static_cast<std::size_t>(k)];
            row.values[static_cast<std::size_t>(c)] = number(text);
            if (!text.empty() && !row.values[static_cast<std::size_t>(c)])
                return "line " + std::to_string(line_number) + ": " + text + " is not a number";
        }
        // M(3000)F2 is not in the file: it follows from MUF(3000)F2 and foF2.
        const auto& muf = row.values[static_cast<std::size_t>(Characteristic::muf3000F2)];
        const auto& foF2 = row.values[static_cast<std::size_t>(Characteristic::foF2)];
        if (column[static_cast<std::size_t>(Characteristic::m3000F2)] < 0 && muf && foF2 &&
            *foF2 > 0)
            row.values[static_cast<std::size_t>(Characteristic::m3000F2)] = *muf / *foF2;
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

std::string folder_of(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos
               ? std::string(".")
               : std::filesystem::path(path.substr(0, slash)).lexically_normal().generic_string();
}

} // namespace

std::string agreement_table(const std::vector<ScaledFile>& files,
                            const std::vector<TruthFile>& truths) {
    // (folder, time) -> row; the folder is left empty when one truth file speaks for all.
    const bool one = truths.size() == 1;
    std::map<std::pair<std::string, std::string>, const TruthRow*> by_time;
    for (const TruthFile& truth : truths)
        for (const TruthRow& row : truth.rows)
            by_time[{one ? std::string() : folder_of(truth.path), row.time}] = &row;

    struct Count {
        int with_truth = 0, within = 0, wrong = 0, missed = 0, without_truth = 0, false_ = 0;
    };
    std::array<Count, characteristic_count> counts{};
    int compared = 0;
    int left_out = 0;
    for (const ScaledFile& file : files) {
        const auto time = sounding_time_of(file.path);
        const auto found = time ? by_time.find({one ? std::string() : folder_of(file.path), *time})
                                : by_time.end();
        if (found == by_time.end() || found->second->state != "written") {
            ++left_out;
            continue;
        }
        ++compared;
        for (const Characteristic c : all_characteristics) {
            const auto k = static_cast<std::size_t>(c);
            const auto& expected = found->second->values[k];
            const auto& proposal = file.proposals[c];
            Count& count = counts[k];
            if (expected) {
                ++count.with_truth;
                if (!proposal)
                    ++count.missed;
                else if (std::fabs(proposal->value - *expected) <= tolerance_of(c) + 1e-9)
                    ++count.within;
                else
                    ++count.wrong;
            } else {
                ++count.without_truth;
                if (proposal)
                    ++count.false_;
            }
        }
    }

    std::ostringstream out;
    out << "agreement with the truth: " << compared << " soundings";
    if (left_out > 0)
        out << " (" << left_out << " files without a written truth row left out)";
    out << "\n";
    out << "characteristic  tolerance  truth  within   wrong  missed  no truth   false\n";
    for (const Characteristic c : all_characteristics) {
        const Count& count = counts[static_cast<std::size_t>(c)];
        std::string unit = unit_of(c) == Unit::kilometres ? " km"
                           : unit_of(c) == Unit::factor   ? "   "
                                                          : " MHz";
        std::string name(name_of(c));
        name.resize(14, ' ');
        out << name
            << padded(fixed(tolerance_of(c), unit_of(c) == Unit::kilometres ? 0 : 2) + unit, 11)
            << padded(std::to_string(count.with_truth), 7)
            << padded(percent(count.within, count.with_truth), 8)
            << padded(percent(count.wrong, count.with_truth), 8)
            << padded(percent(count.missed, count.with_truth), 8)
            << padded(std::to_string(count.without_truth), 10)
            << padded(percent(count.false_, count.without_truth), 8) << "\n";
    }
    return out.str();
}

} // namespace scalvo::autoscale
