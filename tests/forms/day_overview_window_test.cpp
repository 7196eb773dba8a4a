// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/day_overview_window.h"

#include "forms/day_overview_menu.h"
#include "forms/scaling_window.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "records/sheet_record.h"
#include "support/scaling_fixture.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class DayOverviewWindowTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start(7, 45);
        shared.current_record_number = 32;
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
    }
    // The sheet of hour:minute as the scaling form stores it.
    void store(int hour, int minute, const testing::BoxTexts& texts) {
        ScalingForm sheet;
        SharedState at = shared;
        Scaling other{sheet, at, dialogs};
        for (const auto& [box, text] : texts)
            sheet.set_text(box, text);
        at.sounding_hour = static_cast<std::int16_t>(hour);
        at.sounding_minute = static_cast<std::int16_t>(minute);
        at.current_record_number = static_cast<std::int16_t>((hour * 60 + minute) / 15 + 1);
        compose_sheet_record(other);
        ASSERT_FALSE(write_current_record(other));
    }
    void open_overview(bool proposals = false) {
        open();
        window->form().option_yes = false;
        overview = new DayOverviewWindow(*window, [proposals] { return proposals; });
        overview->present();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(overview));
        // The size of a large screen's overview: the charts one above the other.
        overview->resize(940, 640);
        QApplication::processEvents();
    }
    QXYSeries* series(QChartView* view, const QString& name) {
        for (QAbstractSeries* s : view->chart()->series())
            if (s->objectName() == name)
                return qobject_cast<QXYSeries*>(s);
        return nullptr;
    }
    // Whether the shading of the unscaled soundings covers a time of the day: most of the
    // column of the plot at that time shows it (the grid lines cross it).
    bool shaded_at(QChartView* view, int minute) {
        const QImage shown = view->grab().toImage();
        const QPoint middle = overview->position_of(minute, view);
        const QRectF plot = view->chart()->plotArea();
        const int top = view->mapFromScene(view->chart()->mapToScene(plot.topLeft())).y();
        const int bottom = view->mapFromScene(view->chart()->mapToScene(plot.bottomLeft())).y();
        // The light grey of the shading, whatever the chart lays over it, and no white.
        auto grey = [](QColor c) {
            return c.red() == c.green() && c.green() == c.blue() && c.red() >= 210 &&
                   c.red() <= 235;
        };
        int shade = 0;
        for (int y = top + 2; y < bottom - 1; ++y)
            shade += grey(shown.pixelColor(middle.x(), y));
        return shade > (bottom - top) / 2;
    }
    std::vector<QPointF> points_of(QChartView* view, const QString& name) {
        QXYSeries* found = series(view, name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        if (!found)
            return {};
        const QList<QPointF> points = found->points();
        return {points.begin(), points.end()};
    }
    // A key on the scaling form, as the operator presses it there.
    void press(Qt::Key key) {
        // The overview, a window of the form's own, passes for the active one: wait for the
        // form itself.
        window->activateWindow();
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
        window->sync();
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    // The time of the mark of the sounding on screen, in hours; -1 without one.
    double on_screen_at(QChartView* view) {
        const std::vector<QPointF> mark = points_of(view, "on_screen");
        return mark.empty() ? -1 : mark.front().x();
    }
    // The status line with the pointer over a time of the frequency chart.
    QString hint_at(int minute) {
        QChartView* view = overview->frequency_view();
        // Sent to the chart itself: the form may lie over that point of the screen.
        const QPoint at = overview->position_of(minute, view);
        QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        return overview->findChild<QLabel*>("overview_hint")->text();
    }
    void click_at(int minute, QChartView* view) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          overview->position_of(minute, view));
    }

    DayOverviewWindow* overview = nullptr; // owned by the scaling window
};

