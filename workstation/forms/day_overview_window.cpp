// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/day_overview_window.h"

#include "common/file_error.h"
#include "common/shared_state.h"
#include "controllers/picture_caption.h"
#include "forms/latin1.h"
#include "forms/picture_file.h"
#include "forms/scaling_window.h"

#include <QActionGroup>
#include <QAreaSeries>
#include <QBoxLayout>
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

// A limit or a replaced value: an open triangle pointing the way the true value lies, or an
// open circle; never the filled dot of a measured value.
QImage kind_marker_image(const QColor& colour, ValueKind kind, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(Qt::NoBrush);
    const double e = 1.0;
    const double f = size - 1.0;
    if (kind == ValueKind::greater_than)
        painter.drawPolygon(QPolygonF{{e, f}, {f, f}, {size / 2.0, e}});
    else if (kind == ValueKind::less_than)
        painter.drawPolygon(QPolygonF{{e, e}, {f, e}, {size / 2.0, f}});
    else
        painter.drawEllipse(QRectF(e, e, f - e, f - e));
    return image;
}

// The kinds drawn apart, with their legend's symbol and words.
struct KindLook {
    ValueKind kind;
    const char* suffix; // of the series' name
    const char* symbol;
    const char* legend;
};
constexpr std::array<KindLook, 3> drawn_kinds{{
    {ValueKind::greater_than, " greater than", "\u25B3", "greater than (D)"},
    {ValueKind::less_than, " less than", "\u25BD", "less than (E, A)"},
    {ValueKind::replaced, " replaced", "\u25CB", "replaced (I, T)"},
}};

QString swatch(const QColor& colour, const QString& symbol, const QString& words) {
    return QStringLiteral("<span style=\"color:%1\">%2</span>&nbsp;%3")
        .arg(colour.name(), symbol,
             words.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
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
    axis->setLabelFormat(QStringLiteral("%.0f"));
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
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 2);
    column->setSpacing(0);
    // The legend and the charts: what "Save picture…" saves.
    picture_area_ = new QWidget(central);
    picture_area_->setObjectName(QStringLiteral("overview_charts"));
    picture_area_->setAutoFillBackground(true);
    picture_area_->setPalette(QPalette(Qt::white));
    auto* picture = new QVBoxLayout(picture_area_);
    picture->setContentsMargins(0, 0, 0, 0);
    picture->setSpacing(0);
    // One legend for both charts, in lines that wrap: a chart's own legend holds one line only
    // and cuts its entries short in a narrow window.
    legend_ = new QLabel(picture_area_);
    legend_->setObjectName(QStringLiteral("overview_legend"));
    legend_->setTextFormat(Qt::RichText);
    legend_->setWordWrap(true);
    legend_->setContentsMargins(6, 2, 6, 0);
    legend_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    picture->addWidget(legend_);
    chart_area_ = new QWidget(picture_area_);
    auto* layout = new QBoxLayout(QBoxLayout::TopToBottom, chart_area_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    picture->addWidget(chart_area_, 1);
    column->addWidget(picture_area_, 1);

    const std::array<QString, 2> units{QStringLiteral("MHz"), QStringLiteral("km")};
    for (std::size_t k = 0; k < 2; ++k) {
        Chart& chart = charts_[k];
        chart.chart = new QChart;
        chart.chart->setAnimationOptions(QChart::NoAnimation);
        chart.chart->legend()->hide();
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
        view->setMinimumSize(120, 50);
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
    for (std::size_t k = 0; k < 2; ++k)
        connect(charts_[k].chart, &QChart::plotAreaChanged, this, [this, k] {
            fit_axes(k);
            align_plots();
            place_lines();
            place_shades();
            if (k == 0)
                place_case_codes();
        });

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(6, 2, 6, 0);
    hint_ = new QLabel(central);
    hint_->setObjectName(QStringLiteral("overview_hint"));
    hint_->setWordWrap(true);
    hint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bottom->addWidget(hint_, 1);
    progress_ = new QProgressBar(central);
    progress_->setObjectName(QStringLiteral("automatic_progress"));
    progress_->setFormat(QStringLiteral("automatic foF2 %v of %m"));
    progress_->setMaximumWidth(260);
    progress_->hide();
    bottom->addWidget(progress_);
    column->addLayout(bottom);
    setCentralWidget(central);
    build_menus();
}

void DayOverviewWindow::build_menus() {
    auto* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("overview_file_menu"));
    auto* save = file->addAction(QStringLiteral("Save picture…"));
    save->setObjectName(QStringLiteral("overview_save_picture"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saver_ = new PictureSaver(scaling_.controller().scaling().dialogs, this);
    connect(save, &QAction::triggered, this, [this] { save_picture(); });

    auto* place = menuBar()->addMenu(QStringLiteral("&Place"));
    place->setObjectName(QStringLiteral("overview_place_menu"));
    auto* group = new QActionGroup(place);
    const std::array<std::pair<OverviewPlace, QString>, 2> places{
        {{OverviewPlace::under, QStringLiteral("&Under the scaling form")},
         {OverviewPlace::beside, QStringLiteral("&Beside the scaling form")}}};
    for (std::size_t k = 0; k < places.size(); ++k) {
        // A plain copy: clang 14 cannot capture a structured binding.
        const OverviewPlace where = places[k].first;
        auto* entry = place->addAction(places[k].second);
        entry->setObjectName(where == OverviewPlace::under
                                 ? QStringLiteral("overview_place_under")
                                 : QStringLiteral("overview_place_beside"));
        entry->setCheckable(true);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, where] {
            remember_place(where);
            set_place(where);
        });
        place_entries_[k] = entry;
    }
}

void DayOverviewWindow::set_place(OverviewPlace place) {
    place_ = place;
    place_chosen_ = true;
    place_entries_[0]->setChecked(place == OverviewPlace::under);
    place_entries_[1]->setChecked(place == OverviewPlace::beside);
    if (isVisible())
        place_windows();
}

void DayOverviewWindow::place_windows() {
    const QScreen* screen = scaling_.screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const OverviewPlacement placement = place_overview(place_, area, scaling_.frameGeometry());
    if (scaling_.frameGeometry().topLeft() != placement.form)
        scaling_.move(placement.form);
    // The window manager's frame: this window's own once shown, the form's before.
    const QSize frame = isVisible() && frameGeometry().size() != size()
                            ? frameGeometry().size() - size()
                            : scaling_.frameGeometry().size() - scaling_.size();
    // The charts side by side first where a strip wants them: one above the other, they would
    // make the window taller than the strip.
    arrange_charts(placement.overview.size() - frame);
    resize(placement.overview.size() - frame);
    move(placement.overview.topLeft());
}

void DayOverviewWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    arrange_charts(size());
}

