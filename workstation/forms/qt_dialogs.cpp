// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/qt_dialogs.h"

#include "forms/latin1.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace scalvo {

namespace {

// Without a window manager nobody hands the keyboard to a new box: it takes it itself, so
// that Enter, Space and Escape answer it at once.
int run(QMessageBox& box) {
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    return box.exec();
}

} // namespace

QString display_text(const std::string& text) {
    QString shown = latin1(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void QtDialogs::message(const std::string& text, const std::string& title, bool information_icon) {
    QMessageBox box(information_icon ? QMessageBox::Information : QMessageBox::NoIcon,
                    display_text(title), display_text(text), QMessageBox::Ok, parent_);
    box.setObjectName(QStringLiteral("message_box"));
    run(box);
}

int QtDialogs::ask_yes_no(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, display_text(title), display_text(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName(QStringLiteral("message_box"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return run(box) == QMessageBox::Yes ? answer_yes : answer_no;
}

int QtDialogs::ask_yes_no_default_no(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Warning, display_text(title), display_text(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName(QStringLiteral("message_box"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return run(box) == QMessageBox::Yes ? answer_yes : answer_no;
}

void QtDialogs::beep() {
    QApplication::beep();
}

} // namespace scalvo