TEST_F(DayOverviewWindowTest, StoredValuesAtTheirTimesUnscaledShadedTheSoundingOnScreenMarked) {
    store(7, 45, {{value_box(Row::foF2), "72"}, {value_box(Row::foE), "305"}});
    store(
        12, 0,
        {{value_box(Row::foF2), "85"}, {value_box(Row::hF), "250"}, {value_box(Row::hEs), "105"}});
    open_overview();
    QChartView* frequencies = overview->frequency_view();
    QChartView* heights = overview->height_view();
    EXPECT_EQ(points_of(frequencies, "foF2"), (std::vector<QPointF>{{7.75, 7.2}, {12, 8.5}}));
    EXPECT_EQ(points_of(frequencies, "foE"), (std::vector<QPointF>{{7.75, 3.05}}));
    EXPECT_TRUE(points_of(frequencies, "fmin").empty());
    EXPECT_EQ(points_of(heights, "h'F"), (std::vector<QPointF>{{12, 250}}));
    EXPECT_EQ(points_of(heights, "h'Es"), (std::vector<QPointF>{{12, 105}}));
    EXPECT_EQ(series(frequencies, "automatic foF2"), nullptr) << "proposals off";

    // Where the chart puts 12:00 is where the overview says 12:00 lies.
    QXYSeries* foF2 = series(frequencies, "foF2");
    const QPointF noon = frequencies->chart()->mapToPosition({12, 8.5}, foF2);
    const QPoint expected = overview->position_of(12 * 60, frequencies);
    EXPECT_NEAR(frequencies->mapFromScene(frequencies->chart()->mapToScene(noon)).x(), expected.x(),
                1);

    for (QChartView* view : {frequencies, heights}) {
        EXPECT_EQ(points_of(view, "on_screen").size(), 2u);
        const struct {
            int minute;
            bool shaded;
        } cases[] = {// Times off the hours' grid lines.
                     {15, true},           {7 * 60 + 45, false}, {8 * 60 + 15, true},
                     {12 * 60 + 5, false}, {23 * 60 + 45, true}, {7 * 60 + 40, false},
                     {7 * 60 + 35, true},  {11 * 60 + 50, true}};
        for (const auto& c : cases)
            EXPECT_EQ(shaded_at(view, c.minute), c.shaded) << c.minute;
        bool in_legend = false;
        for (QAbstractSeries* s : view->chart()->series())
            in_legend = in_legend || s->name() == QStringLiteral("not scaled");
        EXPECT_TRUE(in_legend);
        EXPECT_EQ(on_screen_at(view), 7.75);
        EXPECT_EQ(series(view, "on_screen")->name(), QStringLiteral("on screen 07:45"));
    }
    // Room above the highest value, the ticks on whole megahertz and on 50 km.
    for (const auto& [view, step] : {std::pair{frequencies, 2.0}, {heights, 50.0}}) {
        auto* axis = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).front());
        ASSERT_NE(axis, nullptr);
        EXPECT_DOUBLE_EQ((axis->max() - axis->min()) / (axis->tickCount() - 1), step);
    }
    EXPECT_GE(qobject_cast<QValueAxis*>(frequencies->chart()->axes(Qt::Vertical).front())->max(),
              8.5 + 2);
    // The two time axes stand one above the other.
    const QRectF top = frequencies->chart()->plotArea();
    const QRectF bottom = heights->chart()->plotArea();
    EXPECT_NEAR(frequencies->mapFromScene(top.topLeft()).x(),
                heights->mapFromScene(bottom.topLeft()).x(), 1);
    EXPECT_NEAR(top.width(), bottom.width(), 1);
}

TEST_F(DayOverviewWindowTest, TheParticularCasesShowTheirCodes) {
    testing::write_bytes(shared.ionogram_folder / make_ionogram_file_name(shared, 9, 15),
                         testing::daytime_ionogram("01.000 20.000 0.050", 381, 1.0, 0.05, "3a"));
    open_overview();
    QStringList codes;
    for (QGraphicsItem* item : overview->frequency_view()->chart()->childItems())
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item))
            codes << text->text();
    EXPECT_EQ(codes, QStringList{QStringLiteral("3a")});
}

