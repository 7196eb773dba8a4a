// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/accept_proposals.h"

#include "common/conversions.h"
#include "common/shared_state.h"
#include "scaling/muf_tool.h"
#include "scaling/picking.h"
#include "scaling/proposed_values.h"
#include "scaling/selection.h"

#include <optional>
#include <vector>

namespace scalvo {

namespace {

// The rows accepting fills: empty, with a proposal, and taken by a pick or the tool.
std::vector<Row> rows_to_fill(const ScalingForm& form) {
    std::vector<Row> rows;
    for (const Row row : all_rows)
        if (form.proposals[index_of(row)] && form.empty(value_box(row)) && proposed_code(form, row))
            rows.push_back(row);
    return rows;
}

// The tool's step keys, as the operator presses them: 2.0 MHz while that far away, then
// 0.1 MHz. Where the tool holds the curve back (the critical frequency, its limits), the
// operator stops there.
void step_muf_to(Scaling& scaling, int target, const std::function<void()>& after_command) {
    ScalingForm& form = scaling.form;
    while (form.muf_code != target) {
        const int distance = target - form.muf_code;
        const int step = distance >= 20 ? 20 : distance <= -20 ? -20 : distance > 0 ? 1 : -1;
        const int key = step == 20 ? 50 : step == -20 ? 49 : step == 1 ? 40 : 38;
        const int expected = form.muf_code + step;
        muf_step(scaling, key, 0);
        after_command();
        if (form.muf_code != expected)
            return;
    }
}

void fill(Scaling& scaling, Row row, const std::function<void()>& after_command) {
    ScalingForm& form = scaling.form;
    // Read before the selection: the proposal's code is the target of the tool's steps.
    const std::optional<std::string> code = proposed_code(form, row);
    const ProposedPoint point = *form.proposals[index_of(row)];
    select_characteristic(scaling, row);
    after_command();
    if (is_muf3000(row)) {
        // Opened with the critical frequency present, the tool has written its first value.
        if (code)
            step_muf_to(scaling, static_cast<int>(numeric_value(*code)), after_command);
        return;
    }
    pick_on_plot(scaling, static_cast<float>(point.x), static_cast<float>(point.y));
    after_command();
}

// By day the E layer is there: the sounding shows it, or the sounding before had it.
bool daytime(const ScalingForm& form) {
    return form.proposals[index_of(Row::foE)] || form.proposals[index_of(Row::hE)] ||
           !form.empty(previous_box(Row::foE));
}

// Absent as the sheet check sees it: neither a value nor a descriptive letter.
bool absent(const ScalingForm& form, Row row) {
    return form.empty(value_box(row)) && form.empty(descriptive_box(row));
}

// What a clean sounding reports: the rows the sheet check asks for, and the E layer by day.
Row next_selection(const ScalingForm& form) {
    const bool day = daytime(form);
    for (const Row row :
         {Row::fmin, Row::hE, Row::foE, Row::fbEs, Row::hF, Row::foF2, Row::fxI, Row::MUF3000F2}) {
        if ((row == Row::hE || row == Row::foE) && !day)
            continue;
        if (absent(form, row))
            return row;
    }
    return Row::foF2;
}

} // namespace

void accept_proposals(Scaling& scaling, const std::function<void()>& after_command) {
    ScalingForm& form = scaling.form;
    if (!scaling.shared.ionogram_loaded || form.particular_case_code != ParticularCase::none)
        return;
    const std::vector<Row> rows = rows_to_fill(form);
    if (rows.empty())
        return;
    for (const Row row : rows)
        // A warning answered No, or an earlier row's letter rule, may have changed the sheet:
        // each row is looked at again when its turn comes.
        if (form.empty(value_box(row)))
            fill(scaling, row, after_command);
    select_characteristic(scaling, next_selection(form));
    after_command();
}

} // namespace scalvo
