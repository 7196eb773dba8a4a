// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The automatic scaling of many files on several threads, each file's result handed on in the
// order given. The files of one day (one folder, one day in the name) are read together, as
// the engine's day series asks: a file's result is ready once every file of its day is read.
#include "autoscale/proposals.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace scalvo::autoscale {

struct FileScaling {
    Proposals proposals;
    std::string error; // why the file gave no ionogram; empty when it did
};

struct ScalingCallbacks {
    // On the calling thread, for each file in the order given.
    std::function<void(std::size_t index, const FileScaling&)> ready;
    // On the calling thread, a few times a second: how many files are read so far.
    std::function<void(std::size_t read)> progress;
};

// `jobs` threads (at least one; never more than the files) read the files; the results are the
// same whatever their number.
void scale_files(const std::vector<std::string>& files, int jobs,
                 const ScalingCallbacks& callbacks);

// The number of threads "one per core" means here.
int core_count();

} // namespace scalvo::autoscale
