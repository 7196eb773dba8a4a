// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/parameters_window.h"

#include "common/shared_state.h"
#include "forms/qt_dialogs.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

using testing::FakeDialogs;
using testing::TempFolder;

class ParametersWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(folder / "ionograms");
        testing::write_bytes(folder / "setting.txt", "05-12-2026\r\n07\r\n45\r\n15\r\n32\r\n");
        ASSERT_TRUE(window.load(folder.path()));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    template <typename T> T* child(const char* name) {
        auto* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TempFolder folder;
    SharedState shared;
    FakeDialogs dialogs;
    ParametersWindow window{shared, dialogs};
};

TEST_F(ParametersWindowTest, ControlsStandAtTheirDesignPlaces) {
    const struct {
        const char* name;
        QRect place;
    } controls[] = {
        {"Label1", {632, 40, 153, 17}},  {"giorno", {672, 72, 65, 19}},
        {"Label6", {624, 136, 169, 25}}, {"hour", {672, 168, 65, 21}},
        {"Label9", {608, 232, 193, 25}}, {"minutes", {672, 264, 65, 21}},
        {"Label3", {584, 328, 249, 41}}, {"incremento", {680, 376, 41, 21}},
        {"Label5", {560, 440, 337, 41}},
    };
    for (const auto& c : controls)
        EXPECT_EQ(child<QWidget>(c.name)->geometry(), c.place) << c.name;
    EXPECT_EQ(window.windowTitle(),
              "SCALVO - Parameters Setting - Ionograms Scaling - DORVIK Ionosonde");
    EXPECT_EQ(child<QLabel>("Label3")->text(),
              "Difference in minutes between       two consecutive ionograms");
    EXPECT_EQ(child<QLineEdit>("giorno")->text(), "05-12-2026");
    EXPECT_EQ(child<QComboBox>("minutes")->currentText(), "45");
    EXPECT_EQ(child<QComboBox>("incremento")->count(), 5);
    // Accessibility tools announce each control by what it means (a label by its text) and
    // find it by its control name, the description.
    const struct {
        const char* name;
        const char* announced;
    } announced_controls[] = {
        {"giorno", "Date (dd-mm-yyyy)"},
        {"hour", "Hour of the sounding"},
        {"minutes", "Minutes of the sounding"},
        {"incremento", "Difference in minutes between       two consecutive ionograms"},
        {"Label1", "Date (dd-mm-yyyy)"},
        {"Label5", "START THE SCALING OF THE IONOGRAMS"},
    };
    for (const auto& c : announced_controls) {
        QWidget* widget = child<QWidget>(c.name);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << c.name;
        // A list is announced with its current item as its name, and the label standing for it.
        QStringList announced{accessible->text(QAccessible::Name)};
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            announced << label->text(QAccessible::Name);
        EXPECT_TRUE(announced.contains(QString::fromLatin1(c.announced)))
            << c.name << ": " << announced.join(", ").toStdString();
        EXPECT_EQ(widget->accessibleDescription(), c.name);
    }
}

TEST_F(ParametersWindowTest, TypingInTheDateBoxGoesThroughItsFilter) {
    auto* giorno = child<QLineEdit>("giorno");
    giorno->setFocus();
    giorno->selectAll();
    QTest::keyClicks(giorno, "06a-12/-2026");
    EXPECT_EQ(giorno->text(), "06-12-2026");
    EXPECT_EQ(window.form().giorno.text, "06-12-2026");
    QTest::keyClick(giorno, Qt::Key_Backspace);
    EXPECT_EQ(window.form().giorno.text, "06-12-202");
}

TEST_F(ParametersWindowTest, EnterWithTheFocusAnywhereStarts) {
    bool started = false;
    QObject::connect(&window, &ParametersWindow::started, [&] { started = true; });
    auto* hour = child<QComboBox>("hour");
    hour->setFocus();
    QTest::keyClick(hour, Qt::Key_Return);
    EXPECT_TRUE(started);
    EXPECT_TRUE(std::filesystem::exists(folder / "ionograms" / "ZE20R_05122026_15.txt"));
}

} // namespace
} // namespace scalvo
