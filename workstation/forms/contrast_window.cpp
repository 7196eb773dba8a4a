// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/contrast_window.h"

#include "forms/scaling_window.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

#include <cmath>

namespace scalvo {

int gain_position(double gain) {
    return static_cast<int>(std::lround(10 * std::log2(gain)));
}

double gain_at(int position) {
    // Exactly 1 at 0: the default shows the picture as drawn.
    return std::exp2(position / 10.0);
}

int gamma_position(double gamma) {
    return static_cast<int>(std::lround(10 * gamma));
}

double gamma_at(int position) {
    return position / 10.0;
}

ContrastWindow::ContrastWindow(ScalingWindow& scaling)
    : QWidget(&scaling, Qt::Tool), scaling_(scaling) {
    setObjectName(QStringLiteral("contrast"));
    setWindowTitle(QStringLiteral("Contrast"));
    auto* grid = new QGridLayout(this);
    auto add_slider = [this, grid](int row, const QString& name, const QString& caption, int low,
                                   int high) {
        auto* label = new QLabel(caption, this);
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(name);
        slider->setRange(low, high);
        slider->setMinimumWidth(200);
        slider->setAccessibleName(caption);
        label->setBuddy(slider);
        auto* value = new QLabel(this);
        value->setObjectName(name + QStringLiteral("_value"));
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("x 8.00")));
        grid->addWidget(label, row, 0);
        grid->addWidget(slider, row, 1);
        grid->addWidget(value, row, 2);
        connect(slider, &QSlider::valueChanged, this, &ContrastWindow::chosen);
        return std::pair{slider, value};
    };
    std::tie(gain_, gain_text_) =
        add_slider(0, QStringLiteral("contrast_gain"), QStringLiteral("&Gain"),
                   gain_position(lowest_gain), gain_position(highest_gain));
    std::tie(gamma_, gamma_text_) =
        add_slider(1, QStringLiteral("contrast_gamma"), QStringLiteral("G&amma"),
                   gamma_position(lowest_gamma), gamma_position(highest_gamma));
    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton(QStringLiteral("&Reset"), this);
    reset->setObjectName(QStringLiteral("contrast_reset"));
    reset->setToolTip(QStringLiteral("The picture as drawn"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("contrast_close"));
    buttons->addStretch(1);
    buttons->addWidget(reset);
    buttons->addWidget(close);
    grid->addLayout(buttons, 2, 0, 1, 3);
    connect(reset, &QPushButton::clicked, this, [this] {
        ViewSettings view = scaling_.controller().view();
        view.contrast = Contrast{};
        scaling_.set_view(view);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&scaling_, &ScalingWindow::view_changed, this, &ContrastWindow::mirror);
    mirror();
}

void ContrastWindow::present() {
    if (!placed_) {
        placed_ = true;
        adjustSize();
        const QScreen* screen = scaling_.screen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
        // The screen's bottom left corner: on a screen that leaves little room around the
        // scaling form it lies over the margin under the sheet, away from the plot.
        const QSize frame = scaling_.frameGeometry().size() - scaling_.size();
        move(area.left(), std::max(area.top(), area.bottom() + 1 - height() - frame.height()));
    }
    mirror();
    show();
    raise();
    activateWindow();
}

void ContrastWindow::mirror() {
    const Contrast& contrast = scaling_.controller().view().contrast;
    mirroring_ = true;
    gain_->setValue(gain_position(contrast.gain));
    gamma_->setValue(gamma_position(contrast.gamma));
    mirroring_ = false;
    gain_text_->setText(QStringLiteral("x %1").arg(contrast.gain, 0, 'f', 2));
    gamma_text_->setText(QString::number(contrast.gamma, 'f', 2));
}

void ContrastWindow::chosen() {
    if (mirroring_)
        return;
    ViewSettings view = scaling_.controller().view();
    view.contrast = Contrast{gain_at(gain_->value()), gamma_at(gamma_->value())};
    if (view.contrast == scaling_.controller().view().contrast)
        return;
    scaling_.set_view(view);
}

} // namespace scalvo
