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

#include "common/file_io.h"

namespace synth {

namespace fs = std::filesystem;

namespace {

// Whole-file replacement through the workstation's own writer: a temporary file of its own,
// synced and renamed into place, no link followed.
void replace_file(const fs::path& path, const std::string& text) {
    if (const auto error = scalvo::replace_file(path, text)) {
        throw std::runtime_error(scalvo::file_error_text(*error));
    }
}

void write_file(const fs::path& path, const void* data, std::size_t size) {
    replace_file(path, std::string(static_cast<const char*>(data), size));
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

std::vector<std::string> foreign_files(const fs::path& ionogram_folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(ionogram_folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    // A truth file, ZE20R_<year><day>_truth.csv, stands beside the ionograms of its day
    // (ZE20R_<year><day><hhmm>00.rdf), whatever interval wrote them.
    const std::string prefix = std::string(station::code) + "_";
    auto ordinary = [&](const std::string& name) {
        return fs::is_regular_file(fs::symlink_status(ionogram_folder / name, error));
    };
    auto is_truth = [&](const std::string& name) {
        return name.size() == prefix.size() + 7 + 10 && name.starts_with(prefix) &&
               name.ends_with("_truth.csv") && ordinary(name);
    };
    std::vector<std::string> days;
    for (const std::string& name : names) {
        if (is_truth(name)) {
            days.push_back(name.substr(prefix.size(), 7));
        }
    }
    std::vector<std::string> foreign;
    for (const std::string& name : names) {
        const bool sounding =
            name.size() == prefix.size() + 13 + 4 && name.starts_with(prefix) &&
            name.ends_with("00.rdf") && ordinary(name) &&
            std::find(days.begin(), days.end(), name.substr(prefix.size(), 7)) != days.end();
        if (!sounding && !is_truth(name) && name != ".scalvo.lock" &&
            !scalvo::is_temporary_name(name)) {
            foreign.push_back(name);
        }
    }
    std::sort(foreign.begin(), foreign.end());
    return foreign;
}

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
    if (!options.force) {
        if (const auto foreign = foreign_files(ionogram_folder); !foreign.empty()) {
            throw std::runtime_error(
                ionogram_folder.string() + " holds " + std::to_string(foreign.size()) +
                " file(s) this program did not write (" + foreign.front() +
                (foreign.size() > 1 ? ", ..." : "") +
                "): a station's ionograms or scaled values are never overwritten; give --force "
                "to write there all the same");
        }
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
