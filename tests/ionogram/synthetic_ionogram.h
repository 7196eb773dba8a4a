// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ionogram files made up for tests: a header with the given frequency texts and codes, and
// echo bytes from a few simple traces.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace scalvo::testing {

// 197 bytes: "01.000 20.000 0.050" style frequencies from byte 1, the particular-case code at
// bytes 60-61, the station code at bytes 123-127, a line feed at byte 197.
inline std::string ionogram_header(std::string_view frequencies, std::string_view case_code = "xx",
                                   std::string_view station = "ZE20R") {
    std::string header(197, ' ');
    header.replace(0, frequencies.size(), frequencies);
    header.replace(59, case_code.size(), case_code);
    header.replace(122, station.size(), station);
    header[196] = '\n';
    return header;
}

// amplitude(i, j) for frequency index i = 1..n and height index j = 1..150.
inline std::string ionogram_file(const std::string& header, int n,
                                 const std::function<int(int i, int j)>& amplitude) {
    std::string bytes = header;
    bytes.reserve(header.size() + static_cast<std::size_t>(n) * 150);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= 150; ++j)
            bytes.push_back(static_cast<char>(static_cast<unsigned char>(amplitude(i, j))));
    return bytes;
}

// A trace rising from height_km at from_mhz towards the sky at to_mhz, as a layer's
// ordinary trace does near its critical frequency.
struct Trace {
    double from_mhz;
    double to_mhz;
    double height_km;
    int amplitude;
};

// A sounding with a few traces over low noise, as the plots show them.
inline std::string synthetic_ionogram(std::string_view frequencies, int n, double start_mhz,
                                      double step_mhz, const std::vector<Trace>& traces,
                                      std::string_view case_code = "xx",
                                      std::string_view station = "ZE20R") {
    std::uint32_t noise = 12345;
    return ionogram_file(ionogram_header(frequencies, case_code, station), n, [&](int i, int j) {
        noise = noise * 1103515245u + 12345u;
        int value = static_cast<int>((noise >> 16) % 9); // 0..8: mostly dropped as <= 6
        const double f = start_mhz + (i - 1) * step_mhz;
        const double h = 85.5 + 4.5 * j;
        for (const Trace& trace : traces) {
            if (f < trace.from_mhz || f >= trace.to_mhz)
                continue;
            const double x = (f - trace.from_mhz) / (trace.to_mhz - trace.from_mhz);
            const double trace_h = trace.height_km + 60 * x * x + 250 * std::pow(x, 12);
            const double distance = std::fabs(h - trace_h);
            if (distance < 9)
                value = std::max(value, static_cast<int>(trace.amplitude * (1 - distance / 12)));
        }
        return value;
    });
}

// A daytime sounding 1-20 MHz: E, F1 and F2 traces with a second F2 reflection.
inline std::string daytime_ionogram(std::string_view frequencies = "01.000 20.000 0.050",
                                    int n = 381, double start = 1.0, double step = 0.05,
                                    std::string_view case_code = "xx") {
    return synthetic_ionogram(frequencies, n, start, step,
                              {{1.6, 3.2, 105, 180},
                               {3.2, 4.6, 190, 150},
                               {4.6, 8.4, 230, 255},
                               {5.1, 8.9, 255, 200},
                               {4.6, 8.4, 460, 110}},
                              case_code);
}

} // namespace scalvo::testing
