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
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace scalvo {
namespace {

using testing::read_bytes;
using testing::TempFolder;
using testing::write_bytes;

// The real calls, each written down by what it touches: "temporary", "folder" or a file name.
class RecordedCalls : public FileCalls {
  public:
    int open(const std::filesystem::path& path, int flags, unsigned mode) override {
        if (fails((flags & O_DIRECTORY) ? "open folder" : "open " + path.filename().string()))
            return -1;
        const int fd = FileCalls::open(path, flags, mode);
        name(fd, (flags & O_DIRECTORY) ? "folder" : path.filename().string());
        return note("open", fd, fd);
    }
    int make_temporary(std::string& name_template) override {
        if (fails("temporary"))
            return -1;
        const int fd = FileCalls::make_temporary(name_template);
        temporaries.push_back(name_template);
        name(fd, "temporary");
        return note("temporary", fd, fd);
    }
    long write_at(int fd, const char* data, std::size_t size, std::int64_t offset) override {
        if (fails("write"))
            return -1;
        return note("write", fd, FileCalls::write_at(fd, data, size, offset));
    }
    int change_mode(int fd, unsigned mode) override {
        if (fails("mode"))
            return -1;
        return note("mode", fd, FileCalls::change_mode(fd, mode));
    }
    int sync(int fd) override {
        if (fails("sync " + names_[fd]))
            return -1;
        return note("sync", fd, FileCalls::sync(fd));
    }
    int close(int fd) override {
        if (fails("close " + names_[fd])) {
            FileCalls::close(fd);
            return -1;
        }
        return note("close", fd, FileCalls::close(fd));
    }
    int rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (before_rename)
            std::exchange(before_rename, nullptr)();
        if (fails("rename"))
            return -1;
        const int result = FileCalls::rename(from, to);
        log.push_back("rename " + label_of(from) + " to " + to.filename().string());
        return result;
    }
    int remove(const std::filesystem::path& path) override {
        log.push_back("remove " + label_of(path));
        return FileCalls::remove(path);
    }

    std::vector<std::string> log;
    std::vector<std::string> temporaries;
    std::string failing; // the call that fails, as written down
    int failing_errno = EIO;
    std::function<void()> before_rename;

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
    std::string label_of(const std::filesystem::path& path) const {
        for (const auto& temporary : temporaries)
            if (path == temporary)
                return "temporary";
        return path.filename().string();
    }
    std::map<int, std::string> names_;
};

std::string record_of(char fill) {
    return std::string(246, fill) + "\r\n";
}

// Names in the folder besides the ones expected there.
std::set<std::string> files_in(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

const std::vector<std::string> replaced_in_order{
    "temporary temporary", "mode temporary",  "write temporary",
    "sync temporary",      "close temporary", "rename temporary to ",
    "open folder",         "sync folder",     "close folder",
};

std::vector<std::string> replacement_of(const std::string& file) {
    std::vector<std::string> calls = replaced_in_order;
    calls[5] += file;
    return calls;
}

TEST(DurableWrites, EachWriterSyncsTheFileBeforeTheRenameAndTheFolderAfter) {
    TempFolder folder;
    const auto day = folder / "ZE20R_05122026_15.txt";
    const auto settings = folder / "setting.txt";
    const auto ionogram = folder / "ZE20R_2026339120000.rdf";
    write_bytes(ionogram, std::string(197, ' '));
    const struct {
        const char* name;
        std::function<FileResult(FileCalls&)> write;
        std::vector<std::string> calls;
    } writers[] = {
        {"the day file created",
         [&](FileCalls& calls) { return create_blank_scaled_values_file(day, 96, calls); },
         {"open ZE20R_05122026_15.txt", "write ZE20R_05122026_15.txt", "sync ZE20R_05122026_15.txt",
          "close ZE20R_05122026_15.txt", "open folder", "sync folder", "close folder"}},
        {"a record",
         [&](FileCalls& calls) { return write_record_at(day, 49, record_of('R'), calls); },
         replacement_of("ZE20R_05122026_15.txt")},
        {"setting.txt created",
         [&](FileCalls& calls) {
             return write_settings(settings, {"05-12-2026", "12", "00", "15", "49"}, calls);
         },
         replacement_of("setting.txt")},
        {"setting.txt replaced",
         [&](FileCalls& calls) {
             return write_settings(settings, {"05-12-2026", "12", "15", "15", "50"}, calls);
         },
         replacement_of("setting.txt")},
        {"a case code",
         [&](FileCalls& calls) {
             return write_particular_case_code(ionogram, ParticularCase::partial_absorption, calls);
         },
         {"open ZE20R_2026339120000.rdf", "write ZE20R_2026339120000.rdf",
          "sync ZE20R_2026339120000.rdf", "close ZE20R_2026339120000.rdf"}},
    };
    for (const auto& writer : writers) {
        RecordedCalls calls;
        ASSERT_FALSE(writer.write(calls)) << writer.name;
        EXPECT_EQ(calls.log, writer.calls) << writer.name;
        for (const auto& temporary : calls.temporaries)
            EXPECT_EQ(std::filesystem::path(temporary).parent_path(), folder.path()) << writer.name;
    }
    EXPECT_EQ(read_bytes(day).substr(48 * record_length, record_length), record_of('R'));
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
        {"temporary", EACCES, true, "old"},
        {"mode", EPERM, true, "old"},
        {"write", ENOSPC, true, "old"},
        {"sync temporary", EIO, true, "old"},
        {"close temporary", EIO, true, "old"},
        {"rename", EXDEV, true, "old"},
        {"sync folder", EIO, true, "new"},
        // A file system that cannot sync a folder keeps its entries its own way, and a folder
        // we may not read cannot be synced by us.
        {"sync folder", EINVAL, false, "new"},
        {"open folder", EACCES, false, "new"},
        {"open folder", EIO, true, "new"},
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

// A second writer in the same folder between the first one's write and its rename: with a
// shared temporary name the first would rename the second's file away and fail.
TEST(DurableWrites, TwoWritersNeverShareATemporaryFile) {
    TempFolder folder;
    const auto day = folder / "ZE20R_05122026_15.txt";
    ASSERT_FALSE(create_blank_scaled_values_file(day, 96));
    RecordedCalls first;
    FileResult second_result;
    first.before_rename = [&] { second_result = write_record_at(day, 2, record_of('B')); };
    const FileResult first_result = write_record_at(day, 1, record_of('A'), first);
    EXPECT_FALSE(second_result);
    EXPECT_FALSE(first_result);
    // The first writer read the file before the second wrote: its whole file comes last.
    const std::string bytes = read_bytes(day);
    EXPECT_EQ(bytes.substr(0, record_length), record_of('A'));
    EXPECT_EQ(bytes.size(), 96 * record_length);
    EXPECT_EQ(files_in(folder.path()), std::set<std::string>{"ZE20R_05122026_15.txt"});

    // Names differ from one write to the next.
    RecordedCalls calls;
    for (char fill : {'C', 'D', 'E'})
        ASSERT_FALSE(write_record_at(day, 3, record_of(fill), calls));
    ASSERT_EQ(calls.temporaries.size(), 3u);
    EXPECT_EQ(std::set<std::string>(calls.temporaries.begin(), calls.temporaries.end()).size(), 3u);
}

} // namespace
} // namespace scalvo
