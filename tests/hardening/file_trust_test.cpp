// SPDX-License-Identifier: GPL-3.0-or-later
// Files an operator can trust: a link where a program file should be is refused and what it
// points to is never touched; a day file whose framing is lost (line ends converted, cut short)
// is not opened nor written; a FIFO never stops the program; replaced files keep their mode,
// owner, group and attributes; the lock lives beside the day files; a failed store lets the
// operator leave. All of it as root, with real links, FIFOs and LF files.
#include "common/dialogs.h"
#include "common/file_io.h"
#include "common/settings_file.h"
#include "common/shared_state.h"
#include "controllers/navigation.h"
#include "controllers/parameters_controller.h"
#include "controllers/show_sounding.h"
#include "controllers/station_lock.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "support/working_day.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace scalvo {
namespace {

namespace fs = std::filesystem;
using testing::FakeDialogs;
using testing::read_bytes;
using testing::write_bytes;

std::string record_of(int n, char fill) {
    return testing::framed_record(n, fill);
}

std::string blank_day(int records = 96) {
    std::string day;
    for (int n = 0; n < records; ++n)
        day += blank_record();
    return day;
}

// The same bytes with every CR LF turned into LF, as some editors and transfers do.
std::string with_line_feeds(std::string bytes) {
    for (std::size_t at; (at = bytes.find("\r\n")) != std::string::npos;)
        bytes.erase(at, 1);
    return bytes;
}

TEST(DayFraming, TheFirstBadRecordIsNamed) {
    std::string scaled = blank_day();
    scaled.replace(31 * record_length, record_length, record_of(32, 'S'));
    std::string wrong_time = scaled;
    wrong_time.replace(31 * record_length, 5, "07:30");
    std::string no_crlf = scaled;
    no_crlf[40 * record_length + 246] = ' ';
    const struct {
        const char* name;
        std::string bytes;
        const char* interval;
        std::optional<std::string> fault;
    } cases[] = {
        {"blank day", blank_day(), "15", std::nullopt},
        {"scaled day", scaled, "15", std::nullopt},
        {"cut short by whole records", scaled.substr(0, 40 * record_length), "15", std::nullopt},
        {"empty", "", "15", std::nullopt},
        {"line ends converted", with_line_feeds(scaled), "15",
         "record 1 (00:00) does not end in CR LF"},
        {"cut inside a record", scaled.substr(0, 32 * record_length + 10), "15",
         "is not a whole number of 248-byte records: record 33 is cut short"},
        {"a record of another time", wrong_time, "15",
         "record 32 (07:45) does not start with its time 07:45"},
        {"a record without its CR", no_crlf, "15", "record 41 (10:00) does not end in CR LF"},
        {"another interval's time", scaled, "30",
         "record 32 (15:30) does not start with its time 15:30"},
        {"unknown interval: any time", scaled, "", std::nullopt},
        {"unknown interval: no time", std::string(246, 'x') + "\r\n", "",
         "record 1 does not start with its time hh:mm"},
    };
    for (const auto& c : cases) {
        const auto fault = day_file_fault(c.bytes, c.interval);
        ASSERT_EQ(fault.has_value(), c.fault.has_value()) << c.name << ": " << fault.value_or("");
        if (fault) {
            EXPECT_NE(fault->find(*c.fault), std::string::npos) << c.name << ": " << *fault;
        }
    }
    EXPECT_EQ(interval_of_day_file("ionograms/ZE20R_05122026_15.txt"), "15");
    EXPECT_EQ(interval_of_day_file("ZE20R_05122026_07.txt"), "");
    EXPECT_EQ(interval_of_day_file("day.txt"), "");
}

class FileTrustTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::start_day(shared, work);
        write_bytes(work / "setting.txt", "05-12-2026\r\n12\r\n00\r\n15\r\n49\r\n");
        shared.sounding_hour = 12;
        shared.current_record_number = 49;
        form.option_yes = false;
        form.ionogram_file_name = make_ionogram_file_name(shared, 12, 0);
        form.set_text(value_box(Row::foF2), "72");
    }
    // The start command for 05-12-2026 at interval 15; true when the scaling form would show.
    bool start() {
        ParametersForm parameters;
        ParametersController entrata(parameters, shared, dialogs);
        EXPECT_TRUE(entrata.load(1280, work, "07-12-2026"));
        return entrata.start_command();
    }
    void expect_one_message_naming(const std::string& name, const std::string& reason) {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_NE(dialogs.last().text.find(name), std::string::npos) << dialogs.last().text;
        EXPECT_NE(dialogs.last().text.find(reason), std::string::npos) << dialogs.last().text;
    }

    testing::TempFolder folder;
    fs::path work = folder / "work";
    fs::path outside = folder / "elsewhere";
    SharedState shared;
    FakeDialogs dialogs;
    ScalingForm form;
    Scaling scaling{form, shared, dialogs};
};

