// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/sounding_proposals.h"

#include "autoscale/autoscale.h"
#include "autoscale/day_series.h"
#include "autoscale/proposals.h"
#include "ionogram/ionogram_file.h"
#include "records/record_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <mutex>
#include <system_error>
#include <utility>

namespace scalvo {

namespace {

namespace fs = std::filesystem;
using autoscale::Characteristic;

constexpr std::pair<Characteristic, Row> rows_of_characteristics[] = {
    {Characteristic::fmin, Row::fmin}, {Characteristic::hE, Row::hE},
    {Characteristic::foE, Row::foE},   {Characteristic::foEs, Row::foEs},
    {Characteristic::hEs, Row::hEs},   {Characteristic::fbEs, Row::fbEs},
    {Characteristic::hF, Row::hF},     {Characteristic::foF1, Row::foF1},
    {Characteristic::hF2, Row::hF2},   {Characteristic::foF2, Row::foF2},
    {Characteristic::fxI, Row::fxI},   {Characteristic::muf3000F2, Row::MUF3000F2},
};

// The readings of the day's files, each kept while its file keeps its size and time: a day is
// read once, not at every blanketed sounding the operator goes through.
class ReadingCache {
  public:
    std::optional<autoscale::Reading> of(const fs::path& file) {
        std::error_code error;
        const auto size = fs::file_size(file, error);
        if (error)
            return std::nullopt;
        const auto time = fs::last_write_time(file, error);
        if (error)
            return std::nullopt;
        {
            const std::lock_guard lock(mutex_);
            if (const auto kept = entries_.find(file);
                kept != entries_.end() && kept->second.size == size && kept->second.time == time)
                return kept->second.reading;
        }
        Entry entry{size, time, std::nullopt};
        Ionogram ionogram;
        if (load_ionogram_file(file, ionogram).outcome == IonogramOutcome::usable)
            entry.reading = autoscale::read_sounding(ionogram);
        const std::lock_guard lock(mutex_);
        // A few days' worth at the finest interval; beyond it the oldest day no longer matters.
        if (entries_.size() >= 2000)
            entries_.clear();
        return entries_.insert_or_assign(file, std::move(entry)).first->second.reading;
    }

  private:
    struct Entry {
        std::uintmax_t size = 0;
        fs::file_time_type time;
        std::optional<autoscale::Reading> reading;
    };
    std::mutex mutex_;
    std::map<fs::path, Entry> entries_;
};

ReadingCache& reading_cache() {
    static ReadingCache cache;
    return cache;
}

// How far apart the h'F of the soundings either side may lie for the one between to be told
// from them, and how far beyond them that one may go: the tolerance of a height reading. Where
// the F layer moves more than that (the E layer fading under it in the afternoon, a travelling
// disturbance), what lies between is anyone's guess.
constexpr double steady_hF = 8;

// Whether h'F, interpolated at position k of the day, lies between the unhidden h'F of the
// nearest soundings either side, and those two agree.
bool steady_around(const std::vector<autoscale::TimedProposals>& series, std::size_t k, double hF) {
    const auto unhidden = [&](std::size_t n) -> std::optional<double> {
        const auto& p = series[n].proposals;
        const auto& h = p[Characteristic::hF];
        if (!h || h->qualifying_letter != 0 || autoscale::blanketed(p))
            return std::nullopt;
        return h->value;
    };
    std::optional<double> before;
    for (std::size_t n = k; n-- > 0 && !before;)
        before = unhidden(n);
    std::optional<double> after;
    for (std::size_t n = k + 1; n < series.size() && !after; ++n)
        after = unhidden(n);
    if (!before || !after || std::abs(*before - *after) > steady_hF)
        return false;
    return hF >= std::min(*before, *after) - steady_hF / 2 &&
           hF <= std::max(*before, *after) + steady_hF / 2;
}

// The sounding's proposals once its day is read together, or none where the shown file is not
// among the day's.
std::optional<autoscale::Proposals> read_with_day(autoscale::Reading shown,
                                                  const DaySoundings& day) {
    std::vector<autoscale::TimedProposals> series;
    std::optional<std::size_t> position;
    for (const SoundingFile& file : day.files) {
        const int minute = minute_of_record(day.interval_text, file.record);
        if (file.path == day.shown) {
            position = series.size();
            series.push_back({minute, shown.proposals, shown.f_trace});
        } else if (auto reading = reading_cache().of(file.path)) {
            series.push_back({minute, reading->proposals, std::move(reading->f_trace)});
        }
    }
    if (!position)
        return std::nullopt;
    const auto hF_read = shown.proposals[Characteristic::hF];
    // In record order already, the series keeps its order through the filling.
    autoscale::fill_hidden_from_neighbours(series);
    autoscale::Proposals filled = series[*position].proposals;
    if (auto& hF = filled[Characteristic::hF];
        hF && hF->qualifying_letter != 0 && !steady_around(series, *position, hF->value))
        hF = hF_read;
    return filled;
}

} // namespace

SoundingProposals proposals_of(const Ionogram& ionogram, const DaySoundings* day) {
    autoscale::Reading reading = autoscale::read_sounding(ionogram);
    autoscale::Proposals read = reading.proposals;
    if (day && autoscale::blanketed(read))
        if (auto filled = read_with_day(std::move(reading), *day))
            read = std::move(*filled);
    SoundingProposals result;
    result.no_sporadic_e = read.no_sporadic_e;
    auto& proposals = result.points;
    for (const auto& [characteristic, row] : rows_of_characteristics)
        if (const auto& proposal = read[characteristic])
            proposals[index_of(row)] =
                ProposedPoint{proposal->x, proposal->y, false, proposal->qualifying_letter,
                              proposal->descriptive_letter};
    // The lowest F echo over a blanketing sporadic E may lie above the hidden start of the trace,
    // unless the day read together gave the start.
    if (auto& hF = proposals[index_of(Row::hF)];
        hF && hF->qualifying_letter == 0 && autoscale::blanketed(read))
        hF->upper_bound = true;
    return result;
}

} // namespace scalvo
