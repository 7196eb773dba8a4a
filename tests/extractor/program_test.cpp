// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built tabulor as a real process in temporary working folders.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const kLabels[] = {
    " fmin    =", " h'E     =", " foE     =", " foEs    =", " h'Es    =", " Es Type =",
    " fbEs    =", " h'F     =", " foF1    =", " h'F2    =", " foF2    =", " fxI     =",
    " MUF F1  =", " M3000 F1=", " MUF F2  =", " M3000 F2="};

// A 246-character record as the workstation stores it; every other row is filled so that
// reading the wrong field shows.
std::string record(const std::string& fof2, const std::string& letters,
                   const char* time = "12:15") {
    std::string text = time;
    for (const std::string label : kLabels) {
        text += label + (label == " foF2    =" ? fof2 + letters : "987XY");
    }
    return text + " ";
}

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class Tabulor : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "tabulor_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        root_ = name;
        work_ = root_ / "work";
        fs::create_directories(work_ / "data");
        fs::create_directory(work_ / "output");
    }
    void TearDown() override { fs::remove_all(root_); }

    Outcome run(const std::string& args = "") {
        const std::string command = "cd '" + work_.string() + "' && '" TABULOR_BINARY "' " + args +
                                    " >'" + (root_ / "out").string() + "' 2>'" +
                                    (root_ / "err").string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(root_ / "out"),
                read(root_ / "err")};
    }
    void data(const std::string& name, const std::string& bytes) {
        write(work_ / "data" / name, bytes);
    }
    fs::path table(const char* kind, const std::string& name) const {
        return work_ / "output" / (std::string("foF2_") + kind + "_" + name);
    }
    void expect_tables(const std::string& name, const std::string& values,
                       const std::string& letters) {
        EXPECT_EQ(read(table("value", name)), values) << name;
        EXPECT_EQ(read(table("qldl", name)), letters) << name;
    }
    void expect_clean_success() {
        const Outcome r = run();
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
    }

    fs::path root_;
    fs::path work_;
};

struct Conversion {
    const char* name;
    std::string input;
    const char* values;
    const char* letters;
};

void PrintTo(const Conversion& c, std::ostream* os) {
    *os << c.name;
}

class Converts : public Tabulor, public ::testing::WithParamInterface<Conversion> {};

TEST_P(Converts, OneDataFile) {
    data("ZE20R_05122026_15.txt", GetParam().input);
    expect_clean_success();
    expect_tables("ZE20R_05122026_15.txt", GetParam().values, GetParam().letters);
}

const std::string kScaled = record("123", "UA");

