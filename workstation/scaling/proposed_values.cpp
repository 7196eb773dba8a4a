// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/proposed_values.h"

#include "common/conversions.h"
#include "common/text.h"
#include "ionogram/plot_mapping.h"
#include "ionogram/secant_law.h"
#include "scaling/m3000.h"
#include "scaling/muf_tool.h"
#include "scaling/picking.h"

#include <cctype>
#include <cstdlib>

namespace scalvo {

namespace {

// The MUF whose curve touches the echo, where the tool can show it: the echo on the plot, the
// critical frequency there too (the operator's, or proposed on the plot), and the MUF within
// the tool's limits, above the critical frequency and below ten times it. Anything else is a
// misreading, not a value to bring to the nearest limit.
std::optional<std::string> muf_code(const ScalingForm& form, Row row, const ProposedPoint& point) {
    const Layer layer = row == Row::MUF3000F1 ? Layer::F1 : Layer::F2;
    const auto critical = accepted_code(form, rows_of(layer).critical);
    if (!in_plot_area(point.x, point.y) || !critical)
        return std::nullopt;
    const PlotPoint echo{static_cast<float>(frequency_at(point.x)),
                         static_cast<float>(height_at(point.y))};
    // The tool's own conversion stops at 70.0 MHz: a reading beyond it is not brought there.
    if (muf_of_echo(echo.frequency, echo.height) > 70.05)
        return std::nullopt;
    const long long code = muf_code_through(echo);
    // Both in 0.001 MHz, as the tool compares them (foF1's code is in 0.01 MHz).
    const double scale = layer == Layer::F1 ? 10 : 1;
    const double muf = static_cast<double>(code) * scale;
    const double frequency = numeric_value(*critical);
    if (code < muf_lowest_code || code > muf_highest_code || muf <= frequency ||
        muf >= 10 * frequency)
        return std::nullopt;
    return trimmed_number_text(code);
}

// M(3000) is computed when accepting writes its MUF(3000) or its critical frequency.
std::optional<std::string> m3000_code(const ScalingForm& form, Layer layer) {
    const LayerRows rows = rows_of(layer);
    const bool writes_muf = !operators_row(form, rows.muf) && proposed_code(form, rows.muf);
    const bool writes_critical =
        !operators_row(form, rows.critical) && proposed_code(form, rows.critical);
    if (!writes_muf && !writes_critical)
        return std::nullopt;
    const auto muf = accepted_code(form, rows.muf);
    const auto critical = accepted_code(form, rows.critical);
    if (!muf || !critical)
        return std::nullopt;
    auto text = m3000_text(muf_product_of(layer, numeric_value(*muf)), numeric_value(*critical));
    if (text && text->empty())
        return std::nullopt;
    return text;
}

// How far above the previous sounding's a height read over a blanketing sporadic E may lie
// before it is taken for the top of a hidden start rather than the start itself: the tolerance
// of a height reading, which the F layer's own drift in one interval stays within by day.
constexpr int hidden_start_margin = 5;

} // namespace

bool operators_row(const ScalingForm& form, Row row) {
    // M(3000)'s letters are never typed: the letter rule copies them from the rows beside it.
    if (row == Row::es_types || row == Row::M3000F1 || row == Row::M3000F2)
        return !form.empty(value_box(row));
    return !form.empty(value_box(row)) || !form.empty(qualifying_box(row)) ||
           !form.empty(descriptive_box(row));
}

std::optional<std::string> accepted_code(const ScalingForm& form, Row row) {
    if (!form.empty(value_box(row)))
        return trim(form.text(value_box(row)));
    if (operators_row(form, row))
        return std::nullopt;
    return proposed_code(form, row);
}

std::optional<int> previous_code(const ScalingForm& form, Row row) {
    const std::string& text = form.text(previous_box(row));
    std::size_t digits = 0;
    while (digits < text.size() && digits < 4 &&
           std::isdigit(static_cast<unsigned char>(text[digits])))
        ++digits;
    if (digits == 0)
        return std::nullopt;
    const int code = std::atoi(text.substr(0, digits).c_str());
    return code > 0 ? std::optional<int>(code) : std::nullopt;
}

std::optional<std::string> proposed_code(const ScalingForm& form, Row row) {
    if (row == Row::M3000F1 || row == Row::M3000F2)
        return m3000_code(form, row == Row::M3000F1 ? Layer::F1 : Layer::F2);
    const auto& point = form.proposals[index_of(row)];
    if (!point)
        return std::nullopt;
    if (is_muf3000(row))
        return muf_code(form, row, *point);
    auto code = pick_code(form, row, point->x, point->y);
    // An upper bound is proposed only where the previous sounding's h'F shows it is the start:
    // with nothing to go by it may be the hidden start's top, and no value beats a wrong one.
    if (code && point->upper_bound)
        if (const auto previous = previous_code(form, row);
            !previous || numeric_value(*code) > *previous + hidden_start_margin)
            return std::nullopt;
    return code;
}

std::string placeholder(const ScalingForm& form, Box box) {
    if (box.row == Row::es_types || operators_row(form, box.row))
        return {};
    if (box.field == Field::value)
        return proposed_code(form, box.row).value_or("");
    // An interpolated value's letters beside it.
    const auto& point = form.proposals[index_of(box.row)];
    if ((box.field != Field::qualifying && box.field != Field::descriptive) || !point ||
        !proposed_code(form, box.row))
        return {};
    const char letter =
        box.field == Field::qualifying ? point->qualifying_letter : point->descriptive_letter;
    return letter == 0 ? std::string() : std::string(1, letter);
}

} // namespace scalvo