// As a new user would meet them: a day file linked elsewhere, and one whose line ends were
// converted. Each gives one clear message naming it; no byte of any file changes.
TEST_F(FileTrustTest, ALinkedOrConvertedDayFileIsNotOpenedAndNothingChanges) {
    fs::create_directories(outside);
    std::string scaled = blank_day();
    scaled.replace(31 * record_length, record_length, record_of(32, 'S'));
    const struct {
        const char* name;
        std::function<void()> arrange;
        const char* reason;
    } cases[] = {
        {"a link to a short file elsewhere",
         [&] {
             write_bytes(outside / "notes", std::string(42, 'n'));
             fs::create_symlink(outside / "notes", shared.scaled_values_file);
         },
         "symbolic link"},
        {"a link to a sound day elsewhere",
         [&] {
             write_bytes(outside / "notes", scaled);
             fs::create_symlink(outside / "notes", shared.scaled_values_file);
         },
         "symbolic link"},
        {"line ends converted to LF",
         [&] { write_bytes(shared.scaled_values_file, with_line_feeds(scaled)); },
         "record 1 (00:00) does not end in CR LF"},
    };
    for (const auto& c : cases) {
        fs::remove(shared.scaled_values_file);
        fs::remove(outside / "notes");
        c.arrange();
        const std::string day = read_bytes(shared.scaled_values_file);
        const std::string settings = read_bytes(work / "setting.txt");
        dialogs.clear();
        EXPECT_FALSE(start()) << c.name;
        expect_one_message_naming("ZE20R_05122026_15.txt", c.reason);
        // A sounding left on that day (the file changed after the start) stores nothing.
        dialogs.clear();
        shared.scaled_values_file = shared.ionogram_folder / "ZE20R_05122026_15.txt";
        successivo_click(scaling);
        expect_one_message_naming("ZE20R_05122026_15.txt", c.reason);
        EXPECT_EQ(shared.current_record_number, 49) << c.name;
        EXPECT_TRUE(read_bytes(shared.scaled_values_file) == day) << c.name;
        EXPECT_EQ(read_bytes(work / "setting.txt"), settings) << c.name;
        EXPECT_TRUE(fs::is_symlink(shared.scaled_values_file) ==
                    (std::string(c.reason) == "symbolic link"))
            << c.name;
    }
}