void DayOverviewWindow::arrange_charts(QSize window) {
    auto* layout = static_cast<QBoxLayout*>(chart_area_->layout());
    // The charts' room: the window less its menu, legend and hint lines.
    const QSize room = window - QSize(0, 80);
    const auto direction =
        room.width() > 3 * room.height() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (layout->direction() != direction) {
        layout->setDirection(direction);
        align_plots();
    }
}

void DayOverviewWindow::align_plots() {
    constexpr int margin = 6;
    const bool stacked =
        static_cast<QBoxLayout*>(chart_area_->layout())->direction() == QBoxLayout::TopToBottom;
    // Where each plot would start with the ordinary margin: its labels' width decides.
    std::array<double, 2> natural{};
    for (std::size_t k = 0; k < 2; ++k)
        natural[k] =
            charts_[k].chart->plotArea().left() - (charts_[k].chart->margins().left() - margin);
    const double start = std::max(natural[0], natural[1]);
    for (std::size_t k = 0; k < 2; ++k) {
        QMargins margins = charts_[k].chart->margins();
        // One above the other, the two time axes start at the same place.
        const int left =
            stacked ? margin + static_cast<int>(std::lround(start - natural[k])) : margin;
        if (margins.left() != left) {
            margins.setLeft(left);
            charts_[k].chart->setMargins(margins);
        }
    }
}