TEST_F(DayOverviewWindowTest, AClickOnATimeMovesThereThroughTheChainOfAMove) {
    store(12, 0, {{value_box(Row::foF2), "95"}});
    open_overview();
    window->form().set_text(value_box(Row::foF2), "72");
    click_at(12 * 60 + 3, overview->frequency_view());
    EXPECT_EQ(shared.current_record_number, 49);
    EXPECT_EQ(shared.sounding_hour, 12);
    EXPECT_EQ(child<QLineEdit>("Text13")->text(), QStringLiteral("95"));
    // The sounding left was stored, and the overview follows at once.
    EXPECT_EQ(record_text(std::get<std::string>(read_record_at(shared.scaled_values_file, 32)),
                          value_box(Row::foF2)),
              "72");
    EXPECT_EQ(points_of(overview->frequency_view(), "foF2"),
              (std::vector<QPointF>{{7.75, 7.2}, {12, 9.5}}));
    EXPECT_EQ(on_screen_at(overview->height_view()), 12.0);

    // A refusing sheet check leaves the sounding on screen and the overview as they were.
    window->form().option_yes = true;
    dialogs.clear();
    click_at(13 * 60, overview->height_view());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"fmin missing!!"});
    EXPECT_EQ(shared.current_record_number, 49);
    EXPECT_EQ(child<QLineEdit>("Text13")->text(), QStringLiteral("95"));
    EXPECT_EQ(on_screen_at(overview->frequency_view()), 12.0);
}

TEST_F(DayOverviewWindowTest, EveryStoredRecordShowsAtOnce) {
    open_overview();
    EXPECT_TRUE(points_of(overview->frequency_view(), "foF2").empty());
    window->form().set_text(value_box(Row::foF2), "68");
    window->sync();
    press(Qt::Key_F3);
    EXPECT_EQ(shared.current_record_number, 33);
    EXPECT_EQ(points_of(overview->frequency_view(), "foF2"), (std::vector<QPointF>{{7.75, 6.8}}));
    EXPECT_EQ(on_screen_at(overview->frequency_view()), 8.0);
    // At the day's last sounding the record is written and the time stays: still followed.
    window->go_to_record(96);
    window->form().set_text(value_box(Row::foF2), "31");
    press(Qt::Key_F3);
    EXPECT_EQ(shared.current_record_number, 96);
    const std::vector<QPointF> foF2 = points_of(overview->frequency_view(), "foF2");
    ASSERT_EQ(foF2.size(), 2u);
    EXPECT_EQ(foF2.back(), QPointF(23.75, 3.1));
}

TEST_F(DayOverviewWindowTest, TheAutomaticFoF2IsComputedInTheBackgroundOnce) {
    for (const int minute : {6 * 60, 6 * 60 + 15, 7 * 60, 10 * 60})
        testing::write_bytes(shared.ionogram_folder /
                                 make_ionogram_file_name(shared, minute / 60, minute % 60),
                             testing::daytime_ionogram());
    open();
    window->form().option_yes = false;
    overview = new DayOverviewWindow(*window, [] { return true; });
    QSignalSpy done(overview, &DayOverviewWindow::automatic_series_done);
    overview->present();
    EXPECT_TRUE(overview->computing());
    ASSERT_TRUE(done.wait(20000));
    EXPECT_FALSE(overview->computing());
    EXPECT_FALSE(overview->findChild<QProgressBar*>("automatic_progress")->isVisible());
    const std::vector<QPointF> automatic = points_of(overview->frequency_view(), "automatic foF2");
    ASSERT_EQ(automatic.size(), 4u);
    EXPECT_EQ(automatic[0].x(), 6.0);
    EXPECT_EQ(automatic[3].x(), 10.0);
    for (const QPointF& point : automatic)
        EXPECT_NEAR(point.y(), 8.4, 0.3);

    // Shown again for the same day: kept, not computed again.
    overview->hide();
    overview->present();
    EXPECT_FALSE(overview->computing());
    EXPECT_EQ(points_of(overview->frequency_view(), "automatic foF2").size(), 4u);
}

