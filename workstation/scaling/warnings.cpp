// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/warnings.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/text.h"

#include <array>

namespace scalvo {

namespace {

// A Yes/No warning; the form keeps the answer.
bool operator_goes_on(Scaling& scaling, const std::string& text, const std::string& title) {
    scaling.form.last_answer = static_cast<std::int16_t>(
        scaling.dialogs.ask_yes_no(two_lines(text, "Do you want to continue?"), title));
    return scaling.form.last_answer == answer_yes;
}

double value_of(const ScalingForm& form, Row row) {
    return numeric_value(form.text(value_box(row)));
}

// lower - margin must not exceed upper.
struct HeightOrder {
    Row lower;
    Row upper;
    int margin;
    const char* message;
};

constexpr HeightOrder e_below_es{Row::hE, Row::hEs, 10, "(h'E-10) cannot be greater than h'Es"};
constexpr HeightOrder es_below_f{Row::hEs, Row::hF, 0, "h'Es cannot be greater than h'F"};
constexpr HeightOrder f_below_f2{Row::hF, Row::hF2, 0, "h'F cannot be greater than h'F2"};

struct HeightChecks {
    Row row;
    std::array<const HeightOrder*, 2> orders;
};

constexpr std::array<HeightChecks, 4> height_checks{{
    {Row::hE, {&e_below_es, nullptr}},
    {Row::hEs, {&e_below_es, &es_below_f}},
    {Row::hF, {&es_below_f, &f_below_f2}},
    {Row::hF2, {&f_below_f2, nullptr}},
}};

bool implausible_height(Row row, int y) {
    switch (row) {
    case Row::hE:
        return y >= 58;
    case Row::hEs:
        return y >= 98;
    case Row::hF:
        return y < 84 || y > 280;
    case Row::hF2:
        return y < 102 || y > 458;
    default:
        return false;
    }
}

} // namespace

bool height_plausible(Scaling& scaling, Row row, int y) {
    if (!implausible_height(row, y))
        return true;
    return operator_goes_on(scaling, "Impossible value for this characteristic!!", "Be careful!!!");
}

bool frequency_below_10_mhz(Scaling& scaling, int x) {
    if (x < 364)
        return true;
    scaling.dialogs.message("Impossible value for this characteristic!!", "Be careful");
    return false;
}

void height_order_warnings(Scaling& scaling, Row row) {
    ScalingForm& form = scaling.form;
    for (const HeightChecks& checks : height_checks) {
        if (checks.row != row)
            continue;
        for (const HeightOrder* order : checks.orders) {
            if (order == nullptr)
                return;
            const Row other = order->lower == checks.row ? order->upper : order->lower;
            if (form.empty(value_box(other)))
                continue;
            if (value_of(form, order->lower) - order->margin <= value_of(form, order->upper))
                continue;
            if (!operator_goes_on(scaling, order->message, "Be careful!")) {
                form.set_text(value_box(checks.row), "");
                return;
            }
        }
    }
}

void fmin_foE_warning(Scaling& scaling, Row row) {
    ScalingForm& form = scaling.form;
    const bool foE_picked = row == Row::foE;
    if (trim(form.text(value_box(foE_picked ? Row::fmin : Row::foE))).empty())
        return;
    // fmin is in 0.1 MHz, foE in 0.01 MHz: a "0" appended to fmin's text brings them together.
    if (numeric_value(trim(form.text(value_box(Row::fmin))) + "0") <= value_of(form, Row::foE))
        return;
    if (!operator_goes_on(scaling, "fmin cannot be greater than foE", "Be careful!"))
        form.set_text(value_box(foE_picked ? Row::foE : Row::fmin), "");
}

bool critical_frequency_warnings(Scaling& scaling, Layer layer) {
    ScalingForm& form = scaling.form;
    const bool f1 = layer == Layer::F1;
    const LayerRows rows = rows_of(layer);
    if (form.empty(value_box(rows.muf)))
        return true;
    // MUF(3000)F1 is in 0.1 MHz, foF1 in 0.01 MHz.
    const double muf = value_of(form, rows.muf) * (f1 ? 10 : 1);
    const double critical = value_of(form, rows.critical);
    const char* refusal = nullptr;
    if (muf < critical)
        refusal = f1 ? "foF1 cannot be greater than MUF(3000)F1!!"
                     : "foF2 cannot be greater than MUF(3000)F2!!";
    else if (muf > 10 * critical) // the ratio MUF / critical above 10, without dividing
        refusal = f1 ? "MUF(3000)F1 cannot be 10 times greater than foF1!!"
                     : "MUF(3000)F2 cannot be 10 times greater than foF2!!";
    if (refusal == nullptr)
        return true;
    scaling.dialogs.message(refusal, "Be careful!");
    form.set_text(value_box(rows.critical), "");
    form.set_text(value_box(rows.m3000), "");
    return false;
}

} // namespace scalvo
