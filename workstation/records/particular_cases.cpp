#include "records/particular_cases.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "scaling/selection.h"
#include "scaling/sheet_layout.h"

#include <array>
#include <functional>

namespace scalvo {

namespace {

// The rows whose descriptive letter becomes "A" under blanketing Es.
constexpr std::array<std::string_view, 6> blanketed_rows{"fbEs", "hF",      "foF2",
                                                         "fxI",  "M3000F2", "MUF3000F2"};
// The rows whose descriptive letter becomes "C" without an ionogram.
constexpr std::array<std::string_view, 9> no_ionogram_rows{
    "fmin", "foEs", "hEs", "hF", "foF2", "fbEs", "fxI", "M3000F2", "MUF3000F2"};
// The rows whose descriptive letter is emptied without an ionogram.
constexpr std::array<std::string_view, 6> no_ionogram_blank_rows{"hE",        "foE",     "foF1",
                                                                 "MUF3000F1", "M3000F1", "hF2"};

constexpr std::string_view es_types_box = "Text7";

// The boxes of a row of the sheet by its characteristic key.
class Sheet {
  public:
    explicit Sheet(ScalingForm& form) : form_(form) {}

    const std::string& value(std::string_view key) const {
        return form_.text(sheet_row(key).value_box);
    }
    const std::string& d(std::string_view key) const {
        return form_.text(sheet_row(key).descriptive_box);
    }
    bool has_value(std::string_view key) const { return !value(key).empty(); }
    bool has_d(std::string_view key) const { return !d(key).empty(); }
    bool has_es_types() const { return !form_.empty(es_types_box); }

