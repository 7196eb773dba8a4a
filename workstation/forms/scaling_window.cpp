// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/scaling_window.h"

#include "controllers/key_map.h"
#include "forms/accessible_names.h"
#include "forms/added_menus.h"
#include "forms/click_label.h"
#include "forms/day_overview_menu.h"
#include "forms/design.h"
#include "forms/help_menu.h"
#include "forms/key_codes.h"
#include "forms/latin1.h"
#include "forms/letter_tooltips.h"
#include "forms/menu_bar_style.h"
#include "forms/monthly_menu.h"
#include "forms/open_day_dialog.h"
#include "forms/plot_cursor.h"
#include "forms/plot_picture.h"
#include "forms/plot_surface.h"
#include "forms/qt_dialogs.h"
#include "forms/view_choices.h"
#include "forms/view_tools.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <utility>

namespace scalvo {

namespace {

QFont arial(int points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    return font;
}

void colour_text(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Window, form_blue());
    widget->setPalette(palette);
}

QColor highlight_text() {
    return QApplication::palette().color(QPalette::HighlightedText);
}

} // namespace

ScalingWindow::ScalingWindow(SharedState& shared, Dialogs& dialogs, CompanionController& companion)
    : controller_(form_, shared, dialogs, companion) {
    setObjectName(QStringLiteral("immagine"));
    surface_ = new PlotSurface(form_.plot, this);
    surface_->setObjectName(QStringLiteral("immagine_surface"));
    setCentralWidget(surface_);
    surface_->on_mouse_down = [this](int button, int shift, QPoint plot) {
        controller_.mouse_down(button, shift, static_cast<float>(plot.x()),
                               static_cast<float>(plot.y()));
        after_event();
    };
    surface_->on_mouse_move = [this](QPoint plot) {
        controller_.mouse_move(plot.x(), plot.y());
        sync_readout();
    };
    controller_.set_view(load_view_settings());
    // F11's questions come in the middle of its commands: the sheet on screen shows its picks.
    controller_.set_refresh([this] { sync(); });
    build_sheet();
    build_controls();
    build_menu();
    add_sheet_tooltips(*this);
    name_controls_for_accessibility(*this);
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &ScalingWindow::focus_changed);
}

ScalingWindow::~ScalingWindow() {
    // The widgets outlive the form state while the base class is destroyed.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
}

