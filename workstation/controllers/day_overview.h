// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day at a glance: for every sounding of the working day its time, the values stored in its
// record, whether it is still unscaled (a blank record, or one written from an empty sheet), and
// the particular case kept for it; and which sounding the scaling form shows. Read from the
// day's files, never written.
#include "common/file_error.h"
#include "scaling/scaling_form.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace scalvo {

struct SharedState;

// The characteristics the overview draws: four frequencies on one axis, two heights below.
inline constexpr std::array<Row, 6> overview_rows{Row::foF2, Row::foE, Row::foEs,
                                                  Row::fmin, Row::hF,  Row::hEs};
inline constexpr std::size_t overview_frequency_rows = 4;

// What a stored value says by its letters: a value read off the ionogram, or a limit (greater
// than, less than), a value put in the place of one (interpolated, or deduced from the soundings
// around), or the code the "Es missing" cases write into foEs, which is no Es at all.
enum class ValueKind { measured, greater_than, less_than, replaced, es_missing };

// The kind of a row's value by its qualifying and descriptive letters.
ValueKind value_kind(Row row, std::string_view qualifying, std::string_view descriptive);
// "less than" ..., "" for a measured value.
std::string_view kind_name(ValueKind kind);

struct OverviewSounding {
    int record = 0; // from 1
    int minute = 0; // of the day
    bool blank = true;
    // In MHz or km, by overview_rows; nullopt where the record holds no value.
    std::array<std::optional<double>, overview_rows.size()> values{};
    // The letters beside each value ("" for none), and what they make of it.
    std::array<std::string, overview_rows.size()> qualifying;
    std::array<std::string, overview_rows.size()> descriptive;
    std::array<ValueKind, overview_rows.size()> kinds{};
    // The particular case of the sounding ("3a" ...) and its name, "" for none.
    std::string case_code;
    std::string case_name;
};

struct DayOverview {
    int interval = 0; // minutes between soundings; 0 when the interval names none
    int current_record = 0;
    std::vector<OverviewSounding> soundings; // in record order, one per sounding of the day
    // The scaled-values file could not be read: every sounding shows as blank.
    std::optional<FileError> error;
};

DayOverview read_day_overview(const SharedState& shared);

// The record of the sounding nearest to a time of the day (minutes), within the day; 0 for a
// day without soundings.
int record_at_minute(const DayOverview& overview, double minute);

// "07:45".
std::string time_of_day_text(int minute);

// The line the overview shows for a sounding under the pointer: its time, each value with its
// unit, letters ("U/A", "-/C": qualifying, then descriptive) and kind, "not scaled" and the
// particular case with its name.
std::string overview_hint(const OverviewSounding& sounding);

// What changes whenever the scaling form stores a record or shows another sounding: the overview
// reads the files again only when it changed.
struct StoredStamp {
    int record = 0;
    std::string current_record;
    friend bool operator==(const StoredStamp&, const StoredStamp&) = default;
};
StoredStamp stored_stamp(const Scaling& scaling);

} // namespace scalvo
