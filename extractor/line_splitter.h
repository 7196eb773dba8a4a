// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace tabulor {

// Cuts a byte stream, fed in chunks of any size, into lines. A line ends at LF; a CR just
// before the LF, or just before the end of the stream, belongs to the line break. Only the
// first `keep` bytes of a line are handed on: a file without line breaks (a picture dropped
// into the folder by mistake) then costs no more memory than a record.
class LineSplitter {
  public:
    explicit LineSplitter(std::size_t keep) : keep_(keep) { head_.reserve(keep + 1); }

    template <class OnLine> void feed(std::string_view chunk, OnLine&& on_line) {
        while (!chunk.empty()) {
            const std::size_t lf = chunk.find('\n');
            take(chunk.substr(0, lf));
            if (lf == std::string_view::npos) {
                return;
            }
            if (last_ != '\r') {
                ++bare_line_feeds_;
            }
            on_line(line());
            reset();
            chunk.remove_prefix(lf + 1);
        }
    }

    // The last line of a file without a final line break.
    template <class OnLine> void finish(OnLine&& on_line) {
        if (length_ > 0) {
            on_line(line());
        }
        reset();
    }

    // Lines ended by a line feed alone, without the carriage return of a day file.
    std::size_t bare_line_feeds() const { return bare_line_feeds_; }

  private:
    void take(std::string_view part) {
        if (part.empty()) {
            return;
        }
        // One byte more than kept, so a CR ending a line that fits is still seen as such.
        if (head_.size() <= keep_) {
            head_.append(part.substr(0, keep_ + 1 - head_.size()));
        }
        length_ += part.size();
        last_ = part.back();
    }

    std::string_view line() const {
        const std::size_t content = length_ - (last_ == '\r' ? 1 : 0);
        return std::string_view(head_).substr(0, std::min(content, keep_));
    }

    void reset() {
        head_.clear();
        length_ = 0;
        last_ = '\0';
    }

    std::size_t keep_;
    std::string head_;
    std::size_t length_ = 0;
    char last_ = '\0';
    std::size_t bare_line_feeds_ = 0;
};

} // namespace tabulor
