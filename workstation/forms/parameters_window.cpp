// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/parameters_window.h"

#include "forms/accessible_names.h"
#include "forms/click_label.h"
#include "forms/design.h"
#include "forms/key_codes.h"
#include "forms/latin1.h"
#include "forms/qt_dialogs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace scalvo {

namespace {

QFont arial() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    return font;
}

// A small picture of an ionogram trace, for the decorative images of the form.
QPixmap decoration(int width, int height, bool extraordinary) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(230, 230, 230), 2));
    const int shift = extraordinary ? 12 : 0;
    QPainterPath path;
    path.moveTo(10 + shift, height - 30);
    path.cubicTo(width * 0.5 + shift, height - 32, width * 0.6 + shift, height - 60,
                 width * 0.72 + shift, 15);
    painter.drawPath(path);
    painter.setPen(QPen(QColor(255, 255, 0), 1));
    painter.drawRect(0, 0, width - 1, height - 1);
    return pixmap;
}

} // namespace

ParametersWindow::ParametersWindow(SharedState& shared, Dialogs& dialogs)
    : controller_(form_, shared, dialogs) {
    setObjectName(QStringLiteral("entrata"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    build();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &ParametersWindow::focus_changed);
}

ParametersWindow::~ParametersWindow() {
    // The widgets outlive the form state while the base class is destroyed.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
}

void ParametersWindow::build() {
    setFixedSize(930, 520);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFont(arial());

    auto add_label = [this](const char* name, const char* text, QRect place) {
        auto* label = new QLabel(QString::fromLatin1(text), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(place);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    };
    QLabel* date_label = add_label("Label1", "Date (dd-mm-yyyy)", twips(9480, 600, 2295, 255));
    QLabel* hour_label = add_label("Label6", "Hour of the sounding", twips(9360, 2040, 2535, 375));
    QLabel* minutes_label =
        add_label("Label9", "Minutes of the sounding", twips(9120, 3480, 2895, 375));
    QLabel* interval_label =
        add_label("Label3", "Difference in minutes between       two consecutive ionograms",
                  twips(8760, 4920, 3735, 615));

    giorno_ = new QLineEdit(this);
    giorno_->setObjectName(QStringLiteral("giorno"));
    giorno_->setGeometry(twips(10080, 1080, 975, 285));
    giorno_->setMaxLength(10);
    giorno_->setContextMenuPolicy(Qt::NoContextMenu);
    giorno_->setAccessibleName(QStringLiteral("Date (dd-mm-yyyy)"));
    // Keys without a character (Delete) edit the box by themselves.
    connect(giorno_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.giorno.text = text.toLatin1().toStdString(); });

    auto add_combo = [this](const char* name, const char* meaning, QRect place) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setAccessibleName(QString::fromLatin1(meaning));
        combo->setGeometry(place);
        combo->setEditable(false);
        return combo;
    };
    hour_ = add_combo("hour", "Hour of the sounding", twips(10080, 2520, 975, 315));
    minutes_ = add_combo("minutes", "Minutes of the sounding", twips(10080, 3960, 975, 315));
    incremento_ = add_combo("incremento", "Difference in minutes between two consecutive ionograms",
                            twips(10200, 5640, 615, 315));
    // Each label stands for its control: screen readers announce the list with it.
    date_label->setBuddy(giorno_);
    hour_label->setBuddy(hour_);
    minutes_label->setBuddy(minutes_);
    interval_label->setBuddy(incremento_);
    connect(hour_, &QComboBox::activated, this, [this](int index) {
        controller_.hour_chosen(hour_->itemText(index).toStdString());
        sync();
    });
    connect(minutes_, &QComboBox::activated, this, [this](int index) {
        controller_.minutes_chosen(minutes_->itemText(index).toStdString());
        sync();
    });
    connect(incremento_, &QComboBox::activated, this, [this](int index) {
        controller_.incremento_chosen(incremento_->itemText(index).toStdString());
        sync();
    });

    label5_ = new ClickLabel(QStringLiteral("START THE SCALING OF THE IONOGRAMS"), this);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setGeometry(twips(8400, 6600, 5055, 615));
    label5_->setAlignment(Qt::AlignCenter);
    label5_->setWordWrap(true);
    QFont cambria(QStringLiteral("Cambria"));
    cambria.setPointSize(14);
    cambria.setBold(true);
    label5_->setFont(cambria);
    QPalette blue = label5_->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label5_->setPalette(blue);
    label5_->setCursor(Qt::PointingHandCursor);
    connect(label5_, &ClickLabel::clicked, this, &ParametersWindow::start);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(40, 40, 360, 200);
    image1->setPixmap(decoration(360, 200, false));
    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(40, 270, 360, 200);
    image2->setPixmap(decoration(360, 200, true));
    name_controls_for_accessibility(*this);
}

bool ParametersWindow::load(const std::filesystem::path& working_folder) {
    setWindowTitle(latin1(form_.caption));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->geometry() : QRect(0, 0, 0, 0);
    if (!controller_.load(available.width(), working_folder, today_text()))
        return false;
    sync();
    move(available.x() + (available.width() - frameGeometry().width()) / 2,
         available.y() + (available.height() - frameGeometry().height()) / 2);
    return true;
}

void ParametersWindow::sync() {
    setWindowTitle(latin1(form_.caption));
    if (giorno_->text() != latin1(form_.giorno.text))
        giorno_->setText(latin1(form_.giorno.text));
    auto fill = [](QComboBox* combo, const ComboBox& state) {
        QStringList items;
        for (const auto& item : state.items)
            items << latin1(item);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        if (shown != items) {
            combo->clear();
            combo->addItems(items);
        }
        combo->setCurrentIndex(combo->findText(latin1(state.text)));
    };
    fill(hour_, form_.hour);
    fill(minutes_, form_.minutes);
    fill(incremento_, form_.incremento);
}

void ParametersWindow::start() {
    const bool show = controller_.start_command();
    sync();
    if (show)
        emit started();
}

void ParametersWindow::focus_changed(QWidget* old, QWidget*) {
    if (old == giorno_) {
        controller_.giorno_lost_focus();
        sync();
    }
}

bool ParametersWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isVisible())
        return QWidget::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || widget != QApplication::focusWidget())
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // The form sees every key first: Enter starts, wherever the focus is.
    if (virtual_key_code(*key) == 13) {
        start();
        return true;
    }
    if (widget == giorno_) {
        const int code = character_code(*key);
        if (code == 0)
            return false; // caret keys and the like work as usual
        const int typed = controller_.giorno_key_press(code);
        if (typed != 0) {
            Caret caret{giorno_->cursorPosition(), giorno_->selectionStart(),
                        static_cast<int>(giorno_->selectedText().size())};
            if (caret.selection_length == 0)
                caret.selection_start = 0;
            const int position = type_character(form_.giorno, typed, caret);
            sync();
            giorno_->setCursorPosition(position);
        }
        return true;
    }
    return false;
}

} // namespace scalvo
