// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/day_overview.h"

#include "common/calendar.h"
#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/file_io.h"
#include "common/shared_state.h"
#include "ionogram/case_code_file.h"
#include "ionogram/ionogram_file.h"
#include "records/particular_cases.h"
#include "records/record_file.h"
#include "records/sheet_record.h"
#include "scaling/value_units.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace scalvo {

namespace {

class NoDialogs : public Dialogs {
  public:
    void message(const std::string&, const std::string&, bool) override {}
    int ask_yes_no(const std::string&, const std::string&) override { return answer_yes; }
    void beep() override {}
};

// The record the NO IONOGRAM command leaves, after the time. That case is never stored in the
// ionogram file: its record is the only place it is kept. Made by the command itself, so that
// the two cannot drift apart.
const std::string& no_ionogram_record() {
    static const std::string pattern = [] {
        ScalingForm form;
        SharedState shared;
        NoDialogs dialogs;
        Scaling scaling{form, shared, dialogs};
        run_case_command(scaling, CaseCommand::no_ionogram);
        compose_sheet_record(scaling);
        return form.current_record.substr(5);
    }();
    return pattern;
}

// The case kept in the ionogram file's header, for a file the scaling form would show.
ParticularCase stored_case(const std::filesystem::path& file) {
    const auto size = file_size_of(file);
    if (failed(size))
        return ParticularCase::none;
    const auto head = read_at(file, 0, ionogram_header_length);
    if (failed(head))
        return ParticularCase::none;
    const HeaderResult header = read_ionogram_header(std::get<std::string>(head));
    const auto* read = std::get_if<IonogramHeader>(&header);
    if (!read || !check_ionogram_size(std::get<std::int64_t>(size), read->frequency_count))
        return ParticularCase::none;
    return case_of_code(read->particular_case_code);
}

// The sounding of a record, read alone: what the day's reading gives for it.
OverviewSounding overview_sounding(const SharedState& shared, int record,
                                   std::string_view record_bytes) {
    OverviewSounding sounding;
    sounding.record = record;
    sounding.minute = minute_of_record(shared.interval_text, record);
    // A record written from an empty sheet (the operator passed by) is as unscaled as a blank one.
    sounding.blank = std::all_of(sheet_boxes.begin(), sheet_boxes.end(),
                                 [&](Box box) { return record_text(record_bytes, box).empty(); });
    for (std::size_t k = 0; k < overview_rows.size(); ++k) {
        const Row row = overview_rows[k];
        sounding.values[k] = value_of_code(row, record_text(record_bytes, value_box(row)));
        sounding.qualifying[k] = record_text(record_bytes, qualifying_box(row));
        sounding.descriptive[k] = record_text(record_bytes, descriptive_box(row));
        sounding.kinds[k] = value_kind(row, sounding.qualifying[k], sounding.descriptive[k]);
    }
    const ParticularCase kept =
        stored_case(shared.ionogram_folder /
                    make_ionogram_file_name(shared, sounding.minute / 60, sounding.minute % 60));
    if (kept != ParticularCase::none && kept != ParticularCase::unknown) {
        sounding.case_code = std::string(code_of_case(kept));
        sounding.case_name = std::string(particular_case_caption(kept).value_or(""));
    } else if (record_bytes.size() >= record_length &&
               record_bytes.substr(5) == no_ionogram_record()) {
        sounding.case_code = std::string(code_of_case(ParticularCase::no_ionogram));
        sounding.case_name = "Particular Case: No ionogram";
    }
    return sounding;
}

// The shortest text of a value: 7.2, 3.05, 250.
std::string value_text(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

} // namespace

ValueKind value_kind(Row row, std::string_view qualifying, std::string_view descriptive) {
    // What the daytime, nighttime and absorption cases write into foEs when no Es is seen.
    if (row == Row::foEs &&
        ((qualifying == "E" && (descriptive == "G" || descriptive == "S" || descriptive == "B")) ||
         (qualifying.empty() && descriptive == "E")))
        return ValueKind::es_missing;
    if (qualifying == "D")
        return ValueKind::greater_than;
    if (qualifying == "E" || qualifying == "A")
        return ValueKind::less_than;
    if (qualifying == "I" || qualifying == "T")
        return ValueKind::replaced;
    return ValueKind::measured;
}

std::string_view kind_name(ValueKind kind) {
    switch (kind) {
    case ValueKind::measured:
        return "";
    case ValueKind::greater_than:
        return "greater than";
    case ValueKind::less_than:
        return "less than";
    case ValueKind::replaced:
        return "replaced";
    case ValueKind::es_missing:
        return "Es missing";
    }
    return "";
}

std::string overview_hint(const OverviewSounding& sounding) {
    std::string text = time_of_day_text(sounding.minute);
    for (std::size_t k = 0; k < overview_rows.size(); ++k) {
        const bool lettered = !sounding.qualifying[k].empty() || !sounding.descriptive[k].empty();
        if (!sounding.values[k] && !lettered)
            continue;
        text += "  ";
        text += caption(overview_rows[k]);
        if (sounding.values[k])
            text += " " + value_text(*sounding.values[k]) +
                    (k < overview_frequency_rows ? " MHz" : " km");
        if (lettered) {
            auto letter = [](const std::string& l) { return l.empty() ? std::string("-") : l; };
            text += " " + letter(sounding.qualifying[k]) + "/" + letter(sounding.descriptive[k]);
        }
        if (const std::string_view kind = kind_name(sounding.kinds[k]);
            sounding.values[k] && !kind.empty())
            text += " " + std::string(kind);
    }
    if (sounding.blank)
        text += "  not scaled";
    if (!sounding.case_code.empty()) {
        std::string_view name = sounding.case_name;
        constexpr std::string_view prefix = "Particular Case: ";
        if (name.starts_with(prefix))
            name.remove_prefix(prefix.size());
        text += "  case " + sounding.case_code;
        if (!name.empty())
            text += " " + std::string(name);
    }
    return text;
}

DayOverview read_day_overview(const SharedState& shared) {
    DayOverview overview;
    const int count = records_per_day(shared.interval_text);
    if (count == 0)
        return overview;
    overview.interval = 24 * 60 / count;
    overview.current_record = shared.current_record_number;
    std::string bytes;
    if (auto content = read_whole_file(shared.scaled_values_file); failed(content))
        overview.error = std::get<FileError>(content);
    else
        bytes = std::move(std::get<std::string>(content));
    overview.soundings.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        const std::size_t offset = static_cast<std::size_t>(n - 1) * record_length;
        // A file cut short reads its missing records as blank, as the scaling form does.
        const std::string_view record = offset + record_length <= bytes.size()
                                            ? std::string_view(bytes).substr(offset, record_length)
                                            : std::string_view(blank_record());
        overview.soundings.push_back(overview_sounding(shared, n, record));
    }
    return overview;
}

int record_at_minute(const DayOverview& overview, double minute) {
    if (overview.soundings.empty() || overview.interval <= 0 || !std::isfinite(minute))
        return 0;
    const double index = std::nearbyint(minute / overview.interval);
    const double last = static_cast<double>(overview.soundings.size() - 1);
    return static_cast<int>(std::clamp(index, 0.0, last)) + 1;
}

std::string time_of_day_text(int minute) {
    return two_digit_text(minute / 60) + ":" + two_digit_text(minute % 60);
}

StoredStamp stored_stamp(const Scaling& scaling) {
    return {scaling.shared.current_record_number, scaling.form.current_record};
}

} // namespace scalvo