INSTANTIATE_TEST_SUITE_P(
    Cases, Converts,
    ::testing::Values(
        Conversion{"BlankRecord", std::string(246, ' ') + "\r\n", "\r\n", "  \r\n"},
        Conversion{"ShortLine", "00:00 fmin    =\r\n", "\r\n", "\r\n"},
        // The same record bare (246 characters), with LF, and with CR LF (248 characters).
        Conversion{"Record246NoBreak", kScaled, "12.3\r\n", "UA\r\n"},
        Conversion{"Record248CrLf", kScaled + "\r\n", "12.3\r\n", "UA\r\n"},
        Conversion{"NoFinalBreak", kScaled + "\r\n" + record(" 45", "  "), "12.3\r\n 4.5\r\n",
                   "UA\r\n  \r\n"},
        Conversion{"CrOfShortLine", std::string(168, ' ') + "U\r\n", "\r\n", "U\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Tabulor, DayOf96RecordsInRecordOrder) {
    std::string day, values, letters;
    for (int n = 0; n < 96; ++n) {
        const std::string code = std::to_string(100 + n);
        day += record(code, "UA") + "\r\n";
        values += code.substr(0, 2) + "." + code[2] + "\r\n";
        letters += "UA\r\n";
    }
    data("day", day);
    expect_clean_success();
    expect_tables("day", values, letters);
}

TEST_F(Tabulor, SecondRunAppends) {
    data("a", kScaled + "\r\n");
    expect_clean_success();
    expect_clean_success();
    expect_tables("a", "12.3\r\n12.3\r\n", "UA\r\nUA\r\n");
}

TEST_F(Tabulor, EachFileItsOwnTablesSubfoldersSkipped) {
    data("a", kScaled + "\r\n");
    data("b", record(" 45", "  ") + "\r\n");
    fs::create_directory(work_ / "data" / "sub");
    expect_clean_success();
    expect_tables("a", "12.3\r\n", "UA\r\n");
    expect_tables("b", " 4.5\r\n", "  \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(work_ / "output"), {}), 4);
}

TEST_F(Tabulor, EmptyOrMissingDataWritesNothing) {
    expect_clean_success();
    fs::remove(work_ / "data");
    expect_clean_success();
    EXPECT_FALSE(fs::exists(work_ / "data"));
    EXPECT_TRUE(fs::is_empty(work_ / "output"));
}

// Every run appends: any argument, understood or not, must leave the tables alone.
TEST_F(Tabulor, ArgumentsNeverConvert) {
    data("a", kScaled);
    const struct {
        const char* arguments;
        int status;
    } cases[] = {{"--help", 0}, {"-h", 0},        {"--version", 0},        {"--bogus", 2},
                 {"data", 2},   {"-", 2},         {"--help --version", 2}, {"--version x", 2},
                 {"''", 2},     {"--help=yes", 2}};
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments;
        EXPECT_TRUE(fs::is_empty(work_ / "output")) << c.arguments;
        if (c.status == 2) {
            EXPECT_EQ(r.err.find("tabulor: "), 0u) << c.arguments << ": " << r.err;
        }
    }
}

// Each failure concerns data file "a"; a good file "b" beside it must still be converted.
struct Failure {
    const char* name;
    std::function<bool(const fs::path& work)> setup; // false: cannot arrange it here
    const char* reported;                            // the file named in the report
    const char* table;                               // a table of "a" that must not hold part of it
    std::optional<std::string> table_holds;          // nullopt: no such table left
};

void PrintTo(const Failure& c, std::ostream* os) {
    *os << c.name;
}

class Fails : public Tabulor, public ::testing::WithParamInterface<Failure> {};

TEST_P(Fails, ReportedInOneLineOthersConverted) {
    data("a", kScaled + "\r\n");
    data("b", kScaled + "\r\n");
    if (!GetParam().setup(work_)) {
        GTEST_SKIP() << "cannot arrange this failure here";
    }
    const Outcome r = run();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.find(std::string("tabulor: ") + GetParam().reported + ": "), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    expect_tables("b", "12.3\r\n", "UA\r\n");
    if (GetParam().table_holds) {
        EXPECT_EQ(read(table(GetParam().table, "a")), *GetParam().table_holds);
    } else {
        EXPECT_FALSE(fs::exists(table(GetParam().table, "a")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Fails,
    ::testing::Values(
        Failure{"UnreadableInput",
                [](const fs::path& w) {
                    chmod((w / "data/a").c_str(), 0);
                    return !std::ifstream(w / "data/a"); // root reads anyway
                },
                "data/a", "value", std::nullopt},
        Failure{"InputGone",
                [](const fs::path& w) {
                    fs::remove(w / "data/a");
                    fs::create_symlink(w / "nowhere", w / "data/a");
                    return true;
                },
                "data/a", "value", std::nullopt},
        Failure{"ReadErrorAfterOpen",
                [](const fs::path& w) {
                    // Reading this at offset 0 fails with EIO in any process.
                    fs::remove(w / "data/a");
                    fs::create_symlink("/proc/self/mem", w / "data/a");
                    return fs::exists("/proc/self/mem");
                },
                "data/a", "value", std::nullopt},
        Failure{"LettersTableIsAFolder",
                [](const fs::path& w) { return fs::create_directory(w / "output/foF2_qldl_a"); },
                "output/foF2_qldl_a", "value", std::nullopt},
        Failure{"ValueTableIsAFolder",
                [](const fs::path& w) { return fs::create_directory(w / "output/foF2_value_a"); },
                "output/foF2_value_a", "qldl", std::nullopt},
        Failure{"WriteFailsAfterOtherTableWritten",
                [](const fs::path& w) {
                    write(w / "output/foF2_value_a", "9.9\r\n");
                    fs::create_symlink("/dev/full", w / "output/foF2_qldl_a");
                    return fs::exists("/dev/full");
                },
                "output/foF2_qldl_a", "value", "9.9\r\n"},
        Failure{"TableIsTheInputItself",
                [](const fs::path& w) {
                    fs::create_symlink(w / "data/a", w / "output/foF2_qldl_a");
                    return true;
                },
                "output/foF2_qldl_a", "qldl", kScaled + "\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// A day file whose line ends were converted to LF alone is converted line by line as before,
// and named on standard error, since Scalvo will not open it as it is.
TEST_F(Tabulor, LineFeedsAloneAreConvertedAndNamed) {
    data("lf", kScaled + "\n" + record(" 45", "  ") + "\n");
    data("crlf", kScaled + "\r\n");
    const Outcome r = run();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "tabulor: data/lf: 2 line(s) end in LF alone, not CR LF as a day file's "
                     "records do; converted as lines all the same\n");
    expect_tables("lf", "12.3\r\n 4.5\r\n", "UA\r\n  \r\n");
    expect_tables("crlf", "12.3\r\n", "UA\r\n");
}

// A FIFO where a table or a data file should be is refused at once, with or without a program
// at its other end; the other files are converted.
TEST_F(Tabulor, FifosAreRefusedWithoutWaiting) {
    data("a", kScaled + "\r\n");
    data("b", kScaled + "\r\n");
    ASSERT_EQ(mkfifo(table("value", "a").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo((work_ / "data" / "pipe").c_str(), 0644), 0);
    Outcome r = run();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tabulor: output/foF2_value_a: cannot open for appending: a named pipe "
                     "(FIFO), not a file\n");
    expect_tables("b", "12.3\r\n", "UA\r\n");
    EXPECT_FALSE(fs::exists(table("qldl", "a")));
    EXPECT_FALSE(fs::exists(table("value", "pipe")));

    // With a reader at the other end the open succeeds, and the type refuses it.
    const int reader = open(table("value", "a").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    r = run();
    close(reader);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tabulor: output/foF2_value_a: cannot open for appending: a named pipe "
                     "(FIFO), not a file\n");
}

TEST_F(Tabulor, MissingOutputFolderReportedNotCreated) {
    data("a", kScaled + "\r\n");
    fs::remove(work_ / "output");
    const Outcome r = run();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.find("tabulor: output: "), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    EXPECT_FALSE(fs::exists(work_ / "output"));
}

} // namespace
