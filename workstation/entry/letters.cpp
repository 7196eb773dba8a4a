// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/letters.h"

#include "common/dialogs.h"
#include "common/text_box.h"
#include "scaling/selection.h"

#include <string>
#include <string_view>

namespace scalvo {

namespace {

// The rows whose letters the operator types: every row but Es types and the computed M(3000).
bool typed_letter_row(Row row) {
    return row != Row::es_types && !is_m3000(row);
}

constexpr std::string_view not_qualifying = "BCFGHKLNPQRSVWXY";
constexpr std::string_view not_descriptive = "IJU";

bool is_letter(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

bool in(std::string_view letters, int code) {
    return letters.find(static_cast<char>(code)) != std::string_view::npos;
}

// Steps shared by both filters. Returns false when the key is settled (code holds the result):
// a box that cannot take it, or a character that is neither a letter nor backspace. Otherwise
// code is upper-cased and the alphabet test follows.
bool common_steps(const Scaling& scaling, Box box, int& code) {
    // A locked box takes nothing: no message and no focus move for a key that cannot land.
    // A letter box is locked unless its row is selected.
    if (locked(scaling.form, box)) {
        code = 0;
        return false;
    }
    if (code == key_backspace)
        return false;
    if (!is_letter(code)) {
        code = 0;
        return false;
    }
    if (code >= 'a')
        code -= 32;
    return true;
}

// The foFn, MUF(3000)Fn and M(3000)Fn rows of a layer.
struct LetterGroup {
    Row foF;
    Row muf;
    Row m;
};

constexpr LetterGroup group_F1{Row::foF1, Row::MUF3000F1, Row::M3000F1};
constexpr LetterGroup group_F2{Row::foF2, Row::MUF3000F2, Row::M3000F2};

bool is_letter_of(Box box, Row row) {
    return box.row == row && (box.field == Field::qualifying || box.field == Field::descriptive);
}

// The letters of M(3000)Fn follow those of foFn and MUF(3000)Fn. The descriptive-box version
// differs only when neither member has a descriptive letter and M(3000)Fn has no value.
void m3000_letter_rule(ScalingForm& form, const LetterGroup& g, bool descriptive_version) {
    const std::string vf = form.text(value_box(g.foF));
    const std::string vu = form.text(value_box(g.muf));
    const std::string qf = form.text(qualifying_box(g.foF));
    const std::string qu = form.text(qualifying_box(g.muf));
    const std::string df = form.text(descriptive_box(g.foF));
    const std::string du = form.text(descriptive_box(g.muf));
    const Box m_q = qualifying_box(g.m);
    const Box m_d = descriptive_box(g.m);

    if (form.empty(value_box(g.m))) {
        form.set_text(m_q, "");
        const bool muf_first = vf.empty() && !vu.empty();
        const std::string& first = muf_first ? du : df;
        const std::string& second = muf_first ? df : du;
        if (!first.empty())
            form.set_text(m_d, first);
        else if (!second.empty())
            form.set_text(m_d, second);
        else if (descriptive_version)
            form.set_text(m_d, "");
        return;
    }

    std::string qm;
    std::string dm;
    if (df.empty() && du.empty()) {
        qm = qf.empty() ? qu : qf;
    } else if (df.empty()) {
        qm = qu;
        dm = du;
    } else if (!du.empty() && du != df) {
        dm = df;
    } else {
        if (qf.empty())
            qm = qu;
        else if (qu == qf || qu.empty())
            qm = qf;
        dm = df;
    }
    form.set_text(m_q, qm);
    form.set_text(m_d, dm);
}

} // namespace

bool is_qualifying_letter_box(Box box) {
    return box.field == Field::qualifying && typed_letter_row(box.row);
}

bool is_descriptive_letter_box(Box box) {
    return box.field == Field::descriptive && typed_letter_row(box.row);
}

int qualifying_letter_key_press(Scaling& scaling, Box box, int code) {
    if (!is_qualifying_letter_box(box))
        return code;
    if (!common_steps(scaling, box, code))
        return code;
    if (in(not_qualifying, code)) {
        scaling.dialogs.message("This is not a qualificative letter!", "Be careful!!");
        return 0;
    }
    // The letter is typed by the box after this filter; the focus goes on to the row's
    // descriptive letter.
    set_focus(scaling.form, descriptive_box(box.row));
    return code;
}

int descriptive_letter_key_press(Scaling& scaling, Box box, int code) {
    if (!is_descriptive_letter_box(box))
        return code;
    if (!common_steps(scaling, box, code))
        return code;
    if (in(not_descriptive, code)) {
        scaling.dialogs.message("This is not a descriptive letter!", "Be careful!!");
        return 0;
    }
    return code;
}

void letter_box_click(Scaling& scaling, Box box) {
    if (is_qualifying_letter_box(box)) {
        select_characteristic(scaling, box.row);
        return;
    }
    // Selecting the row already puts the focus there; the click makes sure of it.
    if (is_descriptive_letter_box(box)) {
        select_characteristic(scaling, box.row);
        set_focus(scaling.form, box);
    }
}

void letter_box_lost_focus(Scaling& scaling, Box box) {
    for (const LetterGroup& group : {group_F1, group_F2})
        if (is_letter_of(box, group.foF) || is_letter_of(box, group.muf))
            m3000_letter_rule(scaling.form, group, box.field == Field::descriptive);
}

} // namespace scalvo