QLineEdit* ScalingWindow::add_box(Box sheet_box, QRect place, bool tab_stop) {
    auto* box = new QLineEdit(surface_);
    box->setObjectName(latin1(control_name(sheet_box)));
    box->setAccessibleName(latin1(accessible_name(sheet_box)));
    box->setGeometry(place);
    box->setFont(arial(8));
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setDragEnabled(false);
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setFocusPolicy(tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
    connect(box, &QLineEdit::textEdited, this, [this, sheet_box](const QString& text) {
        controller_.box_text_edited(sheet_box, text.toLatin1().toStdString());
        after_event();
    });
    boxes_[sheet_box] = box;
    box_widgets_[box] = sheet_box;
    return box;
}

std::optional<Box> ScalingWindow::box_of(const QObject* widget) const {
    const auto found = box_widgets_.find(widget);
    if (found == box_widgets_.end())
        return std::nullopt;
    return found->second;
}

void ScalingWindow::build_sheet() {
    QWidget* previous_in_tab_order = nullptr;
    for (const Row row : all_rows) {
        const int top = 1080 + 480 * static_cast<int>(index_of(row));
        auto* label = new ClickLabel(latin1(caption(row)), surface_);
        label->setObjectName(latin1(control_name(RowLabel{row})));
        label->setGeometry(twips(840, top, 1275, 285));
        label->setFont(arial(8));
        label->setAutoFillBackground(true);
        colour_text(label, highlight_text());
        connect(label, &ClickLabel::clicked, this, [this, row] {
            controller_.label_click(row);
            after_event();
        });
        row_labels_[index_of(row)] = label;

        add_box(previous_box(row), twips(120, top, 615, 285), false);
        if (row == Row::es_types) {
            QLineEdit* box = add_box(value_box(row), twips(2160, top, 615, 285), true);
            if (previous_in_tab_order)
                setTabOrder(previous_in_tab_order, box);
            previous_in_tab_order = box;
            continue;
        }
        add_box(value_box(row), twips(2160, top, 375, 285), false);
        QLineEdit* descriptive = add_box(descriptive_box(row), twips(2880, top, 255, 285), true);
        QLineEdit* qualifying = add_box(qualifying_box(row), twips(2640, top, 255, 285), true);
        // The descriptive letter comes before the qualifying letter in the tab order.
        if (previous_in_tab_order)
            setTabOrder(previous_in_tab_order, descriptive);
        setTabOrder(descriptive, qualifying);
        previous_in_tab_order = qualifying;
    }
    auto add_header = [this](const char* name, const char* text, QRect place) {
        auto* label = new QLabel(QString::fromLatin1(text), surface_);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(place);
        label->setFont(arial(8));
        label->setAutoFillBackground(true);
        colour_text(label, highlight_text());
    };
    add_header("Label5", "  Value", twips(2040, 780, 600, 255));
    add_header("Label6", "q.l.", twips(2640, 780, 255, 255));
    add_header("Label9", "d.l.", twips(2895, 780, 255, 255));
}

void ScalingWindow::build_controls() {
    auto add_label = [](QLabel* label, std::string_view name, QRect place, QColor colour) {
        label->setObjectName(latin1(name));
        label->setGeometry(place);
        label->setFont(arial(8));
        label->setAutoFillBackground(true);
        colour_text(label, colour);
        return label;
    };
    label11_ = add_label(new QLabel(surface_), "Label11", twips(720, 120, 11175, 255),
                         QColor(192, 255, 192));
    // The case F11 would apply, in grey over the empty label.
    proposed_case_ = new QLabel(label11_);
    proposed_case_->setObjectName(QStringLiteral("Label11_proposal"));
    proposed_case_->setAccessibleName(QStringLiteral("Proposed particular case"));
    proposed_case_->setGeometry(0, 0, label11_->width(), label11_->height());
    proposed_case_->setFont(arial(8));
    QPalette grey = proposed_case_->palette();
    grey.setColor(QPalette::WindowText, QColor(160, 160, 160));
    proposed_case_->setPalette(grey);
    proposed_case_->hide();
    auto click = [this](FormControl control) {
        return [this, control] {
            controller_.control_click(control);
            after_event();
        };
    };
    auto* next = new ClickLabel(QStringLiteral("Next Ionogram (F3)"), surface_);
    add_label(next, control_name(FormControl::next_sounding), twips(3480, 600, 2535, 255),
              highlight_text());
    connect(next, &ClickLabel::clicked, this, click(FormControl::next_sounding));
    auto* show_next = new QPushButton(QStringLiteral("show simultaneously"), surface_);
    show_next->setObjectName(latin1(control_name(FormControl::show_simultaneously)));
    show_next->setGeometry(twips(5280, 600, 1695, 255));
    show_next->setFont(arial(8));
    connect(show_next, &QPushButton::clicked, this, click(FormControl::show_simultaneously));
    add_label(new QLabel(QStringLiteral("FREQUENCY (MHz):"), surface_), "Label3",
              twips(7440, 600, 1575, 255), QColor(255, 255, 0));
    label1_ =
        add_label(new QLabel(surface_), "Label1", twips(9000, 600, 735, 255), QColor(255, 128, 0));
    add_label(new QLabel(QStringLiteral("HEIGHT(km):"), surface_), "Label4",
              twips(10320, 600, 1095, 255), QColor(255, 255, 0));
    label2_ =
        add_label(new QLabel(surface_), "Label2", twips(11400, 600, 855, 255), QColor(255, 128, 0));
    auto* previous = new ClickLabel(QStringLiteral("Previous Ionogram (F4)"), surface_);
    add_label(previous, control_name(FormControl::previous_sounding), twips(12600, 600, 2175, 255),
              QColor(255, 255, 255));
    connect(previous, &ClickLabel::clicked, this, click(FormControl::previous_sounding));

    auto add_step = [this, click](FormControl control, const char* text, QRect place) {
        auto* button = new QPushButton(QString::fromLatin1(text), surface_);
        button->setObjectName(latin1(control_name(control)));
        button->setGeometry(place);
        button->setFont(arial(8));
        connect(button, &QPushButton::clicked, this, click(control));
        return button;
    };
    esup_ = add_step(FormControl::es_up, "u", twips(2880, 3360, 375, 255));
    esdown_ = add_step(FormControl::es_down, "d", twips(2880, 3600, 375, 255));

    auto* frame = new QGroupBox(QStringLiteral("Check the sheet"), surface_);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twips(600, 8760, 2055, 1215));
    frame->setFont(arial(8));
    colour_text(frame, QColor(192, 255, 192));
    option1_ = new QRadioButton(QStringLiteral("Yes"), frame);
    option1_->setObjectName(latin1(control_name(FormControl::check_yes)));
    option1_->setGeometry(twips(720, 360, 975, 255));
    colour_text(option1_, QColor(255, 255, 192));
    option2_ = new QRadioButton(QStringLiteral("No"), frame);
    option2_->setObjectName(latin1(control_name(FormControl::check_no)));
    option2_->setGeometry(twips(720, 720, 975, 255));
    colour_text(option2_, QColor(255, 255, 192));
    connect(option1_, &QRadioButton::clicked, this, click(FormControl::check_yes));
    connect(option2_, &QRadioButton::clicked, this, click(FormControl::check_no));
}