TEST_F(FileTrustTest, ALinkOrAFifoForTheSettingsIsRefusedWithoutWaiting) {
    fs::create_directories(outside);
    write_bytes(outside / "target", "keep me\r\n");
    fs::remove(work / "setting.txt");
    fs::create_symlink(outside / "target", work / "setting.txt");
    // Read through no link: the settings start from their defaults.
    EXPECT_EQ(read_settings(work / "setting.txt", "07-12-2026")[0], "07-12-2026");
    EXPECT_FALSE(start());
    expect_one_message_naming("setting.txt", "symbolic link");
    EXPECT_EQ(read_bytes(outside / "target"), "keep me\r\n");
    EXPECT_TRUE(fs::is_symlink(work / "setting.txt"));

    // A FIFO with no writer would block an ordinary open for ever.
    fs::remove(work / "setting.txt");
    ASSERT_EQ(::mkfifo((work / "setting.txt").c_str(), 0644), 0);
    EXPECT_EQ(read_settings(work / "setting.txt", "07-12-2026")[1], "00");
    dialogs.clear();
    EXPECT_FALSE(start());
    expect_one_message_naming("setting.txt", not_ordinary_reason);
    EXPECT_TRUE(fs::is_fifo(work / "setting.txt"));
}

TEST_F(FileTrustTest, AnIonogramThatIsALinkIsNotShownNorWritten) {
    fs::create_directories(outside);
    const std::string ionogram = testing::ionogram_file(
        testing::ionogram_header("01.000 20.000 0.500"), 39, [](int, int) { return 9; });
    write_bytes(outside / "real.rdf", ionogram);
    fs::create_symlink(outside / "real.rdf", shared.ionogram_folder / form.ionogram_file_name);
    ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
    load_sounding(scaling);
    EXPECT_FALSE(shared.ionogram_loaded);
    expect_one_message_naming(form.ionogram_file_name, "symbolic link");
    // Even a case code asked for by name goes nowhere.
    EXPECT_TRUE(write_particular_case_code(shared.ionogram_folder / form.ionogram_file_name,
                                           ParticularCase::partial_absorption));
    EXPECT_TRUE(read_bytes(outside / "real.rdf") == ionogram);
}

// A store never writes into a file another program put in place of the day file since it was
// read, and the case code goes only into the ionogram file that was loaded.
TEST_F(FileTrustTest, TheCaseCodeIsWrittenOnlyWhenItDiffers) {
    const auto file = shared.ionogram_folder / form.ionogram_file_name;
    write_bytes(file, testing::ionogram_file(testing::ionogram_header("01.000 20.000 0.500", "05"),
                                             39, [](int, int) { return 0; }));
    ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
    load_sounding(scaling);
    ASSERT_TRUE(shared.ionogram_loaded);
    ASSERT_EQ(form.particular_case_code, ParticularCase::partial_absorption);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    form.set_text(value_box(Row::foF2), "72");
    EXPECT_TRUE(form_query_unload(scaling));
    EXPECT_TRUE(dialogs.shown.empty());
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    // Not written at all: the file's change time stays.
    EXPECT_EQ(after.st_ctim.tv_sec, before.st_ctim.tv_sec);
    EXPECT_EQ(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec);
}

// Closing with a record that cannot be stored offers to close without it; staying is the
// default, and the text says what is lost.
TEST_F(FileTrustTest, AFailedStoreLetsTheOperatorCloseWithoutIt) {
    for (const int answer : {answer_no, answer_yes}) {
        fs::remove_all(shared.scaled_values_file);
        fs::create_directory(shared.scaled_values_file); // the record cannot go there
        dialogs.clear();
        dialogs.answers = {answer};
        EXPECT_EQ(form_query_unload(scaling), answer == answer_yes);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::yes_no);
        const std::string& text = dialogs.last().text;
        EXPECT_NE(text.find("ZE20R_05122026_15.txt"), std::string::npos) << text;
        EXPECT_NE(text.find("The sheet of 12:00 is not stored"), std::string::npos) << text;
        EXPECT_NE(text.find("will be lost"), std::string::npos) << text;
        EXPECT_NE(text.find("No (the default) stays"), std::string::npos) << text;
    }
    // A sheet that fails its own check still cancels the closing, as always, with no question.
    fs::remove_all(shared.scaled_values_file);
    ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
    form.set_text(value_box(Row::es_types), "L");
    dialogs.clear();
    EXPECT_FALSE(form_query_unload(scaling));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::ok);
}

