// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real scaling window over a working folder, with the program's shared state, a scripted
// operator and the companion window's controller: what the window tests share. Controls are
// looked up by their object names, as the operator's tools see them; a name the table does not
// know fails the test.
#include "common/shared_state.h"
#include "controllers/companion_controller.h"
#include "controllers/control_names.h"
#include "forms/scaling_window.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <QString>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace scalvo::testing {

// The sheet box of a control name.
inline Box sheet_box(std::string_view name) {
    const auto control = control_named(name);
    if (!control || !std::holds_alternative<Box>(*control))
        throw std::invalid_argument("no sheet box " + std::string(name));
    return std::get<Box>(*control);
}

class ScalingWindowFixture : public ::testing::Test {
  protected:
    // The day of 05-12-2026 at 15 minutes in a fresh folder, at hour:minute.
    void start(int hour = 0, int minute = 0) {
        start_day(shared, folder.path());
        shared.sounding_hour = static_cast<std::int16_t>(hour);
        shared.sounding_minute = static_cast<std::int16_t>(minute);
    }
    // The window built and loaded, shown on the screen.
    void open() {
        window = std::make_unique<ScalingWindow>(shared, dialogs, companion);
        window->load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // The window shown and active before any sounding is loaded.
    void show_unloaded() {
        window = std::make_unique<ScalingWindow>(shared, dialogs, companion);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->sync();
    }
    template <typename T> T* child(std::string_view name) {
        auto* widget = window->findChild<T*>(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ScalingForm& form() { return window->form(); }

    TempFolder folder;
    SharedState shared;
    FakeDialogs dialogs;
    CompanionForm companion_form;
    CompanionController companion{companion_form, shared, dialogs};
    std::unique_ptr<ScalingWindow> window;
};

} // namespace scalvo::testing
