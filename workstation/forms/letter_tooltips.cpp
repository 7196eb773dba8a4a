// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/letter_tooltips.h"

#include "forms/latin1.h"

#include "controllers/tooltips.h"

#include <QWidget>

namespace scalvo {

namespace {

void set_tooltip(QWidget& window, std::string_view name, const std::string& text) {
    if (text.empty())
        return;
    auto* widget = window.findChild<QWidget*>(latin1(name));
    if (widget)
        widget->setToolTip(latin1(text));
}

} // namespace

void add_sheet_tooltips(QWidget& window) {
    for (const Box box : sheet_boxes)
        set_tooltip(window, control_name(box), tooltip(box));
    for (const Row row : all_rows)
        set_tooltip(window, control_name(RowLabel{row}), tooltip(RowLabel{row}));
}

} // namespace scalvo