// The umask of a shared station folder (002, setgid group folder) gives group-writable files;
// a replaced file keeps its mode, owner, group, extended attributes and ACL.
TEST_F(FileTrustTest, PermissionsOfASharedStationFolder) {
    const fs::path shared_folder = folder / "station";
    fs::create_directories(shared_folder / "ionograms");
    ASSERT_EQ(::chown((shared_folder / "ionograms").c_str(), 0, 4242), 0);
    ASSERT_EQ(::chmod((shared_folder / "ionograms").c_str(), 02775), 0);
    const fs::path day = shared_folder / "ionograms" / "ZE20R_05122026_15.txt";
    const mode_t old_mask = ::umask(002);
    const FileResult created = create_blank_scaled_values_file(day, 96);
    const FileResult stored = write_record_at(day, 49, record_of(49, 'A'));
    ::umask(old_mask);
    ASSERT_FALSE(created);
    ASSERT_FALSE(stored);
    struct stat info {};
    ASSERT_EQ(::stat(day.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    EXPECT_EQ(info.st_gid, 4242u);

    // A colleague's file: another owner and group, its own mode, an attribute and an ACL.
    ASSERT_EQ(::chown(day.c_str(), 4343, 4344), 0);
    ASSERT_EQ(::chmod(day.c_str(), 0660), 0);
    const bool attributes = ::setxattr(day.c_str(), "user.station", "ZE20R", 5, 0) == 0;
    // An access ACL: owner rw, user 4242 rw, group r, mask rw, others none.
    const unsigned char acl[] = {2,    0, 0, 0,                          // version
                                 1,    0, 6, 0, 0xff, 0xff, 0xff, 0xff,  // user::rw
                                 2,    0, 6, 0, 0x92, 0x10, 0,    0,     // user:4242:rw
                                 4,    0, 4, 0, 0xff, 0xff, 0xff, 0xff,  // group::r
                                 0x10, 0, 6, 0, 0xff, 0xff, 0xff, 0xff,  // mask::rw
                                 0x20, 0, 0, 0, 0xff, 0xff, 0xff, 0xff}; // other::-
    const bool acls = ::setxattr(day.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) == 0;
    ASSERT_EQ(::stat(day.c_str(), &info), 0);
    const mode_t mode = info.st_mode & 07777;
    ASSERT_FALSE(write_record_at(day, 50, record_of(50, 'B')));
    ASSERT_EQ(::stat(day.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode);
    EXPECT_EQ(info.st_uid, 4343u);
    EXPECT_EQ(info.st_gid, 4344u);
    char value[64] = {};
    if (attributes) {
        EXPECT_EQ(::getxattr(day.c_str(), "user.station", value, sizeof value), 5);
        EXPECT_EQ(std::string(value, 5), "ZE20R");
    }
    if (acls) {
        unsigned char kept[sizeof acl] = {};
        EXPECT_EQ(::getxattr(day.c_str(), "system.posix_acl_access", kept, sizeof kept),
                  static_cast<ssize_t>(sizeof acl));
        EXPECT_EQ(std::string(kept, kept + sizeof kept), std::string(acl, acl + sizeof acl));
    }
    EXPECT_EQ(read_bytes(day).substr(49 * record_length, record_length), record_of(50, 'B'));
}

// The lock lives in ionograms/; a link or a FIFO there is refused without waiting, and without
// a lock the operator decides, No (the default) ending the program.
TEST_F(FileTrustTest, TheLockLivesBesideTheDayFiles) {
    StationLock first = lock_station_folder(work, dialogs);
    ASSERT_TRUE(first.go_on);
    EXPECT_TRUE(fs::exists(work / "ionograms" / folder_lock_file_name));
    EXPECT_TRUE(dialogs.shown.empty());

    // A second working folder sharing ionograms/ through a link is excluded too.
    const fs::path other = folder / "other";
    fs::create_directories(other);
    fs::create_directory_symlink(work / "ionograms", other / "ionograms");
    EXPECT_FALSE(lock_station_folder(other, dialogs).go_on);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find("already running"), std::string::npos);
    first.lock.reset();

    const fs::path lock = work / "ionograms" / folder_lock_file_name;
    const struct {
        const char* name;
        std::function<void()> arrange;
        const char* reason;
    } cases[] = {
        {"a link",
         [&] {
             fs::create_directories(outside);
             write_bytes(outside / "target", "");
             fs::create_symlink(outside / "target", lock);
         },
         "symbolic link"},
        {"a FIFO", [&] { ::mkfifo(lock.c_str(), 0644); }, not_ordinary_reason},
    };
    for (const auto& c : cases) {
        for (const int answer : {answer_no, answer_yes}) {
            fs::remove(lock);
            c.arrange();
            dialogs.clear();
            dialogs.answers = {answer};
            EXPECT_EQ(lock_station_folder(work, dialogs).go_on, answer == answer_yes) << c.name;
            ASSERT_EQ(dialogs.shown.size(), 1u) << c.name;
            EXPECT_EQ(dialogs.last().kind, testing::ShownBox::Kind::yes_no);
            EXPECT_NE(dialogs.last().text.find(c.reason), std::string::npos) << dialogs.last().text;
            EXPECT_NE(dialogs.last().text.find("Are you sure that no other Scalvo works on these "
                                               "files?"),
                      std::string::npos);
        }
    }
}

TEST_F(FileTrustTest, AFolderWithoutIonogramsIsNoStationFolder) {
    const fs::path empty = folder / "empty";
    fs::create_directories(empty);
    EXPECT_FALSE(lock_station_folder(empty, dialogs).go_on);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().text, not_a_station_folder_text(empty));
    EXPECT_NE(dialogs.last().text.find("is not a station's working folder"), std::string::npos);
    EXPECT_FALSE(fs::exists(empty / folder_lock_file_name));
}

// Temporary files a killed Scalvo left are cleared at the start, under the lock, and nothing
// else: only names of that shape, ordinary files, in the two folders.
TEST_F(FileTrustTest, StaleTemporariesAreClearedUnderTheLock) {
    const fs::path ionograms = work / "ionograms";
    const std::vector<fs::path> stale{work / "setting.txt.tmp.AbC123",
                                      ionograms / "ZE20R_05122026_15.txt.tmp.x9Y8z7"};
    const std::vector<fs::path> kept{work / "notes.tmp.txt", ionograms / "a.tmp.12345",
                                     ionograms / "b.tmp.1234567", ionograms / "c.tmp.AB-123",
                                     folder / "outside.tmp.AbC123"};
    for (const auto& file : stale)
        write_bytes(file, "half");
    for (const auto& file : kept)
        write_bytes(file, "mine");
    fs::create_directory(ionograms / "folder.tmp.QWERTY");
    fs::create_symlink(folder / "outside.tmp.AbC123", ionograms / "link.tmp.ZXCVBN");

    {
        // Not while another Scalvo holds the folder: its temporaries are its own.
        const FolderLock other(ionograms);
        EXPECT_FALSE(lock_station_folder(work, dialogs).go_on);
        for (const auto& file : stale)
            EXPECT_TRUE(fs::exists(file)) << file;
    }
    EXPECT_TRUE(lock_station_folder(work, dialogs).go_on);
    for (const auto& file : stale)
        EXPECT_FALSE(fs::exists(file)) << file;
    for (const auto& file : kept)
        EXPECT_TRUE(fs::exists(file)) << file;
    EXPECT_TRUE(fs::is_directory(ionograms / "folder.tmp.QWERTY"));
    EXPECT_TRUE(fs::is_symlink(ionograms / "link.tmp.ZXCVBN"));
}

} // namespace
} // namespace scalvo
