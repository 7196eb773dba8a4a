// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/start_folder.h"

namespace scalvo {

namespace fs = std::filesystem;

namespace {

bool is_folder(const fs::path& path) {
    std::error_code ignored;
    return !path.empty() && fs::is_directory(path, ignored);
}

// A remembered folder may have gone (an unplugged disk, a renamed share): the chooser then
// opens as close to it as still exists.
fs::path nearest_existing(const std::optional<fs::path>& remembered, const fs::path& home) {
    if (remembered && remembered->is_absolute()) {
        for (fs::path at = *remembered; !at.empty(); at = at.parent_path()) {
            if (is_folder(at) && at != at.root_path())
                return at;
            if (at == at.parent_path())
                break;
        }
    }
    return home;
}

FolderDecision use(fs::path folder, bool remember) {
    return {FolderDecision::Kind::use, std::move(folder), remember, ""};
}

} // namespace

FolderDecision decide_start_folder(const FolderRequest& request, const fs::path& current,
                                   const std::optional<fs::path>& remembered,
                                   const fs::path& home) {
    switch (request.source) {
    case FolderSource::current:
        return use(current, false);
    case FolderSource::given: {
        if (request.given.empty())
            return {FolderDecision::Kind::refuse, {}, false, "--folder needs a folder"};
        const fs::path folder = (current / request.given).lexically_normal();
        if (!is_folder(folder))
            return {FolderDecision::Kind::refuse,
                    {},
                    false,
                    request.given.string() + ": no such folder"};
        return use(folder, true);
    }
    case FolderSource::remembered:
        if (remembered && remembered->is_absolute() && is_folder(*remembered))
            return use(*remembered, false);
        return {FolderDecision::Kind::ask, nearest_existing(remembered, home), false, ""};
    case FolderSource::chosen:
        return {FolderDecision::Kind::ask, nearest_existing(remembered, home), false, ""};
    }
    return use(current, false);
}

FolderDecision chosen_folder(const fs::path& picked) {
    if (!picked.is_absolute() || !is_folder(picked))
        return {FolderDecision::Kind::refuse, {}, false, picked.string() + ": no such folder"};
    return use(picked.lexically_normal(), true);
}

} // namespace scalvo
