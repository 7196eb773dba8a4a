// SPDX-License-Identifier: GPL-3.0-or-later
// The proposals on the real scaling window, over a generated December day: grey codes in the
// empty boxes, marks on the plot, F11 doing what the operator's own clicks and keys do, and the
// View menu taking everything away again.
#include "forms/scaling_window.h"

#include "forms/plot_surface.h"
#include "records/record_file.h"
#include "scaling/marks.h"
#include "scaling/proposed_values.h"
#include "support/scaling_fixture.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

namespace scalvo {
namespace {

using Sheet = std::map<Box, std::string>;

class ProposalsWindowTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        QSettings().remove(QStringLiteral("view"));
        start(11, 45);
        shared.current_record_number = 48;
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        const std::filesystem::path day = SCALVO_PROPOSALS_DAY "/ionograms";
        for (const char* name : {"ZE20R_2026339114500.rdf", "ZE20R_2026339120000.rdf"})
            std::filesystem::copy_file(day / name, shared.ionogram_folder / name);
    }
    void TearDown() override { QSettings().remove(QStringLiteral("view")); }

    void open() {
        ScalingWindowFixture::open();
        ASSERT_TRUE(shared.ionogram_loaded);
        surface = child<PlotSurface>("immagine_surface");
    }
    QLineEdit* box(Box sheet_box) { return child<QLineEdit>(std::string(control_name(sheet_box))); }
    Sheet sheet() const {
        Sheet texts;
        for (const Box b : sheet_boxes)
            if (b.field != Field::previous)
                texts[b] = window->form().text(b);
        return texts;
    }
    // What the window shows as grey text, value box by value box.
    Sheet placeholders() {
        Sheet shown;
        for (const Row row : all_rows)
            if (const QString text = box(value_box(row))->placeholderText(); !text.isEmpty())
                shown[value_box(row)] = text.toStdString();
        return shown;
    }
    void key(Qt::Key k) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, k);
    }
    QPoint window_point(int x, int y) {
        return surface->mapTo(window.get(), QPoint(x + 220, 670 - y));
    }
    void click_plot(int x, int y) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, window_point(x, y));
    }
    void click_label(Row row) {
        QTest::mouseClick(child<QLabel>(std::string(control_name(RowLabel{row}))), Qt::LeftButton);
    }
    QImage plot_image() { return surface->grab().toImage(); }
    QColor shown_at(const QImage& image, int x, int y) {
        return image.pixelColor(x + 220, 670 - y);
    }
    void view(const char* entry) { child<QAction>(entry)->trigger(); }

    PlotSurface* surface = nullptr;
};

// A daytime sounding with an E layer and no sporadic E: the characteristics an operator reads
// show in grey, the boxes stay empty, and each proposal has its cross on the plot.
TEST_F(ProposalsWindowTest, PlaceholdersAndMarksShowOnADaytimeSounding) {
    open();
    const Sheet shown = placeholders();
    for (const Row row :
         {Row::fmin, Row::hE, Row::foE, Row::hF, Row::foF2, Row::fxI, Row::MUF3000F2, Row::M3000F2})
        EXPECT_TRUE(shown.contains(value_box(row))) << row;
    for (const Row row : {Row::foEs, Row::hEs, Row::fbEs, Row::es_types, Row::MUF3000F1})
        EXPECT_FALSE(shown.contains(value_box(row))) << row;
    for (const auto& [b, text] : shown) {
        EXPECT_EQ(text, placeholder(form(), b)) << b;
        EXPECT_EQ(box(b)->text(), "") << b;
        EXPECT_EQ(form().text(b), "") << b;
    }
    // The crosses stand at the points read, in a colour of their own.
    const QImage image = plot_image();
    const Rgb colour = colour_of(MarkKind::proposal);
    for (const Row row : {Row::hF, Row::foF2, Row::fxI}) {
        const ProposedPoint at = *form().proposals[index_of(row)];
        EXPECT_EQ(shown_at(image, at.x, at.y), QColor(colour.r, colour.g, colour.b)) << row;
        EXPECT_EQ(shown_at(image, at.x + 3, at.y), QColor(colour.r, colour.g, colour.b)) << row;
    }
}

// Stored with F11 (which gives the case of no sporadic E by day too) and F3, the sounding is
// the previous one of the next: its foF2 stands there as a tick of the second colour, over its
// h'F.
TEST_F(ProposalsWindowTest, ThePreviousSoundingsValuesShowOnTheNext) {
    open();
    key(Qt::Key_F11);
    const std::string foF2 = form().text(value_box(Row::foF2));
    key(Qt::Key_F3);
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.last().text;
    ASSERT_EQ(shared.sounding_hour, 12);
    EXPECT_EQ(form().text(previous_box(Row::foF2)).substr(0, foF2.size()), foF2);
    const auto marks = window->controller().marks();
    const auto tick = std::find_if(marks.begin(), marks.end(), [](const PlotMark& m) {
        return m.name.starts_with("foF2") && m.kind != MarkKind::proposal;
    });
    ASSERT_NE(tick, marks.end());
    const QImage image = plot_image();
    const Rgb colour = colour_of(tick->kind);
    int coloured = 0;
    for (int y = tick->y; y <= tick->y + tick->length; ++y)
        coloured += shown_at(image, tick->x, y) == QColor(colour.r, colour.g, colour.b);
    EXPECT_GT(coloured, tick->length / 3);
}