TEST_F(DayOverviewWindowTest, TheAutomaticSeriesFollowsTheProposalsChoiceWhileShown) {
    testing::write_bytes(shared.ionogram_folder / make_ionogram_file_name(shared, 6, 0),
                         testing::daytime_ionogram());
    open();
    window->form().option_yes = false;
    auto* proposals = child<QAction>("view_proposals");
    if (proposals->isChecked())
        proposals->trigger();
    overview =
        new DayOverviewWindow(*window, [this] { return window->controller().view().proposals; });
    QSignalSpy done(overview, &DayOverviewWindow::automatic_series_done);
    overview->present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overview));
    EXPECT_EQ(series(overview->frequency_view(), "automatic foF2"), nullptr);

    proposals->trigger();
    ASSERT_NE(series(overview->frequency_view(), "automatic foF2"), nullptr);
    ASSERT_TRUE(done.wait(20000));
    EXPECT_EQ(points_of(overview->frequency_view(), "automatic foF2").size(), 1u);
    EXPECT_TRUE(hint_at(6 * 60).contains("automatic foF2")) << hint_at(6 * 60).toStdString();

    proposals->trigger();
    EXPECT_EQ(series(overview->frequency_view(), "automatic foF2"), nullptr);
    EXPECT_FALSE(hint_at(6 * 60).contains("automatic")) << hint_at(6 * 60).toStdString();
    // Hidden, the overview does nothing on a choice; shown again, it agrees with the menu.
    overview->hide();
    proposals->trigger();
    EXPECT_EQ(series(overview->frequency_view(), "automatic foF2"), nullptr);
    overview->present();
    EXPECT_EQ(points_of(overview->frequency_view(), "automatic foF2").size(), 1u);
    EXPECT_FALSE(overview->computing());
}

TEST_F(DayOverviewWindowTest, F10OpensTheOverviewFromTheViewMenu) {
    open();
    EXPECT_EQ(day_overview_of(*window), nullptr);
    press(Qt::Key_F10);
    DayOverviewWindow* opened = day_overview_of(*window);
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->isVisible());
    press(Qt::Key_F10);
    EXPECT_EQ(window->findChildren<DayOverviewWindow*>().size(), 1);
    window->form().option_yes = false;
    window->close();
    EXPECT_FALSE(opened->isVisible());
}

TEST(OverviewPlacement, WithinTheScreenClearOfTheFormOnEveryScreen) {
    const QSize form(1021, 765);
    const struct {
        QRect area;
        OverviewPlace place;
        bool clear; // the screen leaves room for both side by side
    } cases[] = {
        {{0, 0, 1280, 1024}, OverviewPlace::under, true},
        {{0, 0, 1280, 1024}, OverviewPlace::beside, true},
        {{0, 0, 1920, 1080}, OverviewPlace::under, true},
        {{0, 0, 1920, 1080}, OverviewPlace::beside, true},
        {{1280, 0, 1920, 1200}, OverviewPlace::beside, true}, // a second screen
        {{0, 30, 1280, 994}, OverviewPlace::under, true},     // a panel at the top
        {{0, 0, 1024, 768}, OverviewPlace::under, false},
        {{0, 0, 1024, 768}, OverviewPlace::beside, false},
    };
    for (const auto& c : cases) {
        // The form centred, as its load leaves it.
        const QRect centred(c.area.center() - QPoint(form.width() / 2, form.height() / 2), form);
        const OverviewPlacement placement = place_overview(c.place, c.area, centred);
        const QRect moved(placement.form, form);
        const std::string where = std::to_string(c.area.width()) + "x" +
                                  std::to_string(c.area.height()) +
                                  (c.place == OverviewPlace::under ? " under" : " beside");
        EXPECT_TRUE(c.area.contains(placement.overview)) << where;
        if (!c.clear)
            continue;
        EXPECT_TRUE(c.area.contains(moved)) << where;
        EXPECT_FALSE(moved.intersects(placement.overview)) << where;
        if (c.place == OverviewPlace::under) {
            EXPECT_EQ(placement.overview.top(), moved.bottom() + 1) << where;
            EXPECT_GE(placement.overview.height(), 180) << where;
        } else {
            EXPECT_EQ(placement.overview.left(), moved.right() + 1) << where;
            EXPECT_GE(placement.overview.width(), 200) << where;
        }
    }
}

