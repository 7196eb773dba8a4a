// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day overview: the stored values of the working day against the time of day (foF2, foE,
// foEs and fmin above, h'F and h'Es below), the unscaled soundings shaded, the sounding on screen
// marked, the particular cases by their codes, and, with the proposals on, the automatic foF2 of
// every sounding, computed in the background. A click on a time moves the scaling form there.
// The window mirrors the logic's DayOverview; it reads the files only when the form stored a
// record or moved.
#include "controllers/automatic_series.h"
#include "controllers/day_overview.h"

#include <QMainWindow>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

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

    // Shown beside the scaling form, or raised.
    void present();
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

  private:
    struct Chart {
        QChart* chart = nullptr;
        QValueAxis* time = nullptr;
        QValueAxis* values = nullptr;
    };
    void build();
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
    QXYSeries* automatic_points_ = nullptr;
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
    bool placed_ = false;
};

} // namespace scalvo
