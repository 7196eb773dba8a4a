// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu after the described menus, and the menu bar holding every entry in one row:
// the seven particular-case menus, File, Edit, View and Help, at the bar's own height.
#include "forms/added_menus.h"

#include "forms/scaling_window.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class ViewMenuTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start(7, 45);
        open();
    }
    QStringList names() const {
        QStringList list;
        for (QAction* entry : window->menuBar()->actions())
            list << entry->objectName();
        return list;
    }
};

TEST_F(ViewMenuTest, OneMenuBeforeHelpWithTheTwoChoicesThenTheOverviewThenLookOnly) {
    QMenu* menu = view_menu(*window);
    EXPECT_EQ(view_menu(*window), menu);
    EXPECT_EQ(names().mid(7), (QStringList{"file_menu", "edit_menu", "view_menu", "help_menu"}));
    // Then the View tools (view_tools_test).
    ASSERT_GE(menu->actions().size(), 4);
    EXPECT_EQ(menu->actions()[0]->text(), "Proposals");
    EXPECT_EQ(menu->actions()[1]->text(), "Previous sounding");
    EXPECT_EQ(menu->actions()[2]->text(), "Day overview");
    EXPECT_EQ(menu->actions()[3]->text(), "Look only");
    EXPECT_TRUE(menu->actions()[3]->isCheckable());
    EXPECT_FALSE(menu->actions()[3]->isChecked());
    for (QAction* entry : menu->actions().mid(0, 2)) {
        EXPECT_TRUE(entry->isCheckable());
        EXPECT_TRUE(entry->isChecked());
    }
}

// With File, Edit, View and Help after the seven described menus, every entry has its place in the
// bar's one row, none goes behind the extension button, and the bar keeps the height a bar
// of its font has, so that the plot and the sheet stay where they are.
TEST_F(ViewMenuTest, EveryEntryFitsInOneRow) {
    QMenuBar* bar = window->menuBar();
    QMenuBar plain;
    plain.setFont(bar->font());
    plain.addMenu(QStringLiteral("&Help"));
    const int height = plain.sizeHint().height();
    QApplication::processEvents();

    EXPECT_EQ(names().mid(7), (QStringList{"file_menu", "edit_menu", "view_menu", "help_menu"}));
    const QList<QAction*> entries = bar->actions();
    ASSERT_EQ(entries.size(), 11);
    for (QAction* entry : entries) {
        const QRect place = bar->actionGeometry(entry);
        EXPECT_FALSE(place.isEmpty()) << entry->objectName().toStdString();
        EXPECT_EQ(place.top(), bar->actionGeometry(entries.front()).top())
            << entry->objectName().toStdString();
        EXPECT_LE(place.right(), bar->width()) << entry->objectName().toStdString();
    }
    auto* extension = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    EXPECT_TRUE(extension == nullptr || !extension->isVisible());
    EXPECT_EQ(bar->height(), height);
    EXPECT_EQ(window->size(), QSize(1015, 721 + height));
}

} // namespace
} // namespace scalvo
