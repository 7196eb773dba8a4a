// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_bar_style.h"

#include <QApplication>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace scalvo {

namespace {

// Pixels either side of an entry's text: the described menus keep theirs, our own short ones
// (File, Edit, View, Help) give up some so that all of them fit beside the described ones.
constexpr int entry_padding = 4;
constexpr int added_entry_padding = 2;

// Our menus are named file_menu, edit_menu ...; the described ones by their controls.
bool is_added_menu(const QStyleOption* option, const QWidget* widget) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const auto* bar = qobject_cast<const QMenuBar*>(widget);
    if (!item || !bar)
        return false;
    for (const QAction* action : bar->actions())
        if (action->text() == item->text)
            return action->objectName().endsWith(QStringLiteral("_menu"));
    return false;
}

class CompactMenuBarStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        // The height stays the style's own: only the width of an entry is narrowed.
        if (type == CT_MenuBarItem && !size.isEmpty())
            size.setWidth(contents.width() + 2 * (is_added_menu(option, widget)
                                                      ? added_entry_padding
                                                      : entry_padding));
        return size;
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_MenuBarItemSpacing)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void fit_menu_bar(QMenuBar& bar) {
    // A style of the application's kind of its own, so that the bar keeps its look; it goes
    // with the bar.
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    auto* style = base ? new CompactMenuBarStyle(base) : new CompactMenuBarStyle();
    style->setParent(&bar);
    bar.setStyle(style);
}

} // namespace scalvo
