// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/scaling_window.h"

#include "common/calendar.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "support/scaling_window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

// The scaling form of 07:45 on 5 December 2026, interval 15, with a quiet ionogram file (so
// that the particular-case menu is enabled); record 31 (07:30) holds a scaled sheet.
class ScalingSheetTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        shared.program_folder = folder.path();
        shared.ionogram_folder = folder / "ionograms";
        std::filesystem::create_directory(shared.ionogram_folder);
        fill_hour_texts(shared);
        shared.working_date = "05-12-2026";
        shared.working_year = "2026";
        shared.day_of_year_text = make_day_of_year_text(shared.working_date);
        shared.interval_text = "15";
        shared.sounding_hour = 7;
        shared.sounding_minute = 45;
        shared.current_record_number = 32;
        shared.scaled_values_file = shared.ionogram_folder / "ZE20R_05122026_15.txt";
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        std::string previous = blank_record();
        previous.replace(0, 5, "07:30");
        previous.replace(165, 5, " 72UA"); // foF2
        ASSERT_FALSE(write_record_at(shared.scaled_values_file, 31, previous));
        testing::write_bytes(shared.ionogram_folder / make_ionogram_file_name(shared, 7, 45),
                             testing::ionogram_file(testing::ionogram_header("01.000 20.000 0.050"),
                                                    381, [](int, int) { return 0; }));

        open();
    }
    QColor text_colour(std::string_view label) {
        return child<QLabel>(label)->palette().color(QPalette::WindowText);
    }
    QString focused() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
};

TEST_F(ScalingSheetTest, RowsStandAtTheirDesignPlaces) {
    const QColor blue(0, 0, 192);
    for (const Row row : all_rows) {
        const int top = 72 + 32 * static_cast<int>(index_of(row)); // 1080 + 480 k twips
        const std::string_view key = control_name(RowLabel{row});
        auto* label = child<QLabel>(key);
        EXPECT_EQ(label->text().toStdString(), caption(row));
        EXPECT_EQ(label->geometry().topLeft(), QPoint(56, top)) << key;
        EXPECT_EQ(label->palette().color(QPalette::Window), blue) << key;
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->font().family(), "Arial");
        EXPECT_EQ(label->isVisible(), true);

        const std::string_view previous_name = control_name(previous_box(row));
        auto* previous = child<QLineEdit>(previous_name);
        EXPECT_EQ(previous->geometry(), QRect(8, top, 41, 19)) << previous_name;
        EXPECT_FALSE(previous->isVisible()) << previous_name;
        const std::string_view value = control_name(value_box(row));
        if (row == Row::es_types) {
            EXPECT_EQ(child<QLineEdit>(value)->geometry(), QRect(144, top, 41, 19));
            continue;
        }
        const std::string_view qualifying = control_name(qualifying_box(row));
        const std::string_view descriptive = control_name(descriptive_box(row));
        EXPECT_EQ(child<QLineEdit>(value)->geometry(), QRect(144, top, 25, 19)) << value;
        EXPECT_EQ(child<QLineEdit>(qualifying)->geometry(), QRect(176, top, 17, 19)) << qualifying;
        EXPECT_EQ(child<QLineEdit>(descriptive)->geometry(), QRect(192, top, 17, 19))
            << descriptive;
        EXPECT_TRUE(child<QLineEdit>(value)->isReadOnly()) << value;
        EXPECT_TRUE(child<QLineEdit>(value)->isVisible()) << value;
    }
    EXPECT_EQ(child<QLabel>("Label5")->text(), "  Value");
    EXPECT_EQ(child<QLabel>("Label6")->text(), "q.l.");
    EXPECT_EQ(child<QLabel>("Label9")->text(), "d.l.");
    // The headers stand above their columns.
    EXPECT_LE(child<QLabel>("Label5")->geometry().bottom(), 72);
    EXPECT_EQ(child<QLabel>("Label6")->geometry().left(), 176);
}

// Every name of the table is a control of the window with that object name, and every box of
// the window is in the table; a box is announced by its row and field.
TEST_F(ScalingSheetTest, EveryNamedControlIsAWidgetOfItsName) {
    for (const Control& control : named_controls()) {
        const std::string_view name = control_name(control);
        if (const Box* box = std::get_if<Box>(&control)) {
            auto* edit = child<QLineEdit>(name);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->accessibleName().toStdString(), accessible_name(*box));
            EXPECT_EQ(edit->accessibleDescription().toStdString(), name);
        } else if (std::holds_alternative<CaseCommand>(control)) {
            EXPECT_NE(child<QAction>(name), nullptr);
        } else if (std::holds_alternative<CaseSubmenu>(control)) {
            EXPECT_NE(child<QMenu>(name), nullptr);
        } else {
            EXPECT_NE(child<QWidget>(name), nullptr);
        }
    }
    const auto edits = window->findChildren<QLineEdit*>();
    EXPECT_EQ(edits.size(), static_cast<qsizetype>(sheet_boxes.size()));
    for (QLineEdit* edit : edits)
        EXPECT_TRUE(control_named(edit->objectName().toStdString()).has_value())
            << edit->objectName().toStdString();
}

