// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/muf_tool.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/shared_state.h"
#include "common/text.h"
#include "ionogram/plot.h"
#include "ionogram/secant_law.h"
#include "scaling/m3000.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

namespace scalvo {

namespace {

// The curve runs over whole plot rows: 99 km (row 11) to 756 km, 1.125 km apart.
constexpr int curve_rows = 585;

float curve_height(int n) {
    return 99 + 1.125f * static_cast<float>(n);
}

// cos i of every curve height, computed once: a step then costs a multiplication per row.
const std::array<double, curve_rows>& curve_cosines() {
    static const std::array<double, curve_rows> table = [] {
        std::array<double, curve_rows> cosines{};
        for (int n = 0; n < curve_rows; ++n)
            cosines[static_cast<std::size_t>(n)] = cos_incidence(curve_height(n));
        return cosines;
    }();
    return table;
}

// The plot column of the curve's frequency f(h) = MUF cos i(h) / k, one unit to the right of
// the plot mapping (0.925 instead of 0.9 MHz).
int curve_column(float muf_value, double cos_i) {
    const double frequency = muf_value * cos_i / secant_k;
    return static_cast<int>(std::floor((frequency - 0.925) / 0.025));
}

int curve_row(int n) {
    return static_cast<int>(std::floor((curve_height(n) - 86.625) / 1.125));
}

struct MufRow {
    Layer layer;
    Row muf;
    Row critical;
    std::optional<Row> other_muf; // the F2 curve may start from the F1 value
    // 0.1 MHz of MUF in the unit of the critical frequency's code times 100.
    int step_units;
    const char* ten_times_message;
    const char* greater_message;
};

constexpr MufRow f1_row{Layer::F1,
                        Row::MUF3000F1,
                        Row::foF1,
                        std::nullopt,
                        1000,
                        "MUF(3000)F1 cannot be 10 times greater than foF1!!",
                        "foF1 cannot be greater than MUF(3000)F1!!"};
constexpr MufRow f2_row{Layer::F2,
                        Row::MUF3000F2,
                        Row::foF2,
                        Row::MUF3000F1,
                        100,
                        "MUF(3000)F2 cannot be 10 times greater than foF2!!",
                        "foF2 cannot be greater than MUF(3000)F2!!!"};

const MufRow* selected_row(const ScalingForm& form) {
    if (form.selected_characteristic == Row::MUF3000F1)
        return &f1_row;
    if (form.selected_characteristic == Row::MUF3000F2)
        return &f2_row;
    return nullptr;
}

// muf_value always is the single nearest to muf_code / 10: the two move together, and a
// long run of 0.1 MHz steps cannot drift away from the code (a drift would beep at exactly
// 3.0 or 70.0 MHz).
void set_muf(ScalingForm& form, long long code) {
    form.muf_code = static_cast<std::int16_t>(code);
    form.muf_value = static_cast<float>(code) / 10.0f;
}

long long clamped(long long code) {
    return code < muf_lowest_code ? muf_lowest_code
                                  : (code > muf_highest_code ? muf_highest_code : code);
}

// A stored code of two or three digits reads as d.d or dd.d MHz, as it is: "25" opens at
// 2.5 MHz, and the limits belong to the steps. Anything else a record may hold is read as
// tenths of MHz too; only what the 16-bit code cannot hold is kept at its edge.
void decode_muf(ScalingForm& form, Row row) {
    const double code = numeric_value(trim(form.text(value_box(row))));
    set_muf(form, static_cast<long long>(std::clamp(code, static_cast<double>(INT16_MIN),
                                                    static_cast<double>(INT16_MAX))));
}

// From the echo clicked last: the MUF whose curve passes through it.
void muf_from_point(ScalingForm& form, const PlotPoint& point) {
    set_muf(form, muf_code_through(point));
}

// The critical frequency's code times 100, in the unit of muf_code * step_units.
double critical_units(const ScalingForm& form, const MufRow& row) {
    return numeric_value(trim(form.text(value_box(row.critical)))) * 100;
}

// 15.0 MHz, moved towards the critical frequency: below ten times it, above it.
void default_muf(ScalingForm& form, const MufRow& row) {
    long long code = 150;
    if (!trim(form.text(value_box(row.critical))).empty()) {
        const double critical = critical_units(form, row);
        const double fifteen = 150.0 * row.step_units;
        if (critical < fifteen && 10 * critical <= fifteen) {
            while (10 * critical <= static_cast<double>(code * row.step_units) &&
                   code > muf_lowest_code)
                --code;
        } else if (critical >= fifteen) {
            while (static_cast<double>(code * row.step_units) <= critical &&
                   code < muf_highest_code)
                ++code;
        }
    }
    set_muf(form, code);
}

// Keeps the MUF above the critical frequency and below ten times it, after a step in the
// given direction. A critical frequency of 0 can bound nothing (nor divide anything: M(3000)
// then stays as it was).
void keep_within_critical_frequency(Scaling& scaling, const MufRow& row, bool upward) {
    ScalingForm& form = scaling.form;
    const double critical = critical_units(form, row);
    if (!(critical > 0))
        return;
    const bool muf_shown = !form.empty(value_box(row.muf));
    long long code = form.muf_code;
    const auto product = [&] { return static_cast<double>(code * row.step_units); };
    if (upward && 10 * critical <= product()) {
        if (muf_shown)
            scaling.dialogs.message(row.ten_times_message, "Be careful!!");
        while (10 * critical <= product() && code > muf_lowest_code)
            --code;
    } else if (!upward && critical >= product()) {
        if (muf_shown)
            scaling.dialogs.message(row.greater_message, "Be careful!");
        while (critical >= product() && code < muf_highest_code)
            ++code;
    }
    set_muf(form, code);
}

void step(Scaling& scaling, const MufRow& row, int delta) {
    ScalingForm& form = scaling.form;
    const bool upward = delta > 0;
    long long code = form.muf_code + delta;
    if ((upward && code > muf_highest_code) || (!upward && code < muf_lowest_code)) {
        code = clamped(code);
        scaling.dialogs.beep();
    }
    set_muf(form, code);

    const bool critical_present = !form.empty(value_box(row.critical));
    if (critical_present)
        keep_within_critical_frequency(scaling, row, upward);
    form.set_text(value_box(row.muf), trimmed_number_text(static_cast<long long>(form.muf_code)));
    // muf_product and M(3000) from the code just written.
    if (critical_present)
        recompute_m3000(form, row.layer);

    draw_ionogram(form.plot, form.ionogram);
    draw_muf_curve(form.plot, form.muf_value);
}

} // namespace

std::int16_t muf_code_through(const PlotPoint& point) {
    const double muf = muf_of_echo(point.frequency, point.height);
    // One decimal, halves to even, kept single. An echo far right on the plot may give 100 MHz
    // or more, whose text makes no code: above 70.0 MHz the value starts at the limit, where
    // the opening step that always follows would bring it anyway.
    float value = static_cast<float>(static_cast<double>(nearest_integer(muf * 10)) / 10.0);
    value = std::min(value, 70.0f);
    // The code is the text of the single value without its point: 9 -> 90, 9.5 -> 95,
    // 15 -> 150, 15.3 -> 153.
    std::string text = trimmed_number_text(value);
    if (text.size() <= 2)
        text += "0";
    else if (const auto point = text.find('.'); point != std::string::npos)
        text.erase(point, 1);
    return static_cast<std::int16_t>(numeric_value(text));
}

void draw_muf_curve(PlotCanvas& plot, float muf_value) {
    const auto& cosines = curve_cosines();
    // The curve starts at the first height, from 99 km, where it lies right of the frame. A
    // MUF near 3.0 MHz only gets there above 396 km: the search then goes on upwards rather
    // than drawing no curve at all.
    int start = 0;
    while (start < curve_rows &&
           curve_column(muf_value, cosines[static_cast<std::size_t>(start)]) <= 1)
        ++start;
    if (start == curve_rows)
        return;

    int previous_x = curve_column(muf_value, cosines[static_cast<std::size_t>(start)]);
    int previous_y = curve_row(start);
    for (int n = start; n < curve_rows; ++n) {
        const int x = curve_column(muf_value, cosines[static_cast<std::size_t>(n)]);
        // Past the right edge of the plot the curve is left out.
        if (x >= 760)
            continue;
        const int y = curve_row(n);
        plot.line(previous_x, previous_y, x, y, muf_curve_colour);
        previous_x = x;
        previous_y = y;
    }
}

void open_muf_tool(Scaling& scaling) {
    ScalingForm& form = scaling.form;
    const MufRow* row = selected_row(form);
    if (row == nullptr || !scaling.shared.ionogram_loaded)
        return;
    form.plot.clear();
    draw_ionogram(form.plot, form.ionogram);
    form.esup_visible = false;
    form.esdown_visible = false;

    const bool critical_present = !form.empty(value_box(row->critical));
    const PlotPoint& point = row->layer == Layer::F1 ? form.foF1_point : form.foF2_point;
    if (!form.empty(value_box(row->muf)))
        decode_muf(form, row->muf);
    else if (critical_present && point.frequency != 0 && point.height != 0)
        muf_from_point(form, point);
    else if (row->other_muf && !form.empty(value_box(*row->other_muf)))
        decode_muf(form, *row->other_muf);
    else
        default_muf(form, *row);

    // With a critical frequency the first curve comes at once, 0.1 MHz up (a plain Down key).
    if (critical_present)
        step(scaling, *row, +1);
}

void muf_step(Scaling& scaling, int key_code, int shift) {
    const MufRow* row = selected_row(scaling.form);
    if (row == nullptr || !scaling.shared.ionogram_loaded)
        return;
    // Only Ctrl alone turns the 0.1 MHz arrows into 2.0 MHz steps.
    const bool ctrl = shift == 2;
    int delta = 0;
    switch (key_code) {
    case 49:
        delta = -20;
        break;
    case 50:
        delta = +20;
        break;
    case 38:
    case 51:
        delta = ctrl ? -20 : -1;
        break;
    case 40:
    case 52:
        delta = ctrl ? +20 : +1;
        break;
    default:
        return;
    }
    step(scaling, *row, delta);
}

} // namespace scalvo