void ScalingWindow::build_menu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menu_bar"));
    bar->setFont(arial(8)); // the seven entries fit the window's width in one row
    auto command = [this, bar](QWidget* parent, CaseCommand case_command, const char* caption) {
        auto* action = new QAction(QString::fromLatin1(caption), parent);
        action->setObjectName(latin1(control_name(case_command)));
        connect(action, &QAction::triggered, this, [this, case_command] {
            controller_.menu_click(case_command);
            after_event();
        });
        parent->addAction(action);
        if (parent == bar)
            case_entries_.emplace_back(action, case_command);
        return action;
    };
    auto submenu = [this, bar](QWidget* parent, CaseSubmenu case_submenu, const char* caption) {
        auto* menu = new QMenu(QString::fromLatin1(caption), parent);
        menu->setObjectName(latin1(control_name(case_submenu)));
        menu->menuAction()->setObjectName(latin1(control_name(case_submenu)));
        parent->addAction(menu->menuAction());
        if (parent == bar)
            case_entries_.emplace_back(menu->menuAction(), case_submenu);
        return menu;
    };
    command(bar, CaseCommand::daytime_es_missing, "Daytime Es missing (F5)");
    command(bar, CaseCommand::nighttime_es_missing, "Nighttime Es missing(F6)");
    for (const bool day : {true, false}) {
        QMenu* blanketing =
            submenu(bar, day ? CaseSubmenu::daytime_blanketing : CaseSubmenu::nighttime_blanketing,
                    day ? "&Daytime Es blanketing " : "&Nighttime Es blanketing ");
        command(blanketing,
                day ? CaseCommand::daytime_blanketing_single
                    : CaseCommand::nighttime_blanketing_single,
                "single reflection");
        QMenu* multiple = submenu(
            blanketing, day ? CaseSubmenu::daytime_multiple : CaseSubmenu::nighttime_multiple,
            "multiple reflections");
        command(multiple,
                day ? CaseCommand::daytime_blanketing_above
                    : CaseCommand::nighttime_blanketing_above,
                "Case a) (second reflection>=foEs)");
        command(multiple,
                day ? CaseCommand::daytime_blanketing_below
                    : CaseCommand::nighttime_blanketing_below,
                "Case b) (second reflection<foEs)");
    }
    command(bar, CaseCommand::partial_absorption, "Partial absorption (F7)");
    command(bar, CaseCommand::delete_case, "DELETE PARTICULAR CASE (F8)");
    command(bar, CaseCommand::no_ionogram, "NO IONOGRAM (F9)");
    add_help_menu(*this);
    build_view_entries();
    add_save_picture(*this);
    add_monthly_tables(*this);
    add_day_overview(*this);
    add_look_only_entry();
    add_view_tools(*this);
    add_open_day(*this);
    build_edit_entries();
    fit_menu_bar(*bar);
}

void ScalingWindow::build_view_entries() {
    QMenu* menu = view_menu(*this);
    auto entry = [this, menu](const char* name, const char* caption, bool ViewSettings::*choice) {
        auto* action = new QAction(QString::fromLatin1(caption), menu);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        // Only the operator's choice comes here: the window's own setChecked does not trigger.
        connect(action, &QAction::triggered, this, [this, choice](bool checked) {
            ViewSettings view = controller_.view();
            view.*choice = checked;
            set_view(view);
        });
        menu->addAction(action);
        return action;
    };
    view_proposals_ = entry("view_proposals", "Proposals", &ViewSettings::proposals);
    view_previous_ =
        entry("view_previous_sounding", "Previous sounding", &ViewSettings::previous_sounding);
}

