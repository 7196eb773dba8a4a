#include "entry/letters.h"

#include "common/dialogs.h"
#include "common/text_box.h"
#include "scaling/selection.h"
#include "scaling/sheet_layout.h"

#include <string>

namespace scalvo {

namespace {

// The rows whose letters the operator types: every row but Es types and the computed M(3000).
bool typed_letter_row(const SheetRow& row) {
    return row.key != "tipoEs" && row.key != "M3000F1" && row.key != "M3000F2";
}

const SheetRow* typed_row_of_qualifying_box(std::string_view box) {
    for (const SheetRow& row : sheet_rows)
        if (typed_letter_row(row) && row.qualifying_box == box)
            return &row;
    return nullptr;
}

const SheetRow* typed_row_of_descriptive_box(std::string_view box) {
    for (const SheetRow& row : sheet_rows)
        if (typed_letter_row(row) && row.descriptive_box == box)
            return &row;
    return nullptr;
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
bool common_steps(const Scaling& scaling, const SheetRow& row, std::string_view box, int& code) {
    // A locked box takes nothing: no message and no focus move for a key that cannot land.
    // Keys of a row that is not selected are dropped too, as the box ought to be locked then.
    if (scaling.form.box(box).locked || scaling.form.selected_characteristic != row.key) {
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

struct LetterGroup {
    std::string_view foF_value, foF_q, foF_d;
    std::string_view muf_value, muf_q, muf_d;
    std::string_view m_value, m_q, m_d;
};

constexpr LetterGroup group_F1{
    "Text9",  "lettera_qualificativa_fof1",      "lettera_descrittiva_fof1",
    "Text10", "lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1",
    "Text11", "lettera_qualificativa_m3000f1",   "lettera_descrittiva_m3000f1"};
constexpr LetterGroup group_F2{
    "Text13", "lettera_qualificativa_fof2",      "lettera_descrittiva_fof2",
    "Text15", "lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2",
    "Text16", "lettera_qualificativa_m3000f2",   "lettera_descrittiva_m3000f2"};

// The letters of M(3000)Fn follow those of foFn and MUF(3000)Fn. The descriptive-box version
// differs only when neither member has a descriptive letter and M(3000)Fn has no value.
void m3000_letter_rule(ScalingForm& form, const LetterGroup& g, bool descriptive_version) {
    const std::string vf = form.text(g.foF_value);
    const std::string vu = form.text(g.muf_value);
    const std::string qf = form.text(g.foF_q);
    const std::string qu = form.text(g.muf_q);
    const std::string df = form.text(g.foF_d);
    const std::string du = form.text(g.muf_d);

    if (form.empty(g.m_value)) {
        form.set_text(g.m_q, "");
        const bool muf_first = vf.empty() && !vu.empty();
        const std::string& first = muf_first ? du : df;
        const std::string& second = muf_first ? df : du;
        if (!first.empty())
            form.set_text(g.m_d, first);
        else if (!second.empty())
            form.set_text(g.m_d, second);
        else if (descriptive_version)
            form.set_text(g.m_d, "");
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
    form.set_text(g.m_q, qm);
    form.set_text(g.m_d, dm);
}

} // namespace

bool is_qualifying_letter_box(std::string_view box) {
    return typed_row_of_qualifying_box(box) != nullptr;
}

bool is_descriptive_letter_box(std::string_view box) {
    return typed_row_of_descriptive_box(box) != nullptr;
}

int qualifying_letter_key_press(Scaling& scaling, std::string_view box, int code) {
    const SheetRow* row = typed_row_of_qualifying_box(box);
    if (!row)
        return code;
    if (!common_steps(scaling, *row, box, code))
        return code;
    if (in(not_qualifying, code)) {
        scaling.dialogs.message("This is not a qualificative letter!", "Be careful!!");
        return 0;
    }
    // The letter is typed by the box after this filter; the focus goes on to the row's
    // descriptive letter.
    set_focus(scaling.form, row->descriptive_box);
    return code;
}

int descriptive_letter_key_press(Scaling& scaling, std::string_view box, int code) {
    const SheetRow* row = typed_row_of_descriptive_box(box);
    if (!row)
        return code;
    if (!common_steps(scaling, *row, box, code))
        return code;
    if (in(not_descriptive, code)) {
        scaling.dialogs.message("This is not a descriptive letter!", "Be careful!!");
        return 0;
    }
    return code;
}

void letter_box_click(Scaling& scaling, std::string_view box) {
    if (const SheetRow* row = typed_row_of_qualifying_box(box)) {
        select_characteristic(scaling, row->key);
        return;
    }
    // Selecting the row already puts the focus there; the click makes sure of it.
    if (const SheetRow* row = typed_row_of_descriptive_box(box)) {
        select_characteristic(scaling, row->key);
        set_focus(scaling.form, box);
    }
}

void letter_box_lost_focus(Scaling& scaling, std::string_view box) {
    if (box == group_F1.foF_q || box == group_F1.muf_q)
        m3000_letter_rule(scaling.form, group_F1, false);
    else if (box == group_F1.foF_d || box == group_F1.muf_d)
        m3000_letter_rule(scaling.form, group_F1, true);
    else if (box == group_F2.foF_q || box == group_F2.muf_q)
        m3000_letter_rule(scaling.form, group_F2, false);
    else if (box == group_F2.foF_d || box == group_F2.muf_d)
        m3000_letter_rule(scaling.form, group_F2, true);
}

} // namespace scalvo
