// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which folder Scalvo works in. From a terminal it is the current folder, as always. Started
// from the desktop menu the current folder is the home folder, which is no station's data
// folder: there the folder comes from an option, or from the one used last time.
#include <filesystem>
#include <optional>
#include <string>

namespace scalvo {

enum class FolderSource {
    current,    // no option: the current folder
    given,      // --folder DIR
    remembered, // --last-folder: the folder used last time, chosen the first time
    chosen,     // --choose-folder: always asked
};

struct FolderRequest {
    FolderSource source = FolderSource::current;
    std::filesystem::path given; // with FolderSource::given, as typed
};

struct FolderDecision {
    enum class Kind { use, ask, refuse };
    Kind kind = Kind::use;
    std::filesystem::path folder; // use: the working folder; ask: where the chooser opens
    bool remember = false;        // use: keep it for the next start from the menu
    std::string error;            // refuse: one line for standard error
};

// `current` and `home` are absolute; `remembered` is what the last start kept, if anything.
FolderDecision decide_start_folder(const FolderRequest& request,
                                   const std::filesystem::path& current,
                                   const std::optional<std::filesystem::path>& remembered,
                                   const std::filesystem::path& home);

// The folder the operator picked in the chooser.
FolderDecision chosen_folder(const std::filesystem::path& picked);

} // namespace scalvo
