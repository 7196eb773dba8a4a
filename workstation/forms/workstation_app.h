// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running program: its shared state, the message boxes, and the three windows, opened and
// closed as the forms ask.
#include "common/folder_lock.h"
#include "common/shared_state.h"
#include "controllers/companion_controller.h"
#include "controllers/scaling_controller.h"
#include "forms/qt_dialogs.h"

#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>

namespace scalvo {

class CompanionWindow;
class ParametersWindow;
class ScalingWindow;

class WorkstationApp : public QObject {
    Q_OBJECT
  public:
    explicit WorkstationApp(std::filesystem::path working_folder);
    ~WorkstationApp() override;

    // Holds the day files of the working folder for this program alone; false, after telling
    // the operator, when the program must end (no station folder, another Scalvo works there,
    // or no lock and the operator would not go on without it). A station folder that cannot be
    // written opens looking only, without a lock.
    bool lock_working_folder();
    // The parameters form; false when the program must end at once.
    bool show_parameters_form();

    ParametersWindow* parameters() { return parameters_.get(); }
    ScalingWindow* scaling() { return scaling_.get(); }
    CompanionWindow* companion() { return companion_window_.get(); }
    SharedState& shared() { return shared_; }
    // Whether the working folder may be written; tests put their own answer in.
    std::function<FileResult(const std::filesystem::path&)> write_check;

  private:
    void show_scaling_form();
    void show_companion();
    // The sounding has been left already when it closes for another day.
    void close_scaling_form(bool store = true);
    void on_request(WindowRequest request);
    void open_day(const DayHeld& day);

    std::filesystem::path working_folder_;
    std::unique_ptr<FolderLock> folder_lock_;
    SharedState shared_;
    QtDialogs dialogs_;
    CompanionForm companion_form_;
    CompanionController companion_controller_{companion_form_, shared_, dialogs_};
    std::unique_ptr<ParametersWindow> parameters_;
    std::unique_ptr<ScalingWindow> scaling_;
    std::unique_ptr<CompanionWindow> companion_window_;
};

} // namespace scalvo
