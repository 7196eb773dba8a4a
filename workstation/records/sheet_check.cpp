#include "records/sheet_check.h"

#include "common/dialogs.h"
#include "common/text.h"
#include "scaling/sheet_layout.h"

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
bool present(const ScalingForm& form, std::string_view key) {
    const SheetRow& row = sheet_row(key);
    return !form.empty(row.value_box) || !form.empty(row.descriptive_box);
}

// The same, with blanks at either end not counting.
bool present_trimmed(const ScalingForm& form, std::string_view key) {
    const SheetRow& row = sheet_row(key);
    return !trim(form.text(row.value_box)).empty() || !trim(form.text(row.descriptive_box)).empty();
}

std::optional<Fault> qualifying_without_descriptive(const ScalingForm& form) {
    constexpr std::array<std::string_view, 15> order{
        "fmin", "hE",        "foE",       "foEs",    "hEs",     "fbEs", "hF", "foF1",
        "foF2", "MUF3000F1", "MUF3000F2", "M3000F1", "M3000F2", "hF2",  "fxI"};
    for (std::string_view key : order) {
        const SheetRow& row = sheet_row(key);
        if (!form.empty(row.qualifying_box) && form.empty(row.descriptive_box))
            return Fault{std::string(row.caption) + " has only a qualificative letter!!", careful};
    }
    return std::nullopt;
}

std::optional<Fault> required_rows(const ScalingForm& form) {
    constexpr std::array<std::string_view, 6> order{"fmin", "fbEs",      "hF",
                                                    "foF2", "MUF3000F2", "fxI"};
    for (std::string_view key : order)
        if (!present(form, key))
            return Fault{std::string(sheet_row(key).caption) + " missing!!", careful};
    return std::nullopt;
}

std::optional<Fault> e_region_pair(const ScalingForm& form) {
    const bool foE = present(form, "foE");
    const bool hE = present(form, "hE");
    if (foE && !hE)
        return Fault{"h'E missing!!", careful};
    if (hE && !foE)
        return Fault{"foE missing!!", careful};
    return std::nullopt;
}

std::optional<Fault> es_types_against_foE(const ScalingForm& form) {
    const std::string es_types = trim(form.text("Text7"));
    if (present_trimmed(form, "foE")) {
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
    const SheetRow& fxI = sheet_row("fxI");
    if (upper(trim(form.text(fxI.descriptive_box))) == "X" &&
        !trim(form.text(fxI.qualifying_box)).empty())
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

std::optional<Fault> particular_case(const ScalingForm& form, std::string_view code) {
    const std::string es_types = form.text("Text7");
    const bool es_types_empty = es_types.empty();
    const std::string first_es_type = left(trim_left(es_types), 1);
    if (code == "01")
        return first_failing({
            {present(form, "hE"),
             "The selected particular case cannot have values or letters for h'E!!"},
            {!es_types_empty,
             "The selected particular case has to have the field Es Types empty!!"},
            {present(form, "hF2"),
             "The selected particular case cannot have values or letters for h'F2!!"},
            {present(form, "foE"),
             "The selected particular case cannot have values or letters for foE!!"},
            {present(form, "foF1"),
             "The selected particular case cannot have values or letters for foF1!!"},
            {present(form, "MUF3000F1"),
             "The selected particular case cannot have values or letters for MUF(3000)F1!!"},
        });
    if (code == "02")
        return first_failing({
            {!present(form, "foE"), "The selected particular case has to have a value and/or a "
                                    "descriptive letter for foE!!"},
            {!present(form, "hE"), "The selected particular case has to have a value and/or a "
                                   "descriptive letter for h'E!!"},
            {!es_types_empty,
             "The selected particular case has to have the field Es Types empty!!"},
        });
    if (code == "3a" || code == "3b" || code == "3c")
        // Only F is refused as the first type, although the message names C, H and L.
        return first_failing({
            {!present(form, "foE"), "The selected particular case has to have a value and/or a "
                                    "descriptive letter for foE!!"},
            {!present(form, "hE"), "The selected particular case has to have a value and/or a "
                                   "descriptive letter for h'E!!"},
            {es_types_empty, "The selected particular case can't have the field Es Types empty!!"},
            {first_es_type == "F", "The selected particular case has to have as first character "
                                   "of Es Types a C, a H or a L!!"},
        });
    if (code == "4a" || code == "4b" || code == "4c")
        return first_failing({
            {present(form, "foE"),
             "The selected particular case cannot have values or letters for foE!!"},
            {present(form, "hE"),
             "The selected particular case cannot have values or letters for h'E!!"},
            {es_types_empty, "The selected particular case cannot have the field Es Types empty!!"},
            {first_es_type != "F",
             "The selected particular case has to have as first character of Es Types a F!!"},
            {present(form, "hF2"),
             "The selected particular case cannot have values or letters for h'F2!!"},
            {present(form, "foF1"),
             "The selected particular case cannot have values or letters for foF1!!"},
            {present(form, "MUF3000F1"),
             "The selected particular case cannot have values or letters for MUF(3000)F1!!"},
        });
    return std::nullopt;
}

} // namespace

bool check_sheet(Scaling& scaling, std::string_view particular_case_code) {
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
