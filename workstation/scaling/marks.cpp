// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaling/marks.h"

#include "common/conversions.h"
#include "common/text.h"
#include "ionogram/plot_mapping.h"
#include "scaling/proposed_values.h"

#include <cstdlib>
#include <optional>
#include <utility>

namespace scalvo {

namespace {

struct Band {
    Row frequency;
    double unit; // MHz per code
    std::optional<Row> height;
    double default_height; // km, where the previous sounding gave no height
    double above;          // km above the height where the tick starts
    int length;            // plot units
};

// An E trace turns up within some 40 km of h'E; an F2 trace reaches foF2 well above h'F.
constexpr Band bands[] = {
    {Row::foE, 0.01, Row::hE, 105, 0, 40},
    {Row::foEs, 0.1, Row::hEs, 105, -10, 24},
    {Row::foF2, 0.1, Row::hF, 230, 60, 120},
};

// The change of foF2 from the previous sounding to this one, in 0.1 MHz.
std::optional<int> foF2_change(const ScalingForm& form, int previous) {
    std::string now = trim(form.text(value_box(Row::foF2)));
    if (now.empty())
        now = proposed_code(form, Row::foF2).value_or("");
    if (now.empty())
        return std::nullopt;
    return static_cast<int>(numeric_value(now)) - previous;
}

std::string change_text(int tenths) {
    const int size = std::abs(tenths);
    return (tenths < 0 ? "-" : "+") + std::to_string(size / 10) + "." + std::to_string(size % 10);
}

} // namespace

Rgb colour_of(MarkKind kind) {
    switch (kind) {
    case MarkKind::proposal:
        return proposal_mark_colour;
    case MarkKind::previous:
        return previous_mark_colour;
    case MarkKind::changed:
        return changed_mark_colour;
    }
    return proposal_mark_colour;
}

std::vector<PlotMark> proposal_marks(const ScalingForm& form) {
    std::vector<PlotMark> marks;
    for (const Row row : all_rows)
        if (const auto& point = form.proposals[index_of(row)]; point && proposed_code(form, row))
            marks.push_back({MarkKind::proposal, MarkShape::cross, point->x, point->y, 0,
                             std::string(caption(row))});
    return marks;
}

std::vector<PlotMark> previous_sounding_marks(const ScalingForm& form) {
    std::vector<PlotMark> marks;
    for (const Band& band : bands) {
        const auto code = previous_code(form, band.frequency);
        const auto height = band.height ? previous_code(form, *band.height) : std::nullopt;
        // A sporadic E was read when its height was: the particular cases write foEs from
        // foE or fmin without one.
        if (!code || (band.frequency == Row::foEs && !height))
            continue;
        PlotMark mark{MarkKind::previous,
                      MarkShape::vertical,
                      x_at_frequency(*code * band.unit),
                      y_at_height((height ? *height : band.default_height) + band.above),
                      band.length,
                      std::string(caption(band.frequency))};
        if (band.frequency == Row::foF2)
            if (const auto change = foF2_change(form, *code); change && std::abs(*change) > 10) {
                mark.kind = MarkKind::changed;
                mark.name += " " + change_text(*change);
            }
        marks.push_back(std::move(mark));
    }
    // h'F as a short line at its height, from the frequency the F trace starts at: above the
    // previous foE by day, at fmin by night.
    if (const auto hF = previous_code(form, Row::hF)) {
        double start = 1;
        if (const auto foE = previous_code(form, Row::foE))
            start = *foE * 0.01;
        else if (const auto fmin = previous_code(form, Row::fmin))
            start = *fmin * 0.1;
        marks.push_back({MarkKind::previous, MarkShape::horizontal, x_at_frequency(start),
                         y_at_height(*hF), 40, std::string(caption(Row::hF))});
    }
    return marks;
}

} // namespace scalvo