// The texts of a chart's axes as they stand in the view: the time labels under the plot, the
// value labels left of it.
struct AxisLabels {
    std::vector<std::pair<QString, QRect>> time;
    std::vector<std::pair<QString, QRect>> values;
};
AxisLabels axis_labels(QChartView* view) {
    AxisLabels labels;
    const QRectF plot = view->chart()->plotArea();
    for (QGraphicsItem* item : view->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty())
            continue;
        const QRectF scene = text->sceneBoundingRect();
        const QRect shown = view->mapFromScene(scene).boundingRect();
        if (scene.top() >= plot.bottom() - 1)
            labels.time.emplace_back(text->toPlainText(), shown);
        else if (scene.right() <= plot.left() + 1 && scene.width() < scene.height() * 4)
            labels.values.emplace_back(text->toPlainText(), shown);
    }
    return labels;
}

// The labels of one axis: whole, inside the view, apart from each other, and enough of them.
void expect_readable(const std::vector<std::pair<QString, QRect>>& labels, QChartView* view,
                     std::size_t at_least, const std::string& where) {
    EXPECT_GE(labels.size(), at_least) << where;
    for (std::size_t k = 0; k < labels.size(); ++k) {
        const auto& [text, place] = labels[k];
        EXPECT_FALSE(text.contains(QChar(0x2026)) || text.contains(QStringLiteral("..")))
            << where << ": " << text.toStdString();
        EXPECT_TRUE(view->rect().contains(place)) << where << ": " << text.toStdString();
        for (std::size_t n = k + 1; n < labels.size(); ++n)
            EXPECT_FALSE(place.intersects(labels[n].second))
                << where << ": " << text.toStdString() << " and " << labels[n].first.toStdString();
    }
}

TEST_F(DayOverviewWindowTest, AxisLabelsStayReadableAtHalfSizeAndInAStripOrAColumn) {
    store(12, 0, {{value_box(Row::foF2), "125"}, {value_box(Row::hF), "410"}});
    open_overview();
    const struct {
        QSize size;
        const char* name;
    } sizes[] = {
        {{940, 640}, "full"}, {{470, 320}, "half"}, {{1280, 234}, "strip"}, {{255, 990}, "column"}};
    for (const auto& s : sizes) {
        overview->resize(s.size);
        QApplication::processEvents();
        ASSERT_EQ(overview->size(), s.size) << s.name;
        for (QChartView* view : {overview->frequency_view(), overview->height_view()}) {
            const AxisLabels labels = axis_labels(view);
            const std::string where = std::string(s.name) + " " + view->objectName().toStdString();
            expect_readable(labels.time, view, 3, where + " time");
            expect_readable(labels.values, view, 2, where + " values");
        }
    }
}

TEST_F(DayOverviewWindowTest, UnderOrBesideTheFormAsChosenRememberedThePlotInSight) {
    QSettings().remove(QStringLiteral("overview/place"));
    open();
    window->form().option_yes = false;
    auto plot_on_screen = [this] {
        auto* surface = window->findChild<QWidget*>(QStringLiteral("immagine_surface"));
        // The plot area: 764 x 600 from x = 220, y = 70 of the inner area.
        return QRect(surface->mapToGlobal(QPoint(220, 70)), QSize(766, 602));
    };
    const QRect screen = window->screen()->availableGeometry();
    overview = new DayOverviewWindow(*window, [] { return false; });
    overview->present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overview));
    // A 1280 x 1024 screen leaves too little width beside the form: under it at first.
    EXPECT_EQ(overview->place(), OverviewPlace::under);
    auto* under = overview->findChild<QAction*>(QStringLiteral("overview_place_under"));
    auto* beside = overview->findChild<QAction*>(QStringLiteral("overview_place_beside"));
    ASSERT_TRUE(under && beside);
    EXPECT_TRUE(under->isChecked());
    for (QAction* choice : {beside, under, beside}) {
        choice->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(choice->isChecked());
        const QRect shown = overview->frameGeometry();
        const std::string where = choice->objectName().toStdString();
        EXPECT_TRUE(screen.contains(shown)) << where;
        EXPECT_TRUE(screen.contains(window->frameGeometry())) << where;
        EXPECT_FALSE(shown.intersects(plot_on_screen())) << where;
        EXPECT_FALSE(shown.intersects(window->frameGeometry())) << where;
    }
    EXPECT_EQ(QSettings().value("overview/place").toString(), "beside");
    // Closed and opened again on another form, the choice holds.
    overview->close();
    ScalingWindow again(shared, dialogs, companion);
    again.load();
    DayOverviewWindow next(again, [] { return false; });
    next.present();
    EXPECT_EQ(next.place(), OverviewPlace::beside);
    EXPECT_TRUE(screen.contains(next.frameGeometry()));
    EXPECT_FALSE(next.frameGeometry().intersects(again.frameGeometry()));
    next.close();
    again.form().option_yes = false;
    again.close();
    QSettings().remove(QStringLiteral("overview/place"));
}