// F11 leaves the sheet exactly as the operator's own clicks at the proposed points leave it:
// each row's label, then the plot (the MUF(3000) tool moved with the arrow keys instead), and
// last F5 for the case of no sporadic E by day shown in grey over the case label.
TEST_F(ProposalsWindowTest, F11IsTheOperatorsOwnClicks) {
    open();
    const Sheet shown = placeholders();
    auto* proposed_case = child<QLabel>("Label11_proposal");
    ASSERT_TRUE(proposed_case->isVisible());
    ASSERT_EQ(proposed_case->text().toStdString(), "Particular Case: Daytime Es missing");
    key(Qt::Key_F11);
    const Sheet accepted = sheet();
    for (const auto& [b, text] : shown)
        EXPECT_EQ(accepted.at(b), text) << b;
    for (const auto& [b, text] : accepted) {
        if (b.field == Field::value && !shown.contains(b) && b.row != Row::foEs &&
            b.row != Row::fbEs) {
            EXPECT_EQ(text, "") << b;
        }
    }
    EXPECT_EQ(child<QLabel>("Label11")->text().toStdString(),
              "Particular Case: Daytime Es missing");
    EXPECT_FALSE(proposed_case->isVisible());
    const auto selected = form().selected_characteristic;
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().text;

    window.reset();
    open();
    for (const Row row : all_rows) {
        const auto& point = form().proposals[index_of(row)];
        if (!point)
            continue;
        click_label(row);
        if (row == Row::MUF3000F2) {
            const int target = std::stoi(shown.at(value_box(row)));
            for (int k = 0; k < 400 && std::stoi(form().text(value_box(row))) != target; ++k)
                key(std::stoi(form().text(value_box(row))) < target ? Qt::Key_Down : Qt::Key_Up);
        } else {
            click_plot(point->x, point->y);
        }
    }
    key(Qt::Key_F5);
    if (selected)
        click_label(*selected);
    EXPECT_EQ(sheet(), accepted);
}

// A warning after F11's pick is the operator's, as after a click: h'Es picked high first, then
// h'F below it asks; Yes keeps h'F, No leaves it empty, and the rows after it are filled.
TEST_F(ProposalsWindowTest, AWarningsYesAndNoBehaveAsForAPick) {
    for (const int answer : {answer_yes, answer_no}) {
        open();
        click_label(Row::hEs);
        dialogs.answers = {answer_yes, answer};
        click_plot(300, 191); // 300 km, above the usual h'Es: asks once
        ASSERT_EQ(form().text(value_box(Row::hEs)), "300");
        const std::string hF = placeholders().at(value_box(Row::hF));
        key(Qt::Key_F11);
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.last().text,
                  two_lines("h'Es cannot be greater than h'F", "Do you want to continue?"));
        EXPECT_EQ(box(value_box(Row::hF))->text().toStdString(), answer == answer_yes ? hF : "");
        EXPECT_EQ(form().text(value_box(Row::hEs)), "300");
        EXPECT_FALSE(form().empty(value_box(Row::foF2)));
        EXPECT_FALSE(form().empty(value_box(Row::MUF3000F2)));
        dialogs.clear();
        window.reset();
    }
}

// The question F11's pick raises stands over the sheet as it is at that moment: the boxes F11
// filled before show their values, as after the operator's own clicks.
TEST_F(ProposalsWindowTest, F11sQuestionShowsTheSheetAsItStands) {
    open();
    click_label(Row::hEs);
    dialogs.answers = {answer_yes, answer_yes};
    click_plot(300, 191);
    ASSERT_EQ(form().text(value_box(Row::hEs)), "300");
    Sheet on_screen;
    dialogs.on_show = [&] {
        for (const Row row : {Row::fmin, Row::hE, Row::foE})
            on_screen[value_box(row)] = box(value_box(row))->text().toStdString();
    };
    key(Qt::Key_F11);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    for (const Row row : {Row::fmin, Row::hE, Row::foE}) {
        EXPECT_FALSE(on_screen.at(value_box(row)).empty()) << row;
        EXPECT_EQ(on_screen.at(value_box(row)), form().text(value_box(row))) << row;
    }
}

