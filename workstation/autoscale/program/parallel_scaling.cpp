// SPDX-License-Identifier: GPL-3.0-or-later
#include "parallel_scaling.h"

#include "autoscale/autoscale.h"
#include "autoscale/day_series.h"
#include "autoscale/report.h"
#include "autoscale/transmitter_lines.h"
#include "ionogram/ionogram_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace scalvo::autoscale {

namespace {

// Why a file gave no ionogram, in one line.
std::string reason_of(const IonogramLoad& load) {
    if (load.read_error)
        return load.read_error->reason;
    // A file that was read but holds no header is there: it is no ionogram, not a missing file.
    if (load.fault == HeaderFault::no_header)
        return "not an ionogram: no header (no line feed at byte 197)";
    if (load.outcome == IonogramOutcome::missing)
        return "no such file";
    return "not an ionogram file of a usable size";
}

// The files of each day, in the order given; a file without a day in its name is alone.
struct Days {
    std::vector<std::vector<std::size_t>> members;
    std::vector<std::ptrdiff_t> day_of; // -1: no day
};

Days days_of(const std::vector<std::string>& files) {
    Days days;
    days.day_of.assign(files.size(), -1);
    std::map<std::string, std::size_t> index;
    for (std::size_t k = 0; k < files.size(); ++k) {
        const auto day = sounding_day_of(files[k]);
        if (!day)
            continue;
        const auto [found, added] = index.try_emplace(*day, days.members.size());
        if (added)
            days.members.emplace_back();
        days.members[found->second].push_back(k);
        days.day_of[k] = static_cast<std::ptrdiff_t>(found->second);
    }
    return days;
}

class Run {
  public:
    Run(const std::vector<std::string>& files, const ScalingCallbacks& callbacks)
        : files_(files), callbacks_(callbacks), results_(files.size()), shapes_(files.size()),
          days_(days_of(files)), left_(days_.members.size()), complete_(files.size(), 0) {
        for (std::size_t d = 0; d < days_.members.size(); ++d)
            left_[d] = days_.members[d].size();
    }

    void go(int jobs) {
        const std::size_t threads =
            std::clamp<std::size_t>(static_cast<std::size_t>(std::max(jobs, 1)), 1,
                                    std::max<std::size_t>(files_.size(), 1));
        {
            // Joined before the failure, if any, is passed on.
            std::vector<std::jthread> workers;
            try {
                for (std::size_t t = 0; t < threads; ++t)
                    workers.emplace_back([this] { work(); });
                hand_on();
            } catch (...) {
                fail(std::current_exception());
            }
        }
        if (failure_)
            std::rethrow_exception(failure_);
    }

  private:
    void work() {
        try {
            for (std::size_t k = next_++; k < files_.size() && !stopped_; k = next_++) {
                read(k);
                ++read_;
                const std::ptrdiff_t day = days_.day_of[k];
                if (day < 0)
                    mark_complete({k});
                // The last file of a day to be read fills its day.
                else if (--left_[static_cast<std::size_t>(day)] == 0)
                    fill_day(days_.members[static_cast<std::size_t>(day)]);
            }
        } catch (...) {
            fail(std::current_exception());
        }
    }

    void read(std::size_t k) {
        Ionogram ionogram;
        const IonogramLoad load = load_ionogram_file(files_[k], ionogram);
        if (load.outcome != IonogramOutcome::usable) {
            results_[k].error = reason_of(load);
            return;
        }
        Reading reading = read_sounding(ionogram);
        results_[k].proposals = reading.proposals;
        shapes_[k] = std::move(reading.f_trace);
    }

    // What a blanketing sporadic E hides comes from the soundings around it.
    void fill_day(std::vector<std::size_t> members) {
        // Sorted by minute already, the series keeps its order through the filling, so each
        // reading goes back to its own file even where two share a minute.
        std::stable_sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) {
            return *sounding_minute_of(files_[a]) < *sounding_minute_of(files_[b]);
        });
        std::vector<TimedProposals> series;
        series.reserve(members.size());
        for (const std::size_t k : members)
            series.push_back(
                {*sounding_minute_of(files_[k]), results_[k].proposals, std::move(shapes_[k])});
        read_again_without_lines(series, [&](std::size_t n, const std::vector<double>& lines) {
            Ionogram ionogram;
            if (load_ionogram_file(files_[members[n]], ionogram).outcome != IonogramOutcome::usable)
                return std::optional<Reading>();
            return std::optional<Reading>(read_sounding(ionogram, lines));
        });
        fill_hidden_from_neighbours(series);
        for (std::size_t n = 0; n < members.size(); ++n)
            results_[members[n]].proposals = series[n].proposals;
        mark_complete(members);
    }

    void mark_complete(const std::vector<std::size_t>& members) {
        {
            const std::lock_guard lock(mutex_);
            for (const std::size_t k : members)
                complete_[k] = 1;
        }
        changed_.notify_one();
    }

    void fail(std::exception_ptr failure) {
        {
            const std::lock_guard lock(mutex_);
            if (!failure_)
                failure_ = failure;
        }
        stopped_ = true;
        changed_.notify_one();
    }

    // Hands each result on in the order given, as soon as it and all before it are there.
    void hand_on() {
        std::size_t handed = 0;
        while (handed < files_.size()) {
            std::size_t ready = handed;
            {
                std::unique_lock lock(mutex_);
                changed_.wait_for(lock, std::chrono::milliseconds(200),
                                  [&] { return complete_[handed] || failure_; });
                if (failure_)
                    return;
                while (ready < files_.size() && complete_[ready])
                    ++ready;
            }
            // Results marked complete are no longer touched by the workers.
            for (; handed < ready; ++handed)
                callbacks_.ready(handed, results_[handed]);
            callbacks_.progress(read_);
        }
    }

    const std::vector<std::string>& files_;
    const ScalingCallbacks& callbacks_;
    std::vector<FileScaling> results_;
    std::vector<FTraceShape> shapes_;
    const Days days_;
    std::vector<std::atomic<std::size_t>> left_; // files of each day still to be read
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> read_{0};
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<char> complete_;
    std::exception_ptr failure_;
};

} // namespace

void scale_files(const std::vector<std::string>& files, int jobs,
                 const ScalingCallbacks& callbacks) {
    Run(files, callbacks).go(jobs);
}

int core_count() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

} // namespace scalvo::autoscale