TEST_F(DayOverviewWindowTest, LimitsAndReplacedValuesStandApartTheEsMissingCodesAreNotDrawn) {
    // 09:00 as the daytime Es missing case leaves it, with foF2 greater than and h'F replaced.
    store(9, 0,
          {{value_box(Row::foE), "285"},
           {value_box(Row::foEs), "29"},
           {qualifying_box(Row::foEs), "E"},
           {descriptive_box(Row::foEs), "G"},
           {descriptive_box(Row::hEs), "G"},
           {value_box(Row::foF2), "91"},
           {qualifying_box(Row::foF2), "D"},
           {value_box(Row::hF), "240"},
           {qualifying_box(Row::hF), "I"}});
    store(10, 0, {{value_box(Row::foF2), "85"}, {value_box(Row::foEs), "40"}});
    store(11, 0, {{value_box(Row::fmin), "16"}, {qualifying_box(Row::fmin), "E"}});
    testing::write_bytes(shared.ionogram_folder / make_ionogram_file_name(shared, 9, 0),
                         testing::daytime_ionogram("01.000 20.000 0.050", 381, 1.0, 0.05, "02"));
    open_overview();
    QChartView* frequencies = overview->frequency_view();
    const struct {
        QChartView* view;
        const char* series;
        std::vector<QPointF> points;
    } cases[] = {
        {frequencies, "foF2", {{10, 8.5}}},
        {frequencies, "foF2 greater than", {{9, 9.1}}},
        {frequencies, "foEs", {{10, 4.0}}},
        {frequencies, "foE", {{9, 2.85}}},
        {frequencies, "fmin less than", {{11, 1.6}}},
        {overview->height_view(), "h'F replaced", {{9, 240}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(points_of(c.view, c.series), c.points) << c.series;
    EXPECT_EQ(series(frequencies, "foEs less than"), nullptr) << "an Es missing code";
    EXPECT_EQ(series(frequencies, "foF2 less than"), nullptr) << "none: no series";

    // A measured value is a filled dot; a limit an open triangle around the plot's grey.
    const QImage shown = frequencies->grab().toImage();
    auto centre = [&](QPointF value, const char* name) {
        const QPointF at = frequencies->chart()->mapToPosition(value, series(frequencies, name));
        return shown.pixelColor(frequencies->mapFromScene(frequencies->chart()->mapToScene(at)));
    };
    EXPECT_EQ(centre({10, 8.5}, "foF2"), QColor(200, 30, 30));
    EXPECT_NE(centre({9, 9.1}, "foF2 greater than"), QColor(200, 30, 30));

    const QString legend = overview->findChild<QLabel*>("overview_legend")->text();
    for (const char* meaning : {"greater&nbsp;than&nbsp;(D)", "less&nbsp;than&nbsp;(E,&nbsp;A)",
                                "replaced&nbsp;(I,&nbsp;T)", "Es&nbsp;missing"})
        EXPECT_TRUE(legend.contains(QString::fromLatin1(meaning))) << meaning;

    const QString hint = hint_at(9 * 60);
    for (const char* part : {"foEs 2.9 MHz E/G Es missing", "foF2 9.1 MHz D/- greater than",
                             "h'Es -/G", "case 02 Daytime Es missing"})
        EXPECT_TRUE(hint.contains(QString::fromLatin1(part))) << hint.toStdString();
}

} // namespace
} // namespace scalvo
