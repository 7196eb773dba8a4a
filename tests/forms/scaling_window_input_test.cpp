// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse and the keys on the real scaling window, through the window system as the operator
// uses them: one click runs its command once, a double click counts as one click, only a press
// on the form's own surface reaches the form's mouse-down, and the MUF(3000) step keys are the
// digit row's keys wherever they stand on the layout.
#include "forms/scaling_window.h"

#include "forms/plot_surface.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "support/scaling_window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

enum class Press { click, double_click };

// The scaling form of 07:45 with an ionogram on screen; foF2 is selected by the load.
class ScalingInputTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start(7, 45);
        shared.current_record_number = 32;
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        testing::write_bytes(shared.ionogram_folder / "ZE20R_2026339074500.rdf",
                             testing::daytime_ionogram());
        open();
        ASSERT_TRUE(shared.ionogram_loaded);
        surface = window->findChild<PlotSurface*>(QStringLiteral("immagine_surface"));
    }
    QWidget* control(const char* name) {
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Where the widget's middle lies in the window.
    QPoint middle_of(QWidget* widget) {
        return widget->mapTo(window.get(), widget->rect().center());
    }
    QPoint plot_point(int x, int y) {
        return surface->mapTo(window.get(), QPoint(x - surface_left, 670 - y));
    }
    void press(Press how, Qt::MouseButton button, QPoint at) {
        if (how == Press::click)
            QTest::mouseClick(window->windowHandle(), button, {}, at);
        else
            QTest::mouseDClick(window->windowHandle(), button, {}, at);
    }
    std::map<Box, std::string> sheet() const {
        std::map<Box, std::string> texts;
        for (const Box box : sheet_boxes)
            texts[box] = window->form().text(box);
        return texts;
    }

    static constexpr int surface_left = -220;
    PlotSurface* surface = nullptr;
};

