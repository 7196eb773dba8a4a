// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scaling form with the program's shared state and a scripted operator: what the commands of
// the sheet work on.
#include "common/shared_state.h"
#include "scaling/scaling_form.h"
#include "support/fake_dialogs.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace scalvo {

// Rows and boxes in test messages.
inline std::ostream& operator<<(std::ostream& out, Row row) {
    return out << caption(row);
}
inline std::ostream& operator<<(std::ostream& out, Box box) {
    static constexpr const char* fields[] = {"value", "qualifying", "descriptive", "previous"};
    return out << caption(box.row) << ' ' << fields[static_cast<int>(box.field)];
}
inline std::ostream& operator<<(std::ostream& out, std::optional<Row> row) {
    return row ? out << *row : out << "(none)";
}

} // namespace scalvo

namespace scalvo::testing {

using BoxTexts = std::map<Box, std::string>;

class ScalingTest : public ::testing::Test {
  protected:
    // The state the selection command leaves: the row selected (and with it the label and the
    // locks), the focus in the row's descriptive letter.
    void select(Row row) {
        form.selected_characteristic = row;
        form.focus = row == Row::es_types ? value_box(row) : descriptive_box(row);
        form.focus_lost.clear();
    }
    void fill(const BoxTexts& texts) {
        for (const auto& [box, text] : texts)
            form.set_text(box, text);
    }
    // Every box that is not empty.
    BoxTexts sheet() const {
        BoxTexts texts;
        for (const Box box : sheet_boxes)
            if (!form.empty(box))
                texts[box] = form.text(box);
        return texts;
    }

    ScalingForm form;
    SharedState shared;
    FakeDialogs dialogs;
    Scaling scaling{form, shared, dialogs};
};

} // namespace scalvo::testing
