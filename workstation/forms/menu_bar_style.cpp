// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_bar_style.h"

#include <QApplication>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleFactory>

namespace scalvo {

namespace {

// Pixels either side of an entry's text.
constexpr int entry_padding = 4;

class CompactMenuBarStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        // The height stays the style's own: only the width of an entry is narrowed.
        if (type == CT_MenuBarItem && !size.isEmpty())
            size.setWidth(contents.width() + 2 * entry_padding);
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
