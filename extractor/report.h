// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>
#include <utility>

namespace tabulor {

// Writes failures, one line each, naming the file relative to the working folder.
class Report {
  public:
    Report(std::ostream& out, std::filesystem::path work) : out_(out), work_(std::move(work)) {}

    void failure(const std::filesystem::path& file, std::string_view reason);
    // Something the user should know of a file that was converted all the same.
    void note(const std::filesystem::path& file, std::string_view what);
    bool any_failure() const { return failed_; }

  private:
    void line(const std::filesystem::path& file, std::string_view text);

    std::ostream& out_;
    std::filesystem::path work_;
    bool failed_ = false;
};

} // namespace tabulor
