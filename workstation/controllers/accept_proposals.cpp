// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/accept_proposals.h"

#include "common/conversions.h"
#include "common/dialogs.h"
#include "common/shared_state.h"
#include "common/text_box.h"
#include "entry/letters.h"
#include "scaling/muf_tool.h"
#include "scaling/picking.h"
#include "scaling/proposed_values.h"
#include "scaling/selection.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace scalvo {

namespace {

// What the sheet held before F11: no command of F11 may change it.
class OperatorsBoxes {
  public:
    explicit OperatorsBoxes(const ScalingForm& form) {
        for (const Box box : sheet_boxes)
            if (box.field != Field::previous && !form.empty(box))
                kept_.emplace_back(box, form.text(box));
    }
    // Puts back what a letter rule or a warning of F11's commands changed.
    void restore(ScalingForm& form) const {
        for (const auto& [box, text] : kept_)
            if (form.text(box) != text)
                form.set_text(box, text);
    }
    bool unchanged(const ScalingForm& form) const {
        for (const auto& [box, text] : kept_)
            if (form.text(box) != text)
                return false;
        return true;
    }

  private:
    std::vector<std::pair<Box, std::string>> kept_;
};

// The operator's message boxes, each shown over the sheet as it stands.
class RefreshingDialogs final : public Dialogs {
  public:
    RefreshingDialogs(Dialogs& dialogs, std::function<void()> before)
        : dialogs_(dialogs), before_(std::move(before)) {}
    void message(const std::string& text, const std::string& title,
                 bool information_icon) override {
        before_();
        dialogs_.message(text, title, information_icon);
    }
    int ask_yes_no(const std::string& text, const std::string& title) override {
        before_();
        return dialogs_.ask_yes_no(text, title);
    }
    void beep() override { dialogs_.beep(); }

  private:
    Dialogs& dialogs_;
    std::function<void()> before_;
};

// A trial run sees whether a command would say anything.
class SilentDialogs final : public Dialogs {
  public:
    void message(const std::string&, const std::string&, bool) override { ++shown; }
    int ask_yes_no(const std::string&, const std::string&) override {
        ++shown;
        return answer_no;
    }
    void beep() override {}
    int shown = 0;
};

// The rows accepting fills: nothing of the operator's, with a proposal, and taken by a pick or
// the tool.
std::vector<Row> rows_to_fill(const ScalingForm& form) {
    std::vector<Row> rows;
    for (const Row row : all_rows)
        if (form.proposals[index_of(row)] && !operators_row(form, row) && proposed_code(form, row))
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
    if (form.empty(value_box(row)))
        return;
    // An interpolated value's letters, typed as the operator types them, where the pick's own
    // letter rules left the boxes empty.
    for (const auto& [box, letter] : {std::pair{qualifying_box(row), point.qualifying_letter},
                                      std::pair{descriptive_box(row), point.descriptive_letter}}) {
        if (letter == 0 || !form.empty(box) || locked(form, box))
            continue;
        const int code = box.field == Field::qualifying
                             ? qualifying_letter_key_press(scaling, box, letter)
                             : descriptive_letter_key_press(scaling, box, letter);
        if (code != 0)
            type_character(form.text(box), max_length(box), false, code);
        after_command();
    }
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

constexpr Row sporadic_e_rows[] = {Row::foEs, Row::hEs, Row::fbEs, Row::es_types};

// The command on a copy of the sheet: it applies without a word and changes nothing kept.
bool applies_cleanly(const Scaling& scaling, CaseCommand command, const OperatorsBoxes& kept) {
    ScalingForm trial = scaling.form;
    SilentDialogs silent;
    Scaling trying{trial, scaling.shared, silent};
    run_case_command(trying, command);
    return silent.shown == 0 && kept.unchanged(trial);
}

// The proposed case, applied last as its menu command does, where the sheet F11 leaves still
// calls for it.
void apply_case(Scaling& scaling, CaseCommand proposed, const OperatorsBoxes& kept,
                const std::function<void()>& after_command) {
    const ScalingForm& form = scaling.form;
    if (form.particular_case_code != ParticularCase::none)
        return;
    for (const Row row : sporadic_e_rows)
        if (operators_row(form, row))
            return;
    if (es_missing_case(form) != proposed || !applies_cleanly(scaling, proposed, kept))
        return;
    run_case_command(scaling, proposed);
    after_command();
}

} // namespace

bool proposals_acceptable(const Scaling& scaling) {
    return scaling.shared.ionogram_loaded &&
           scaling.form.particular_case_code == ParticularCase::none;
}

std::optional<CaseCommand> proposed_case(const Scaling& scaling) {
    const ScalingForm& form = scaling.form;
    if (!proposals_acceptable(scaling) || !form.no_sporadic_e)
        return std::nullopt;
    for (const Row row : sporadic_e_rows)
        if (operators_row(form, row) || form.proposals[index_of(row)])
            return std::nullopt;
    // The right button's choice, on the sheet as accepting will leave it.
    const auto foE = accepted_code(form, Row::foE);
    if (foE || !form.empty(descriptive_box(Row::foE))) {
        if (!foE)
            return std::nullopt;
        return CaseCommand::daytime_es_missing;
    }
    if (!accepted_code(form, Row::fmin) || accepted_code(form, Row::hE))
        return std::nullopt;
    // By night the command writes fmin's letters too, by its descriptive letter.
    const std::string& q = form.text(qualifying_box(Row::fmin));
    const std::string& d = form.text(descriptive_box(Row::fmin));
    const bool fits = d == "E" || ((d.empty() || d == "S" || d == "B") && (q.empty() || q == "E"));
    if (!fits)
        return std::nullopt;
    return CaseCommand::nighttime_es_missing;
}

void accept_proposals(Scaling& scaling, const std::function<void()>& after_command,
                      const std::function<void()>& refresh) {
    ScalingForm& form = scaling.form;
    if (!proposals_acceptable(scaling))
        return;
    const std::vector<Row> rows = rows_to_fill(form);
    const std::optional<CaseCommand> particular_case = proposed_case(scaling);
    if (rows.empty() && !particular_case)
        return;
    const OperatorsBoxes kept(form);
    RefreshingDialogs dialogs(scaling.dialogs, [&] {
        kept.restore(form);
        refresh();
    });
    Scaling accepting{form, scaling.shared, dialogs};
    const auto after = [&] {
        kept.restore(form);
        after_command();
        kept.restore(form);
    };
    for (const Row row : rows)
        // A warning answered No, or an earlier row's letter rule, may have changed the sheet:
        // each row is looked at again when its turn comes.
        if (form.empty(value_box(row)))
            fill(accepting, row, after);
    if (particular_case)
        apply_case(accepting, *particular_case, kept, after);
    select_characteristic(accepting, next_selection(form));
    after();
}

} // namespace scalvo
