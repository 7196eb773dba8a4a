// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_line.h"

#include <cmath>
#include <cstdio>

namespace scalvo::autoscale {

namespace {

std::string rate_text(double per_second) {
    char text[32];
    // Tenths only where they say something.
    std::snprintf(text, sizeof text, per_second < 10 ? "%.1f" : "%.0f", per_second);
    return text;
}

// "0:16", "12:05", "1:02:03".
std::string duration_text(double seconds) {
    const long whole = std::lround(std::ceil(seconds));
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60,
                      whole % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    return text;
}

} // namespace

std::string progress_text(std::size_t done, std::size_t total, double seconds) {
    std::string text =
        "autoscale: " + std::to_string(done) + " of " + std::to_string(total) + " files";
    if (done == 0 || seconds <= 0)
        return text;
    const double rate = static_cast<double>(done) / seconds;
    return text + ", " + rate_text(rate) + " files/s, " +
           duration_text(static_cast<double>(total - done) / rate) + " left";
}

ProgressLine::ProgressLine(std::ostream& out, bool shown, std::size_t total)
    : out_(out), shown_(shown), total_(total) {}

void ProgressLine::update(std::size_t done) {
    const auto now = Clock::now();
    if (!shown_ || (length_ > 0 && now - last_ < std::chrono::milliseconds(200)))
        return;
    last_ = now;
    const std::string text =
        progress_text(done, total_, std::chrono::duration<double>(now - start_).count());
    // Blanks over what a longer line left.
    const std::size_t blanks = length_ > text.size() ? length_ - text.size() : 0;
    out_ << '\r' << text << std::string(blanks, ' ');
    if (blanks > 0)
        out_ << std::string(blanks, '\b');
    out_.flush();
    length_ = text.size();
}

void ProgressLine::clear() {
    if (length_ == 0)
        return;
    out_ << '\r' << std::string(length_, ' ') << '\r';
    out_.flush();
    length_ = 0;
}

} // namespace scalvo::autoscale
