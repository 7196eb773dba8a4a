// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly_qt/month_picture.h"

#include "scaling/value_units.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace scalvo {

namespace {

const QColor dot_colour(150, 150, 150);
const QColor band_colour(186, 212, 240);
const QColor median_colour(20, 60, 160);
const QColor grid_colour(225, 225, 225);

constexpr int left_margin = 80;
constexpr int right_margin = 30;
constexpr int panel_height = 300;

struct Panel {
    Row row;
    QString label; // of the vertical axis
    double low;    // the axis without values
    double high;
    int top;
};

std::optional<double> physical(Row row, std::optional<int> code) {
    return code ? value_of_code(row, std::to_string(*code)) : std::nullopt;
}

// A step of 1, 2 or 5 times a power of ten giving four to eight divisions.
double tick_step(double span) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(span / 5)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (span / (m * magnitude) <= 8)
            return m * magnitude;
    return 10 * magnitude;
}

class PanelPainter {
  public:
    PanelPainter(QPainter& painter, const MonthTables& tables, const Panel& panel)
        : p_(painter), tables_(tables), panel_(panel) {
        plot_ = QRectF(left_margin, panel.top, month_picture_width - left_margin - right_margin,
                       panel_height);
        find_range();
    }

    void draw() {
        draw_grid();
        draw_band();
        draw_dots();
        draw_median();
        p_.setPen(QPen(Qt::black, 1));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(plot_);
    }

  private:
    double x_of(double hour) const { return plot_.left() + (hour + 0.5) * plot_.width() / 24; }
    double y_of(double value) const {
        return plot_.bottom() - (value - low_) / (high_ - low_) * plot_.height();
    }

    void find_range() {
        std::vector<double> all;
        for (int hour = 0; hour < 24; ++hour) {
            for (int day = 1; day <= static_cast<int>(tables_.days.size()); ++day)
                if (const auto v = physical(panel_.row, tables_.entry(day, hour, panel_.row).code))
                    all.push_back(*v);
            const HourStatistics& s = tables_.statistics(panel_.row, hour);
            for (const Statistic* t : {&s.upper_quartile, &s.lower_quartile, &s.median})
                if (const auto v = physical(panel_.row, t->code))
                    all.push_back(*v);
        }
        low_ = panel_.low;
        high_ = panel_.high;
        if (!all.empty()) {
            const auto [lo, hi] = std::minmax_element(all.begin(), all.end());
            const double pad = std::max((*hi - *lo) * 0.08, (panel_.high - panel_.low) * 0.02);
            low_ = std::max(0.0, *lo - pad);
            high_ = *hi + pad;
        }
        step_ = tick_step(high_ - low_);
        low_ = std::floor(low_ / step_) * step_;
        high_ = std::ceil(high_ / step_) * step_;
    }

