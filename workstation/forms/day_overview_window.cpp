// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/day_overview_window.h"

#include "common/file_error.h"
#include "common/shared_state.h"
#include "controllers/picture_caption.h"
#include "forms/latin1.h"
#include "forms/picture_file.h"
#include "forms/scaling_window.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScatterSeries>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace scalvo {

namespace {

// One colour per characteristic, in the order of overview_rows; the automatic foF2 is a lighter
// foF2.
const std::array<QColor, overview_rows.size()> row_colours{
    QColor(200, 30, 30),  QColor(30, 130, 30), QColor(215, 120, 0),
    QColor(120, 60, 170), QColor(30, 70, 200), QColor(215, 120, 0)};
const QColor automatic_colour(240, 160, 160);
const QColor unscaled_colour(222, 222, 222);
const QColor on_screen_colour(0, 0, 192);
const QColor case_colour(140, 0, 110);

// A chart view that reports the time of day under the mouse, in minutes, within the plot.
class OverviewChartView : public QChartView {
  public:
    explicit OverviewChartView(QChart* chart) : QChartView(chart) {
        setMouseTracking(true);
        setRenderHint(QPainter::Antialiasing);
    }
    std::function<void(double minute)> on_click;
    std::function<void(double minute)> on_hover;

    std::optional<double> minute_at(QPoint position) const {
        const QPointF point = chart()->mapFromScene(mapToScene(position));
        const QRectF plot = chart()->plotArea();
        if (!plot.contains(point) || plot.width() <= 0)
            return std::nullopt;
        return (point.x() - plot.left()) / plot.width() * 24 * 60;
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        const auto minute = minute_at(event->position().toPoint());
        if (event->button() == Qt::LeftButton && minute && on_click)
            on_click(*minute);
        else
            QChartView::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const auto minute = minute_at(event->position().toPoint());
        setCursor(minute ? Qt::PointingHandCursor : Qt::ArrowCursor);
        if (minute && on_hover)
            on_hover(*minute);
        QChartView::mouseMoveEvent(event);
    }
};

// A point's marker drawn once and stamped: much cheaper than a circle per point.
QImage marker_image(const QColor& colour, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    return image;
}

double hours(double minute) {
    return minute / 60.0;
}

// Soundings in a row that all have a value are joined by a line; a gap breaks it.
template <typename ValueOf>
std::vector<QList<QPointF>> runs_of(const DayOverview& overview, ValueOf value_of) {
    std::vector<QList<QPointF>> runs;
    QList<QPointF> run;
    for (std::size_t k = 0; k < overview.soundings.size(); ++k) {
        if (const std::optional<double> value = value_of(k)) {
            run.append({hours(overview.soundings[k].minute), *value});
            continue;
        }
        if (run.size() > 1)
            runs.push_back(run);
        run.clear();
    }
    if (run.size() > 1)
        runs.push_back(run);
    return runs;
}

QValueAxis* value_axis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    // The same width of labels on both charts keeps their time axes one above the other.
    axis->setLabelFormat(QStringLiteral("%4.0f"));
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(8);
    axis->setLabelsFont(font);
    return axis;
}

} // namespace

DayOverviewWindow::DayOverviewWindow(ScalingWindow& scaling, std::function<bool()> proposals_on)
    : QMainWindow(&scaling, Qt::Window), scaling_(scaling), proposals_on_(std::move(proposals_on)) {
    setObjectName(QStringLiteral("day_overview"));
    build();
    connect(&scaling_, &ScalingWindow::event_done, this, &DayOverviewWindow::follow);
    // The automatic series follows the Proposals choice at once; the files are as they were.
    connect(&scaling_, &ScalingWindow::view_changed, this, [this] {
        if (isVisible())
            follow_proposals();
    });
    connect(&scaling_, &ScalingWindow::closed, this, &QWidget::close);
}

DayOverviewWindow::~DayOverviewWindow() {
    if (worker_) {
        stop_->store(true);
        worker_->wait();
        delete worker_;
    }
}