// Where F11 would do nothing (here the case NO IONOGRAM given with F9), nothing shows as
// proposed: no grey code, no proposed case, no cross on the plot.
TEST_F(ProposalsWindowTest, ACaseSetTakesTheProposalsAway) {
    open();
    ASSERT_FALSE(placeholders().empty());
    const ProposedPoint foF2 = *form().proposals[index_of(Row::foF2)];
    const Rgb colour = colour_of(MarkKind::proposal);
    ASSERT_EQ(shown_at(plot_image(), foF2.x, foF2.y), QColor(colour.r, colour.g, colour.b));
    key(Qt::Key_F9);
    ASSERT_EQ(form().particular_case_code, ParticularCase::no_ionogram);
    EXPECT_TRUE(placeholders().empty());
    EXPECT_FALSE(child<QLabel>("Label11_proposal")->isVisible());
    EXPECT_NE(shown_at(plot_image(), foF2.x, foF2.y), QColor(colour.r, colour.g, colour.b));
    const Sheet before = sheet();
    key(Qt::Key_F11);
    EXPECT_EQ(sheet(), before);
}

// What the operator gave before F11 stays: foF2 picked 0.2 MHz above the proposal and its
// descriptive letter typed; M(3000)F2 comes from the operator's foF2.
TEST_F(ProposalsWindowTest, AValueTheOperatorGaveSurvivesF11) {
    open();
    const ProposedPoint foF2_point = *form().proposals[index_of(Row::foF2)];
    click_label(Row::foF2);
    click_plot(foF2_point.x + 8, foF2_point.y);
    const std::string mine = form().text(value_box(Row::foF2));
    ASSERT_FALSE(mine.empty());
    ASSERT_NE(mine, proposed_code(form(), Row::foF2));
    key(Qt::Key_A);
    ASSERT_EQ(form().text(descriptive_box(Row::foF2)), "A");
    const std::string muf = placeholders().at(value_box(Row::MUF3000F2));
    key(Qt::Key_F11);
    EXPECT_EQ(box(value_box(Row::foF2))->text().toStdString(), mine);
    EXPECT_EQ(form().text(descriptive_box(Row::foF2)), "A");
    EXPECT_EQ(form().text(value_box(Row::MUF3000F2)), muf);
    EXPECT_EQ(form().text(value_box(Row::M3000F2)),
              std::to_string(std::lrint(std::stoi(muf) * 100.0 / std::stoi(mine))));
}

// With both View entries off, the plot on screen is the picture without proposals, pixel for
// pixel, and no box shows grey text; with them on it is not.
TEST_F(ProposalsWindowTest, BothEntriesOffThePlotIsThePicture) {
    open();
    key(Qt::Key_F11);
    key(Qt::Key_F3);
    ASSERT_EQ(shared.sounding_hour, 12);
    const auto differences = [this] {
        const QImage image = plot_image();
        const PlotCanvas& picture = form().plot;
        int count = 0;
        for (int y = 0; y <= 601; ++y)
            for (int x = 0; x <= 765; ++x) {
                const Rgb p = picture.pixel(x, y);
                count += shown_at(image, x, y) != QColor(p.r, p.g, p.b);
            }
        return count;
    };
    EXPECT_GT(differences(), 0);
    view("view_proposals");
    EXPECT_GT(differences(), 0); // the previous sounding's marks
    EXPECT_TRUE(placeholders().empty());
    EXPECT_FALSE(child<QLabel>("Label11_proposal")->isVisible());
    view("view_previous_sounding");
    EXPECT_EQ(differences(), 0);
    EXPECT_TRUE(placeholders().empty());
    // F11 accepts what is shown: nothing.
    const Sheet before = sheet();
    key(Qt::Key_F11);
    EXPECT_EQ(sheet(), before);
}

TEST_F(ProposalsWindowTest, TheViewChoicesSurviveARestart) {
    const struct {
        const char* entry;
        ViewSettings after;
    } steps[] = {
        {"view_proposals", {false, true, {}}},
        {"view_previous_sounding", {false, false, {}}},
        {"view_proposals", {true, false, {}}},
    };
    for (const auto& step : steps) {
        open();
        view(step.entry);
        EXPECT_EQ(window->controller().view(), step.after) << step.entry;
        window.reset();
        open();
        EXPECT_EQ(window->controller().view(), step.after) << step.entry;
        EXPECT_EQ(child<QAction>("view_proposals")->isChecked(), step.after.proposals);
        EXPECT_EQ(child<QAction>("view_previous_sounding")->isChecked(),
                  step.after.previous_sounding);
        EXPECT_EQ(placeholders().empty(), !step.after.proposals) << step.entry;
        window.reset();
    }
    // Never in setting.txt: the program's own file keeps its five lines.
    EXPECT_FALSE(std::filesystem::exists(folder / "setting.txt"));
}

} // namespace
} // namespace scalvo
