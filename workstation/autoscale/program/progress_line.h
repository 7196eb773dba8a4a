// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress line autoscale keeps on a terminal's standard error, rewritten in place.
#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace scalvo::autoscale {

// "autoscale: 1234 of 35040 files, 2150 files/s, 0:16 left"; without the rate and the time
// left before the first file is done.
std::string progress_text(std::size_t done, std::size_t total, double seconds);

class ProgressLine {
  public:
    // Nothing is ever written when `shown` is false (standard error is no terminal).
    ProgressLine(std::ostream& out, bool shown, std::size_t total);
    // Nothing of it is left behind, whatever ends the run.
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;
    // Rewrites the line, at most five times a second once it is there.
    void update(std::size_t done);
    // Takes the line away, so that another line can be written in its place; the next
    // update puts it back.
    void clear();

  private:
    using Clock = std::chrono::steady_clock;
    std::ostream& out_;
    bool shown_;
    std::size_t total_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_{};
    std::size_t length_ = 0; // of the line on the terminal, 0 when there is none
};

} // namespace scalvo::autoscale