void DayOverviewWindow::build() {
    chart_area_ = new QWidget(this);
    chart_area_->setObjectName(QStringLiteral("overview_charts"));
    auto* layout = new QVBoxLayout(chart_area_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const std::array<QString, 2> units{QStringLiteral("MHz"), QStringLiteral("km")};
    for (std::size_t k = 0; k < 2; ++k) {
        Chart& chart = charts_[k];
        chart.chart = new QChart;
        chart.chart->setAnimationOptions(QChart::NoAnimation);
        chart.chart->legend()->setAlignment(Qt::AlignTop);
        chart.chart->setMargins(QMargins(6, 2, 12, 2));
        chart.time = new QValueAxis;
        chart.time->setRange(0, 24);
        chart.time->setTickCount(13);
        chart.time->setMinorTickCount(1);
        chart.time->setLabelFormat(QStringLiteral("%02.0f:00"));
        chart.values = value_axis(units[k]);
        chart.chart->addAxis(chart.time, Qt::AlignBottom);
        chart.chart->addAxis(chart.values, Qt::AlignLeft);
        auto* view = new OverviewChartView(chart.chart);
        view->setObjectName(k == 0 ? QStringLiteral("overview_frequencies")
                                   : QStringLiteral("overview_heights"));
        view->on_click = [this](double minute) { clicked(minute); };
        view->on_hover = [this](double minute) { hovered(minute); };
        views_[k] = view;
        layout->addWidget(view, k == 0 ? 3 : 2);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        // Clipped to the plot: the first and last soundings' intervals reach past midnight.
        shade_frames_[k] = new QGraphicsRectItem(charts_[k].chart);
        shade_frames_[k]->setPen(Qt::NoPen);
        shade_frames_[k]->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
        // Over the plot's background, under its grid.
        shade_frames_[k]->setZValue(1.5);
        shades_[k] = new QGraphicsPixmapItem(shade_frames_[k]);
        shades_[k]->setTransformationMode(Qt::FastTransformation);
    }
    connect(charts_[0].chart, &QChart::plotAreaChanged, this, [this] { place_case_codes(); });
    for (const Chart& chart : charts_)
        connect(chart.chart, &QChart::plotAreaChanged, this, [this] {
            place_lines();
            place_shades();
        });
    setCentralWidget(chart_area_);

    auto* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("overview_file_menu"));
    auto* save = file->addAction(QStringLiteral("Save picture…"));
    save->setObjectName(QStringLiteral("overview_save_picture"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saver_ = new PictureSaver(scaling_.controller().scaling().dialogs, this);
    connect(save, &QAction::triggered, this, [this] { save_picture(); });

    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("overview_hint"));
    statusBar()->addWidget(hint_, 1);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("automatic_progress"));
    progress_->setFormat(QStringLiteral("automatic foF2 %v of %m"));
    progress_->setMaximumWidth(260);
    progress_->hide();
    statusBar()->addPermanentWidget(progress_);
}

void DayOverviewWindow::present() {
    if (!placed_) {
        placed_ = true;
        const QScreen* screen = scaling_.screen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
        // The window manager's frame is the scaling form's again.
        const QSize frame = scaling_.frameGeometry().size() - scaling_.size();
        const QSize size(std::min(940, area.width() - frame.width()),
                         std::min(640, area.height() - frame.height()));
        resize(size);
        const QSize outer = size + frame;
        // Beside the scaling form where the screen leaves room, else over its lower right part.
        const QRect form = scaling_.frameGeometry();
        QPoint place(form.right() + 1, form.top());
        if (place.x() + outer.width() - 1 > area.right())
            place.setX(form.left() - outer.width());
        if (place.x() < area.left())
            place = QPoint(area.right() + 1 - outer.width(), area.bottom() + 1 - outer.height());
        move(place);
    }
    show();
    raise();
    activateWindow();
}

void DayOverviewWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    refresh();
}

void DayOverviewWindow::refresh() {
    const Scaling& scaling = scaling_.controller().scaling();
    overview_ = read_day_overview(scaling.shared);
    stamp_ = stored_stamp(scaling);
    setWindowTitle(QStringLiteral("Day overview - %1 (every %2 minutes)")
                       .arg(latin1(scaling.shared.working_date))
                       .arg(overview_.interval));
    hint_->setText(overview_.error ? latin1(file_error_text(*overview_.error))
                                   : QStringLiteral("Click on a time to show that sounding."));
    follow_proposals();
}

