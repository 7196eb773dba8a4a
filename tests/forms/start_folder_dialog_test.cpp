// SPDX-License-Identifier: GPL-3.0-or-later
// Starts as the menu entry and the terminal make them, one after the other, with a scripted
// folder chooser: what is opened, what is asked and what is remembered for the next start.
#include "forms/start_folder_dialog.h"

#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scalvo {
namespace {

namespace fs = std::filesystem;

// Paths starting with "@" lie in the test's folder (holding current/, a/ and b/), "~" is the
// home folder; "" means none.
struct Start {
    FolderSource source;
    const char* given;
    const char* asked_at; // where the chooser opens; nullptr: it must not open
    const char* picked;   // the chooser's answer ("": cancelled)
    const char* opened;   // the working folder, "" when the program ends
    int status;           // when it ends
    const char* remembered_after;
};

struct Scenario {
    const char* name;
    std::vector<Start> starts;
};

void PrintTo(const Scenario& s, std::ostream* os) {
    *os << s.name;
}

class StartFolderDialog : public ::testing::TestWithParam<Scenario> {
  protected:
    void SetUp() override {
        for (const char* folder : {"current", "a", "b"})
            fs::create_directory(root / folder);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((root / "config").string()));
        QCoreApplication::setOrganizationName(QStringLiteral("scalvo"));
        QCoreApplication::setApplicationName(QStringLiteral("SCALVO"));
        before_ = fs::current_path();
    }
    void TearDown() override { fs::current_path(before_); }

    fs::path at(const std::string& text) const {
        if (text.starts_with("@"))
            return fs::path(root.path().string() + text.substr(1));
        if (text == "~")
            return fs::path(QDir::homePath().toStdString());
        return fs::path(text);
    }
    std::string remembered() const {
        return QSettings()
            .value(QString::fromLatin1(remembered_folder_key))
            .toString()
            .toStdString();
    }

    testing::TempFolder root;
    fs::path before_;
};

TEST_P(StartFolderDialog, OneStartAfterAnother) {
    int number = 0;
    for (const Start& start : GetParam().starts) {
        SCOPED_TRACE("start " + std::to_string(++number));
        fs::current_path(root / "current");
        std::vector<fs::path> asked;
        const StartFolder result =
            open_start_folder({start.source, at(start.given)}, [&](const fs::path& where) {
                asked.push_back(where);
                return at(start.picked);
            });
        if (start.asked_at) {
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_EQ(asked.front(), at(start.asked_at));
        } else {
            EXPECT_TRUE(asked.empty());
        }
        if (*start.opened) {
            ASSERT_TRUE(result.folder) << result.error;
            EXPECT_EQ(*result.folder, at(start.opened));
            EXPECT_EQ(fs::current_path(), at(start.opened));
        } else {
            EXPECT_FALSE(result.folder);
            EXPECT_EQ(result.exit_status, start.status);
            EXPECT_EQ(fs::current_path(), root / "current");
        }
        EXPECT_EQ(remembered(), at(start.remembered_after).string());
    }
}

constexpr auto terminal = FolderSource::current;
constexpr auto given = FolderSource::given;
constexpr auto menu = FolderSource::remembered;
constexpr auto choose = FolderSource::chosen;

INSTANTIATE_TEST_SUITE_P(
    Scenarios, StartFolderDialog,
    ::testing::Values(Scenario{"MenuAsksOnceThenRemembers",
                               {{menu, "", "~", "@/a", "@/a", 0, "@/a"},
                                {menu, "", nullptr, "", "@/a", 0, "@/a"},
                                {terminal, "", nullptr, "", "@/current", 0, "@/a"}}},
                      Scenario{"CancelledChooserEndsQuietly",
                               {{menu, "", "~", "", "", 0, ""}, {choose, "", "~", "", "", 0, ""}}},
                      Scenario{"TerminalNeverRemembers",
                               {{terminal, "", nullptr, "", "@/current", 0, ""}}},
                      Scenario{"FolderOptionIsRememberedForTheMenu",
                               {{given, "../b", nullptr, "", "@/b", 0, "@/b"},
                                {menu, "", nullptr, "", "@/b", 0, "@/b"}}},
                      Scenario{"ChooseReplacesTheRememberedFolder",
                               {{given, "@/a", nullptr, "", "@/a", 0, "@/a"},
                                {choose, "", "@/a", "@/b", "@/b", 0, "@/b"},
                                {menu, "", nullptr, "", "@/b", 0, "@/b"}}},
                      Scenario{"MissingFolderRefusedAndNotRemembered",
                               {{given, "@/a", nullptr, "", "@/a", 0, "@/a"},
                                {given, "nowhere", nullptr, "", "", 2, "@/a"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartFolderDialog, RememberedFolderGoneAsksBesideIt) {
    fs::create_directories(root / "a" / "station");
    fs::current_path(root / "current");
    ASSERT_TRUE(
        open_start_folder({FolderSource::given, root / "a" / "station"}, [](const fs::path&) {
            return fs::path();
        }).folder);
    fs::current_path(root / "current");
    fs::remove(root / "a" / "station");
    fs::path asked;
    const StartFolder result =
        open_start_folder({FolderSource::remembered, {}}, [&](const fs::path& where) {
            asked = where;
            return root / "b";
        });
    EXPECT_EQ(asked, root / "a");
    ASSERT_TRUE(result.folder);
    EXPECT_EQ(*result.folder, root / "b");
}

} // namespace
} // namespace scalvo
