#include "forms/immagine_window.h"

#include "forms/accessible_names.h"
#include "forms/click_label.h"
#include "forms/design.h"
#include "forms/help_menu.h"
#include "forms/key_codes.h"
#include "forms/plot_cursor.h"
#include "forms/plot_surface.h"
#include "forms/qt_dialogs.h"
#include "scaling/sheet_layout.h"

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

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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

ImmagineWindow::ImmagineWindow(SharedState& shared, Dialogs& dialogs, CompanionForm& companion)
    : logic_(form_, shared, dialogs, companion) {
    setObjectName(QStringLiteral("immagine"));
    surface_ = new PlotSurface(form_.plot, this);
    surface_->setObjectName(QStringLiteral("immagine_surface"));
    setCentralWidget(surface_);
    surface_->on_mouse_down = [this](int button, int shift, QPoint plot) {
        logic_.mouse_down(button, shift, static_cast<float>(plot.x()),
                          static_cast<float>(plot.y()));
        after_event();
    };
    surface_->on_mouse_move = [this](QPoint plot) {
        logic_.mouse_move(plot.x(), plot.y());
        sync();
    };
    build_sheet();
    build_controls();
    build_menu();
    name_controls_for_accessibility(*this);
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &ImmagineWindow::focus_changed);
}

ImmagineWindow::~ImmagineWindow() {
    // The widgets outlive the form state while the base class is destroyed.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
}