void DayOverviewWindow::follow_proposals() {
    const bool wanted = proposals_on_ && proposals_on_();
    if (wanted)
        automatic_.start_day(day_key(scaling_.controller().scaling().shared),
                             overview_.soundings.size());
    draw();
    if (wanted && !automatic_.complete() && !worker_)
        start_automatic();
}

void DayOverviewWindow::follow() {
    if (!isVisible() || stored_stamp(scaling_.controller().scaling()) == stamp_)
        return;
    refresh();
}

void DayOverviewWindow::add_series(Chart& chart, QXYSeries* series) {
    chart.chart->addSeries(series);
    series->attachAxis(chart.time);
    series->attachAxis(chart.values);
}

void DayOverviewWindow::draw() {
    const bool automatic_shown =
        proposals_on_ && proposals_on_() && automatic_.size() == overview_.soundings.size();
    automatic_points_ = nullptr;
    for (const Line& line : lines_)
        delete line.item;
    lines_.clear();
    for (std::size_t c = 0; c < 2; ++c) {
        Chart& chart = charts_[c];
        chart.chart->removeAllSeries();
        const std::size_t first = c == 0 ? 0 : overview_frequency_rows;
        const std::size_t last = c == 0 ? overview_frequency_rows : overview_rows.size();

        double highest = c == 0 ? 6.0 : 300.0;
        for (const OverviewSounding& sounding : overview_.soundings)
            for (std::size_t r = first; r < last; ++r)
                if (sounding.values[r])
                    highest = std::max(highest, *sounding.values[r]);
        if (c == 0 && automatic_shown)
            for (std::size_t k = 0; k < automatic_.size(); ++k)
                if (const auto value = automatic_.value(k))
                    highest = std::max(highest, *value);
        if (c == 0) {
            // Room above the values for the particular-case codes; an even top keeps the ticks on
            // whole megahertz.
            chart.values->setRange(0, 2 * std::ceil((highest + 2) / 2));
        } else {
            chart.values->setRange(50, std::ceil((highest + 50) / 50) * 50);
        }
        chart.values->setTickCount(c == 0 ? static_cast<int>(chart.values->max() / 2) + 1
                                          : static_cast<int>((chart.values->max() - 50) / 50) + 1);
        const double bottom = chart.values->min();
        const double top = chart.values->max();

        // The unscaled soundings, each over its own interval: one pixel per sounding, stretched
        // over the plot under the grid (place_shades). A filled series of hundreds of steps
        // costs the chart tens of milliseconds at every painting; the picture costs nothing.
        QImage strip(static_cast<int>(std::max<std::size_t>(overview_.soundings.size(), 1)), 1,
                     QImage::Format_ARGB32);
        strip.fill(Qt::transparent);
        for (std::size_t k = 0; k < overview_.soundings.size(); ++k)
            if (overview_.soundings[k].blank)
                strip.setPixelColor(static_cast<int>(k), 0, unscaled_colour);
        shades_[c]->setPixmap(QPixmap::fromImage(strip));
        // The legend's entry; the shading itself is the picture.
        // An area series does not own its line: the line goes with the area.
        auto* edge = new QLineSeries;
        auto* unscaled = new QAreaSeries(edge);
        edge->setParent(unscaled);
        unscaled->setName(QStringLiteral("not scaled"));
        unscaled->setObjectName(QStringLiteral("not_scaled"));
        unscaled->setColor(unscaled_colour);
        unscaled->setPen(Qt::NoPen);
        chart.chart->addSeries(unscaled);
        unscaled->attachAxis(chart.time);
        unscaled->attachAxis(chart.values);

        auto add_characteristic = [&](const QString& name, const QColor& colour, qreal size,
                                      auto value_of) {
            Line line{c, runs_of(overview_, value_of), new QGraphicsPathItem(chart.chart)};
            // A cosmetic pen is drawn straight; a wider one goes through the stroker.
            QPen pen(colour, 1);
            pen.setCosmetic(true);
            line.item->setPen(pen);
            // Over the shading and the mark of the sounding on screen, under the points.
            line.item->setZValue(4.5);
            lines_.push_back(std::move(line));
            auto* points = new QScatterSeries;
            points->setName(name);
            points->setObjectName(name);
            points->setColor(colour);
            points->setBorderColor(colour);
            points->setMarkerSize(size);
            points->setLightMarker(marker_image(colour, static_cast<int>(size)));
            for (std::size_t k = 0; k < overview_.soundings.size(); ++k)
                if (const std::optional<double> value = value_of(k))
                    points->append(hours(overview_.soundings[k].minute), *value);
            add_series(chart, points);
            return points;
        };
        if (c == 0 && proposals_on_ && proposals_on_())
            automatic_points_ =
                add_characteristic(QStringLiteral("automatic foF2"), automatic_colour, 5,
                                   [this](std::size_t k) { return automatic_.value(k); });
        for (std::size_t r = first; r < last; ++r)
            add_characteristic(
                latin1(std::string(caption(overview_rows[r]))), row_colours[r], 6,
                [this, r](std::size_t k) { return overview_.soundings[k].values[r]; });

        auto* on_screen = new QLineSeries;
        on_screen->setObjectName(QStringLiteral("on_screen"));
        if (overview_.current_record >= 1 &&
            overview_.current_record <= static_cast<int>(overview_.soundings.size())) {
            const int minute =
                overview_.soundings[static_cast<std::size_t>(overview_.current_record - 1)].minute;
            on_screen->setName(QStringLiteral("on screen ") + latin1(time_of_day_text(minute)));
            on_screen->append(hours(minute), bottom);
            on_screen->append(hours(minute), top);
        }
        on_screen->setPen(QPen(on_screen_colour, 2, Qt::DashLine));
        add_series(chart, on_screen);
    }
    const Scaling& scaling = scaling_.controller().scaling();
    charts_[0].chart->setTitle(QStringLiteral("%1  %2").arg(latin1(scaling.shared.station_name),
                                                            latin1(scaling.shared.working_date)));
    place_case_codes();
    place_lines();
    place_shades();
}

