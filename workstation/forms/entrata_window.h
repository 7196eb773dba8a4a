#pragma once
// The parameters form on screen.
#include "startup/parameters_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <functional>

namespace scalvo {

class ClickLabel;

class EntrataWindow : public QWidget {
    Q_OBJECT
  public:
    EntrataWindow(SharedState& shared, Dialogs& dialogs);
    ~EntrataWindow() override;

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
    ParametersFormLogic logic_;
    QLineEdit* giorno_ = nullptr;
    QComboBox* hour_ = nullptr;
    QComboBox* minutes_ = nullptr;
    QComboBox* incremento_ = nullptr;
    ClickLabel* label5_ = nullptr;
};

} // namespace scalvo
