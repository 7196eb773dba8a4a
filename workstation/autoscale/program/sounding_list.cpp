// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounding_list.h"

#include "autoscale/report.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace scalvo::autoscale {

namespace {

namespace fs = std::filesystem;

// The folder's ionogram files by name, or why it gave none.
std::string add_folder(const std::string& folder, std::vector<std::string>& files) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        std::error_code ignored;
        // A subfolder is not read; anything else named as an ionogram is, and the reader
        // says what is wrong with one that is no regular file.
        if (entries->is_directory(ignored))
            continue;
        std::string name = entries->path().filename().string();
        if (sounding_time_of(name))
            names.push_back(std::move(name));
    }
    if (error)
        return folder + ": cannot list the folder: " + error.message();
    if (names.empty())
        return folder + ": no ionogram files in the folder";
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        files.push_back((fs::path(folder) / name).string());
    return "";
}

} // namespace

SoundingList list_soundings(const std::vector<std::string>& inputs) {
    SoundingList list;
    for (const std::string& input : inputs) {
        std::error_code ignored;
        if (!fs::is_directory(input, ignored)) {
            list.files.push_back(input);
        } else if (std::string why = add_folder(input, list.files); !why.empty()) {
            list.errors.push_back(std::move(why));
        }
    }
    return list;
}

} // namespace scalvo::autoscale