QLineEdit* ImmagineWindow::add_box(const std::string& name, QRect place, bool tab_stop) {
    auto* box = new QLineEdit(surface_);
    box->setObjectName(latin1(name));
    box->setGeometry(place);
    box->setFont(arial(8));
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setDragEnabled(false);
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setFocusPolicy(tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
    connect(box, &QLineEdit::textEdited, this, [this, name](const QString& text) {
        logic_.box_text_edited(name, text.toLatin1().toStdString());
        after_event();
    });
    boxes_[name] = box;
    return box;
}

void ImmagineWindow::build_sheet() {
    QWidget* previous_in_tab_order = nullptr;
    for (std::size_t k = 0; k < sheet_rows.size(); ++k) {
        const SheetRow& row = sheet_rows[k];
        const int top = 1080 + 480 * static_cast<int>(k);
        auto* label = new ClickLabel(latin1(row.caption), surface_);
        label->setObjectName(latin1(row.key));
        label->setGeometry(twips(840, top, 1275, 285));
        label->setFont(arial(8));
        label->setAutoFillBackground(true);
        colour_text(label, highlight_text());
        const std::string key(row.key);
        connect(label, &ClickLabel::clicked, this, [this, key] {
            logic_.label_click(key);
            after_event();
        });
        row_labels_[key] = label;

        add_box(std::string(row.previous_box), twips(120, top, 615, 285), false);
        if (row.key == "tipoEs") {
            QLineEdit* box = add_box(std::string(row.value_box), twips(2160, top, 615, 285), true);
            if (previous_in_tab_order)
                setTabOrder(previous_in_tab_order, box);
            previous_in_tab_order = box;
            continue;
        }
        add_box(std::string(row.value_box), twips(2160, top, 375, 285), false);
        QLineEdit* descriptive =
            add_box(std::string(row.descriptive_box), twips(2880, top, 255, 285), true);
        QLineEdit* qualifying =
            add_box(std::string(row.qualifying_box), twips(2640, top, 255, 285), true);
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

void ImmagineWindow::build_controls() {
    auto add_label = [this](QLabel* label, const char* name, QRect place, QColor colour) {
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(place);
        label->setFont(arial(8));
        label->setAutoFillBackground(true);
        colour_text(label, colour);
        return label;
    };
    label11_ = add_label(new QLabel(surface_), "Label11", twips(720, 120, 11175, 255),
                         QColor(192, 255, 192));
    auto* next = new ClickLabel(QStringLiteral("Next Ionogram (F3)"), surface_);
    add_label(next, "successivo", twips(3480, 600, 2535, 255), highlight_text());
    connect(next, &ClickLabel::clicked, this, [this] {
        logic_.label_click("successivo");
        after_event();
    });
    auto* show_next = new QPushButton(QStringLiteral("show simultaneously"), surface_);
    show_next->setObjectName(QStringLiteral("show_next_ionogram"));
    show_next->setGeometry(twips(5280, 600, 1695, 255));
    show_next->setFont(arial(8));
    connect(show_next, &QPushButton::clicked, this, [this] {
        logic_.button_click("show_next_ionogram");
        after_event();
    });
    add_label(new QLabel(QStringLiteral("FREQUENCY (MHz):"), surface_), "Label3",
              twips(7440, 600, 1575, 255), QColor(255, 255, 0));
    label1_ =
        add_label(new QLabel(surface_), "Label1", twips(9000, 600, 735, 255), QColor(255, 128, 0));
    add_label(new QLabel(QStringLiteral("HEIGHT(km):"), surface_), "Label4",
              twips(10320, 600, 1095, 255), QColor(255, 255, 0));
    label2_ =
        add_label(new QLabel(surface_), "Label2", twips(11400, 600, 855, 255), QColor(255, 128, 0));
    auto* previous = new ClickLabel(QStringLiteral("Previous Ionogram (F4)"), surface_);
    add_label(previous, "prima", twips(12600, 600, 2175, 255), QColor(255, 255, 255));
    connect(previous, &ClickLabel::clicked, this, [this] {
        logic_.label_click("prima");
        after_event();
    });

    auto add_step = [this](const char* name, const char* text, QRect place) {
        auto* button = new QPushButton(QString::fromLatin1(text), surface_);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(place);
        button->setFont(arial(8));
        const std::string control(name);
        connect(button, &QPushButton::clicked, this, [this, control] {
            logic_.button_click(control);
            after_event();
        });
        return button;
    };
    esup_ = add_step("Esup", "u", twips(2880, 3360, 375, 255));
    esdown_ = add_step("Esdown", "d", twips(2880, 3600, 375, 255));

    auto* frame = new QGroupBox(QStringLiteral("Check the sheet"), surface_);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twips(600, 8760, 2055, 1215));
    frame->setFont(arial(8));
    colour_text(frame, QColor(192, 255, 192));
    option1_ = new QRadioButton(QStringLiteral("Yes"), frame);
    option1_->setObjectName(QStringLiteral("Option1"));
    option1_->setGeometry(twips(720, 360, 975, 255));
    colour_text(option1_, QColor(255, 255, 192));
    option2_ = new QRadioButton(QStringLiteral("No"), frame);
    option2_->setObjectName(QStringLiteral("Option2"));
    option2_->setGeometry(twips(720, 720, 975, 255));
    colour_text(option2_, QColor(255, 255, 192));
    connect(option1_, &QRadioButton::clicked, this, [this] {
        logic_.option_click(true);
        after_event();
    });
    connect(option2_, &QRadioButton::clicked, this, [this] {
        logic_.option_click(false);
        after_event();
    });
}

void ImmagineWindow::build_menu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menu_bar"));
    bar->setFont(arial(8)); // the seven entries fit the window's width in one row
    auto command = [this](QWidget* parent, const char* name, const char* caption) {
        auto* action = new QAction(QString::fromLatin1(caption), parent);
        action->setObjectName(QString::fromLatin1(name));
        const std::string control(name);
        connect(action, &QAction::triggered, this, [this, control] {
            logic_.menu_click(control);
            after_event();
        });
        parent->addAction(action);
        menu_actions_[control] = action;
        return action;
    };
    auto submenu = [this](QWidget* parent, const char* name, const char* caption) {
        auto* menu = new QMenu(QString::fromLatin1(caption), parent);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        parent->addAction(menu->menuAction());
        menu_actions_[name] = menu->menuAction();
        return menu;
    };
    command(bar, "mancanza_es_di_giorno_principale", "Daytime Es missing (F5)");
    command(bar, "mancanza_es_di_notte_principale", "Nighttime Es missing(F6)");
    for (const bool day : {true, false}) {
        QMenu* blanketing = submenu(bar, day ? "es_occultante_di_giorno" : "es_occultante_di_notte",
                                    day ? "&Daytime Es blanketing " : "&Nighttime Es blanketing ");
        const std::string prefix = day ? "giorno" : "notte";
        command(blanketing, (prefix + "_singola_riflessione").c_str(), "single reflection");
        QMenu* multiple =
            submenu(blanketing, (prefix + "_doppia_riflessione").c_str(), "multiple reflections");
        command(multiple, (prefix + "_doppia_riflessione_magfoEs").c_str(),
                "Case a) (second reflection>=foEs)");
        command(multiple, (prefix + "_doppia_riflessione_minfoEs").c_str(),
                "Case b) (second reflection<foEs)");
    }
    command(bar, "assorbimento_parziale", "Partial absorption (F7)");
    command(bar, "annulla_caso_particolare", "DELETE PARTICULAR CASE (F8)");
    command(bar, "no_ionogramma", "NO IONOGRAM (F9)");
    add_help_menu(*this);
}

void ImmagineWindow::load() {
    logic_.load();
    sync();
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    show();
    move(area.x() + (area.width() - frameGeometry().width()) / 2,
         area.y() + (area.height() - frameGeometry().height()) / 2);
    sync();
}

void ImmagineWindow::sync() {
    if (syncing_)
        return;
    syncing_ = true;
    setWindowTitle(latin1(form_.caption));
    for (const auto& [name, state] : form_.boxes) {
        QLineEdit* box = boxes_.at(name);
        const QString text = latin1(state.text);
        // An M(3000) code of 1000 has four digits in a box made for three: narrower
        // characters keep it whole on screen.
        QFont font = arial(8);
        if (state.max_length > 0 && text.size() > state.max_length)
            font.setStretch(QFont::Condensed);
        if (box->font() != font)
            box->setFont(font);
        if (box->text() != text) {
            box->setText(text);
            box->setCursorPosition(0);
        }
        box->setReadOnly(state.locked);
        box->setVisible(state.visible);
    }
    for (const auto& [key, red] : form_.label_red)
        colour_text(row_labels_.at(key), red ? QColor(255, 0, 0) : highlight_text());
    label11_->setText(latin1(form_.label11));
    label1_->setText(latin1(form_.label1));
    label2_->setText(latin1(form_.label2));
    esup_->setVisible(form_.esup_visible);
    esdown_->setVisible(form_.esdown_visible);
    option1_->setChecked(form_.option_yes);
    option2_->setChecked(!form_.option_yes);
    for (const auto& [name, enabled] : form_.menu_enabled)
        if (auto found = menu_actions_.find(name); found != menu_actions_.end())
            found->second->setEnabled(enabled);
    surface_->setCursor(form_.pointer == Pointer::plot ? plot_cursor() : QCursor(Qt::ArrowCursor));
    surface_->refresh();
    if (!form_.focus.empty() && isVisible()) {
        QWidget* target = findChild<QWidget*>(latin1(form_.focus));
        if (target && QApplication::focusWidget() != target)
            target->setFocus(Qt::OtherFocusReason);
    }
    syncing_ = false;
}

void ImmagineWindow::after_event() {
    sync();
    if (form_.request != WindowRequest::none) {
        const WindowRequest request = form_.request;
        form_.request = WindowRequest::none;
        emit this->request(request);
    }
}

void ImmagineWindow::focus_changed(QWidget*, QWidget* now) {
    if (syncing_ || !now || now->window() != this || now->objectName().isEmpty())
        return;
    const std::string name = now->objectName().toStdString();
    if (name == form_.focus)
        return;
    logic_.focus_changed(name);
    after_event();
}

bool ImmagineWindow::handle_key(QWidget* widget, QKeyEvent* key) {
    const int code = virtual_key_code(*key);
    if (code == 9)
        return false; // Tab moves the focus as usual
    const std::string box = widget->objectName().toStdString();
    logic_.key_down(code, shift_state(*key));
    after_event();
    // Buttons keep Space and Enter; the other keys belong to the form (see below).
    if (!boxes_.contains(box))
        return code != 32 && code != 13;
    // Pasting, undo and redo would put text into a box without its filter.
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Undo) ||
        key->matches(QKeySequence::Redo))
        return true;
    if (logic_.box_key_down(box, code, shift_state(*key)) == 0) {
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
    auto* edit = boxes_.at(box);
    Caret caret{edit->cursorPosition(), edit->selectionStart(),
                static_cast<int>(edit->selectedText().size())};
    if (caret.selection_length == 0)
        caret.selection_start = 0;
    const int position = logic_.box_key_press(box, character, caret);
    after_event();
    if (edit->text().size() >= position)
        edit->setCursorPosition(position);
    return true;
}

bool ImmagineWindow::eventFilter(QObject* watched, QEvent* event) {
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
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
        boxes_.contains(widget->objectName().toStdString()))
        return true;
    // One click, one command: the release that ends a double click clicks no second time.
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        boxes_.contains(widget->objectName().toStdString()))
        double_clicked_box_ = widget;
    if (event->type() == QEvent::MouseButtonRelease) {
        const std::string name = widget->objectName().toStdString();
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool ends_double_click = std::exchange(double_clicked_box_, nullptr) == widget;
        if (mouse->button() == Qt::LeftButton && boxes_.contains(name) && !ends_double_click) {
            logic_.box_click(name);
            after_event();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void ImmagineWindow::close_by_program() {
    closing_by_program_ = true;
    logic_.query_unload();
    sync();
    close();
}

void ImmagineWindow::closeEvent(QCloseEvent* event) {
    if (!closing_by_program_ && !logic_.query_unload()) {
        after_event();
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

} // namespace scalvo
