// SPDX-License-Identifier: GPL-3.0-or-later
// monthly_tables tried as a new user would: a month of records written with known values, the
// program run on it, its medians, counts and quartiles compared with values computed here.
#include "support/month_records.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

namespace scalvo {
namespace {

namespace fs = std::filesystem;
using testing::RecordLine;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const fs::path& folder, const std::string& arguments) {
    const fs::path out = folder / "stdout";
    const fs::path err = folder / "stderr";
    const std::string command = "cd '" + folder.string() +
                                "' && env -u DISPLAY '" MONTHLY_TABLES "' " + arguments + " >'" +
                                out.string() + "' 2>'" + err.string() + "' </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing::read_bytes(out),
            testing::read_bytes(err)};
}

// The month the user scales: December 2026, day 13 without a file, the other days at 15
// minutes except the 5th (5 minutes) and the 20th (60 minutes). foF2 and h'F of each hour from
// a fixed sequence; some hours replaced by C (no ionogram), some doubtful, one never scaled.
class Month {
  public:
    Month() {
        unsigned state = 12345;
        const auto next = [&state] {
            state = state * 1103515245u + 12345u;
            return (state >> 16) % 1000;
        };
        for (int day = 1; day <= 31; ++day)
            for (int hour = 0; hour < 24; ++hour) {
                Hour& h = hours[{day, hour}];
                const unsigned r = next();
                h.foF2 = 30 + static_cast<int>(r % 70) + (hour >= 8 && hour <= 16 ? 40 : 0);
                h.hF = 200 + static_cast<int>(next() % 120);
                h.no_ionogram = r % 17 == 0;
                h.doubtful = r % 11 == 0;
                h.blank = day == 9 && hour == 4;
            }
    }

    void write(const fs::path& folder) const {
        fs::create_directories(folder / "ionograms");
        for (int day = 1; day <= 31; ++day) {
            if (day == 13)
                continue;
            const int interval = day == 5 ? 5 : day == 20 ? 60 : 15;
            std::map<int, std::string> lines;
            for (int hour = 0; hour < 24; ++hour) {
                const Hour& h = hours.at({day, hour});
                // A sounding between the hours too, which the hourly tables must not take.
                if (interval < 60)
                    lines[hour * 60 / interval + 1] =
                        RecordLine(hour, interval).set(Row::foF2, 999).text();
                if (h.blank)
                    continue;
                RecordLine line(hour, 0);
                if (h.no_ionogram)
                    line.set(Row::foF2, "", ' ', 'C').set(Row::hF, "", ' ', 'C');
                else
                    line.set(Row::foF2, h.foF2, h.doubtful ? 'U' : ' ', ' ').set(Row::hF, h.hF);
                lines[hour * 60 / interval] = line.text();
            }
            char name[40];
            std::snprintf(name, sizeof name, "ZE20R_%02d122026_%02d.txt", day, interval);
            testing::write_bytes(folder / "ionograms" / name, testing::day_file(interval, lines));
        }
    }

    // The codes that count at an hour: every value scaled (doubtful ones too), not the C.
    std::vector<int> counted(int hour, bool foF2) const {
        std::vector<int> codes;
        for (int day = 1; day <= 31; ++day) {
            const Hour& h = hours.at({day, hour});
            if (day != 13 && !h.blank && !h.no_ionogram)
                codes.push_back(foF2 ? h.foF2 : h.hF);
        }
        return codes;
    }

  private:
    struct Hour {
        int foF2 = 0;
        int hF = 0;
        bool no_ionogram = false;
        bool doubtful = false;
        bool blank = false;
    };
    std::map<std::pair<int, int>, Hour> hours;
};

// The p-quantile of the sorted codes at rank p(n + 1), kept within 1 ... n, interpolated,
// then to the nearest code (halves to even).
double quantile(std::vector<int> codes, double p) {
    std::sort(codes.begin(), codes.end());
    const double n = static_cast<double>(codes.size());
    double rank = p * (n + 1);
    rank = rank < 1 ? 1 : rank > n ? n : rank;
    const auto below = static_cast<std::size_t>(rank) - 1;
    const double fraction = rank - std::floor(rank);
    const double value =
        fraction == 0 ? codes[below] : codes[below] + fraction * (codes[below + 1] - codes[below]);
    return std::nearbyint(value);
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string f; std::getline(in, f, ',');)
        fields.push_back(f);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