void DayOverviewWindow::fit_axes(std::size_t c) {
    Chart& chart = charts_[c];
    const QRectF plot = chart.chart->plotArea();
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    // The chart gives each label an equal share of the axis, less a few pixels, and cuts a label
    // that does not fit its share to "…": a share must hold the label's text and its margins.
    constexpr int label_margins = 12;
    // Hours: every 2, 3, 4 or 6 as "06:00", else every 6 or 12 as "06", as many as the labels
    // leave room for.
    const QFontMetrics time_metrics(chart.time->labelsFont());
    struct TimeLabels {
        QString format;
        QString widest;
        std::array<int, 4> steps;
    };
    const std::array<TimeLabels, 2> choices{
        {{QStringLiteral("%02.0f:00"), QStringLiteral("00:00"), {2, 3, 4, 6}},
         {QStringLiteral("%02.0f"), QStringLiteral("00"), {6, 12, 12, 12}}}};
    int hours_apart = 12;
    QString format = choices.back().format;
    for (const TimeLabels& labels : choices) {
        const int label_width = time_metrics.horizontalAdvance(labels.widest) + label_margins;
        const auto fits = std::find_if(labels.steps.begin(), labels.steps.end(), [&](int step) {
            return plot.width() / (24 / step + 1) >= label_width;
        });
        if (fits != labels.steps.end()) {
            hours_apart = *fits;
            format = labels.format;
            break;
        }
    }
    if (chart.time->labelFormat() != format)
        chart.time->setLabelFormat(format);
    const int time_ticks = 24 / hours_apart + 1;
    if (chart.time->tickCount() != time_ticks)
        chart.time->setTickCount(time_ticks);
    const int minor = hours_apart == 2 ? 1 : 0;
    if (chart.time->minorTickCount() != minor)
        chart.time->setMinorTickCount(minor);

    // Values: round steps, as many as the labels leave room for. The top leaves room above the
    // highest value (for the particular-case codes on the frequencies).
    const QFontMetrics value_metrics(chart.values->labelsFont());
    const int label_height = value_metrics.height() + label_margins;
    const double low = c == 0 ? 0.0 : 50.0;
    const double room = c == 0 ? 2.0 : 50.0;
    const auto steps =
        c == 0 ? std::array<double, 4>{2, 4, 6, 10} : std::array<double, 4>{50, 100, 150, 200};
    auto top_for = [&](double step) {
        return low + step * std::ceil((highest_[c] + room - low) / step);
    };
    // A plot too low for three labels gets two: its bottom and its top.
    double step = 0;
    double top = top_for(steps.front());
    for (const double candidate : steps) {
        const double candidate_top = top_for(candidate);
        if (plot.height() / ((candidate_top - low) / candidate + 1) >= label_height) {
            step = candidate;
            top = candidate_top;
            break;
        }
    }
    if (step == 0)
        step = top - low;
    if (chart.values->min() != low || chart.values->max() != top) {
        chart.values->setRange(low, top);
        // The mark of the sounding on screen spans the plot's height.
        if (QXYSeries* mark = on_screen_[c]; mark && mark->count() == 2) {
            const double x = mark->at(0).x();
            mark->replace(QList<QPointF>{{x, low}, {x, top}});
        }
    }
    const int value_ticks = static_cast<int>(std::lround((top - low) / step)) + 1;
    if (chart.values->tickCount() != value_ticks)
        chart.values->setTickCount(value_ticks);
}

