// SPDX-License-Identifier: GPL-3.0-or-later
// Writes that survive a power cut: the new content is synced before it is renamed into place
// and the folder after, every temporary file has a name of its own, and a failure at any call
// keeps what was stored.
#include "common/file_calls.h"
#include "common/settings_file.h"
#include "ionogram/case_code_file.h"
#include "records/record_file.h"
#include "support/temp_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/stat.h>

namespace scalvo {
namespace {

using testing::read_bytes;
using testing::TempFolder;
using testing::write_bytes;

// The real calls, each written down by what it touches: "temporary", "folder" or a file name.
class RecordedCalls : public FileCalls {
  public:
    int open_folder(const std::filesystem::path& folder) override {
        if (fails("open folder"))
            return -1;
        const int fd = FileCalls::open_folder(folder);
        name(fd, "folder");
        return note("open", fd, fd);
    }
    int open(int folder, const std::string& file, int flags, unsigned mode) override {
        if (fails("open " + file))
            return -1;
        const int fd = FileCalls::open(folder, file, flags, mode);
        if (fd < 0) {
            log.push_back("open " + file + " missing");
            return fd;
        }
        name(fd, file);
        return note("open", fd, fd);
    }
    int make_temporary(int folder, std::string& name_template) override {
        if (fails("temporary"))
            return -1;
        const int fd = FileCalls::make_temporary(folder, name_template);
        temporaries.push_back(name_template);
        name(fd, "temporary");
        return note("temporary", fd, fd);
    }
    long write_at(int fd, const char* data, std::size_t size, std::int64_t offset) override {
        if (fails("write " + names_[fd]))
            return -1;
        return note("write", fd, FileCalls::write_at(fd, data, size, offset));
    }
    int change_mode(int fd, unsigned mode) override {
        if (fails("mode"))
            return -1;
        return note("mode", fd, FileCalls::change_mode(fd, mode));
    }
    int change_owner(int fd, unsigned owner, unsigned group) override {
        if (fails("owner"))
            return -1;
        return note("owner", fd, FileCalls::change_owner(fd, owner, group));
    }
    int copy_attributes(int from, int to) override {
        if (fails("attributes"))
            return -1;
        return note("attributes", to, FileCalls::copy_attributes(from, to));
    }
    int sync(int fd) override {
        if (fails("sync " + names_[fd]))
            return -1;
        return note("sync", fd, FileCalls::sync(fd));
    }
    int close(int fd) override {
        const std::string closed = names_[fd];
        if (fails("close " + closed)) {
            FileCalls::close(fd);
            return -1;
        }
        const int result = note("close", fd, FileCalls::close(fd));
        if (closed == "temporary" && after_temporary_written)
            std::exchange(after_temporary_written, nullptr)();
        return result;
    }
    int rename(int folder, const std::string& from, const std::string& to) override {
        if (fails("rename"))
            return -1;
        const int result = FileCalls::rename(folder, from, to);
        log.push_back("rename " + label_of(from) + " to " + to);
        return result;
    }
    int remove(int folder, const std::string& file) override {
        log.push_back("remove " + label_of(file));
        return FileCalls::remove(folder, file);
    }

    std::vector<std::string> log;
    std::vector<std::string> temporaries;
    std::string failing; // the call that fails, as written down
    int failing_errno = EIO;
    // Another program's turn, once the new content is in its temporary file.
    std::function<void()> after_temporary_written;