// The medians file by characteristic and hour.
std::map<std::pair<std::string, int>, std::vector<std::string>> medians_of(const fs::path& file) {
    std::map<std::pair<std::string, int>, std::vector<std::string>> rows;
    std::stringstream in(testing::read_bytes(file));
    std::string line;
    std::getline(in, line); // the header
    while (std::getline(in, line)) {
        EXPECT_TRUE(line.ends_with('\r')) << line;
        line.pop_back();
        const auto f = split(line);
        EXPECT_EQ(f.size(), 8u) << line;
        rows[{f[0], std::stoi(f[1])}] = f;
    }
    return rows;
}

const char* station_ini = "[station]\n"
                          "name=Roma\n"
                          "ursi_code=RO041\n"
                          "latitude=41.8\n"
                          "longitude=12.5\n"
                          "meridian_time=15\n"
                          "ionosonde=DORVIK\n"
                          "scaling=manual\n"
                          "editing=edited\n";

TEST(MonthlyTablesProgram, MediansCountsAndQuartilesOfAWrittenMonth) {
    testing::TempFolder work;
    const Month month;
    month.write(work.path());
    testing::write_bytes(work / "station.ini", station_ini);

    const Outcome r = run(work.path(), "--month 2026-12");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* name : {"monthly_2026_12.txt", "monthly_2026_12.iiwg", "monthly_2026_12.csv",
                             "monthly_2026_12_medians.csv", "monthly_2026_12.png"}) {
        EXPECT_TRUE(fs::is_regular_file(work / "output" / name)) << name;
        EXPECT_NE(r.out.find(name), std::string::npos) << r.out;
    }

    const auto medians = medians_of(work / "output" / "monthly_2026_12_medians.csv");
    for (const bool foF2 : {true, false}) {
        const std::string name = foF2 ? "foF2" : "h'F";
        const double unit = foF2 ? 0.1 : 1;
        for (int hour = 0; hour < 24; ++hour) {
            const std::vector<int> codes = month.counted(hour, foF2);
            const auto& row = medians.at({name, hour});
            ASSERT_GE(codes.size(), 10u); // a sure median: no U to think of
            EXPECT_EQ(std::stoi(row[2]), static_cast<int>(codes.size())) << name << hour;
            const double expected[] = {quantile(codes, 0.5), quantile(codes, 0.75),
                                       quantile(codes, 0.25), quantile(codes, 0.9),
                                       quantile(codes, 0.1)};
            for (std::size_t k = 0; k < 5; ++k)
                EXPECT_NEAR(std::stod(row[3 + k]), expected[k] * unit, 1e-9)
                    << name << " hour " << hour << " column " << 3 + k;
        }
    }
}

TEST(MonthlyTablesProgram, BadInputIsNamedLeftOutAndEndsWithStatus1) {
    testing::TempFolder work;
    Month().write(work.path());
    // A record of day 2 cut in the middle; and no station file.
    const fs::path day2 = work / "ionograms" / "ZE20R_02122026_15.txt";
    std::string bytes = testing::read_bytes(day2);
    bytes.erase(248 * 8 + 100, 50); // in the record of 02:00, line 9
    testing::write_bytes(day2, bytes);

    const Outcome r = run(work.path(), "--month 2026-12 --out tables");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("monthly_tables: ./ionograms/ZE20R_02122026_15.txt:9: the record of 02:00 "
                         "is 196 characters long"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("there is no station.ini: the keys name, ursi_code"), std::string::npos)
        << r.err;
    EXPECT_TRUE(fs::is_regular_file(work / "tables" / "monthly_2026_12.txt"));
    EXPECT_FALSE(fs::exists(work / "tables" / "monthly_2026_12.iiwg"));
    EXPECT_FALSE(fs::exists(work / "output"));
}

TEST(MonthlyTablesProgram, RefusesWhatIsNoMonth) {
    testing::TempFolder work;
    for (const char* arguments :
         {"", "--month 2026-13", "--month 2026-12 extra", "--month 2026-12 --month 2026-11"}) {
        const Outcome r = run(work.path(), arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.err.rfind("monthly_tables: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("usage: monthly_tables"), std::string::npos) << r.err;
    }
    const Outcome r = run(work.path(), "--month 2026-12 --folder no-such-folder");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "monthly_tables: no-such-folder: no such folder\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(work.path()), fs::directory_iterator()), 2)
        << "nothing but the two files of the output";
}

} // namespace
} // namespace scalvo
