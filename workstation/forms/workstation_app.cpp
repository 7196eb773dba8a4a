#include "forms/workstation_app.h"

#include "forms/companion_window.h"
#include "forms/entrata_window.h"
#include "forms/immagine_window.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

namespace scalvo {

WorkstationApp::WorkstationApp(std::filesystem::path working_folder)
    : working_folder_(std::move(working_folder)) {
    const QString separator = QLocale::system().decimalPoint();
    shared_.decimal_separator = separator.size() == 1 && separator.at(0).unicode() < 128
                                    ? static_cast<char>(separator.at(0).unicode())
                                    : '.';
}

WorkstationApp::~WorkstationApp() = default;

bool WorkstationApp::lock_working_folder() {
    folder_lock_ = std::make_unique<FolderLock>(working_folder_);
    switch (folder_lock_->outcome()) {
    case FolderLock::Outcome::held:
        return true;
    case FolderLock::Outcome::busy:
        dialogs_.message("Scalvo is already running in this folder: " + working_folder_.string(),
                         "SCALVO", false);
        return false;
    case FolderLock::Outcome::failed:
        // Without a lock (a folder we may not write, a network disk that cannot lock) the
        // operator hears why and works on: refusing would stop the station's work altogether.
        report_file_error(dialogs_, *folder_lock_->error());
        return true;
    }
    return true;
}

bool WorkstationApp::show_parameters_form() {
    // Its load closes the scaling form and the companion window.
    close_scaling_form();
    entrata_ = std::make_unique<EntrataWindow>(shared_, dialogs_);
    dialogs_.set_parent(entrata_.get());
    if (!entrata_->load(working_folder_))
        return false;
    connect(entrata_.get(), &EntrataWindow::started, this,
            [this] { QTimer::singleShot(0, this, [this] { show_scaling_form(); }); });
    entrata_->show();
    entrata_->activateWindow();
    return true;
}

void WorkstationApp::show_scaling_form() {
    companion_form_ = CompanionForm{};
    immagine_ = std::make_unique<ImmagineWindow>(shared_, dialogs_, companion_form_);
    dialogs_.set_parent(immagine_.get());
    connect(immagine_.get(), &ImmagineWindow::request, this, [this](WindowRequest request) {
        QTimer::singleShot(0, this, [this, request] { on_request(request); });
    });
    connect(immagine_.get(), &ImmagineWindow::closed, this, [this] {
        if (companion_window_)
            companion_window_->close();
        QTimer::singleShot(0, qApp, &QApplication::quit);
    });
    // The scaling form's load closes the parameters form.
    if (entrata_) {
        entrata_->hide();
        entrata_.release()->deleteLater();
    }
    immagine_->load();
    immagine_->activateWindow();
}

void WorkstationApp::show_companion() {
    if (!companion_window_)
        companion_window_ = std::make_unique<CompanionWindow>(companion_form_, shared_, dialogs_);
    companion_window_->present();
}

void WorkstationApp::close_scaling_form() {
    if (companion_window_) {
        companion_window_->hide();
        companion_window_.release()->deleteLater();
    }
    if (immagine_) {
        disconnect(immagine_.get(), nullptr, this, nullptr);
        immagine_->close_by_program();
        immagine_->hide();
        immagine_.release()->deleteLater();
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
    case WindowRequest::close_program:
        if (immagine_)
            immagine_->close();
        break;
    case WindowRequest::none:
        break;
    }
}

} // namespace scalvo
