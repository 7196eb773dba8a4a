// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu comes after the scaling form's own menus and moves nothing of them.
#include "forms/help_menu.h"
#include "forms/scaling_window.h"

#include "scalvo_version.h"
#include "support/message_boxes.h"
#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace scalvo {
namespace {

class HelpMenuTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start(7, 45);
        open();
    }
};

TEST_F(HelpMenuTest, OurMenusComeAfterTheDescribedOnesHelpLast) {
    QMenuBar* bar = window->menuBar();
    QStringList names;
    for (QAction* entry : bar->actions())
        names << entry->objectName();
    ASSERT_GE(names.size(), 5);
    EXPECT_EQ(names.mid(names.size() - 5),
              (QStringList{QStringLiteral("no_ionogramma"), QStringLiteral("file_menu"),
                           QStringLiteral("edit_menu"), QStringLiteral("view_menu"),
                           QStringLiteral("help_menu")}));
    // The described entries keep their row and places whatever follows them: a second row would
    // push the whole inner area, plot and sheet, down.
    const QList<QAction*> entries = bar->actions();
    for (QAction* entry : entries.mid(0, names.indexOf(QStringLiteral("no_ionogramma")) + 1)) {
        const QRect place = bar->actionGeometry(entry);
        EXPECT_FALSE(place.isEmpty()) << entry->objectName().toStdString();
        EXPECT_EQ(place.top(), bar->actionGeometry(entries.front()).top())
            << entry->objectName().toStdString();
    }
}

TEST_F(HelpMenuTest, AboutNamesVersionAndWorkingFolder) {
    auto* about = window->findChild<QAction*>(QStringLiteral("help_about"));
    ASSERT_NE(about, nullptr);
    const auto boxes = testing::answering_boxes([about] { about->trigger(); });
    ASSERT_EQ(boxes.size(), 1u);
    const QString& shown = boxes.front().text;
    EXPECT_TRUE(shown.contains(QStringLiteral("Scalvo " SCALVO_VERSION))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(QDir::currentPath())))
        << shown.toStdString();
}

TEST(AboutText, FolderNamesAreShownAsText) {
    const QString text = about_text(QStringLiteral("/data/<b>station</b> & co"));
    EXPECT_TRUE(text.contains(QStringLiteral("/data/&lt;b&gt;station&lt;/b&gt; &amp; co")))
        << text.toStdString();
}

} // namespace
} // namespace scalvo
