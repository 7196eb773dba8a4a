// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_writer.h"
#include "options.h"
#include "scalvo_version.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    auto parsed = synth::parse_options(arguments);
    if (!parsed.options) {
        std::cerr << "synthetic_day: " << parsed.error << "\n" << synth::usage_text();
        return 2;
    }
    const auto& options = *parsed.options;
    if (options.help) {
        std::cout << synth::usage_text();
        return 0;
    }
    if (options.version) {
        std::cout << "synthetic_day " SCALVO_VERSION "\n";
        return 0;
    }
    try {
        auto report = synth::write_day(options);
        if (report.kept) {
            std::cout << "synthetic_day: " << options.working_folder.string()
                      << " holds scaled values; left as it is\n";
            return 0;
        }
        std::cout << "synthetic_day: " << report.written << " soundings written, " << report.missing
                  << " missing, " << report.broken << " broken; truth in "
                  << report.truth_file.string() << "\n";
        for (const auto& png : report.previews) {
            std::cout << "synthetic_day: preview " << png.string() << "\n";
        }
    } catch (const std::exception& error) {
        std::cerr << "synthetic_day: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
