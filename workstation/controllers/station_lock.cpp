// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllers/station_lock.h"

#include "common/dialogs.h"
#include "common/file_io.h"

namespace scalvo {

namespace fs = std::filesystem;

std::string not_a_station_folder_text(const fs::path& working_folder) {
    return "\"" + working_folder.string() +
           "\" is not a station's working folder: it has no folder \"ionograms\".\r\n\r\n"
           "A working folder holds setting.txt (the last sounding shown) and the folder "
           "ionograms, with the ionogram files (ZE20R_<year><day of year><hhmm>00.rdf) and the "
           "day files of scaled values (ZE20R_<ddmmyyyy>_<interval>.txt). Start Scalvo in such "
           "a folder, or name one with --folder.";
}

std::string no_lock_question(const FileError& error) {
    return file_error_text(error) +
           "\r\n\r\nWithout this lock nothing keeps a second Scalvo off these day files, and two "
           "Scalvo working on one day undo each other's records.\r\n\r\nAre you sure that no "
           "other Scalvo works on these files? Yes goes on without the lock; No (the default) "
           "ends Scalvo.";
}

StationLock lock_station_folder(const fs::path& working_folder, Dialogs& dialogs) {
    const fs::path ionograms = working_folder / "ionograms";
    std::error_code ignored;
    StationLock result;
    if (!fs::is_directory(ionograms, ignored)) {
        dialogs.message(not_a_station_folder_text(working_folder), "SCALVO");
        return result;
    }
    result.lock = std::make_unique<FolderLock>(ionograms);
    switch (result.lock->outcome()) {
    case FolderLock::Outcome::held:
        // No other Scalvo works here now: what a killed one was writing is no one's.
        clear_stale_temporaries(working_folder);
        clear_stale_temporaries(ionograms);
        result.go_on = true;
        break;
    case FolderLock::Outcome::busy:
        dialogs.message("Scalvo is already running on the day files of this folder: " +
                            ionograms.string(),
                        "SCALVO", false);
        break;
    case FolderLock::Outcome::failed:
        // A network disk without locks, a read-only folder: never unprotected without the
        // operator's word.
        result.go_on = dialogs.ask_yes_no_default_no(no_lock_question(*result.lock->error()),
                                                     "SCALVO") == answer_yes;
        break;
    }
    return result;
}

} // namespace scalvo
