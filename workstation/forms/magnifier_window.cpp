// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/magnifier_window.h"

#include "controllers/magnifier.h"
#include "forms/latin1.h"
#include "forms/plot_surface.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace scalvo {

namespace {

const QString position_key = QStringLiteral("magnifier/position");
// The frame around the pointer's own pixel: a colour the picture never uses.
const QColor pointer_frame(0, 230, 255);

} // namespace

MagnifierWindow::MagnifierWindow(PlotSurface& surface, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowDoesNotAcceptFocus), surface_(surface) {
    setObjectName(QStringLiteral("magnifier"));
    setWindowTitle(QStringLiteral("Magnifier"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(2);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("magnifier_picture"));
    picture_->setFixedSize(magnified_width * magnifier_zoom, magnified_height * magnifier_zoom);
    layout->addWidget(picture_);
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("magnifier_readout"));
    readout_->setAlignment(Qt::AlignCenter);
    layout->addWidget(readout_);
    setFixedSize(sizeHint());
    connect(&surface_, &PlotSurface::pointer_moved, this, &MagnifierWindow::follow);
    connect(&surface_, &PlotSurface::changed, this, [this] {
        if (isVisible())
            draw();
    });
}

void MagnifierWindow::present() {
    if (!placed_) {
        placed_ = true;
        const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
        const QPoint remembered = QSettings().value(position_key, QPoint(-1, -1)).toPoint();
        // The window manager's frame, as the scaling form has it.
        const QWidget* form = parentWidget();
        const QSize frame = form ? form->frameGeometry().size() - form->size() : QSize();
        QRect place(remembered, size() + frame);
        // Away from the menus and the middle of the plot: the screen's bottom right corner,
        // over the plot's corner of the highest frequencies and the lowest heights at most.
        if (!area.contains(place))
            place.moveBottomRight(area.bottomRight());
        move(place.topLeft());
    }
    draw();
    show();
}

void MagnifierWindow::hideEvent(QHideEvent* event) {
    QSettings().setValue(position_key, frameGeometry().topLeft());
    QWidget::hideEvent(event);
    emit hidden();
}

void MagnifierWindow::follow(QPoint plot) {
    centre_ = plot;
    if (isVisible())
        draw();
}

void MagnifierWindow::draw() {
    const QPoint widget = surface_.to_widget(centre_.x(), centre_.y());
    const QRect area(widget.x() - magnified_width / 2, widget.y() - magnified_height / 2,
                     magnified_width, magnified_height);
    QImage part = surface_.shown(area).scaled(area.size() * magnifier_zoom, Qt::IgnoreAspectRatio,
                                              Qt::FastTransformation);
    QPainter painter(&part);
    painter.setPen(pointer_frame);
    const int at = magnifier_zoom;
    painter.drawRect(magnified_width / 2 * at - 1, magnified_height / 2 * at - 1, at + 1, at + 1);
    painter.end();
    picture_->setPixmap(QPixmap::fromImage(part));
    const std::string readout = magnifier_readout(centre_.x(), centre_.y());
    readout_->setText(readout.empty() ? QStringLiteral("outside the plot") : latin1(readout));
}

} // namespace scalvo
