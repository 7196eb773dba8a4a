#pragma once
// The scaling form on screen: the plot surface with the sheet and the other controls at their
// design positions, the particular-case menu. Every event goes to the logic; the widgets then
// mirror the logic's state.
#include "scaling/scaling_form.h"
#include "scaling/scaling_form_logic.h"

#include <QMainWindow>
#include <map>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scalvo {

class ClickLabel;
class PlotSurface;

class ImmagineWindow : public QMainWindow {
    Q_OBJECT
  public:
    ImmagineWindow(SharedState& shared, Dialogs& dialogs, CompanionForm& companion);
    ~ImmagineWindow() override;

    // The form's load: the sounding of the shared state, then shown centred.
    void load();
    // Closing asked by the program (the parameters form's load): the closing steps run, the
    // window goes whatever their outcome.
    void close_by_program();
    ScalingForm& form() { return form_; }
    ScalingFormLogic& logic() { return logic_; }
    // Mirrors the logic's state into the widgets.
    void sync();

  signals:
    void request(scalvo::WindowRequest request);
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_sheet();
    void build_controls();
    void build_menu();
    QLineEdit* add_box(const std::string& name, QRect place, bool tab_stop);
    void after_event();
    bool handle_key(QWidget* widget, QKeyEvent* key);
    void focus_changed(QWidget* old, QWidget* now);

    ScalingForm form_;
    ScalingFormLogic logic_;
    PlotSurface* surface_ = nullptr;
    std::map<std::string, QLineEdit*, std::less<>> boxes_;
    std::map<std::string, ClickLabel*, std::less<>> row_labels_;
    std::map<std::string, QAction*, std::less<>> menu_actions_;
    QLabel* label11_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QPushButton* esup_ = nullptr;
    QPushButton* esdown_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QObject* double_clicked_box_ = nullptr;
    bool closing_by_program_ = false;
    bool syncing_ = false;
};

} // namespace scalvo
