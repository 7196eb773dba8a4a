// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram_file.h"

#include "station.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace synth {

namespace {

// "dd.ddd": whole MHz in two digits, thousandths in three.
std::string frequency_field(int khz) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%03d", khz / 1000, khz % 1000);
    return text;
}

// Fills a run of unused bytes with text, padded with blanks to its width.
void put_text(std::string& header, std::size_t first_byte, std::size_t width,
              const std::string& text) {
    std::string field = text.substr(0, width);
    field.resize(width, ' ');
    header.replace(first_byte - 1, width, field);
}

} // namespace

std::string ionogram_header(const FrequencyAxis& axis, const Date& date, int minute_of_day,
                            std::uint64_t seed, double latitude_deg) {
    std::string header(header_size, ' ');
    char step[64];
    std::snprintf(step, sizeof step, "%d.%03d", axis.step_khz / 1000, axis.step_khz % 1000);
    put_text(header, 1, 19,
             frequency_field(axis.start_khz) + " " + frequency_field(axis.end_khz) + " " + step);
    char when[64];
    std::snprintf(when, sizeof when, " %04d-%02d-%02d %02d:%02d:00 UT SYNTHETIC", date.year,
                  date.month, date.day, minute_of_day / 60, minute_of_day % 60);
    put_text(header, 20, 40, when);
    put_text(header, 60, 2, "xx");
    char source[64];
    std::snprintf(source, sizeof source, " synthetic_day seed %llu heights 90-760.5 km",
                  static_cast<unsigned long long>(seed));
    put_text(header, 62, 61, source);
    put_text(header, 123, 5, station::code);
    char site[64];
    std::snprintf(site, sizeof site, " %s %.2f%c %.2fE", station::name, std::fabs(latitude_deg),
                  latitude_deg < 0.0 ? 'S' : 'N', station::longitude_deg);
    put_text(header, 128, 69, site);
    header[header_size - 1] = '\n';
    return header;
}

std::vector<std::uint8_t> ionogram_file_bytes(const std::string& header,
                                              const std::vector<std::uint8_t>& amplitudes) {
    if (header.size() != header_size || amplitudes.size() % 150 != 0) {
        throw std::invalid_argument("ionogram parts of the wrong size");
    }
    std::vector<std::uint8_t> bytes(header_size + amplitudes.size());
    std::copy(header.begin(), header.end(), bytes.begin());
    std::copy(amplitudes.begin(), amplitudes.end(), bytes.begin() + header_size);
    return bytes;
}

std::vector<std::uint8_t> broken_file_bytes(std::vector<std::uint8_t> good, Breakage breakage) {
    switch (breakage) {
    case Breakage::cut_inside_a_frequency:
        good.resize(good.size() - 75);
        break;
    case Breakage::one_frequency_short:
        good.resize(good.size() - 150);
        break;
    case Breakage::header_only:
        good.resize(header_size);
        break;
    }
    return good;
}

} // namespace synth
