// SPDX-License-Identifier: GPL-3.0-or-later
// A month at 5-minute intervals (31 files of 288 records, every record scaled): the whole run of
// monthly_tables, the five files written and the picture drawn, must stay under 0.2 s. Beside it
// the reading and the statistics alone. Runs on the offscreen platform.
// Run: build/bin/monthly_bench
#include "monthly/monthly_run.h"
#include "monthly_qt/month_picture.h"
#include "support/month_records.h"
#include "support/temp_folder.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace scalvo;

const Month december{2026, 12};

class MonthFolder {
  public:
    MonthFolder() {
        std::filesystem::create_directories(folder_ / "ionograms");
        unsigned state = 7;
        const auto next = [&state](int range) {
            state = state * 1103515245u + 12345u;
            return static_cast<int>((state >> 16) % static_cast<unsigned>(range));
        };
        for (int day = 1; day <= 31; ++day) {
            std::map<int, std::string> lines;
            for (int k = 0; k < 288; ++k) {
                const int minute = k * 5;
                const int hour = minute / 60;
                const bool sun = hour >= 7 && hour <= 17;
                testing::RecordLine line(hour, minute % 60);
                line.set(Row::fmin, 15 + next(10))
                    .set(Row::foEs, 25 + next(40), ' ', next(5) == 0 ? 'A' : ' ')
                    .set(Row::hEs, 100 + next(20))
                    .set(Row::hF, 200 + next(80))
                    .set(Row::foF2, 40 + next(60) + (sun ? 30 : 0), next(9) == 0 ? 'U' : ' ')
                    .set(Row::fxI, 50 + next(60))
                    .set(Row::MUF3000F2, 150 + next(150))
                    .set(Row::M3000F2, 280 + next(60));
                if (sun)
                    line.set(Row::hE, 100 + next(15)).set(Row::foE, 250 + next(100)).es_types("L1");
                lines[k] = line.text();
            }
            char name[40];
            std::snprintf(name, sizeof name, "ZE20R_%02d122026_05.txt", day);
            testing::write_bytes(folder_ / "ionograms" / name, testing::day_file(5, lines));
        }
    }
    const std::filesystem::path& path() const { return folder_.path(); }

  private:
    testing::TempFolder folder_;
};

StationReading station() {
    return check_station(std::map<std::string, std::string>{{"name", "Roma"},
                                                            {"ursi_code", "RO041"},
                                                            {"latitude", "41.8"},
                                                            {"longitude", "12.5"},
                                                            {"meridian_time", "15"},
                                                            {"ionosonde", "DORVIK"},
                                                            {"scaling", "manual"},
                                                            {"editing", "edited"}});
}

void BM_MonthAt5MinutesWholeRun(benchmark::State& state) {
    const MonthFolder month;
    const StationReading s = station();
    for (auto _ : state) {
        const MonthlyReport report =
            make_monthly_tables(request_for(december, month.path()), s, month_picture_png);
        if (report.exit_status() != 0 || report.written.size() != 5)
            state.SkipWithError("the month did not come out whole");
    }
}
BENCHMARK(BM_MonthAt5MinutesWholeRun)->Unit(benchmark::kMillisecond);

void BM_MonthAt5MinutesReadAndStatistics(benchmark::State& state) {
    const MonthFolder month;
    for (auto _ : state)
        benchmark::DoNotOptimize(read_month(month.path() / "ionograms", december));
}
BENCHMARK(BM_MonthAt5MinutesReadAndStatistics)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
