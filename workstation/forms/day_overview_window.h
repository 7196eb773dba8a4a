// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day overview: the stored values of the working day against the time of day (foF2, foE,
// foEs and fmin above, h'F and h'Es below), limits and replaced values drawn apart from the
// measured ones, the unscaled soundings shaded, the sounding on screen marked, the particular
// cases by their codes, and, with the proposals on, the automatic foF2 of every sounding,
// computed in the background. A click on a time moves the scaling form there. It stands under
// the form or beside it, as the operator chooses. The window mirrors the logic's DayOverview; it
// reads the files only when the form stored a record or moved.
#include "controllers/automatic_series.h"
#include "controllers/day_overview.h"
#include "forms/overview_place.h"

#include <QMainWindow>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QChart;
class QChartView;
class QGraphicsPathItem;
class QGraphicsPixmapItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QProgressBar;
class QThread;
class QValueAxis;
class QXYSeries;

namespace scalvo {

class PictureSaver;
class ScalingWindow;

class DayOverviewWindow : public QMainWindow {
    Q_OBJECT
  public:
    // proposals_on tells whether the automatic series is wanted.
    DayOverviewWindow(ScalingWindow& scaling, std::function<bool()> proposals_on);
    ~DayOverviewWindow() override;

    // Shown under or beside the scaling form as chosen, or raised.
    void present();
    // Under or beside the form, and placed there at once when shown.
    void set_place(OverviewPlace place);
    OverviewPlace place() const { return place_; }
    // After an event of the scaling form: reads again when it stored a record or moved.
    void follow();

    const DayOverview& overview() const { return overview_; }
    bool computing() const { return worker_ != nullptr; }
    // The two charts as shown, for "Save picture…".
    QImage picture();
    QChartView* frequency_view() const { return views_[0]; }
    QChartView* height_view() const { return views_[1]; }
    // Where a time of the day lies in a chart view (widget coordinates, middle of the plot).
    QPoint position_of(int minute, QChartView* view) const;

  signals:
    // The automatic series is complete.
    void automatic_series_done();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Chart {
        QChart* chart = nullptr;
        QValueAxis* time = nullptr;
        QValueAxis* values = nullptr;
    };
    void build();
    void build_menus();
    // Where the window and the form go, as chosen.
    void place_windows();
    // The charts side by side in a wide strip, one above the other otherwise.
    void arrange_charts(QSize window);
    // Stacked, the two plots start at the same x whatever their labels' widths.
    void align_plots();
    // Ticks as many as the plot's size leaves room for, whole hours and round values.
    void fit_axes(std::size_t chart);
    void write_legend();
    // Reads the day's files again and redraws.
    void refresh();
    void draw();
    // Draws again with or without the automatic series, as the Proposals choice now wants it,
    // and starts computing what is missing of it.
    void follow_proposals();
    void place_case_codes();
    void place_lines();
    void place_shades();
    void add_series(Chart& chart, QXYSeries* series);
    // The highest value of a chart, from which its axis is cut.
    std::array<double, 2> highest_{};
    void start_automatic();
    void automatic_point(std::size_t index, std::optional<double> foF2);
    void clicked(double minute);
    void hovered(double minute);
    void save_picture();

    ScalingWindow& scaling_;
    std::function<bool()> proposals_on_;
    DayOverview overview_;
    StoredStamp stamp_;
    AutomaticSeries automatic_;
    std::array<Chart, 2> charts_{};
    std::array<QChartView*, 2> views_{};
    QWidget* chart_area_ = nullptr;
    QWidget* picture_area_ = nullptr;
    QLabel* legend_ = nullptr;
    // The kinds of value the charts show beside the measured ones, for the legend.
    std::array<bool, 5> kinds_shown_{};
    QXYSeries* automatic_points_ = nullptr;
    std::array<QXYSeries*, 2> on_screen_{};
    // The lines joining soundings in a row, broken where one has no value: drawn over the chart
    // as paths, one per characteristic, rather than as one line series per run of soundings,
    // which would cost the chart hundreds of series on a day with gaps.
    struct Line {
        std::size_t chart = 0;
        std::vector<QList<QPointF>> runs; // in hours and the axis' unit
        QGraphicsPathItem* item = nullptr;
    };
    std::vector<Line> lines_;
    std::array<QGraphicsRectItem*, 2> shade_frames_{};
    std::array<QGraphicsPixmapItem*, 2> shades_{};
    std::vector<QGraphicsSimpleTextItem*> case_codes_;
    QLabel* hint_ = nullptr;
    QProgressBar* progress_ = nullptr;
    PictureSaver* saver_ = nullptr;
    QThread* worker_ = nullptr;
    std::shared_ptr<std::atomic<bool>> stop_;
    OverviewPlace place_ = OverviewPlace::under;
    bool place_chosen_ = false;
    std::array<QAction*, 2> place_entries_{};
};

} // namespace scalvo
