// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/picking.h"

#include "common/conversions.h"
#include "common/shared_state.h"
#include "common/text.h"
#include "ionogram/plot_mapping.h"
#include "scaling/m3000.h"
#include "scaling/warnings.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace scalvo {

namespace {

// Separation of the ordinary and extraordinary traces at this station: 0.5 MHz in 0.1 MHz.
constexpr int trace_separation = 5;

enum class PickKind { none, tenths, hundredths, height };

struct PickTarget {
    Row row;
    PickKind kind;
};

constexpr std::array<PickTarget, 11> pick_targets{{
    {Row::fmin, PickKind::tenths},
    {Row::foEs, PickKind::tenths},
    {Row::fbEs, PickKind::tenths},
    {Row::foF2, PickKind::tenths},
    {Row::fxI, PickKind::tenths},
    {Row::foE, PickKind::hundredths},
    {Row::foF1, PickKind::hundredths},
    {Row::hE, PickKind::height},
    {Row::hEs, PickKind::height},
    {Row::hF, PickKind::height},
    {Row::hF2, PickKind::height},
}};

const PickTarget* target_of(std::optional<Row> row) {
    for (const PickTarget& target : pick_targets)
        if (target.row == row)
            return &target;
    return nullptr;
}

// The click position as the plot mapping reads it, unsnapped; kept for the MUF(3000) tool.
PlotPoint point_of(int x, int y) {
    return {static_cast<float>(frequency_at(x)), static_cast<float>(height_at(y))};
}

double value_of(const ScalingForm& form, Row row) {
    return numeric_value(form.text(value_box(row)));
}

std::string code_text(double code) {
    return trimmed_number_text(static_cast<long long>(code));
}

// A click's text and its code, before anything is written: the one conversion of a position
// into a value code, shared by the pick and by what a proposal would store.
struct CodedPick {
    std::string picked_text;
    std::int16_t decimal_point_position = 0;
    std::string code;
};

// picked_text cut at its decimal point: the whole part I and the decimals D.
struct PickedParts {
    std::string whole;
    std::string decimals;
};

PickedParts split_picked_text(CodedPick& pick) {
    const auto point = pick.picked_text.find('.');
    pick.decimal_point_position =
        static_cast<std::int16_t>(point == std::string::npos ? 0 : point + 1);
    if (pick.decimal_point_position == 0)
        return {pick.picked_text, {}};
    const auto position = static_cast<std::size_t>(pick.decimal_point_position);
    return {left(pick.picked_text, position - 1), mid(pick.picked_text, position + 1)};
}

int digit(const std::string& decimals, std::size_t position) {
    return static_cast<int>(numeric_value(mid(decimals, position, 1)));
}

// Nearest kilometre, halves up, judged on the first decimal.
std::string height_code(CodedPick& pick) {
    const PickedParts parts = split_picked_text(pick);
    if (pick.decimal_point_position == 0)
        return trim(pick.picked_text);
    if (digit(parts.decimals, 1) >= 5)
        return code_text(numeric_value(parts.whole) + 1);
    return trim(parts.whole);
}

// Nearest 0.01 MHz. The click frequency has at most three decimals, the third always 5, so
// the second decimal plus one never carries.
std::string hundredths_code(CodedPick& pick) {
    const PickedParts parts = split_picked_text(pick);
    if (pick.decimal_point_position == 0)
        return trim(pick.picked_text + "00");
    const std::string d1 = mid(parts.decimals, 1, 1);
    switch (parts.decimals.size()) {
    case 1:
        return trim(parts.whole + d1 + "0");
    case 2:
        return trim(parts.whole + parts.decimals);
    default:
        return trim(parts.whole + d1 + code_text(digit(parts.decimals, 2) + 1));
    }
}

// Nearest 0.1 MHz, halves up, judged on the hundredths digit.
std::string tenths_code(CodedPick& pick) {
    const PickedParts parts = split_picked_text(pick);
    if (pick.decimal_point_position == 0)
        return trim(pick.picked_text + "0");
    const std::string d1 = mid(parts.decimals, 1, 1);
    if (parts.decimals.size() == 1 || digit(parts.decimals, 2) < 5)
        return trim(parts.whole + d1);
    const int raised = digit(parts.decimals, 1) + 1;
    if (raised == 10)
        return code_text(numeric_value(parts.whole) + 1) + "0";
    return trim(parts.whole + code_text(raised));
}

CodedPick coded_pick(PickKind kind, int x, int y) {
    CodedPick pick;
    switch (kind) {
    case PickKind::height:
        pick.picked_text = picked_height_text(y);
        pick.code = height_code(pick);
        break;
    case PickKind::hundredths:
        pick.picked_text = picked_frequency_text(x);
        pick.code = hundredths_code(pick);
        break;
    case PickKind::tenths:
        pick.picked_text = picked_frequency_text(x);
        pick.code = tenths_code(pick);
        break;
    case PickKind::none:
        break;
    }
    return pick;
}

void write_pick(ScalingForm& form, Row row, CodedPick pick) {
    form.picked_text = std::move(pick.picked_text);
    form.decimal_point_position = pick.decimal_point_position;
    form.set_text(value_box(row), std::move(pick.code));
}

// fmin cannot lie below the first frequency of the sounding: there it is the sounder's limit.
// The code fmin then takes, if the limit applies to the code picked.
std::optional<std::string> fmin_limit_code(float start_frequency, double picked_code) {
    // Single times integer stays single, as the header's frequency is single.
    const float limit = start_frequency * 10;
    if (!(limit >= picked_code))
        return std::nullopt;
    // A start frequency off the 0.1 MHz grid would leave a decimal point in the box: take the
    // first 0.1 MHz value at or above it.
    const double whole = std::nearbyint(static_cast<double>(limit));
    return code_text(std::abs(limit - whole) < 1e-3 ? whole : std::ceil(limit));
}

void recompute_after_warnings(Scaling& scaling, Layer layer) {
    if (!critical_frequency_warnings(scaling, layer))
        return;
    if (!scaling.form.empty(value_box(rows_of(layer).muf)))
        recompute_m3000(scaling.form, layer);
}

// A click within 0.2 MHz of the other trace's value is on the ordinary trace (fxI) or the
// extraordinary one (foF2): the value is taken one separation away from the other.
bool near_each_other(double foF2, double fxI) {
    return foF2 - fxI >= -2 && foF2 - fxI <= 2;
}

void fxI_letter_rules(ScalingForm& form) {
    if (trim(form.text(value_box(Row::foF2))).empty())
        return;
    const double foF2 = value_of(form, Row::foF2);
    const double fxI = value_of(form, Row::fxI);
    if (fxI - foF2 == trace_separation)
        form.set_text(descriptive_box(Row::fxI), "X");
    if (near_each_other(foF2, fxI)) {
        form.set_text(value_box(Row::fxI), code_text(foF2 + trace_separation));
        form.set_text(qualifying_box(Row::fxI), "O");
    }
}

void foF2_letter_rules(ScalingForm& form) {
    if (!trim(form.text(value_box(Row::fxI))).empty() &&
        near_each_other(value_of(form, Row::foF2), value_of(form, Row::fxI))) {
        form.set_text(value_box(Row::foF2), code_text(value_of(form, Row::fxI) - trace_separation));
        form.set_text(descriptive_box(Row::fxI), "X");
        form.set_text(qualifying_box(Row::foF2), "J");
    }
    if (!trim(form.text(value_box(Row::foF2))).empty() &&
        value_of(form, Row::fxI) - value_of(form, Row::foF2) == trace_separation)
        form.set_text(descriptive_box(Row::fxI), "X");
}

void fmin_lower_limit(ScalingForm& form) {
    const auto code = fmin_limit_code(form.ionogram.start_frequency, value_of(form, Row::fmin));
    if (!code)
        return;
    form.set_text(value_box(Row::fmin), *code);
    form.set_text(qualifying_box(Row::fmin), "E");
    form.set_text(descriptive_box(Row::fmin), "E");
}

void fbEs_letter_rules(ScalingForm& form) {
    const std::string foEs = trim(form.text(value_box(Row::foEs)));
    const std::string fbEs = trim(form.text(value_box(Row::fbEs)));
    if (foEs.empty() || fbEs.empty())
        return;
    if (fbEs == foEs) {
        form.set_text(qualifying_box(Row::fbEs), "A");
        form.set_text(descriptive_box(Row::fbEs), "A");
    }
    if (numeric_value(fbEs) > numeric_value(foEs)) {
        form.set_text(qualifying_box(Row::fbEs), "U");
        form.set_text(descriptive_box(Row::fbEs), "Y");
    }
}

void pick_height(Scaling& scaling, const PickTarget& target, int y) {
    ScalingForm& form = scaling.form;
    if (!height_plausible(scaling, target.row, y))
        return;
    write_pick(form, target.row, coded_pick(PickKind::height, 0, y));
    height_order_warnings(scaling, target.row);
}

void pick_hundredths(Scaling& scaling, const PickTarget& target, int x, int y) {
    ScalingForm& form = scaling.form;
    if (!frequency_below_10_mhz(scaling, x))
        return;
    const bool foF1 = target.row == Row::foF1;
    if (foF1)
        form.foF1_point = point_of(x, y);
    write_pick(form, target.row, coded_pick(PickKind::hundredths, x, y));
    if (foF1)
        recompute_after_warnings(scaling, Layer::F1);
    else
        fmin_foE_warning(scaling, Row::foE);
}

void pick_tenths(Scaling& scaling, const PickTarget& target, int x, int y) {
    ScalingForm& form = scaling.form;
    if (target.row == Row::foF2)
        form.foF2_point = point_of(x, y);
    write_pick(form, target.row, coded_pick(PickKind::tenths, x, y));
    if (target.row == Row::fxI) {
        fxI_letter_rules(form);
    } else if (target.row == Row::foF2) {
        foF2_letter_rules(form);
        recompute_after_warnings(scaling, Layer::F2);
    } else if (target.row == Row::fmin) {
        fmin_lower_limit(form);
        fmin_foE_warning(scaling, Row::fmin);
    } else {
        fbEs_letter_rules(form);
    }
}

} // namespace

