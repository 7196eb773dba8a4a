// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/sheet_check.h"

#include "common/dialogs.h"
#include "common/text.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

namespace scalvo {

namespace {

struct Fault {
    std::string text;
    std::string title;
};

constexpr const char* careful = "Be careful!!";
constexpr const char* case_careful = "Be careful!!!!";

// A row is present when its value or its descriptive letter holds something.
bool present(const ScalingForm& form, Row row) {
    return !form.empty(value_box(row)) || !form.empty(descriptive_box(row));
}

// The same, with blanks at either end not counting.
bool present_trimmed(const ScalingForm& form, Row row) {
    return !trim(form.text(value_box(row))).empty() ||
           !trim(form.text(descriptive_box(row))).empty();
}

std::optional<Fault> qualifying_without_descriptive(const ScalingForm& form) {
    constexpr std::array<Row, 15> order{Row::fmin,    Row::hE,        Row::foE,       Row::foEs,
                                        Row::hEs,     Row::fbEs,      Row::hF,        Row::foF1,
                                        Row::foF2,    Row::MUF3000F1, Row::MUF3000F2, Row::M3000F1,
                                        Row::M3000F2, Row::hF2,       Row::fxI};
    for (Row row : order)
        if (!form.empty(qualifying_box(row)) && form.empty(descriptive_box(row)))
            return Fault{std::string(caption(row)) + " has only a qualificative letter!!", careful};
    return std::nullopt;
}

std::optional<Fault> required_rows(const ScalingForm& form) {
    constexpr std::array<Row, 6> order{Row::fmin, Row::fbEs,      Row::hF,
                                       Row::foF2, Row::MUF3000F2, Row::fxI};
    for (Row row : order)
        if (!present(form, row))
            return Fault{std::string(caption(row)) + " missing!!", careful};
    return std::nullopt;
}

std::optional<Fault> e_region_pair(const ScalingForm& form) {
    const bool foE = present(form, Row::foE);
    const bool hE = present(form, Row::hE);
    if (foE && !hE)
        return Fault{"h'E missing!!", careful};
    if (hE && !foE)
        return Fault{"foE missing!!", careful};
    return std::nullopt;
}

std::optional<Fault> es_types_against_foE(const ScalingForm& form) {
    const std::string es_types = trim(form.text(value_box(Row::es_types)));
    if (present_trimmed(form, Row::foE)) {
        if (es_types.find('F') != std::string::npos)
            return Fault{"foE was scaled. You are not allowed to digit F in the Es Types.",
                         careful};
    } else if (es_types.find_first_of("ACDHKLQRS") != std::string::npos) {
        return Fault{"foE was not scaled. You are allowed to digit only F in the Es Types.",
                     careful};
    }
    return std::nullopt;
}

std::optional<Fault> fxI_letters(const ScalingForm& form) {
    if (upper(trim(form.text(descriptive_box(Row::fxI)))) == "X" &&
        !trim(form.text(qualifying_box(Row::fxI))).empty())
        return Fault{"If the descriptive letter of fxI is \"X\" the corresponding qualificative "
                     "letter has to be empty.",
                     careful};
    return std::nullopt;
}

// One test of a particular case: the fault when the condition holds.
struct CaseTest {
    bool fails;
    const char* text;
};

std::optional<Fault> first_failing(std::initializer_list<CaseTest> tests) {
    for (const CaseTest& test : tests)
        if (test.fails)
            return Fault{test.text, case_careful};
    return std::nullopt;
}

std::optional<Fault> particular_case(const ScalingForm& form, ParticularCase code) {
    const std::string es_types = form.text(value_box(Row::es_types));
    const bool es_types_empty = es_types.empty();
    const std::string first_es_type = left(trim_left(es_types), 1);
    switch (code) {
    case ParticularCase::nighttime_es_missing:
        return first_failing({
            {present(form, Row::hE),
             "The selected particular case cannot have values or letters for h'E!!"},
            {!es_types_empty,
             "The selected particular case has to have the field Es Types empty!!"},
            {present(form, Row::hF2),
             "The selected particular case cannot have values or letters for h'F2!!"},
            {present(form, Row::foE),
             "The selected particular case cannot have values or letters for foE!!"},
            {present(form, Row::foF1),
             "The selected particular case cannot have values or letters for foF1!!"},
            {present(form, Row::MUF3000F1),
             "The selected particular case cannot have values or letters for MUF(3000)F1!!"},
        });
    case ParticularCase::daytime_es_missing:
        return first_failing({
            {!present(form, Row::foE), "The selected particular case has to have a value and/or a "
                                       "descriptive letter for foE!!"},
            {!present(form, Row::hE), "The selected particular case has to have a value and/or a "
                                      "descriptive letter for h'E!!"},
            {!es_types_empty,
             "The selected particular case has to have the field Es Types empty!!"},
        });
    case ParticularCase::daytime_blanketing_single:
    case ParticularCase::daytime_blanketing_above:
    case ParticularCase::daytime_blanketing_below:
        // Only F is refused as the first type, although the message names C, H and L.
        return first_failing({
            {!present(form, Row::foE), "The selected particular case has to have a value and/or a "
                                       "descriptive letter for foE!!"},
            {!present(form, Row::hE), "The selected particular case has to have a value and/or a "
                                      "descriptive letter for h'E!!"},
            {es_types_empty, "The selected particular case can't have the field Es Types empty!!"},
            {first_es_type == "F", "The selected particular case has to have as first character "
                                   "of Es Types a C, a H or a L!!"},
        });
    case ParticularCase::nighttime_blanketing_single:
    case ParticularCase::nighttime_blanketing_above:
    case ParticularCase::nighttime_blanketing_below:
        return first_failing({
            {present(form, Row::foE),
             "The selected particular case cannot have values or letters for foE!!"},
            {present(form, Row::hE),
             "The selected particular case cannot have values or letters for h'E!!"},
            {es_types_empty, "The selected particular case cannot have the field Es Types empty!!"},
            {first_es_type != "F",
             "The selected particular case has to have as first character of Es Types a F!!"},
            {present(form, Row::hF2),
             "The selected particular case cannot have values or letters for h'F2!!"},
            {present(form, Row::foF1),
             "The selected particular case cannot have values or letters for foF1!!"},
            {present(form, Row::MUF3000F1),
             "The selected particular case cannot have values or letters for MUF(3000)F1!!"},
        });
    default:
        return std::nullopt;
    }
}

} // namespace

bool check_sheet(Scaling& scaling, ParticularCase particular_case_code) {
    const ScalingForm& form = scaling.form;
    for (auto rule : {qualifying_without_descriptive, required_rows, e_region_pair,
                      es_types_against_foE, fxI_letters}) {
        if (const std::optional<Fault> fault = rule(form)) {
            scaling.dialogs.message(fault->text, fault->title);
            return true;
        }
    }
    if (const std::optional<Fault> fault = particular_case(form, particular_case_code)) {
        scaling.dialogs.message(fault->text, fault->title);
        return true;
    }
    return false;
}

} // namespace scalvo
