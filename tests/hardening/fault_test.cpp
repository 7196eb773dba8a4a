// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the disk under the running program: a read-only working folder or day file, a
// folder where a file should be, a full disk, an ionogram file that changes while it is read.
// Each is reported with the file and the reason, and nothing stored is lost.
#include "common/calendar.h"
#include "common/shared_state.h"
#include "controllers/navigation.h"
#include "controllers/parameters_controller.h"
#include "controllers/show_sounding.h"
#include "controllers/station_lock.h"
#include "ionogram/ionogram_file.h"
#include "ionogram/synthetic_ionogram.h"
#include "records/record_file.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <thread>

namespace scalvo {
namespace {

using testing::FakeDialogs;
using testing::read_bytes;
using testing::write_bytes;

// A small file system of the test's own, so that it can be filled or made read-only whoever
// runs the test (permissions do not stop root). Tests skip where mounting is not allowed.
class ScratchDisk {
  public:
    explicit ScratchDisk(const std::filesystem::path& where, const char* size = "size=64k")
        : where_(where) {
        std::filesystem::create_directories(where_);
        mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", 0, size) == 0;
    }
    ~ScratchDisk() {
        if (mounted_)
            ::umount2(where_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    bool make_read_only() {
        return ::mount(nullptr, where_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Leaves about `room` bytes free.
    void fill_leaving(std::size_t room) {
        const auto space = std::filesystem::space(where_);
        write_bytes(where_ / "filler", std::string(space.available - room, 'f'));
    }

  private:
    std::filesystem::path where_;
    bool mounted_ = false;
};

#define REQUIRE_MOUNT(disk)                                                                        \
    if (!(disk).mounted())                                                                         \
    GTEST_SKIP() << "mounting a scratch file system is not allowed here"

class FaultTest : public ::testing::Test {
  protected:
    // The working folder on the scratch disk, at 12:00 of a day at interval 15 with a day file.
    void prepare() {
        std::filesystem::create_directories(work / "ionograms");
        write_bytes(work / "setting.txt", "05-12-2026\r\n12\r\n00\r\n15\r\n49\r\n");
        shared.program_folder = work;
        shared.ionogram_folder = work / "ionograms";
        fill_hour_texts(shared);
        shared.working_date = "05-12-2026";
        shared.working_year = "2026";
        shared.day_of_year_text = "339";
        shared.interval_text = "15";
        shared.sounding_hour = 12;
        shared.current_record_number = 49;
        shared.scaled_values_file = work / "ionograms" / "ZE20R_05122026_15.txt";
        ASSERT_FALSE(create_blank_scaled_values_file(shared.scaled_values_file, 96));
        form.option_yes = false;
        form.ionogram_file_name = make_ionogram_file_name(shared, 12, 0);
        form.set_text(value_box(Row::foF2), "72");
    }
    // Next refused with one message naming the file and the reason; the sheet on screen, the
    // time and "setting.txt" as before, and the day file as before or with the sheet stored.
    void expect_next_refused(const std::filesystem::path& file, const std::string& reason,
                             bool record_stored = false) {
        const std::string day = read_bytes(shared.scaled_values_file);
        const std::string settings = read_bytes(work / "setting.txt");
        successivo_click(scaling);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_NE(dialogs.last().text.find(file.filename().string()), std::string::npos)
            << dialogs.last().text;
        EXPECT_NE(dialogs.last().text.find(reason), std::string::npos) << dialogs.last().text;
        EXPECT_EQ(shared.sounding_hour, 12);
        EXPECT_EQ(shared.sounding_minute, 0);
        EXPECT_EQ(shared.current_record_number, 49);
        EXPECT_EQ(form.text(value_box(Row::foF2)), "72");
        if (record_stored)
            EXPECT_EQ(record_of_day(49), "72");
        else
            EXPECT_EQ(read_bytes(shared.scaled_values_file), day);
        EXPECT_EQ(read_bytes(work / "setting.txt"), settings);
    }

    // foF2 of record n of the day file.
    std::string record_of_day(int n) const {
        return read_bytes(shared.scaled_values_file).substr((n - 1) * 248 + 166, 2);
    }

    testing::TempFolder folder;
    std::filesystem::path work = folder / "work";
    SharedState shared;
    FakeDialogs dialogs;
    ScalingForm form;
    Scaling scaling{form, shared, dialogs};
};

TEST_F(FaultTest, AReadOnlyWorkingFolderRefusesTheMoveAndTheStart) {
    ScratchDisk disk(work);
    REQUIRE_MOUNT(disk);
    prepare();
    ASSERT_TRUE(disk.make_read_only());
    expect_next_refused(shared.scaled_values_file, "Read-only file system");

    dialogs.clear();
    ParametersForm parameters;
    ParametersController entrata(parameters, shared, dialogs);
    ASSERT_TRUE(entrata.load(1280, work, "07-12-2026"));
    EXPECT_FALSE(entrata.start_command());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find("setting.txt"), std::string::npos);
    EXPECT_NE(dialogs.last().text.find("Read-only file system"), std::string::npos);

    // A day not prepared yet cannot be created there either.
    dialogs.clear();
    parameters.giorno.text = "06-12-2026";
    EXPECT_FALSE(entrata.start_command());
    EXPECT_NE(dialogs.last().text.find("ZE20R_06122026_15.txt"), std::string::npos);
    EXPECT_EQ(read_bytes(work / "setting.txt"), "05-12-2026\r\n12\r\n00\r\n15\r\n49\r\n");
}

TEST_F(FaultTest, AReadOnlyDayFileRefusesTheMove) {
    prepare();
    const auto day = shared.scaled_values_file.string();
    if (::mount(day.c_str(), day.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "mounting is not allowed here";
    const bool read_only =
        ::mount(nullptr, day.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    if (read_only)
        expect_next_refused(shared.scaled_values_file, "Read-only file system");
    ::umount2(day.c_str(), MNT_DETACH);
    ASSERT_TRUE(read_only);
}

// How the operator leaves the sounding.
enum class Leave { next, previous, close };

struct LeaveCase {
    const char* name;
    Leave leave;
};

constexpr LeaveCase leave_cases[] = {
    {"Next", Leave::next}, {"Previous", Leave::previous}, {"closing", Leave::close}};

// An ionogram file that cannot take its case code never keeps the operator on the sounding: the
// code is written only where it differs, a failure is named with its reason, and the move or the
// closing goes on with the record stored.
class CaseCodeFaultTest : public FaultTest {
  protected:
    // The sounding of 12:00 shown from its ionogram file in `ionograms`, holding case "xx".
    void show_at_noon(const std::filesystem::path& ionograms) {
        shared.sounding_hour = 12;
        shared.sounding_minute = 0;
        shared.current_record_number = 49;
        form.ionogram_file_name = make_ionogram_file_name(shared, 12, 0);
        shared.ionogram_folder = ionograms;
        std::filesystem::create_directories(ionograms);
        write_bytes(ionograms / form.ionogram_file_name,
                    testing::ionogram_file(testing::ionogram_header("01.000 20.000 0.500"), 39,
                                           [](int, int) { return 0; }));
        load_sounding(scaling);
        ASSERT_TRUE(shared.ionogram_loaded);
        // The day file stays in the working folder's ionograms/.
        shared.scaled_values_file = work / "ionograms" / "ZE20R_05122026_15.txt";
        form.set_text(value_box(Row::foF2), "72");
    }
    // Leaves as asked; true when the sounding was left (moved, or the form may close).
    bool leave(Leave how) {
        switch (how) {
        case Leave::next:
            successivo_click(scaling);
            return shared.current_record_number == 50;
        case Leave::previous:
            prima_click(scaling);
            return shared.current_record_number == 48;
        case Leave::close:
            return form_query_unload(scaling);
        }
        return false;
    }
    void expect_left_with_record(const LeaveCase& c, std::size_t boxes, const char* reason) {
        const std::string file = form.ionogram_file_name;
        EXPECT_TRUE(leave(c.leave)) << c.name;
        EXPECT_EQ(record_of_day(49), "72") << c.name;
        ASSERT_EQ(dialogs.shown.size(), boxes) << c.name;
        if (boxes > 0) {
            EXPECT_NE(dialogs.last().text.find(file), std::string::npos)
                << c.name << ": " << dialogs.last().text;
            EXPECT_NE(dialogs.last().text.find(reason), std::string::npos)
                << c.name << ": " << dialogs.last().text;
            EXPECT_NE(dialogs.last().text.find(case_code_not_written_note), std::string::npos);
        }
    }
};

TEST_F(CaseCodeFaultTest, AReadOnlyIonogramFileIsSkippedOrNamedAndTheMoveGoesOn) {
    for (const LeaveCase& c : leave_cases) {
        for (const bool same_code : {true, false}) {
            testing::TempFolder scratch;
            ScratchDisk disk(scratch / "ionograms");
            REQUIRE_MOUNT(disk);
            dialogs.clear();
            prepare();
            show_at_noon(scratch / "ionograms");
            const auto file = shared.ionogram_folder / form.ionogram_file_name;
            const std::string before = read_bytes(file);
            ASSERT_TRUE(disk.make_read_only());
            if (!same_code)
                form.particular_case_code = ParticularCase::partial_absorption;
            expect_left_with_record(c, same_code ? 0 : 1, "Read-only file system");
            EXPECT_TRUE(read_bytes(file) == before) << c.name;
        }
    }
}

TEST_F(CaseCodeFaultTest, AnIonogramFileRemovedOrReplacedAfterLoadingIsNamedAndTheMoveGoesOn) {
    for (const LeaveCase& c : leave_cases) {
        for (const bool removed : {true, false}) {
            testing::TempFolder scratch;
            dialogs.clear();
            prepare();
            show_at_noon(scratch / "ionograms");
            const auto file = shared.ionogram_folder / form.ionogram_file_name;
            const std::string copy = read_bytes(file);
            if (removed) {
                std::filesystem::remove(file);
            } else {
                // A copy put in its place, as a copying program does: another file.
                write_bytes(folder / "copy", copy);
                std::filesystem::rename(folder / "copy", file);
            }
            form.particular_case_code = ParticularCase::partial_absorption;
            expect_left_with_record(c, 1, removed ? "No such file" : "no longer the file");
            if (!removed) {
                EXPECT_TRUE(read_bytes(file) == copy) << c.name;
            }
        }
    }
}

// A read-only station folder cannot hold a new lock file: the question names that cause, not
// a missing file.
TEST_F(FaultTest, TheLockOfAReadOnlyFolderNamesTheRealCause) {
    ScratchDisk disk(work);
    REQUIRE_MOUNT(disk);
    prepare();
    ASSERT_TRUE(disk.make_read_only());
    dialogs.answers = {answer_no};
    EXPECT_FALSE(lock_station_folder(work, dialogs).go_on);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(
        dialogs.last().text.find(".scalvo.lock\" could not be created: Read-only file system"),
        std::string::npos)
        << dialogs.last().text;
    EXPECT_EQ(dialogs.last().text.find("No such file"), std::string::npos);
}

TEST_F(FaultTest, AFullDiskRefusesTheMoveAndLeavesNoHalfFile) {
    ScratchDisk disk(work);
    REQUIRE_MOUNT(disk);
    prepare();
    disk.fill_leaving(4096);
    expect_next_refused(shared.scaled_values_file, "No space left on device");
    for (const auto& entry : std::filesystem::directory_iterator(work / "ionograms"))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();

    // Starting a day that does not fit leaves no half-made day file behind.
    dialogs.clear();
    ParametersForm parameters;
    ParametersController entrata(parameters, shared, dialogs);
    ASSERT_TRUE(entrata.load(1280, work, "07-12-2026"));
    parameters.giorno.text = "06-12-2026";
    EXPECT_FALSE(entrata.start_command());
    EXPECT_NE(dialogs.last().text.find("No space left on device"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(work / "ionograms" / "ZE20R_06122026_15.txt"));
}

TEST_F(FaultTest, AFolderWhereTheSettingsShouldBe) {
    prepare();
    std::filesystem::remove(work / "setting.txt");
    std::filesystem::create_directory(work / "setting.txt");
    successivo_click(scaling);
    EXPECT_EQ(shared.current_record_number, 49);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find("setting.txt"), std::string::npos);
    EXPECT_EQ(record_of_day(49), "72");

    dialogs.clear();
    ParametersForm parameters;
    ParametersController entrata(parameters, shared, dialogs);
    ASSERT_TRUE(entrata.load(1280, work, "07-12-2026"));
    EXPECT_EQ(parameters.giorno.text, "07-12-2026");
    EXPECT_FALSE(entrata.start_command());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.last().text.find("setting.txt"), std::string::npos);
}

TEST_F(FaultTest, AnIonogramThatChangesWhileItIsReadIsShownWholeOrNotAtAll) {
    prepare();
    const auto file = shared.ionogram_folder / "changing.rdf";
    const std::string whole = testing::ionogram_file(
        testing::ionogram_header("01.000 20.000 0.500"), 39, [](int i, int j) { return i + j; });
    std::atomic<bool> stop = false;
    std::thread changer([&] {
        for (int n = 0; !stop; ++n) {
            switch (n % 4) {
            case 0:
                write_bytes(file, whole);
                break;
            case 1:
                std::filesystem::remove(file);
                break;
            case 2:
                write_bytes(file, whole.substr(0, 1000));
                break;
            default:
                write_bytes(file, whole + "tail");
                break;
            }
        }
    });
    int usable = 0;
    // 300 ms of reads; on a busy machine (a sanitized build, other builds beside) on until one
    // read has met the file whole, for 10 s at most.
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed >= std::chrono::milliseconds(300) &&
            (usable > 0 || elapsed >= std::chrono::seconds(10)))
            break;
        Ionogram ionogram;
        const IonogramLoad load = load_ionogram_file(file, ionogram);
        if (load.outcome == IonogramOutcome::usable) {
            ++usable;
            ASSERT_EQ(ionogram.frequency_count, 39);
            ASSERT_EQ(ionogram.amplitude_grid.size(), 39u * 150);
            ASSERT_EQ(ionogram.cell(39, 150), 189);
        }
    }
    stop = true;
    changer.join();
    EXPECT_GT(usable, 0) << "the file was never seen whole";
}

} // namespace
} // namespace scalvo