std::string picked_frequency_text(int x) {
    // Columns left of 1 MHz count as 1 MHz.
    if (x <= 3)
        return "1";
    // In double: the shortest text of every column then has at most three decimals.
    return number_text(frequency_at(x));
}

std::string picked_height_text(int y) {
    // The rows of the height grid lines read as their round heights.
    for (const HeightGridRow& row : height_grid_rows)
        if (row.y == y)
            return std::to_string(row.kilometres);
    return number_text(height_at(y));
}

void pick_on_plot(Scaling& scaling, float x, float y) {
    // Written so that a position that is not a number fails too.
    if (!(x >= 1 && x <= plot_right && y >= 1 && y <= plot_top) || !scaling.shared.ionogram_loaded)
        return;
    const PickTarget* target = target_of(scaling.form.selected_characteristic);
    if (target == nullptr)
        return;
    // Positions are whole plot units; a fractional one is taken at its nearest unit so that
    // the picked texts keep their few decimals.
    const int column = static_cast<int>(std::lrint(x));
    const int row = static_cast<int>(std::lrint(y));
    switch (target->kind) {
    case PickKind::height:
        pick_height(scaling, *target, row);
        break;
    case PickKind::hundredths:
        pick_hundredths(scaling, *target, column, row);
        break;
    case PickKind::tenths:
        pick_tenths(scaling, *target, column, row);
        break;
    case PickKind::none:
        break;
    }
}

std::optional<std::string> pick_code(const ScalingForm& form, Row row, int x, int y) {
    const PickTarget* target = target_of(row);
    if (target == nullptr || !in_plot_area(x, y))
        return std::nullopt;
    // foE and foF1 are refused from 10 MHz on.
    if (target->kind == PickKind::hundredths && x >= 364)
        return std::nullopt;
    std::string code = coded_pick(target->kind, x, y).code;
    if (row == Row::fmin)
        if (auto limited = fmin_limit_code(form.ionogram.start_frequency, numeric_value(code)))
            code = std::move(*limited);
    return code;
}

} // namespace scalvo
