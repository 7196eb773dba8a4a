// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/particular_cases.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "scaling/selection.h"

#include <array>
#include <functional>

namespace scalvo {

namespace {

// The rows whose descriptive letter becomes "A" under blanketing Es.
constexpr std::array<Row, 6> blanketed_rows{Row::fbEs, Row::hF,      Row::foF2,
                                            Row::fxI,  Row::M3000F2, Row::MUF3000F2};
// The rows whose descriptive letter becomes "C" without an ionogram.
constexpr std::array<Row, 9> no_ionogram_rows{Row::fmin, Row::foEs,    Row::hEs,
                                              Row::hF,   Row::foF2,    Row::fbEs,
                                              Row::fxI,  Row::M3000F2, Row::MUF3000F2};
// The rows whose descriptive letter is emptied without an ionogram.
constexpr std::array<Row, 6> no_ionogram_blank_rows{Row::hE,        Row::foE,     Row::foF1,
                                                    Row::MUF3000F1, Row::M3000F1, Row::hF2};

constexpr Box es_types_box = value_box(Row::es_types);

// The boxes of a row of the sheet.
class Sheet {
  public:
    explicit Sheet(ScalingForm& form) : form_(form) {}

    const std::string& value(Row row) const { return form_.text(value_box(row)); }
    const std::string& d(Row row) const { return form_.text(descriptive_box(row)); }
    bool has_value(Row row) const { return !value(row).empty(); }
    bool has_d(Row row) const { return !d(row).empty(); }
    bool has_es_types() const { return !form_.empty(es_types_box); }

    void set_value(Row row, std::string text) { form_.set_text(value_box(row), std::move(text)); }
    void set_q(Row row, std::string text) { form_.set_text(qualifying_box(row), std::move(text)); }
    void set_d(Row row, std::string text) { form_.set_text(descriptive_box(row), std::move(text)); }
    // Value, qualifying and descriptive letter at once.
    void set_row(Row row, std::string value, std::string q, std::string d) {
        set_value(row, std::move(value));
        set_q(row, std::move(q));
        set_d(row, std::move(d));
    }
    void set_es_types(std::string text) { form_.set_text(es_types_box, std::move(text)); }