TEST_F(ScalingSheetTest, TheLoadSelectsFoF2AndShowsThePreviousSounding) {
    EXPECT_EQ(text_colour("foF2"), QColor(255, 0, 0));
    EXPECT_EQ(text_colour("hF"), QApplication::palette().color(QPalette::HighlightedText));
    EXPECT_EQ(focused(), "lettera_descrittiva_fof2");
    for (const Row row : all_rows) {
        const bool open = row == Row::foF2;
        if (row == Row::es_types) {
            EXPECT_TRUE(child<QLineEdit>("Text7")->isReadOnly());
            continue;
        }
        EXPECT_EQ(child<QLineEdit>(control_name(qualifying_box(row)))->isReadOnly(), !open)
            << caption(row);
        EXPECT_EQ(child<QLineEdit>(control_name(descriptive_box(row)))->isReadOnly(), !open)
            << caption(row);
    }
    EXPECT_EQ(child<QLineEdit>("Text47")->text(), "72UA");
    EXPECT_EQ(child<QLineEdit>("Text13")->text(), "");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ScalingSheetTest, AClickedLabelTurnsRedAndItsLetterGetsTheFocus) {
    QTest::mouseClick(child<QLabel>("foE"), Qt::LeftButton);
    EXPECT_EQ(text_colour("foE"), QColor(255, 0, 0));
    EXPECT_EQ(text_colour("foF2"), QApplication::palette().color(QPalette::HighlightedText));
    EXPECT_EQ(focused(), "Text34");
    EXPECT_FALSE(child<QLineEdit>("Text34")->isReadOnly());
    EXPECT_TRUE(child<QLineEdit>("lettera_descrittiva_fof2")->isReadOnly());

    QTest::mouseClick(child<QLabel>("tipoEs"), Qt::LeftButton);
    EXPECT_EQ(focused(), "Text7");
    EXPECT_FALSE(child<QLineEdit>("Text7")->isReadOnly());

    // M(3000) is only computed: its label is no command.
    QTest::mouseClick(child<QLabel>("M3000F2"), Qt::LeftButton);
    EXPECT_EQ(text_colour("M3000F2"), QApplication::palette().color(QPalette::HighlightedText));
    EXPECT_EQ(window->form().selected_characteristic, Row::es_types);
}

TEST_F(ScalingSheetTest, TheMenuCarriesTheParticularCases) {
    QMenuBar* bar = window->menuBar();
    QStringList top;
    for (QAction* action : bar->actions())
        top << action->text();
    EXPECT_EQ(top, (QStringList{"Daytime Es missing (F5)", "Nighttime Es missing(F6)",
                                "&Daytime Es blanketing ", "&Nighttime Es blanketing ",
                                "Partial absorption (F7)", "DELETE PARTICULAR CASE (F8)",
                                "NO IONOGRAM (F9)", "&File", "&Edit", "&View", "&Help"}));
    for (const char* prefix : {"giorno", "notte"}) {
        const std::string day(prefix);
        auto* blanketing =
            child<QMenu>(day == "giorno" ? "es_occultante_di_giorno" : "es_occultante_di_notte");
        ASSERT_EQ(blanketing->actions().size(), 2);
        EXPECT_EQ(blanketing->actions()[0]->objectName().toStdString(),
                  day + "_singola_riflessione");
        EXPECT_EQ(blanketing->actions()[0]->text(), "single reflection");
        EXPECT_EQ(blanketing->actions()[1]->text(), "multiple reflections");
        auto* multiple = child<QMenu>(day + "_doppia_riflessione");
        ASSERT_EQ(multiple->actions().size(), 2);
        EXPECT_EQ(multiple->actions()[0]->objectName().toStdString(),
                  day + "_doppia_riflessione_magfoEs");
        EXPECT_EQ(multiple->actions()[0]->text(), "Case a) (second reflection>=foEs)");
        EXPECT_EQ(multiple->actions()[1]->objectName().toStdString(),
                  day + "_doppia_riflessione_minfoEs");
        EXPECT_EQ(multiple->actions()[1]->text(), "Case b) (second reflection<foEs)");
    }
}

TEST_F(ScalingSheetTest, ACaseFromTheMenuFillsItsLettersAndCaption) {
    window->form().set_text(testing::sheet_box("Text1"), "15");
    window->sync();
    child<QAction>("mancanza_es_di_notte_principale")->trigger();
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), "15");
    EXPECT_EQ(child<QLineEdit>("Text20")->text(), "E");
    EXPECT_EQ(child<QLineEdit>("Text35")->text(), "S");
    EXPECT_EQ(child<QLineEdit>("Text36")->text(), "S");
    EXPECT_EQ(child<QLabel>("Label11")->text(), "Particular Case: Nighttime Es missing");
    EXPECT_EQ(text_colour("hF"), QColor(255, 0, 0));
    EXPECT_EQ(focused(), "Text38");

    child<QAction>("annulla_caso_particolare")->trigger();
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), "");
    EXPECT_EQ(child<QLabel>("Label11")->text(), "");

    child<QAction>("giorno_singola_riflessione")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().text,
              "There aren't the right conditions to apply this particular case");
}

TEST_F(ScalingSheetTest, AFourDigitFactorStaysWholeInItsBox) {
    window->form().set_text(testing::sheet_box("Text16"), "1000");
    window->sync();
    auto* box = child<QLineEdit>("Text16");
    EXPECT_EQ(box->text(), "1000");
    const QFontMetrics metrics(box->font());
    EXPECT_LE(metrics.horizontalAdvance("1000"), box->width() - 4);
    // Three digits keep the sheet's font.
    window->form().set_text(testing::sheet_box("Text16"), "351");
    window->sync();
    EXPECT_GT(QFontMetrics(box->font()).horizontalAdvance("1000"), box->width() - 4);
}

} // namespace
} // namespace scalvo
