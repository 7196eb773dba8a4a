// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/start_folder.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace scalvo {
namespace {

namespace fs = std::filesystem;
using Kind = FolderDecision::Kind;

// Paths starting with "@" lie in the test's folder, which holds the folders current/, home/,
// station/ and the file plain.txt.
struct Case {
    const char* name;
    FolderSource source;
    const char* given;
    const char* remembered; // nullptr: nothing remembered
    Kind kind;
    const char* folder; // use: the working folder; ask: where the chooser opens
    bool remember;
    const char* error; // refuse: the whole line
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class StartFolder : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        for (const char* folder : {"current", "home", "station"})
            fs::create_directory(root.path() / folder);
        testing::write_bytes(root / "plain.txt", "x");
    }
    fs::path at(const char* text) const {
        const std::string s = text;
        return s.starts_with("@") ? fs::path(root.path().string() + s.substr(1)) : fs::path(s);
    }
    testing::TempFolder root;
};

TEST_P(StartFolder, Decides) {
    const Case& c = GetParam();
    FolderRequest request{c.source, at(c.given)};
    std::optional<fs::path> remembered;
    if (c.remembered)
        remembered = at(c.remembered);
    const FolderDecision d =
        decide_start_folder(request, root / "current", remembered, root / "home");
    ASSERT_EQ(d.kind, c.kind) << d.error;
    EXPECT_EQ(d.error, c.error);
    if (c.kind != Kind::refuse) {
        EXPECT_EQ(d.folder, at(c.folder));
        EXPECT_EQ(d.remember, c.remember);
    }
}

constexpr auto current = FolderSource::current;
constexpr auto given = FolderSource::given;
constexpr auto remembered = FolderSource::remembered;
constexpr auto chosen = FolderSource::chosen;

INSTANTIATE_TEST_SUITE_P(
    Cases, StartFolder,
    ::testing::Values(
        // From a terminal: the current folder, whatever was remembered, and nothing kept.
        Case{"CurrentAsAlways", current, "", nullptr, Kind::use, "@/current", false, ""},
        Case{"CurrentIgnoresRemembered", current, "", "@/station", Kind::use, "@/current", false,
             ""},
        // --folder: relative to the current folder; kept for the menu's next start.
        Case{"GivenRelative", given, "../station", nullptr, Kind::use, "@/station", true, ""},
        Case{"GivenAbsolute", given, "@/station", "@/home", Kind::use, "@/station", true, ""},
        Case{"GivenMissing", given, "nowhere", nullptr, Kind::refuse, "", false,
             "nowhere: no such folder"},
        Case{"GivenIsAFile", given, "../plain.txt", nullptr, Kind::refuse, "", false,
             "../plain.txt: no such folder"},
        Case{"GivenEmpty", given, "", nullptr, Kind::refuse, "", false, "--folder needs a folder"},
        // --last-folder: the remembered one while it is there, else the chooser.
        Case{"LastRemembered", remembered, "", "@/station", Kind::use, "@/station", false, ""},
        Case{"LastFirstTime", remembered, "", nullptr, Kind::ask, "@/home", false, ""},
        Case{"LastGoneOpensNearby", remembered, "", "@/station/gone/deeper", Kind::ask, "@/station",
             false, ""},
        Case{"LastIsNowAFile", remembered, "", "@/plain.txt", Kind::ask, "@", false, ""},
        Case{"LastRelativeIsNotTrusted", remembered, "", "station", Kind::ask, "@/home", false, ""},
        Case{"LastGoneToTheRoot", remembered, "", "/no-such-scalvo-top/x", Kind::ask, "@/home",
             false, ""},
        // --choose-folder: always asked, starting where the last folder was.
        Case{"ChooseStartsAtRemembered", chosen, "", "@/station", Kind::ask, "@/station", false,
             ""},
        Case{"ChooseFirstTime", chosen, "", nullptr, Kind::ask, "@/home", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChosenFolder, KeptOnlyWhenItIsAFolder) {
    testing::TempFolder root;
    fs::create_directory(root / "station");
    testing::write_bytes(root / "plain.txt", "x");

    const FolderDecision picked = chosen_folder(root / "station");
    EXPECT_EQ(picked.kind, Kind::use);
    EXPECT_EQ(picked.folder, root / "station");
    EXPECT_TRUE(picked.remember);

    for (const fs::path& wrong : {root / "gone", root / "plain.txt", fs::path("station")})
        EXPECT_EQ(chosen_folder(wrong).kind, Kind::refuse) << wrong;
}

} // namespace
} // namespace scalvo
