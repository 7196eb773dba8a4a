// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_writer.h"

#include "day_model.h"
#include "ionogram_file.h"
#include "preview.h"
#include "sounding.h"
#include "station.h"
#include "truth_csv.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace synth {

namespace fs = std::filesystem;

namespace {

void write_file(const fs::path& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// Whole-file replacement through a temporary file, so a crash never leaves half of it.
void replace_file(const fs::path& path, const std::string& text) {
    fs::path temporary = path;
    temporary += ".tmp";
    write_file(temporary, text.data(), text.size());
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        throw std::runtime_error("cannot replace " + path.string() + ": " + error.message());
    }
}

void make_folder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw std::runtime_error("cannot create " + folder.string() + ": " + error.message());
    }
}

bool listed(const std::vector<int>& minutes, int minute) {
    return std::find(minutes.begin(), minutes.end(), minute) != minutes.end();
}

std::string two_digits(int value) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

bool holds_scaled_values(const fs::path& ionogram_folder) {
    std::error_code error;
    if (!fs::is_directory(ionogram_folder, error)) {
        return false;
    }
    for (const auto& entry : fs::directory_iterator(ionogram_folder, error)) {
        std::string name = entry.path().filename().string();
        // ZE20R_ + ddmmyyyy + _MM + .txt
        bool shaped = name.size() == 21 && name.starts_with(std::string(station::code) + "_") &&
                      name.ends_with(".txt") && name[14] == '_' &&
                      std::isdigit(static_cast<unsigned char>(name[15])) &&
                      std::isdigit(static_cast<unsigned char>(name[16]));
        if (shaped) {
            return true;
        }
    }
    return false;
}

std::string setting_text(const Date& date, int minute_of_day, int interval) {
    int hour = minute_of_day / 60;
    int minute = minute_of_day % 60;
    int record = hour * (60 / interval) + minute / interval + 1;
    return date_text(date) + "\r\n" + two_digits(hour) + "\r\n" + two_digits(minute) + "\r\n" +
           two_digits(interval) + "\r\n" + std::to_string(record) + "\r\n";
}

std::string truth_file_name(const Date& date) {
    char text[64];
    std::snprintf(text, sizeof text, "%s_%04d%03d_truth.csv", station::code, date.year,
                  day_of_year(date));
    return text;
}

DayReport write_day(const Options& options) {
    DayReport report;
    fs::path ionogram_folder = options.working_folder / "ionograms";
    if (options.keep_scaled && holds_scaled_values(ionogram_folder)) {
        report.kept = true;
        return report;
    }
    make_folder(ionogram_folder);
    DayModel day(options.date, options.seed, options.world);
    std::string truth = truth_csv_header(options.harder());
    int broken_so_far = 0;
    for (int minute = 0; minute < 24 * 60; minute += options.interval) {
        SoundingModel model = day.sounding(minute);
        Sounding sounding = make_sounding(model, options.axis, options.world);
        fs::path file = ionogram_folder / ionogram_file_name(options.date, minute);
        auto bytes = ionogram_file_bytes(
            ionogram_header(options.axis, options.date, minute, options.seed,
                            options.world.latitude.value_or(station::latitude_deg)),
            sounding.amplitudes);
        FileState state = FileState::written;
        if (listed(options.skipped, minute)) {
            state = FileState::missing;
            std::error_code ignored;
            fs::remove(file, ignored); // a file left from an earlier run would not be missing
            ++report.missing;
        } else if (listed(options.broken, minute)) {
            state = FileState::broken;
            auto kind = static_cast<Breakage>(broken_so_far++ % 3);
            auto cut = broken_file_bytes(bytes, kind);
            write_file(file, cut.data(), cut.size());
            ++report.broken;
        } else {
            write_file(file, bytes.data(), bytes.size());
            ++report.written;
        }
        truth += truth_csv_line(minute, state, sounding.truth, options.harder());
        if (listed(options.previews, minute)) {
            fs::path folder = options.working_folder / "previews";
            make_folder(folder);
            fs::path png = folder / fs::path(file.filename()).replace_extension(".png");
            auto image = encode_png(render_plot(*read_back(bytes)));
            write_file(png, image.data(), image.size());
            report.previews.push_back(png);
        }
    }
    report.truth_file = ionogram_folder / truth_file_name(options.date);
    replace_file(report.truth_file, truth);
    if (options.setting) {
        replace_file(options.working_folder / "setting.txt",
                     setting_text(options.date, *options.setting, options.interval));
    }
    return report;
}

} // namespace synth
