// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parameters form on screen.
#include "controllers/parameters_controller.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <functional>

namespace scalvo {

class ClickLabel;

class ParametersWindow : public QWidget {
    Q_OBJECT
  public:
    ParametersWindow(SharedState& shared, Dialogs& dialogs);
    ~ParametersWindow() override;

    // The form's load; false when the program must end (screen too small).
    bool load(const std::filesystem::path& working_folder);
    ParametersForm& form() { return form_; }

  signals:
    // The start command passed: the scaling form is to be shown.
    void started();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void sync();
    void start();
    void focus_changed(QWidget* old, QWidget* now);

    ParametersForm form_;
    ParametersController controller_;
    QLineEdit* giorno_ = nullptr;
    QComboBox* hour_ = nullptr;
    QComboBox* minutes_ = nullptr;
    QComboBox* incremento_ = nullptr;
    ClickLabel* label5_ = nullptr;
};

} // namespace scalvo