    void draw_grid() {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        p_.setFont(font);
        for (double v = low_; v <= high_ + step_ / 2; v += step_) {
            const double y = y_of(v);
            p_.setPen(QPen(grid_colour, 1));
            p_.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
            p_.setPen(Qt::black);
            p_.drawText(QRectF(0, y - 8, left_margin - 8, 16), Qt::AlignRight | Qt::AlignVCenter,
                        QString::number(v, 'g', 6));
        }
        for (int hour = 0; hour < 24; ++hour) {
            const double x = x_of(hour);
            p_.setPen(QPen(grid_colour, 1));
            p_.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
            if (hour % 2 == 0) {
                p_.setPen(Qt::black);
                p_.drawText(QRectF(x - 20, plot_.bottom() + 4, 40, 16), Qt::AlignCenter,
                            QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
            }
        }
        p_.setPen(Qt::black);
        QFont bold = font;
        bold.setBold(true);
        p_.setFont(bold);
        p_.drawText(QRectF(plot_.left(), plot_.top() - 20, plot_.width(), 18),
                    Qt::AlignLeft | Qt::AlignVCenter, panel_.label);
        p_.setFont(font);
        p_.drawText(QRectF(plot_.left(), plot_.bottom() + 20, plot_.width(), 16), Qt::AlignCenter,
                    QStringLiteral("hour"));
    }

    // The band between the quartiles, over each run of hours that has both.
    void draw_band() {
        p_.setPen(Qt::NoPen);
        p_.setBrush(band_colour);
        int hour = 0;
        while (hour < 24) {
            std::vector<std::pair<double, double>> run; // (upper, lower) from hour on
            int first = hour;
            for (; hour < 24; ++hour) {
                const HourStatistics& s = tables_.statistics(panel_.row, hour);
                const auto up = physical(panel_.row, s.upper_quartile.code);
                const auto down = physical(panel_.row, s.lower_quartile.code);
                if (!up || !down)
                    break;
                run.emplace_back(*up, *down);
            }
            if (run.size() == 1) {
                p_.drawRect(QRectF(QPointF(x_of(first) - 4, y_of(run[0].first)),
                                   QPointF(x_of(first) + 4, y_of(run[0].second))));
            } else if (run.size() > 1) {
                QPolygonF band;
                for (std::size_t k = 0; k < run.size(); ++k)
                    band << QPointF(x_of(first + static_cast<int>(k)), y_of(run[k].first));
                for (std::size_t k = run.size(); k-- > 0;)
                    band << QPointF(x_of(first + static_cast<int>(k)), y_of(run[k].second));
                p_.drawPolygon(band);
            }
            if (run.empty())
                ++hour;
        }
    }

    void draw_dots() {
        p_.setPen(Qt::NoPen);
        p_.setBrush(dot_colour);
        for (int day = 1; day <= static_cast<int>(tables_.days.size()); ++day)
            for (int hour = 0; hour < 24; ++hour)
                if (const auto v = physical(panel_.row, tables_.entry(day, hour, panel_.row).code))
                    p_.drawEllipse(QPointF(x_of(hour), y_of(*v)), 2.5, 2.5);
    }

    void draw_median() {
        p_.setPen(QPen(median_colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(median_colour);
        QPolygonF line;
        const auto finish = [&] {
            if (line.size() == 1)
                p_.drawEllipse(line.front(), 3, 3);
            else if (line.size() > 1)
                p_.drawPolyline(line);
            line.clear();
        };
        for (int hour = 0; hour < 24; ++hour) {
            const auto v = physical(panel_.row, tables_.statistics(panel_.row, hour).median.code);
            if (v)
                line << QPointF(x_of(hour), y_of(*v));
            else
                finish();
        }
        finish();
    }

    QPainter& p_;
    const MonthTables& tables_;
    const Panel& panel_;
    QRectF plot_;
    double low_ = 0;
    double high_ = 1;
    double step_ = 1;
};

void draw_legend(QPainter& p, int y) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    p.setFont(font);
    double x = left_margin;
    p.setPen(Qt::NoPen);
    p.setBrush(dot_colour);
    p.drawEllipse(QPointF(x + 6, y), 2.5, 2.5);
    p.setPen(Qt::black);
    p.drawText(QPointF(x + 16, y + 4), QStringLiteral("the value of each day"));
    x += 190;
    p.setPen(QPen(median_colour, 3));
    p.drawLine(QPointF(x, y), QPointF(x + 24, y));
    p.setPen(Qt::black);
    p.drawText(QPointF(x + 32, y + 4), QStringLiteral("median"));
    x += 110;
    p.setPen(Qt::NoPen);
    p.setBrush(band_colour);
    p.drawRect(QRectF(x, y - 6, 24, 12));
    p.setPen(Qt::black);
    p.drawText(QPointF(x + 32, y + 4), QStringLiteral("between the lower and upper quartiles"));
}

} // namespace

QImage month_picture(const MonthTables& tables, const std::string& title) {
    QImage image(month_picture_width, month_picture_height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 8, month_picture_width, 26), Qt::AlignCenter,
               QStringLiteral("foF2 and h'F by hour, ") + QString::fromStdString(title));
    draw_legend(p, 50);
    const Panel panels[] = {
        {Row::foF2, QStringLiteral("foF2 (MHz)"), 0, 12, 90},
        {Row::hF, QStringLiteral("h'F (km)"), 150, 400, 90 + panel_height + 90},
    };
    for (const Panel& panel : panels)
        PanelPainter(p, tables, panel).draw();
    return image;
}

std::optional<std::string> month_picture_png(const MonthTables& tables, const std::string& title) {
    const QImage image = month_picture(tables, title);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return std::nullopt;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace scalvo
