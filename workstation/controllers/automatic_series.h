// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The automatic foF2 of every sounding of the day, for the day overview: each ionogram file read
// and scaled by the automatic engine. Reads only; safe to run off the windows' thread on copies
// of its inputs.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace scalvo {

struct SharedState;

struct SoundingFile {
    int record = 0;
    std::filesystem::path path;
};

// The ionogram files of every sounding of the working day, in record order.
std::vector<SoundingFile> day_ionogram_files(const SharedState& shared);

// The automatic foF2 (MHz) of one file; nullopt when it holds no usable ionogram or the engine
// proposes none.
std::optional<double> automatic_foF2(const std::filesystem::path& file);

// The day a series belongs to: the same folder, date and interval give the same files.
struct DayKey {
    std::filesystem::path ionogram_folder;
    std::string date;
    std::string interval;
    friend bool operator==(const DayKey&, const DayKey&) = default;
};
DayKey day_key(const SharedState& shared);

// The series of a day, kept while the day stays the same. Filled one sounding at a time, so
// that a computation stopped half way starts again where it was.
class AutomaticSeries {
  public:
    // Forgets the series of another day; keeps what is known of this one.
    void start_day(const DayKey& day, std::size_t soundings);
    bool holds(const DayKey& day) const { return day_ && *day_ == day; }
    bool complete() const;
    // The first sounding not computed yet; size() when complete.
    std::size_t next() const;
    void set(std::size_t index, std::optional<double> foF2);
    std::size_t size() const { return values_.size(); }
    // foF2 of a sounding, nullopt while not computed or where there is none.
    std::optional<double> value(std::size_t index) const;
    bool computed(std::size_t index) const;

  private:
    std::optional<DayKey> day_;
    std::vector<std::optional<double>> values_;
    std::vector<bool> computed_;
};

} // namespace scalvo
