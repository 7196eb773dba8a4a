// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/companion_window.h"

#include "forms/accessible_names.h"
#include "forms/design.h"
#include "forms/latin1.h"
#include "forms/plot_surface.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace scalvo {

CompanionWindow::CompanionWindow(CompanionController& controller) : controller_(controller) {
    setObjectName(QStringLiteral("immagine_next_ionogram"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    surface_ = new PlotSurface(controller_.form().plot, this);
    surface_->setObjectName(QStringLiteral("immagine_next_ionogram_surface"));
    layout->addWidget(surface_);
    setFixedSize(surface_->size());

    auto add_button = [this](const char* name, const char* caption, QRect place) {
        auto* button = new QPushButton(QString::fromLatin1(caption), surface_);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(place);
        return button;
    };
    QPushButton* previous =
        add_button("previous_new_form", "previous", twips(3360, 480, 1215, 495));
    connect(previous, &QPushButton::clicked, this, [this] {
        controller_.previous_new_form_click();
        sync();
    });
    QPushButton* next = add_button("next_new_form", "next", twips(7560, 480, 1215, 495));
    connect(next, &QPushButton::clicked, this, [this] {
        controller_.next_new_form_click();
        sync();
    });
    name_controls_for_accessibility(*this);
}

void CompanionWindow::sync() {
    const std::string& caption = controller_.form().caption;
    setWindowTitle(latin1(caption));
    surface_->refresh();
}

void CompanionWindow::present() {
    sync();
    const bool first = !isVisible();
    show();
    if (first) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
        move(area.x() + (area.width() - frameGeometry().width()) / 2,
             area.y() + (area.height() - frameGeometry().height()) / 2);
    }
    raise();
}

void CompanionWindow::closeEvent(QCloseEvent* event) {
    controller_.closed();
    event->accept();
}

} // namespace scalvo