void DayOverviewWindow::place_shades() {
    for (std::size_t k = 0; k < 2; ++k) {
        const QRectF plot = charts_[k].chart->plotArea();
        shade_frames_[k]->setRect(plot);
        // Pixel n stands for sounding n + 1, centred on its time.
        const double width = plot.width() * overview_.interval / (24.0 * 60);
        QTransform stretch;
        stretch.translate(plot.left() - width / 2, plot.top());
        stretch.scale(width, plot.height());
        shades_[k]->setTransform(stretch);
    }
}

void DayOverviewWindow::place_lines() {
    for (const Line& line : lines_) {
        const Chart& chart = charts_[line.chart];
        const QRectF plot = chart.chart->plotArea();
        const double low = chart.values->min();
        const double span = chart.values->max() - low;
        auto at = [&](QPointF value) {
            return QPointF(plot.left() + plot.width() * value.x() / 24,
                           plot.bottom() - plot.height() * (value.y() - low) / span);
        };
        QPainterPath path;
        for (const QList<QPointF>& run : line.runs) {
            path.moveTo(at(run.front()));
            for (qsizetype k = 1; k < run.size(); ++k)
                path.lineTo(at(run[k]));
        }
        line.item->setPath(path);
    }
}

void DayOverviewWindow::place_case_codes() {
    for (QGraphicsSimpleTextItem* item : case_codes_)
        delete item;
    case_codes_.clear();
    QChart* chart = charts_[0].chart;
    const QRectF plot = chart->plotArea();
    if (overview_.soundings.empty() || plot.width() <= 0)
        return;
    QFont font = QFont(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    // Codes of neighbouring soundings take turns on a few rows, so that they do not overlap.
    const double spacing = plot.width() * overview_.interval / (24.0 * 60);
    const int rows = std::clamp(static_cast<int>(std::ceil(16 / std::max(spacing, 1.0))), 1, 6);
    for (const OverviewSounding& sounding : overview_.soundings) {
        if (sounding.case_code.empty())
            continue;
        auto* item = new QGraphicsSimpleTextItem(latin1(sounding.case_code), chart);
        item->setFont(font);
        item->setBrush(case_colour);
        item->setToolTip(latin1(time_of_day_text(sounding.minute) + "  " + sounding.case_name));
        const double x = plot.left() + plot.width() * sounding.minute / (24.0 * 60);
        const int row = (sounding.record - 1) % rows;
        item->setPos(x - item->boundingRect().width() / 2, plot.top() + 1 + row * 11);
        item->setZValue(10);
        case_codes_.push_back(item);
    }
}

void DayOverviewWindow::start_automatic() {
    const Scaling& scaling = scaling_.controller().scaling();
    std::vector<SoundingFile> files = day_ionogram_files(scaling.shared);
    std::vector<std::size_t> todo;
    for (std::size_t k = 0; k < files.size(); ++k)
        if (!automatic_.computed(k))
            todo.push_back(k);
    if (todo.empty())
        return;
    progress_->setRange(0, static_cast<int>(files.size()));
    progress_->setValue(static_cast<int>(files.size() - todo.size()));
    progress_->show();
    stop_ = std::make_shared<std::atomic<bool>>(false);
    // The worker reads its own copies of the file names and hands each value back to this
    // window's thread; the engine and the reads touch nothing the windows use.
    worker_ =
        QThread::create([this, files = std::move(files), todo = std::move(todo), stop = stop_] {
            for (const std::size_t k : todo) {
                if (stop->load())
                    return;
                const std::optional<double> foF2 = automatic_foF2(files[k].path);
                QMetaObject::invokeMethod(
                    this, [this, k, foF2] { automatic_point(k, foF2); }, Qt::QueuedConnection);
            }
        });
    connect(worker_, &QThread::finished, this, [this] {
        QThread* done = std::exchange(worker_, nullptr);
        done->wait();
        delete done;
        progress_->hide();
        draw();
        if (automatic_.complete())
            emit automatic_series_done();
    });
    worker_->start(QThread::LowPriority);
}

void DayOverviewWindow::automatic_point(std::size_t index, std::optional<double> foF2) {
    automatic_.set(index, foF2);
    progress_->setValue(progress_->value() + 1);
    if (foF2 && automatic_points_ && index < overview_.soundings.size())
        automatic_points_->append(hours(overview_.soundings[index].minute), *foF2);
}

void DayOverviewWindow::clicked(double minute) {
    const int record = record_at_minute(overview_, minute);
    if (record == 0)
        return;
    scaling_.go_to_record(record);
}

void DayOverviewWindow::hovered(double minute) {
    const int record = record_at_minute(overview_, minute);
    if (record == 0)
        return;
    const OverviewSounding& sounding = overview_.soundings[static_cast<std::size_t>(record - 1)];
    QString text = latin1(time_of_day_text(sounding.minute));
    for (std::size_t r = 0; r < overview_rows.size(); ++r)
        if (sounding.values[r])
            text += QStringLiteral("  %1 %2 %3")
                        .arg(latin1(std::string(caption(overview_rows[r]))),
                             QString::number(*sounding.values[r]),
                             r < overview_frequency_rows ? QStringLiteral("MHz")
                                                         : QStringLiteral("km"));
    if (sounding.blank)
        text += QStringLiteral("  not scaled");
    if (!sounding.case_code.empty())
        text += QStringLiteral("  case ") + latin1(sounding.case_code);
    // Only while the series is on the chart: a cache kept from before says nothing on screen.
    if (automatic_points_)
        if (const auto value = automatic_.value(static_cast<std::size_t>(record - 1)))
            text += QStringLiteral("  (automatic foF2 %1)").arg(*value, 0, 'f', 1);
    hint_->setText(text + QStringLiteral("  - click to show it"));
}

QImage DayOverviewWindow::picture() {
    return chart_area_->grab().toImage();
}

void DayOverviewWindow::save_picture() {
    const std::filesystem::path path =
        overview_picture_path(scaling_.controller().scaling().shared);
    saver_->save(picture(), QString::fromStdU16String(path.u16string()));
}

QPoint DayOverviewWindow::position_of(int minute, QChartView* view) const {
    QChart* chart = view->chart();
    const QRectF plot = chart->plotArea();
    const QPointF point(plot.left() + plot.width() * minute / (24.0 * 60), plot.center().y());
    return view->mapFromScene(chart->mapToScene(point));
}

} // namespace scalvo