void ScalingWindow::build_edit_entries() {
    QMenu* menu = edit_menu(*this);
    // The key is the form's own (its key handler runs it, from the key map): the entry shows
    // it beside its text without taking it.
    auto entry = [this, menu](const char* name, const char* caption, std::optional<KeyCommand> key,
                              void (ScalingController::*run)()) {
        QString text = QString::fromLatin1(caption);
        for (const KeyBinding& binding : key_bindings())
            if (key == binding.command)
                text += QLatin1Char('\t') + latin1(keys_of(binding));
        auto* action = new QAction(text, menu);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this,
                [this, run] { command([this, run] { (controller_.*run)(); }); });
        menu->addAction(action);
        return action;
    };
    edit_undo_ = entry("edit_undo", "&Undo", KeyCommand::undo, &ScalingController::undo);
    edit_redo_ = entry("edit_redo", "&Redo", KeyCommand::redo, &ScalingController::redo);
    menu->addSeparator();
    entry("edit_revert", "Re&vert to stored", std::nullopt, &ScalingController::revert_to_stored);
}

void ScalingWindow::add_look_only_entry() {
    QMenu* menu = view_menu(*this);
    view_look_only_ = new QAction(QStringLiteral("Look only"), menu);
    view_look_only_->setObjectName(QStringLiteral("view_look_only"));
    view_look_only_->setCheckable(true);
    connect(view_look_only_, &QAction::triggered, this, [this](bool checked) {
        command([this, checked] { controller_.set_look_only(checked); });
    });
    menu->addAction(view_look_only_);
}

void ScalingWindow::command(const std::function<void()>& run) {
    run();
    after_event();
}

void ScalingWindow::set_view(const ViewSettings& view) {
    controller_.set_view(view);
    save_view_settings(view);
    sync();
    emit view_changed();
}

void ScalingWindow::load() {
    controller_.load();
    sync();
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    show();
    move(area.x() + (area.width() - frameGeometry().width()) / 2,
         area.y() + (area.height() - frameGeometry().height()) / 2);
    sync();
}

void ScalingWindow::sync() {
    if (syncing_)
        return;
    syncing_ = true;
    setWindowTitle(latin1(controller_.caption()));
    for (const Box sheet_box : sheet_boxes) {
        QLineEdit* box = boxes_.at(sheet_box);
        const QString text = latin1(form_.text(sheet_box));
        // An M(3000) code of 1000 has four digits in a box made for three: narrower
        // characters keep it whole on screen.
        QFont font = arial(8);
        const int longest = max_length(sheet_box);
        if (longest > 0 && text.size() > longest)
            font.setStretch(QFont::Condensed);
        if (box->font() != font)
            box->setFont(font);
        if (box->text() != text) {
            box->setText(text);
            box->setCursorPosition(0);
        }
        box->setReadOnly(controller_.locked(sheet_box));
        if (const QString grey = latin1(controller_.placeholder(sheet_box));
            box->placeholderText() != grey)
            box->setPlaceholderText(grey);
        box->setVisible(visible(sheet_box));
    }
    for (const Row row : all_rows)
        colour_text(row_labels_[index_of(row)],
                    controller_.label_red(row) ? QColor(255, 0, 0) : highlight_text());
    label11_->setText(latin1(form_.label11));
    const QString proposed =
        form_.label11.empty() ? latin1(controller_.proposed_case_caption()) : QString();
    if (proposed_case_->text() != proposed)
        proposed_case_->setText(proposed);
    proposed_case_->setVisible(!proposed.isEmpty());
    esup_->setVisible(form_.esup_visible);
    esdown_->setVisible(form_.esdown_visible);
    option1_->setChecked(form_.option_yes);
    option2_->setChecked(!form_.option_yes);
    for (const auto& [action, entry] : case_entries_)
        action->setEnabled(
            std::visit([this](auto value) { return controller_.menu_enabled(value); }, entry));
    view_proposals_->setChecked(controller_.view().proposals);
    view_previous_->setChecked(controller_.view().previous_sounding);
    view_look_only_->setChecked(controller_.look_only());
    edit_undo_->setEnabled(controller_.can_undo());
    edit_redo_->setEnabled(controller_.can_redo());
    sync_readout();
    surface_->set_contrast(controller_.view().contrast);
    surface_->refresh();
    surface_->set_marks(controller_.marks());
    if (form_.focus && isVisible()) {
        QWidget* target = boxes_.at(*form_.focus);
        if (QApplication::focusWidget() != target)
            target->setFocus(Qt::OtherFocusReason);
    }
    syncing_ = false;
}