  private:
    ScalingForm& form_;
};

// A case command applies its pattern and returns true, or returns false when the sheet does
// not meet its condition (and then changes nothing).
using CaseAction = std::function<bool(Scaling&, Sheet&)>;

// foE in 0.01 MHz to the nearest 0.1 MHz, halves up: 285 gives 29, 284 gives 28.
std::string foE_to_tenths(std::string_view foE) {
    const long long hundredths = truncate(numeric_value(foE));
    return trimmed_number_text((hundredths + 5) / 10);
}

bool daytime_es_missing(Scaling& scaling, Sheet& sheet) {
    if (!sheet.has_value(Row::foE) || sheet.has_value(Row::foEs) || sheet.has_es_types())
        return false;
    const std::string foEs = foE_to_tenths(sheet.value(Row::foE));
    sheet.set_row(Row::foEs, foEs, "E", "G");
    sheet.set_row(Row::fbEs, foEs, "E", "G");
    sheet.set_d(Row::hEs, "G");
    select_characteristic(scaling, Row::hF);
    return true;
}

bool nighttime_es_missing(Scaling& scaling, Sheet& sheet) {
    if (!sheet.has_value(Row::fmin) || sheet.has_value(Row::hE) || sheet.has_value(Row::foE) ||
        sheet.has_value(Row::foEs) || sheet.has_value(Row::hEs) || sheet.has_es_types())
        return false;
    const std::string fmin = sheet.value(Row::fmin);
    const std::string letter = sheet.d(Row::fmin);
    if (letter.empty() || letter == "S" || letter == "B") {
        const std::string d = letter.empty() ? "S" : letter;
        sheet.set_q(Row::fmin, "E");
        sheet.set_d(Row::fmin, d);
        sheet.set_row(Row::foEs, fmin, "E", d);
        sheet.set_row(Row::fbEs, fmin, "E", d);
        sheet.set_d(Row::hEs, d);
    } else if (letter == "E") {
        // The qualifying letters stay as they are.
        sheet.set_value(Row::foEs, fmin);
        sheet.set_d(Row::foEs, "E");
        sheet.set_value(Row::fbEs, fmin);
        sheet.set_d(Row::fbEs, "E");
        sheet.set_d(Row::hEs, "E");
    } else {
        return false;
    }
    select_characteristic(scaling, Row::hF);
    return true;
}

enum class Reflections { single, second_above, second_below };

CaseAction blanketing(bool daytime, Reflections reflections) {
    return [daytime, reflections](Scaling&, Sheet& sheet) {
        const bool es =
            sheet.has_value(Row::foEs) && sheet.has_value(Row::hEs) && sheet.has_es_types();
        const bool e_layer = daytime ? (sheet.has_value(Row::foE) || sheet.has_d(Row::foE)) &&
                                           (sheet.has_value(Row::hE) || sheet.has_d(Row::hE))
                                     : !sheet.has_value(Row::foE) && !sheet.has_value(Row::hE);
        if (!es || !e_layer)
            return false;
        if (reflections == Reflections::second_below && !sheet.has_value(Row::fbEs))
            return false;
        if (reflections == Reflections::second_above)
            sheet.set_value(Row::fbEs, sheet.value(Row::foEs));
        if (reflections != Reflections::single)
            sheet.set_q(Row::fbEs, "A");
        for (Row row : blanketed_rows)
            sheet.set_d(row, "A");
        return true;
    };
}

bool partial_absorption(Scaling& scaling, Sheet& sheet) {
    if (!sheet.has_value(Row::fmin))
        return false;
    const std::string fmin = sheet.value(Row::fmin);
    sheet.set_d(Row::hE, "B");
    sheet.set_d(Row::foE, "B");
    sheet.set_row(Row::foEs, fmin, "E", "B");
    sheet.set_d(Row::hEs, "B");
    sheet.set_es_types("");
    sheet.set_row(Row::fbEs, fmin, "E", "B");
    select_characteristic(scaling, Row::hF);
    return true;
}

bool no_ionogram(Scaling&, Sheet& sheet) {
    for (Row row : all_rows) {
        if (row == Row::es_types) {
            sheet.set_es_types("");
            continue;
        }
        sheet.set_value(row, "");
        sheet.set_q(row, "");
    }
    for (Row row : no_ionogram_blank_rows)
        sheet.set_d(row, "");
    for (Row row : no_ionogram_rows)
        sheet.set_d(row, "C");
    return true;
}

// Takes back what the case filled in; the earlier Es types are not restored.
void undo_case(Sheet& sheet, ParticularCase particular_case) {
    switch (particular_case) {
    case ParticularCase::nighttime_es_missing:
        sheet.set_q(Row::fmin, "");
        sheet.set_d(Row::fmin, "");
        [[fallthrough]];
    case ParticularCase::daytime_es_missing:
        sheet.set_row(Row::foEs, "", "", "");
        sheet.set_row(Row::fbEs, "", "", "");
        sheet.set_d(Row::hEs, "");
        break;
    case ParticularCase::daytime_blanketing_above:
    case ParticularCase::daytime_blanketing_below:
    case ParticularCase::nighttime_blanketing_above:
    case ParticularCase::nighttime_blanketing_below:
        sheet.set_value(Row::fbEs, "");
        sheet.set_q(Row::fbEs, "");
        [[fallthrough]];
    case ParticularCase::daytime_blanketing_single:
    case ParticularCase::nighttime_blanketing_single:
        for (Row row : blanketed_rows)
            sheet.set_d(row, "");
        break;
    case ParticularCase::partial_absorption:
        sheet.set_d(Row::hE, "");
        sheet.set_d(Row::foE, "");
        sheet.set_row(Row::foEs, "", "", "");
        sheet.set_d(Row::hEs, "");
        sheet.set_row(Row::fbEs, "", "", "");
        break;
    case ParticularCase::no_ionogram:
        for (Row row : no_ionogram_rows)
            sheet.set_d(row, "");
        break;
    case ParticularCase::none:
    case ParticularCase::unknown:
        break;
    }
}

void delete_particular_case(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    if (form.particular_case_code == ParticularCase::none)
        return;
    Sheet sheet(form);
    undo_case(sheet, form.particular_case_code);
    form.particular_case_code = ParticularCase::none;
    form.label11 = "";
}

struct CaseEntry {
    CaseCommand command;
    ParticularCase particular_case;
    CaseAction action;
};

const std::array<CaseEntry, 10>& case_entries() {
    static const std::array<CaseEntry, 10> entries{{
        {CaseCommand::daytime_es_missing, ParticularCase::daytime_es_missing, daytime_es_missing},
        {CaseCommand::nighttime_es_missing, ParticularCase::nighttime_es_missing,
         nighttime_es_missing},
        {CaseCommand::daytime_blanketing_single, ParticularCase::daytime_blanketing_single,
         blanketing(true, Reflections::single)},
        {CaseCommand::daytime_blanketing_above, ParticularCase::daytime_blanketing_above,
         blanketing(true, Reflections::second_above)},
        {CaseCommand::daytime_blanketing_below, ParticularCase::daytime_blanketing_below,
         blanketing(true, Reflections::second_below)},
        {CaseCommand::nighttime_blanketing_single, ParticularCase::nighttime_blanketing_single,
         blanketing(false, Reflections::single)},
        {CaseCommand::nighttime_blanketing_above, ParticularCase::nighttime_blanketing_above,
         blanketing(false, Reflections::second_above)},
        {CaseCommand::nighttime_blanketing_below, ParticularCase::nighttime_blanketing_below,
         blanketing(false, Reflections::second_below)},
        {CaseCommand::partial_absorption, ParticularCase::partial_absorption, partial_absorption},
        {CaseCommand::no_ionogram, ParticularCase::no_ionogram, no_ionogram},
    }};
    return entries;
}

// Set by the menu commands; a sounding loaded again shows the other wording of its file's code.
struct CaseCaption {
    ParticularCase particular_case;
    std::string_view caption;
};

constexpr std::array<CaseCaption, 10> case_captions{{
    {ParticularCase::nighttime_es_missing, "Particular Case: Nighttime Es missing"},
    {ParticularCase::daytime_es_missing, "Particular Case: Daytime Es missing"},
    {ParticularCase::daytime_blanketing_single,
     "Particular Case: Daily Es blanketing - single reflection"},
    {ParticularCase::daytime_blanketing_above,
     "Particular Case: Daily Es blanketing - more reflections - second reflection >= foEs"},
    {ParticularCase::daytime_blanketing_below,
     "Particular Case: Daily Es blanketing - more reflections - second reflection < foEs"},
    {ParticularCase::nighttime_blanketing_single,
     "Particular Case: Nocturnal Es blanketing - single reflection"},
    {ParticularCase::nighttime_blanketing_above,
     "Particular Case: Nocturnal Es blanketing - more reflections - second reflection >= foEs"},
    {ParticularCase::nighttime_blanketing_below,
     "Particular Case: Nocturnal Es blanketing - more reflections - second reflection < foEs"},
    {ParticularCase::partial_absorption, "Particular Case: Partial absorption"},
    {ParticularCase::none, ""},
}};

} // namespace

std::optional<std::string> case_command_caption(ParticularCase particular_case) {
    for (const CaseCaption& entry : case_captions)
        if (entry.particular_case == particular_case)
            return std::string(entry.caption);
    return std::nullopt;
}

CaseCommand es_missing_case(const ScalingForm& form) {
    if (!form.empty(value_box(Row::foE)) || !form.empty(descriptive_box(Row::foE)))
        return CaseCommand::daytime_es_missing;
    return CaseCommand::nighttime_es_missing;
}

void run_case_command(Scaling& scaling, CaseCommand command) {
    if (command == CaseCommand::delete_case) {
        delete_particular_case(scaling);
        return;
    }
    for (const CaseEntry& entry : case_entries()) {
        if (entry.command != command)
            continue;
        Sheet sheet(scaling.form);
        if (!entry.action(scaling, sheet)) {
            scaling.dialogs.message(case_refused_text, case_refused_title);
            return;
        }
        scaling.form.particular_case_code = entry.particular_case;
        if (auto caption = case_command_caption(entry.particular_case))
            scaling.form.label11 = std::move(*caption);
        return;
    }
}

} // namespace scalvo
