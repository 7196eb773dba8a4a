// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scaling form on screen: the plot surface with the sheet and the other controls at their
// design positions, the particular-case menu. Every event goes to the logic; the widgets then
// mirror the logic's state.
#include "controllers/scaling_controller.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scalvo {

class ClickLabel;
class PlotSurface;

class ScalingWindow : public QMainWindow {
    Q_OBJECT
  public:
    ScalingWindow(SharedState& shared, Dialogs& dialogs, CompanionController& companion);
    ~ScalingWindow() override;

    // The form's load: the sounding of the shared state, then shown centred.
    void load();
    // Closing asked by the program (the parameters form's load): the closing steps run, the
    // window goes whatever their outcome. Without store the sounding was left already.
    void close_by_program(bool store = true);
    ScalingForm& form() { return form_; }
    ScalingController& controller() { return controller_; }
    // Mirrors the logic's state into the widgets.
    void sync();
    // Mirrors only the readout and the pointer: all a mouse move changes.
    void sync_readout();
    // Another sounding of the day, asked for by another window (the day overview).
    void go_to_record(int record);
    // A command of an entry of our own menus: run, then mirrored as after any event.
    void command(const std::function<void()>& run);
    PlotSurface* plot_surface() const { return surface_; }
    // A View choice of the operator's: remembered, mirrored, announced (view_changed).
    void set_view(const ViewSettings& view);

  signals:
    void request(scalvo::WindowRequest request);
    void closed();
    // An event of the form has run to its end and the widgets show its outcome.
    void event_done();
    // The operator changed a View choice.
    void view_changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_sheet();
    void build_controls();
    void build_menu();
    void build_view_entries();
    void build_edit_entries();
    void add_look_only_entry();
    QLineEdit* add_box(Box box, QRect place, bool tab_stop);
    // The sheet box a widget is, if it is one.
    std::optional<Box> box_of(const QObject* widget) const;
    void after_event();
    bool handle_key(QWidget* widget, QKeyEvent* key);
    void focus_changed(QWidget* old, QWidget* now);

    ScalingForm form_;
    ScalingController controller_;
    PlotSurface* surface_ = nullptr;
    std::map<Box, QLineEdit*> boxes_;
    std::map<const QObject*, Box> box_widgets_;
    std::array<ClickLabel*, row_count> row_labels_{};
    // The menu's top-level entries, whose enabled state follows the load.
    std::vector<std::pair<QAction*, std::variant<CaseCommand, CaseSubmenu>>> case_entries_;
    QLabel* label11_ = nullptr;
    QLabel* proposed_case_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QPushButton* esup_ = nullptr;
    QPushButton* esdown_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QAction* view_proposals_ = nullptr;
    QAction* view_previous_ = nullptr;
    QAction* view_look_only_ = nullptr;
    QAction* edit_undo_ = nullptr;
    QAction* edit_redo_ = nullptr;
    QObject* double_clicked_box_ = nullptr;
    bool closing_by_program_ = false;
    bool syncing_ = false;
};

} // namespace scalvo
