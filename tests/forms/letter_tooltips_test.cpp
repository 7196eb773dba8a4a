// SPDX-License-Identifier: GPL-3.0-or-later
// Every letter box explains its letters: the tooltip lists exactly what its filter accepts.
#include "forms/scaling_window.h"

#include "support/scaling_fixture.h"
#include "support/scaling_window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class LetterTooltipsTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override { show_unloaded(); }
    QLineEdit* box(Box sheet_box) { return child<QLineEdit>(control_name(sheet_box)); }
    // The letters of the tooltip's "X: meaning" lines.
    static QString listed_letters(const QString& tooltip) {
        QString letters;
        static const QRegularExpression line(QStringLiteral("^([A-Z]): \\S"),
                                             QRegularExpression::MultilineOption);
        for (auto match = line.globalMatch(tooltip); match.hasNext();)
            letters += match.next().captured(1);
        return letters;
    }
    // Each letter A to Z typed into the empty box of the selected row: those it keeps.
    QString accepted_letters(Box sheet_box) {
        QString letters;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            window->form().set_text(sheet_box, "");
            window->form().focus = sheet_box;
            window->sync();
            QTest::keyClick(box(sheet_box), static_cast<Qt::Key>(Qt::Key_A + (letter - 'A')));
            if (window->form().text(sheet_box) == std::string(1, letter))
                letters += QLatin1Char(letter);
        }
        return letters;
    }
};

TEST_F(LetterTooltipsTest, EveryLetterBoxListsExactlyTheLettersItsFilterAccepts) {
    for (const Row row : all_rows) {
        if (row == Row::es_types)
            continue;
        for (const Box sheet_box : {qualifying_box(row), descriptive_box(row)}) {
            const QString tooltip = box(sheet_box)->toolTip();
            EXPECT_TRUE(tooltip.startsWith(QString::fromLatin1(caption(row)) + ": "))
                << sheet_box << ": " << tooltip.toStdString();
            if (is_m3000(row)) {
                EXPECT_EQ(listed_letters(tooltip), QString()) << sheet_box;
                continue;
            }
            QTest::mouseClick(child<QLabel>(control_name(RowLabel{row})), Qt::LeftButton);
            ASSERT_EQ(window->form().selected_characteristic, row);
            dialogs.clear();
            EXPECT_EQ(listed_letters(tooltip), accepted_letters(sheet_box))
                << sheet_box << ": " << tooltip.toStdString();
            // The refusal messages are as they always were.
            for (const auto& shown : dialogs.shown)
                EXPECT_TRUE(shown.text == "This is not a qualificative letter!" ||
                            shown.text == "This is not a descriptive letter!")
                    << shown.text;
        }
    }
}

TEST_F(LetterTooltipsTest, TheComputedFactorsSayWhoseLettersTheyFollow) {
    const struct {
        Box sheet_box;
        const char* follows;
    } cases[] = {
        {qualifying_box(Row::M3000F1), "foF1 and MUF(3000)F1"},
        {descriptive_box(Row::M3000F1), "foF1 and MUF(3000)F1"},
        {qualifying_box(Row::M3000F2), "foF2 and MUF(3000)F2"},
        {descriptive_box(Row::M3000F2), "foF2 and MUF(3000)F2"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(box(c.sheet_box)->toolTip().contains(QString::fromLatin1(c.follows)))
            << c.sheet_box;
}

TEST_F(LetterTooltipsTest, RowLabelsNameTheirCharacteristicInFull) {
    EXPECT_EQ(child<QLabel>("foF2")->toolTip(),
              QStringLiteral("foF2: ordinary-wave critical frequency of the F2 layer"));
    for (const Row row : all_rows)
        EXPECT_TRUE(child<QLabel>(control_name(RowLabel{row}))
                        ->toolTip()
                        .startsWith(QString::fromLatin1(caption(row)) + ": "))
            << row;
    EXPECT_TRUE(box(value_box(Row::foF2))->toolTip().isEmpty());
}

} // namespace
} // namespace scalvo
