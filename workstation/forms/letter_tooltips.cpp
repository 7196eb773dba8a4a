#include "forms/letter_tooltips.h"

#include "controllers/tooltips.h"

#include <QWidget>

namespace scalvo {

namespace {

void set_tooltip(QWidget& window, std::string_view name, const std::string& text) {
    if (text.empty())
        return;
    auto* widget = window.findChild<QWidget*>(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (widget)
        widget->setToolTip(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace

void add_sheet_tooltips(QWidget& window) {
    for (const Box box : sheet_boxes)
        set_tooltip(window, control_name(box), tooltip(box));
    for (const Row row : all_rows)
        set_tooltip(window, control_name(RowLabel{row}), tooltip(RowLabel{row}));
}

} // namespace scalvo