// foF2 picked at 8.0 MHz on the row of 299.25 km, then MUF(3000)F2 opened: 29.4 MHz and
// M(3000)F2 368, however the row is chosen. Each further opening would add 0.1 MHz.
TEST_F(ScalingInputTest, ChoosingTheMufRowOpensTheToolOnce) {
    const struct {
        const char* control;
        Press how;
    } ways[] = {
        {"MUF3000F2", Press::click},
        {"lettera_descrittiva_muf3000f2", Press::click},
        {"lettera_qualificativa_muf3000f2", Press::click},
        {"MUF3000F2", Press::double_click},
        {"lettera_descrittiva_muf3000f2", Press::double_click},
        {"lettera_qualificativa_muf3000f2", Press::double_click},
    };
    for (const auto& way : ways) {
        window->controller().label_click(Row::foF2);
        window->form().set_text(testing::sheet_box("Text15"), "");
        window->form().set_text(testing::sheet_box("Text16"), "");
        window->sync();
        press(Press::click, Qt::LeftButton, plot_point(284, 190));
        ASSERT_EQ(window->form().text(testing::sheet_box("Text13")), "80") << way.control;
        press(way.how, Qt::LeftButton, middle_of(control(way.control)));
        const bool twice = way.how == Press::double_click;
        EXPECT_EQ(window->form().selected_characteristic, Row::MUF3000F2) << way.control << twice;
        EXPECT_EQ(window->form().text(testing::sheet_box("Text15")), "294") << way.control << twice;
        EXPECT_EQ(window->form().text(testing::sheet_box("Text16")), "368") << way.control << twice;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

// A right press on the form's surface applies "Nighttime Es missing" (foE is empty); on any
// control it does nothing at all.
TEST_F(ScalingInputTest, OnlyThePlotAndItsMarginsTakeTheRightButton) {
    const struct {
        const char* control; // nullptr: the margin below the sheet-check frame
        bool applies;
    } places[] = {
        {"foE", false},
        {"MUF3000F2", false},
        {"Label3", false},
        {"Label5", false},
        {"successivo", false},
        {"Option1", false},
        {"Option2", false},
        {"Frame1", false},
        {"show_next_ionogram", false},
        {"Text13", false},
        {"lettera_descrittiva_fof2", false},
        {nullptr, true},
    };
    for (const auto& place : places) {
        window->controller().menu_click(CaseCommand::delete_case);
        window->form().set_text(testing::sheet_box("Text1"), "15");
        window->sync();
        dialogs.clear();
        const auto before = sheet();
        const QPoint at = place.control ? middle_of(control(place.control)) : plot_point(-210, -30);
        ASSERT_EQ(place.control == nullptr,
                  surface->childAt(surface->mapFrom(window.get(), at)) == nullptr);
        press(Press::click, Qt::RightButton, at);
        const char* name = place.control ? place.control : "margin";
        EXPECT_TRUE(dialogs.shown.empty()) << name;
        if (place.applies) {
            EXPECT_EQ(window->form().label11, "Particular Case: Nighttime Es missing") << name;
            EXPECT_EQ(window->form().text(testing::sheet_box("Text4")), "15") << name;
        } else {
            EXPECT_EQ(window->form().label11, "") << name;
            EXPECT_EQ(sheet(), before) << name;
        }
    }
}

// The second press of a double click is no second mouse-down: no refusal after the case, no
// second question after a doubtful height.
TEST_F(ScalingInputTest, ADoubleClickOnThePlotIsOnePress) {
    window->form().set_text(testing::sheet_box("Text1"), "15");
    window->sync();
    press(Press::double_click, Qt::RightButton, plot_point(400, 300));
    EXPECT_EQ(window->form().label11, "Particular Case: Nighttime Es missing");
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().text;

    window->controller().label_click(Row::hF);
    window->sync();
    dialogs.answers = {answer_yes, answer_yes};
    press(Press::double_click, Qt::LeftButton, plot_point(300, 281));
    EXPECT_EQ(window->form().text(testing::sheet_box("Text8")), "402");
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

// The MUF(3000) step keys by their place on the keyboard: Shift does not change them, nor does
// a layout whose digit row types other characters; only Ctrl alone makes 2.0 MHz of a tenth.
TEST_F(ScalingInputTest, MufStepKeysAreTheDigitRowOnAnyLayout) {
    press(Press::click, Qt::LeftButton, plot_point(284, 190));
    press(Press::click, Qt::LeftButton, middle_of(control("MUF3000F2")));
    ASSERT_EQ(window->form().text(testing::sheet_box("Text15")), "294");
    const struct {
        const char* layout;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        quint32 scan_code; // X11 key code
        QString text;
        int step;
    } keys[] = {
        {"US 3", Qt::Key_3, Qt::NoModifier, 12, "3", -1},
        {"US Shift+3", Qt::Key_NumberSign, Qt::ShiftModifier, 12, "#", -1},
        {"US Shift+4", Qt::Key_Dollar, Qt::ShiftModifier, 13, "$", +1},
        {"US Shift+1", Qt::Key_Exclam, Qt::ShiftModifier, 10, "!", -20},
        {"US Shift+2", Qt::Key_At, Qt::ShiftModifier, 11, "@", +20},
        {"French 1", Qt::Key_Ampersand, Qt::NoModifier, 10, "&", -20},
        {"French 2", Qt::Key_Eacute, Qt::NoModifier, 11, QString(QChar(0xe9)), +20},
        {"French 3", Qt::Key_QuoteDbl, Qt::NoModifier, 12, "\"", -1},
        {"French 4", Qt::Key_Apostrophe, Qt::NoModifier, 13, "'", +1},
        {"Czech 1", Qt::Key_Plus, Qt::NoModifier, 10, "+", -20},
        {"Ctrl+3", Qt::Key_3, Qt::ControlModifier, 12, {}, -20},
        {"Ctrl+Shift+3", Qt::Key_NumberSign, Qt::ControlModifier | Qt::ShiftModifier, 12, {}, -1},
        {"keypad 3", Qt::Key_3, Qt::KeypadModifier, 89, "3", 0},
        {"keypad 2", Qt::Key_2, Qt::KeypadModifier, 88, "2", 0},
    };
    for (const auto& k : keys) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << k.layout;
        ASSERT_EQ(focus->objectName(), "lettera_descrittiva_muf3000f2") << k.layout;
        const int before = std::stoi(window->form().text(testing::sheet_box("Text15")));
        QKeyEvent down(QEvent::KeyPress, k.key, k.modifiers, k.scan_code, 0, 0, k.text);
        QApplication::sendEvent(focus, &down);
        QKeyEvent up(QEvent::KeyRelease, k.key, k.modifiers, k.scan_code, 0, 0, k.text);
        QApplication::sendEvent(focus, &up);
        EXPECT_EQ(std::stoi(window->form().text(testing::sheet_box("Text15"))), before + k.step)
            << k.layout;
        EXPECT_EQ(window->form().text(testing::sheet_box("lettera_descrittiva_muf3000f2")), "")
            << k.layout;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace scalvo