  private:
    void name(int fd, std::string label) {
        if (fd >= 0)
            names_[fd] = std::move(label);
    }
    template <typename T> T note(const char* call, int fd, T result) {
        log.push_back(std::string(call) + " " + names_[fd]);
        return result;
    }
    bool fails(const std::string& call) {
        if (call != failing)
            return false;
        log.push_back(call + " fails");
        errno = failing_errno;
        return true;
    }
    std::string label_of(const std::string& file) const {
        for (const auto& temporary : temporaries)
            if (file == temporary)
                return "temporary";
        return file;
    }
    std::map<int, std::string> names_;
};

std::string record_of(int n, char fill) {
    return testing::framed_record(n, fill);
}

// Names in the folder besides the ones expected there.
std::set<std::string> files_in(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A file replaced through a temporary file: the old one's owner, attributes and mode kept, the
// new content synced before the rename, the folder after.
std::vector<std::string> replacement_of(const std::string& file, bool checked_again) {
    std::vector<std::string> calls{"open folder",     "open " + file,         "temporary temporary",
                                   "owner temporary", "attributes temporary", "mode temporary",
                                   "write temporary", "sync temporary",       "close temporary"};
    if (checked_again)
        calls.insert(calls.end(), {"open " + file, "close " + file});
    calls.insert(calls.end(),
                 {"rename temporary to " + file, "sync folder", "close " + file, "close folder"});
    return calls;
}

TEST(DurableWrites, EachWriterSyncsTheFileBeforeTheRenameAndTheFolderAfter) {
    TempFolder folder;
    const auto day = folder / "ZE20R_05122026_15.txt";
    const auto settings = folder / "setting.txt";
    const auto ionogram = folder / "ZE20R_2026339120000.rdf";
    write_bytes(ionogram, std::string(197, ' '));
    const std::string day_name = "ZE20R_05122026_15.txt";
    const struct {
        const char* name;
        std::function<FileResult(FileCalls&)> write;
        std::vector<std::string> calls;
    } writers[] = {
        {"the day file created",
         [&](FileCalls& calls) { return create_blank_scaled_values_file(day, 96, calls); },
         {"open folder", "open " + day_name, "write " + day_name, "sync " + day_name,
          "close " + day_name, "sync folder", "close folder"}},
        {"a record",
         [&](FileCalls& calls) { return write_record_at(day, 49, record_of(49, 'R'), calls); },
         replacement_of(day_name, true)},
        {"setting.txt created",
         [&](FileCalls& calls) {
             return write_settings(settings, {"05-12-2026", "12", "00", "15", "49"}, calls);
         },
         {"open folder", "open setting.txt missing", "temporary temporary", "mode temporary",
          "write temporary", "sync temporary", "close temporary", "rename temporary to setting.txt",
          "sync folder", "close folder"}},
        {"setting.txt replaced",
         [&](FileCalls& calls) {
             return write_settings(settings, {"05-12-2026", "12", "15", "15", "50"}, calls);
         },
         replacement_of("setting.txt", false)},
        {"a case code",
         [&](FileCalls& calls) {
             return write_particular_case_code(ionogram, ParticularCase::partial_absorption,
                                               std::nullopt, calls);
         },
         {"open folder", "open ZE20R_2026339120000.rdf", "close ZE20R_2026339120000.rdf",
          "open ZE20R_2026339120000.rdf", "write ZE20R_2026339120000.rdf",
          "sync ZE20R_2026339120000.rdf", "close ZE20R_2026339120000.rdf", "close folder"}},
        {"the same case code again, which needs no write",
         [&](FileCalls& calls) {
             return write_particular_case_code(ionogram, ParticularCase::partial_absorption,
                                               std::nullopt, calls);
         },
         {"open folder", "open ZE20R_2026339120000.rdf", "close ZE20R_2026339120000.rdf",
          "close folder"}},
    };
    for (const auto& writer : writers) {
        RecordedCalls calls;
        ASSERT_FALSE(writer.write(calls)) << writer.name;
        EXPECT_EQ(calls.log, writer.calls) << writer.name;
    }
    EXPECT_EQ(read_bytes(day).substr(48 * record_length, record_length), record_of(49, 'R'));
    EXPECT_EQ(read_bytes(settings), "05-12-2026\r\n12\r\n15\r\n15\r\n50\r\n");
    EXPECT_EQ(read_bytes(ionogram).substr(59, 2), "05");
    EXPECT_EQ(
        files_in(folder.path()),
        (std::set<std::string>{"ZE20R_05122026_15.txt", "setting.txt", "ZE20R_2026339120000.rdf"}));
}

// A failure anywhere before the rename keeps the old content and leaves no temporary file;
// after the rename the new content stands, but the operator must hear that it may not last.
TEST(DurableWrites, AFailedCallKeepsTheOldFileAndLeavesNoTemporary) {
    const struct {
        const char* call;
        int number;
        bool reported;
        const char* content;
    } cases[] = {
        {"open folder", EACCES, true, "old"},
        {"temporary", EACCES, true, "old"},
        {"mode", EPERM, true, "old"},
        {"write temporary", ENOSPC, true, "old"},
        {"sync temporary", EIO, true, "old"},
        {"close temporary", EIO, true, "old"},
        {"rename", EXDEV, true, "old"},
        {"attributes", EIO, true, "old"},
        // An owner we may not give, attributes the file system does not have: the file as the
        // system makes it.
        {"owner", EPERM, false, "new"},
        {"attributes", ENOTSUP, false, "new"},
        {"sync folder", EIO, true, "new"},
        // A file system that cannot sync a folder keeps its entries its own way.
        {"sync folder", EINVAL, false, "new"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const auto file = folder / "setting.txt";
        write_bytes(file, "old");
        RecordedCalls calls;
        calls.failing = c.call;
        calls.failing_errno = c.number;
        const FileResult error = write_settings(file, {"new", "", "", "", ""}, calls);
        EXPECT_EQ(error.has_value(), c.reported) << c.call << " " << c.number;
        if (error) {
            EXPECT_EQ(error->path, file) << c.call;
            EXPECT_EQ(error->reason, std::strerror(c.number)) << c.call;
        }
        EXPECT_EQ(read_bytes(file).substr(0, 3), c.content) << c.call;
        EXPECT_EQ(files_in(folder.path()), std::set<std::string>{"setting.txt"}) << c.call;
    }
}

// Another program writes the day file while a record is on its way: the store sees the change
// before its rename and refuses, and the other program's record stays.
TEST(DurableWrites, AChangeMadeByAnotherProgramIsReportedNotOverwritten) {
    TempFolder folder;
    const auto day = folder / "ZE20R_05122026_15.txt";
    ASSERT_FALSE(create_blank_scaled_values_file(day, 96));
    RecordedCalls first;
    FileResult second_result;
    first.after_temporary_written = [&] {
        second_result = write_record_at(day, 2, record_of(2, 'B'));
    };
    const FileResult first_result = write_record_at(day, 1, record_of(1, 'A'), first);
    EXPECT_FALSE(second_result);
    ASSERT_TRUE(first_result);
    EXPECT_NE(first_result->reason.find("another program changed it"), std::string::npos)
        << first_result->reason;
    const std::string bytes = read_bytes(day);
    EXPECT_EQ(bytes.substr(0, record_length), blank_record());
    EXPECT_EQ(bytes.substr(record_length, record_length), record_of(2, 'B'));
    EXPECT_EQ(files_in(folder.path()), std::set<std::string>{"ZE20R_05122026_15.txt"});

    // Names differ from one write to the next.
    RecordedCalls calls;
    for (char fill : {'C', 'D', 'E'})
        ASSERT_FALSE(write_record_at(day, 3, record_of(3, fill), calls));
    ASSERT_EQ(calls.temporaries.size(), 3u);
    EXPECT_EQ(std::set<std::string>(calls.temporaries.begin(), calls.temporaries.end()).size(), 3u);
}

// A folder where no temporary file can be made while the day file may be written: the record
// goes in place, synced, into the same file; the other records are left as they were.
TEST(DurableWrites, WithoutATemporaryTheRecordIsWrittenInPlace) {
    for (const int number : {EACCES, EPERM, ENOSPC}) {
        TempFolder folder;
        const auto day = folder / "ZE20R_05122026_15.txt";
        ASSERT_FALSE(create_blank_scaled_values_file(day, 96));
        ASSERT_FALSE(write_record_at(day, 5, record_of(5, 'E')));
        const auto inode = std::filesystem::status(day).permissions();
        struct stat before {};
        ASSERT_EQ(::stat(day.c_str(), &before), 0);
        RecordedCalls calls;
        calls.failing = "temporary";
        calls.failing_errno = number;
        ASSERT_FALSE(write_record_at(day, 6, record_of(6, 'F'), calls)) << number;
        EXPECT_EQ(calls.log, (std::vector<std::string>{
                                 "open folder", "open ZE20R_05122026_15.txt", "temporary fails",
                                 "open ZE20R_05122026_15.txt", "close ZE20R_05122026_15.txt",
                                 "write ZE20R_05122026_15.txt", "sync ZE20R_05122026_15.txt",
                                 "close ZE20R_05122026_15.txt", "close folder"}))
            << number;
        struct stat after {};
        ASSERT_EQ(::stat(day.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << number;
        EXPECT_EQ(std::filesystem::status(day).permissions(), inode) << number;
        const std::string bytes = read_bytes(day);
        ASSERT_EQ(bytes.size(), 96 * record_length);
        EXPECT_EQ(bytes.substr(4 * record_length, record_length), record_of(5, 'E'));
        EXPECT_EQ(bytes.substr(5 * record_length, record_length), record_of(6, 'F'));
        EXPECT_EQ(bytes.substr(6 * record_length, record_length), blank_record());
        EXPECT_EQ(files_in(folder.path()), std::set<std::string>{"ZE20R_05122026_15.txt"});
    }

    // In place too, a file changed by another program since it was read is not written.
    TempFolder folder;
    const auto day = folder / "ZE20R_05122026_15.txt";
    ASSERT_FALSE(create_blank_scaled_values_file(day, 96));
    struct Interleaved : RecordedCalls {
        int make_temporary(int, std::string&) override {
            std::string bytes = read_bytes(path);
            bytes.replace(0, record_length, record_of(1, 'O'));
            write_bytes(path, bytes);
            errno = EACCES;
            return -1;
        }
        std::filesystem::path path;
    } calls;
    calls.path = day;
    const FileResult error = write_record_at(day, 2, record_of(2, 'S'), calls);
    ASSERT_TRUE(error);
    EXPECT_NE(error->reason.find("another program changed it"), std::string::npos);
    EXPECT_EQ(read_bytes(day).substr(0, 2 * record_length), record_of(1, 'O') + blank_record());
}

} // namespace
} // namespace scalvo
