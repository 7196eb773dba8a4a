// SPDX-License-Identifier: GPL-3.0-or-later
// A year of scaled-values files (365 days of 96 records) converted by the pass in process and
// by the built program. Run: build/bin/tabulor_bench
#include "table_pass.h"

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const kLabels[] = {
    " fmin    =", " h'E     =", " foE     =", " foEs    =", " h'Es    =", " Es Type =",
    " fbEs    =", " h'F     =", " foF1    =", " h'F2    =", " foF2    =", " fxI     =",
    " MUF F1  =", " M3000 F1=", " MUF F2  =", " M3000 F2="};

std::string two_digits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// One sounding of a 15-minute day; some soundings are left unscaled, as in real days.
std::string record(int sounding) {
    std::string text = two_digits(sounding / 4) + ":" + two_digits(sounding % 4 * 15);
    const bool scaled = sounding % 7 != 0;
    for (const std::string label : kLabels) {
        const std::string fof2 = std::to_string(20 + sounding * 13 % 110);
        const std::string value = std::string(3 - fof2.size(), ' ') + fof2;
        text += label + (!scaled ? "     " : label == " foF2    =" ? value + "UA" : "250  ");
    }
    return text + " \r\n";
}

class Year {
  public:
    Year() {
        std::string name = (fs::temp_directory_path() / "tabulor_bench_XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        work_ = name;
        fs::create_directory(work_ / "data");
        std::string day;
        for (int sounding = 0; sounding < 96; ++sounding) {
            day += record(sounding);
        }
        const int month_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int month = 1; month <= 12; ++month) {
            for (int d = 1; d <= month_days[month - 1]; ++d) {
                const std::string file =
                    "ZE20R_" + two_digits(d) + two_digits(month) + "2026_15.txt";
                std::ofstream(work_ / "data" / file, std::ios::binary) << day;
            }
        }
    }
    ~Year() { fs::remove_all(work_); }

    // Tables are appended to; each run starts from an empty output folder.
    void clear_output() {
        fs::remove_all(work_ / "output");
        fs::create_directory(work_ / "output");
    }
    const fs::path& work() const { return work_; }

  private:
    fs::path work_;
};

Year& year() {
    static Year y;
    return y;
}

void BM_YearInProcess(benchmark::State& state) {
    Year& y = year();
    std::ostringstream errors;
    for (auto _ : state) {
        state.PauseTiming();
        y.clear_output();
        state.ResumeTiming();
        if (tabulor::run_pass(y.work(), errors) != 0) {
            state.SkipWithError(errors.str().c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 365 * 96);
}
BENCHMARK(BM_YearInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_YearProgram(benchmark::State& state) {
    Year& y = year();
    const std::string command = "cd '" + y.work().string() + "' && '" TABULOR_BINARY "'";
    for (auto _ : state) {
        state.PauseTiming();
        y.clear_output();
        state.ResumeTiming();
        const int status = std::system(command.c_str());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("tabulor failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 365 * 96);
}
BENCHMARK(BM_YearProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
