// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real message boxes in window tests: a box is modal, so it is read and answered from inside its
// own event loop, as soon as it shows.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <vector>

namespace scalvo::testing {

struct SeenBox {
    QString title;
    QString text;
};

// Runs command, answering with OK every message box it shows.
template <typename Command> std::vector<SeenBox> answering_boxes(Command command) {
    std::vector<SeenBox> seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.push_back({box->windowTitle(), box->text()});
        box->button(QMessageBox::Ok)->click();
    });
    timer.start(10);
    command();
    return seen;
}

} // namespace scalvo::testing
