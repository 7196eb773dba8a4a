// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/workstation_app.h"

#include "common/folder_access.h"
#include "common/settings_file.h"
#include "controllers/parameters_controller.h"
#include "controllers/station_lock.h"
#include "forms/companion_window.h"
#include "forms/parameters_window.h"
#include "forms/scaling_window.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

namespace scalvo {

WorkstationApp::WorkstationApp(std::filesystem::path working_folder)
    : write_check(folder_write_check), working_folder_(std::move(working_folder)) {
    const QString separator = QLocale::system().decimalPoint();
    shared_.decimal_separator = separator.size() == 1 && separator.at(0).unicode() < 128
                                    ? static_cast<char>(separator.at(0).unicode())
                                    : '.';
}

WorkstationApp::~WorkstationApp() = default;

bool WorkstationApp::lock_working_folder() {
    // A station folder on a read-only share can still be looked at: nothing is written to it,
    // so there is nothing for a lock to protect either.
    std::error_code ignored;
    if (std::filesystem::is_directory(working_folder_ / "ionograms", ignored)) {
        if (const FileResult unwritable = write_check(working_folder_)) {
            shared_.look_only = true;
            dialogs_.message("Scalvo cannot write in \"" + unwritable->path.string() +
                                 "\": " + unwritable->reason +
                                 ".\r\nIt opens in look only: every sounding can be looked at, "
                                 "nothing is stored.",
                             "SCALVO", true);
            return true;
        }
    }
    StationLock station = lock_station_folder(working_folder_, dialogs_);
    folder_lock_ = std::move(station.lock);
    return station.go_on;
}

bool WorkstationApp::show_parameters_form() {
    // Its load closes the scaling form and the companion window.
    close_scaling_form();
    parameters_ = std::make_unique<ParametersWindow>(shared_, dialogs_);
    dialogs_.set_parent(parameters_.get());
    if (!parameters_->load(working_folder_))
        return false;
    connect(parameters_.get(), &ParametersWindow::started, this,
            [this] { QTimer::singleShot(0, this, [this] { show_scaling_form(); }); });
    parameters_->show();
    parameters_->activateWindow();
    return true;
}

void WorkstationApp::show_scaling_form() {
    companion_form_ = CompanionForm{};
    scaling_ = std::make_unique<ScalingWindow>(shared_, dialogs_, companion_controller_);
    dialogs_.set_parent(scaling_.get());
    connect(scaling_.get(), &ScalingWindow::request, this, [this](WindowRequest request) {
        QTimer::singleShot(0, this, [this, request] { on_request(request); });
    });
    connect(scaling_.get(), &ScalingWindow::closed, this, [this] {
        if (companion_window_)
            companion_window_->close();
        QTimer::singleShot(0, qApp, &QApplication::quit);
    });
    // The scaling form's load closes the parameters form.
    if (parameters_) {
        parameters_->hide();
        parameters_.release()->deleteLater();
    }
    scaling_->load();
    scaling_->activateWindow();
}

void WorkstationApp::show_companion() {
    if (!companion_window_)
        companion_window_ = std::make_unique<CompanionWindow>(companion_controller_);
    companion_window_->present();
}

void WorkstationApp::close_scaling_form(bool store) {
    if (companion_window_) {
        companion_window_->hide();
        companion_window_.release()->deleteLater();
    }
    if (scaling_) {
        disconnect(scaling_.get(), nullptr, this, nullptr);
        scaling_->close_by_program(store);
        scaling_->hide();
        scaling_.release()->deleteLater();
    }
}

void WorkstationApp::on_request(WindowRequest request) {
    switch (request) {
    case WindowRequest::show_companion:
        show_companion();
        break;
    case WindowRequest::show_parameters_form:
        show_parameters_form();
        break;
    case WindowRequest::open_day:
        // A copy: the form that asked goes before the start is over.
        if (scaling_ && scaling_->controller().requested_day()) {
            const DayHeld day = *scaling_->controller().requested_day();
            open_day(day);
        }
        break;
    case WindowRequest::close_program:
        if (scaling_)
            scaling_->close();
        break;
    case WindowRequest::none:
        break;
    }
}

void WorkstationApp::open_day(const DayHeld& day) {
    // The described start, on a form of its own that is never shown. A start that fails (its
    // message shown) leaves the program on the sounding it was on.
    const SharedState before = shared_;
    ParametersForm form;
    ParametersController start(form, shared_, dialogs_);
    start.load_settings(working_folder_, today_text());
    if (!start.start_day(day.date, day.interval_text)) {
        shared_ = before;
        return;
    }
    close_scaling_form(false);
    show_scaling_form();
}

} // namespace scalvo
