// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Keys: the list is the key table's, and the keys the window's menu entries take or show
// are the table's too.
#include "controllers/key_map.h"
#include "forms/key_reference_window.h"
#include "forms/scaling_window.h"

#include "support/scaling_window_fixture.h"

#include <QAction>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace scalvo {
namespace {

class KeyReferenceTest : public testing::ScalingWindowFixture {
  protected:
    void SetUp() override {
        start(7, 45);
        open();
    }
    // The keys of the table, as their names read.
    static std::set<QString> table_keys() {
        std::set<QString> keys;
        for (const KeyBinding& binding : key_bindings())
            keys.insert(QString::fromStdString(keys_of(binding)));
        return keys;
    }
};

TEST_F(KeyReferenceTest, HelpKeysListsEveryKeyWithWhatItDoes) {
    child<QAction>("help_keys")->trigger();
    auto* keys = window->findChild<KeyReferenceWindow*>(QStringLiteral("key_reference"));
    ASSERT_NE(keys, nullptr);
    EXPECT_TRUE(keys->isVisible());
    auto* table = keys->findChild<QTableWidget*>(QStringLiteral("key_table"));
    ASSERT_NE(table, nullptr);
    const auto bindings = key_bindings();
    ASSERT_EQ(table->rowCount(), static_cast<int>(bindings.size()));
    QStringList shown;
    for (int row = 0; row < table->rowCount(); ++row) {
        shown << table->item(row, 0)->text();
        EXPECT_EQ(table->item(row, 1)->text().toStdString(),
                  bindings[static_cast<std::size_t>(row)].does);
    }
    for (const char* key : {"F11", "F10", "Tab", "Right button", "Alt+Backspace", "F12, Ctrl"})
        EXPECT_TRUE(shown.contains(QString::fromLatin1(key))) << key;
    // Asked again, the same window comes forward.
    child<QAction>("help_keys")->trigger();
    EXPECT_EQ(window->findChildren<KeyReferenceWindow*>().size(), 1);
}

// A key a menu entry takes (F10, Alt+S) or shows (Alt+Backspace) is listed under the same name;
// a table line that names a menu entry names one the window has.
TEST_F(KeyReferenceTest, TheMenusAndTheTableAgree) {
    const std::set<QString> keys = table_keys();
    std::map<QString, QString> entries; // "View > Day overview" -> its key
    for (QAction* action : window->findChildren<QAction*>()) {
        QString text = action->text();
        QString shown;
        if (const auto tab = text.indexOf(QLatin1Char('\t')); tab >= 0) {
            shown = text.mid(tab + 1);
            text = text.left(tab);
        }
        if (!action->shortcut().isEmpty())
            shown = action->shortcut().toString(QKeySequence::PortableText);
        if (shown.isEmpty())
            continue;
        EXPECT_TRUE(keys.contains(shown)) << shown.toStdString();
        text.remove(QLatin1Char('&'));
        text.remove(QStringLiteral("…"));
        entries[text] = shown;
    }
    int named = 0;
    for (const KeyBinding& binding : key_bindings()) {
        const QString does = QString::fromStdString(std::string(binding.does));
        const auto colon = does.indexOf(QLatin1Char(':'));
        const auto arrow = does.indexOf(QStringLiteral(" > "));
        if (arrow < 0 || colon < arrow)
            continue;
        const QString entry = does.mid(arrow + 3, colon - arrow - 3);
        ASSERT_TRUE(entries.contains(entry)) << entry.toStdString();
        EXPECT_EQ(entries[entry].toStdString(), keys_of(binding));
        ++named;
    }
    EXPECT_EQ(named, 4); // day overview, save picture, undo, redo
}

} // namespace
} // namespace scalvo