void ScalingWindow::sync_readout() {
    label1_->setText(latin1(form_.label1));
    label2_->setText(latin1(form_.label2));
    const bool on_plot = form_.pointer == Pointer::plot;
    if (surface_->cursor().shape() != (on_plot ? Qt::BitmapCursor : Qt::ArrowCursor))
        surface_->setCursor(on_plot ? plot_cursor() : QCursor(Qt::ArrowCursor));
}

void ScalingWindow::after_event() {
    sync();
    if (const WindowRequest request = controller_.take_request(); request != WindowRequest::none)
        emit this->request(request);
    emit event_done();
}

void ScalingWindow::go_to_record(int record) {
    controller_.go_to_record(record);
    after_event();
}

void ScalingWindow::focus_changed(QWidget*, QWidget* now) {
    if (syncing_ || !now || now->window() != this || now->objectName().isEmpty())
        return;
    // Another named control than a sheet box: the logic knows only that no box has the focus.
    const std::optional<Box> box = box_of(now);
    if (box == form_.focus)
        return;
    controller_.focus_changed(box);
    after_event();
}

bool ScalingWindow::handle_key(QWidget* widget, QKeyEvent* key) {
    const int code = virtual_key_code(*key);
    if (code == 9)
        return false; // Tab moves the focus as usual
    const std::optional<Box> box = box_of(widget);
    const bool taken = controller_.key_down(code, shift_state(*key));
    after_event();
    if (taken)
        return true;
    // Buttons keep Space and Enter; the other keys belong to the form (see below).
    if (!box)
        return code != 32 && code != 13;
    // Pasting, undo and redo would put text into a box without its filter.
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Undo) ||
        key->matches(QKeySequence::Redo))
        return true;
    if (controller_.box_key_down(*box, code, shift_state(*key)) == 0) {
        after_event();
        return true;
    }
    const int character = character_code(*key);
    if (character == 0) {
        // Caret keys and Delete edit an unlocked box as usual; every other key without a
        // character belongs to the form alone. A key left unused after a message box was
        // answered would come back to the box and run its command a second time.
        return !(code == 35 || code == 36 || code == 37 || code == 39 || code == 46);
    }
    auto* edit = boxes_.at(*box);
    Caret caret{edit->cursorPosition(), edit->selectionStart(),
                static_cast<int>(edit->selectedText().size())};
    if (caret.selection_length == 0)
        caret.selection_start = 0;
    const int position = controller_.box_key_press(*box, character, caret);
    after_event();
    if (edit->text().size() >= position)
        edit->setCursorPosition(position);
    return true;
}

bool ScalingWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        QWidget* focus = QApplication::focusWidget();
        // A key travels up to the parents when it is not used; it counts once.
        if (widget != (focus ? focus : this))
            return QMainWindow::eventFilter(watched, event);
        return handle_key(widget, static_cast<QKeyEvent*>(event));
    }
    // The middle button pastes the selection on X11: not into the sheet.
    if ((event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton && box_of(widget))
        return true;
    // One click, one command: the release that ends a double click clicks no second time.
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && box_of(widget))
        double_clicked_box_ = widget;
    if (event->type() == QEvent::MouseButtonRelease) {
        const std::optional<Box> box = box_of(widget);
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool ends_double_click = std::exchange(double_clicked_box_, nullptr) == widget;
        if (mouse->button() == Qt::LeftButton && box && !ends_double_click) {
            controller_.box_click(*box);
            after_event();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void ScalingWindow::close_by_program(bool store) {
    closing_by_program_ = true;
    if (store)
        controller_.query_unload();
    sync();
    close();
}

void ScalingWindow::closeEvent(QCloseEvent* event) {
    if (!closing_by_program_ && !controller_.query_unload()) {
        after_event();
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

} // namespace scalvo