    void set_value(std::string_view key, std::string text) {
        form_.set_text(sheet_row(key).value_box, std::move(text));
    }
    void set_q(std::string_view key, std::string text) {
        form_.set_text(sheet_row(key).qualifying_box, std::move(text));
    }
    void set_d(std::string_view key, std::string text) {
        form_.set_text(sheet_row(key).descriptive_box, std::move(text));
    }
    // Value, qualifying and descriptive letter at once.
    void set_row(std::string_view key, std::string value, std::string q, std::string d) {
        set_value(key, std::move(value));
        set_q(key, std::move(q));
        set_d(key, std::move(d));
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
    if (!sheet.has_value("foE") || sheet.has_value("foEs") || sheet.has_es_types())
        return false;
    const std::string foEs = foE_to_tenths(sheet.value("foE"));
    sheet.set_row("foEs", foEs, "E", "G");
    sheet.set_row("fbEs", foEs, "E", "G");
    sheet.set_d("hEs", "G");
    select_characteristic(scaling, "hF");
    return true;
}

bool nighttime_es_missing(Scaling& scaling, Sheet& sheet) {
    if (!sheet.has_value("fmin") || sheet.has_value("hE") || sheet.has_value("foE") ||
        sheet.has_value("foEs") || sheet.has_value("hEs") || sheet.has_es_types())
        return false;
    const std::string fmin = sheet.value("fmin");
    const std::string letter = sheet.d("fmin");
    if (letter.empty() || letter == "S" || letter == "B") {
        const std::string d = letter.empty() ? "S" : letter;
        sheet.set_q("fmin", "E");
        sheet.set_d("fmin", d);
        sheet.set_row("foEs", fmin, "E", d);
        sheet.set_row("fbEs", fmin, "E", d);
        sheet.set_d("hEs", d);
    } else if (letter == "E") {
        // The qualifying letters stay as they are.
        sheet.set_value("foEs", fmin);
        sheet.set_d("foEs", "E");
        sheet.set_value("fbEs", fmin);
        sheet.set_d("fbEs", "E");
        sheet.set_d("hEs", "E");
    } else {
        return false;
    }
    select_characteristic(scaling, "hF");
    return true;
}

enum class Reflections { single, second_above, second_below };

CaseAction blanketing(bool daytime, Reflections reflections) {
    return [daytime, reflections](Scaling&, Sheet& sheet) {
        const bool es = sheet.has_value("foEs") && sheet.has_value("hEs") && sheet.has_es_types();
        const bool e_layer = daytime ? (sheet.has_value("foE") || sheet.has_d("foE")) &&
                                           (sheet.has_value("hE") || sheet.has_d("hE"))
                                     : !sheet.has_value("foE") && !sheet.has_value("hE");
        if (!es || !e_layer)
            return false;
        if (reflections == Reflections::second_below && !sheet.has_value("fbEs"))
            return false;
        if (reflections == Reflections::second_above)
            sheet.set_value("fbEs", sheet.value("foEs"));
        if (reflections != Reflections::single)
            sheet.set_q("fbEs", "A");
        for (std::string_view key : blanketed_rows)
            sheet.set_d(key, "A");
        return true;
    };
}

bool partial_absorption(Scaling& scaling, Sheet& sheet) {
    if (!sheet.has_value("fmin"))
        return false;
    const std::string fmin = sheet.value("fmin");
    sheet.set_d("hE", "B");
    sheet.set_d("foE", "B");
    sheet.set_row("foEs", fmin, "E", "B");
    sheet.set_d("hEs", "B");
    sheet.set_es_types("");
    sheet.set_row("fbEs", fmin, "E", "B");
    select_characteristic(scaling, "hF");
    return true;
}

bool no_ionogram(Scaling&, Sheet& sheet) {
    for (const SheetRow& row : sheet_rows) {
        if (row.key == "tipoEs") {
            sheet.set_es_types("");
            continue;
        }
        sheet.set_value(row.key, "");
        sheet.set_q(row.key, "");
    }
    for (std::string_view key : no_ionogram_blank_rows)
        sheet.set_d(key, "");
    for (std::string_view key : no_ionogram_rows)
        sheet.set_d(key, "C");
    return true;
}

// Takes back what the case of this code filled in; the earlier Es types are not restored.
void undo_case(Sheet& sheet, std::string_view code) {
    if (code == "01" || code == "02") {
        if (code == "01") {
            sheet.set_q("fmin", "");
            sheet.set_d("fmin", "");
        }
        sheet.set_row("foEs", "", "", "");
        sheet.set_row("fbEs", "", "", "");
        sheet.set_d("hEs", "");
    } else if (code == "3a" || code == "4a" || code == "3b" || code == "3c" || code == "4b" ||
               code == "4c") {
        if (code != "3a" && code != "4a") {
            sheet.set_value("fbEs", "");
            sheet.set_q("fbEs", "");
        }
        for (std::string_view key : blanketed_rows)
            sheet.set_d(key, "");
    } else if (code == "05") {
        sheet.set_d("hE", "");
        sheet.set_d("foE", "");
        sheet.set_row("foEs", "", "", "");
        sheet.set_d("hEs", "");
        sheet.set_row("fbEs", "", "", "");
    } else if (code == "06") {
        for (std::string_view key : no_ionogram_rows)
            sheet.set_d(key, "");
    }
}

void delete_particular_case(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    if (form.particular_case_code == "xx")
        return;
    Sheet sheet(form);
    undo_case(sheet, form.particular_case_code);
    form.particular_case_code = "xx";
    form.label11 = "";
}

struct CaseCommand {
    std::string_view menu_control;
    std::string_view code;
    CaseAction action;
};

const std::array<CaseCommand, 10>& case_commands() {
    static const std::array<CaseCommand, 10> commands{{
        {"mancanza_es_di_giorno_principale", "02", daytime_es_missing},
        {"mancanza_es_di_notte_principale", "01", nighttime_es_missing},
        {"giorno_singola_riflessione", "3a", blanketing(true, Reflections::single)},
        {"giorno_doppia_riflessione_magfoEs", "3b", blanketing(true, Reflections::second_above)},
        {"giorno_doppia_riflessione_minfoEs", "3c", blanketing(true, Reflections::second_below)},
        {"notte_singola_riflessione", "4a", blanketing(false, Reflections::single)},
        {"notte_doppia_riflessione_magfoEs", "4b", blanketing(false, Reflections::second_above)},
        {"notte_doppia_riflessione_minfoEs", "4c", blanketing(false, Reflections::second_below)},
        {"assorbimento_parziale", "05", partial_absorption},
        {"no_ionogramma", "06", no_ionogram},
    }};
    return commands;
}

// Set by the menu commands; a sounding loaded again shows the other wording of its file's code.
struct CaseCaption {
    std::string_view code;
    std::string_view caption;
};

constexpr std::array<CaseCaption, 10> case_captions{{
    {"01", "Particular Case: Nighttime Es missing"},
    {"02", "Particular Case: Daytime Es missing"},
    {"3a", "Particular Case: Daily Es blanketing - single reflection"},
    {"3b", "Particular Case: Daily Es blanketing - more reflections - second reflection >= foEs"},
    {"3c", "Particular Case: Daily Es blanketing - more reflections - second reflection < foEs"},
    {"4a", "Particular Case: Nocturnal Es blanketing - single reflection"},
    {"4b",
     "Particular Case: Nocturnal Es blanketing - more reflections - second reflection >= foEs"},
    {"4c",
     "Particular Case: Nocturnal Es blanketing - more reflections - second reflection < foEs"},
    {"05", "Particular Case: Partial absorption"},
    {"xx", ""},
}};

} // namespace

std::optional<std::string> case_command_caption(std::string_view code) {
    for (const CaseCaption& entry : case_captions)
        if (entry.code == code)
            return std::string(entry.caption);
    return std::nullopt;
}

std::string_view es_missing_case(const ScalingForm& form) {
    if (!form.empty("Text3") || !form.empty("Text34"))
        return "mancanza_es_di_giorno_principale";
    return "mancanza_es_di_notte_principale";
}

void run_case_command(Scaling& scaling, std::string_view menu_control) {
    if (menu_control == "annulla_caso_particolare") {
        delete_particular_case(scaling);
        return;
    }
    for (const CaseCommand& command : case_commands()) {
        if (command.menu_control != menu_control)
            continue;
        Sheet sheet(scaling.form);
        if (!command.action(scaling, sheet)) {
            scaling.dialogs.message(case_refused_text, case_refused_title);
            return;
        }
        scaling.form.particular_case_code = std::string(command.code);
        if (auto caption = case_command_caption(command.code))
            scaling.form.label11 = std::move(*caption);
        return;
    }
}

} // namespace scalvo
