// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/automatic_series.h"

#include "autoscale/autoscale.h"
#include "common/calendar.h"
#include "common/shared_state.h"
#include "ionogram/ionogram_file.h"
#include "records/record_file.h"

#include <algorithm>

namespace scalvo {

std::vector<SoundingFile> day_ionogram_files(const SharedState& shared) {
    const int count = records_per_day(shared.interval_text);
    std::vector<SoundingFile> files;
    if (count == 0)
        return files;
    files.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        const int minute = minute_of_record(shared.interval_text, n);
        files.push_back({n, shared.ionogram_folder /
                                make_ionogram_file_name(shared, minute / 60, minute % 60)});
    }
    return files;
}

std::optional<double> automatic_foF2(const std::filesystem::path& file) {
    Ionogram ionogram;
    if (load_ionogram_file(file, ionogram).outcome != IonogramOutcome::usable)
        return std::nullopt;
    const autoscale::Proposals proposals = autoscale::propose(ionogram);
    const auto& foF2 = proposals[autoscale::Characteristic::foF2];
    if (!foF2)
        return std::nullopt;
    return foF2->value;
}

DayKey day_key(const SharedState& shared) {
    return {shared.ionogram_folder, shared.working_date, shared.interval_text};
}

void AutomaticSeries::start_day(const DayKey& day, std::size_t soundings) {
    if (holds(day) && values_.size() == soundings)
        return;
    day_ = day;
    values_.assign(soundings, std::nullopt);
    computed_.assign(soundings, false);
}

bool AutomaticSeries::complete() const {
    return next() == values_.size();
}

std::size_t AutomaticSeries::next() const {
    return static_cast<std::size_t>(std::find(computed_.begin(), computed_.end(), false) -
                                    computed_.begin());
}

void AutomaticSeries::set(std::size_t index, std::optional<double> foF2) {
    if (index >= values_.size())
        return;
    values_[index] = foF2;
    computed_[index] = true;
}

std::optional<double> AutomaticSeries::value(std::size_t index) const {
    return index < values_.size() ? values_[index] : std::nullopt;
}

bool AutomaticSeries::computed(std::size_t index) const {
    return index < computed_.size() && computed_[index];
}

} // namespace scalvo
