// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files autoscale reads: each argument as given, a folder standing for its ionogram files.
#include <string>
#include <vector>

namespace scalvo::autoscale {

struct SoundingList {
    std::vector<std::string> files;  // in the order given, a folder's sorted by name
    std::vector<std::string> errors; // one line each: a folder that gave no file
};

// A folder gives the entries of its own (not of its subfolders) that are named as ionogram files
// are (<prefix>_<yyyy><ddd><HH><MM><SS>.rdf), sorted by name; anything else is a file.
SoundingList list_soundings(const std::vector<std::string>& inputs);

} // namespace scalvo::autoscale