void DayOverviewWindow::present() {
    if (!isVisible()) {
        if (!place_chosen_) {
            const QScreen* screen = scaling_.screen();
            const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
            set_place(remembered_place(area, scaling_.frameGeometry()));
        }
        place_windows();
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
    kinds_shown_ = {};
    for (std::size_t c = 0; c < 2; ++c) {
        Chart& chart = charts_[c];
        chart.chart->removeAllSeries();
        on_screen_[c] = nullptr;
        const std::size_t first = c == 0 ? 0 : overview_frequency_rows;
        const std::size_t last = c == 0 ? overview_frequency_rows : overview_rows.size();

        double highest = c == 0 ? 6.0 : 300.0;
        for (const OverviewSounding& sounding : overview_.soundings)
            for (std::size_t r = first; r < last; ++r)
                if (sounding.values[r] && sounding.kinds[r] != ValueKind::es_missing)
                    highest = std::max(highest, *sounding.values[r]);
        if (c == 0 && automatic_shown)
            for (std::size_t k = 0; k < automatic_.size(); ++k)
                if (const auto value = automatic_.value(k))
                    highest = std::max(highest, *value);
        highest_[c] = highest;
        // The finest ticks until the chart has its size; then as many as it leaves room for.
        if (c == 0)
            chart.values->setRange(0, 2 * std::ceil((highest + 2) / 2));
        else
            chart.values->setRange(50, std::ceil((highest + 50) / 50) * 50);
        chart.values->setTickCount(c == 0 ? static_cast<int>(chart.values->max() / 2) + 1
                                          : static_cast<int>((chart.values->max() - 50) / 50) + 1);
        fit_axes(c);
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
        for (std::size_t r = first; r < last; ++r) {
            const QString name = latin1(std::string(caption(overview_rows[r])));
            // Measured values as dots joined in a line; a limit or a replaced value breaks it.
            add_characteristic(name, row_colours[r], 6, [this, r](std::size_t k) {
                const OverviewSounding& sounding = overview_.soundings[k];
                return sounding.kinds[r] == ValueKind::measured ? sounding.values[r] : std::nullopt;
            });
            for (std::size_t n = 0; n < drawn_kinds.size(); ++n) {
                const KindLook& look = drawn_kinds[n];
                QList<QPointF> found;
                for (const OverviewSounding& sounding : overview_.soundings)
                    if (sounding.values[r] && sounding.kinds[r] == look.kind)
                        found.append({hours(sounding.minute), *sounding.values[r]});
                if (found.isEmpty())
                    continue; // no series for nothing: a day of hundreds stays light
                kinds_shown_[static_cast<std::size_t>(look.kind)] = true;
                auto* points = new QScatterSeries;
                points->setName(name + QLatin1String(look.suffix));
                points->setObjectName(points->name());
                points->setColor(row_colours[r]);
                points->setBorderColor(row_colours[r]);
                points->setMarkerSize(9);
                points->setLightMarker(kind_marker_image(row_colours[r], look.kind, 9));
                points->append(found);
                add_series(chart, points);
            }
            for (const OverviewSounding& sounding : overview_.soundings)
                if (sounding.values[r] && sounding.kinds[r] == ValueKind::es_missing)
                    kinds_shown_[static_cast<std::size_t>(ValueKind::es_missing)] = true;
        }

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
        on_screen_[c] = on_screen;
    }
    place_case_codes();
    place_lines();
    place_shades();
    write_legend();
}

void DayOverviewWindow::write_legend() {
    // The station and the day head the legend rather than a chart: a title over the chart
    // would take a strip's height from the plot.
    const Scaling& scaling = scaling_.controller().scaling();
    QStringList entries{QStringLiteral("<b>%1&nbsp;&nbsp;%2</b>")
                            .arg(latin1(scaling.shared.station_name).toHtmlEscaped(),
                                 latin1(scaling.shared.working_date).toHtmlEscaped())};
    for (std::size_t r = 0; r < overview_rows.size(); ++r)
        entries << swatch(row_colours[r], QStringLiteral("\u25CF"),
                          latin1(std::string(caption(overview_rows[r]))));
    if (automatic_points_)
        entries << swatch(automatic_colour, QStringLiteral("\u25CF"),
                          QStringLiteral("automatic foF2"));
    entries << swatch(unscaled_colour.darker(115), QStringLiteral("\u25A0"),
                      QStringLiteral("not scaled"));
    if (overview_.current_record >= 1 &&
        overview_.current_record <= static_cast<int>(overview_.soundings.size()))
        entries << swatch(
            on_screen_colour, QStringLiteral("\u2506"),
            QStringLiteral("on screen ") +
                latin1(time_of_day_text(
                    overview_.soundings[static_cast<std::size_t>(overview_.current_record - 1)]
                        .minute)));
    if (std::any_of(overview_.soundings.begin(), overview_.soundings.end(),
                    [](const OverviewSounding& s) { return !s.case_code.empty(); }))
        entries << swatch(case_colour, QStringLiteral("02"), QStringLiteral("particular case"));
    const QColor symbol(60, 60, 60);
    for (const KindLook& look : drawn_kinds)
        if (kinds_shown_[static_cast<std::size_t>(look.kind)])
            entries << swatch(symbol, QString::fromUtf8(look.symbol),
                              QString::fromLatin1(look.legend));
    if (kinds_shown_[static_cast<std::size_t>(ValueKind::es_missing)])
        entries << QStringLiteral(
            "Es&nbsp;missing&nbsp;codes&nbsp;of&nbsp;foEs&nbsp;not&nbsp;drawn");
    legend_->setText(entries.join(QStringLiteral(" &nbsp; ")));
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
    QString text = latin1(overview_hint(sounding));
    // Only while the series is on the chart: a cache kept from before says nothing on screen.
    if (automatic_points_)
        if (const auto value = automatic_.value(static_cast<std::size_t>(record - 1)))
            text += QStringLiteral("  (automatic foF2 %1)").arg(*value, 0, 'f', 1);
    hint_->setText(text + QStringLiteral("  - click to show it"));
}

QImage DayOverviewWindow::picture() {
    return picture_area_->grab().toImage();
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
