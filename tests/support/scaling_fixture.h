#pragma once
// A scaling form with the program's shared state and a scripted operator: what the commands of
// the sheet work on.
#include "common/shared_state.h"
#include "scaling/scaling_form.h"
#include "scaling/sheet_layout.h"
#include "support/fake_dialogs.h"

#include <gtest/gtest.h>

namespace scalvo::testing {

class ScalingTest : public ::testing::Test {
  protected:
    // The state the selection command leaves: the row's letter boxes open, every other letter
    // box and the Es types box locked, the focus in the row's descriptive letter.
    void select(std::string_view key) {
        form.selected_characteristic = std::string(key);
        for (const SheetRow& row : sheet_rows) {
            if (row.key == "tipoEs") {
                form.box(row.value_box).locked = key != "tipoEs";
                continue;
            }
            form.box(row.qualifying_box).locked = row.key != key;
            form.box(row.descriptive_box).locked = row.key != key;
        }
        form.focus = key == "tipoEs" ? "Text7" : std::string(sheet_row(key).descriptive_box);
        form.focus_lost.clear();
    }

    ScalingForm form;
    SharedState shared;
    FakeDialogs dialogs;
    Scaling scaling{form, shared, dialogs};
};

} // namespace scalvo::testing
