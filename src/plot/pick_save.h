// The "Сохранить" action of the picking bar.
#pragma once

#include <functional>

#include "common/save_file_chooser.h"
#include "plot/pick_store.h"

namespace karvelo {

enum class PickSaveResult {
    NothingToSave,  // no closed line: no dialog, nothing changed
    Cancelled,      // the user cancelled the dialog: nothing changed
    Written,        // the file was written; the store is emptied
    NotWritten,     // error 11 reported; the store and its marks are kept
};

// Saves the closed pick lines: asks chooser for a file ("pick_data.txt", extension
// "txt"), makes it PickFilePath and calls redraw, the caller's full redraw, whose run of
// the profile-spectrum mode writes the file through ExportProfilePicks. The store is
// emptied only when that wrote the whole file; otherwise (another spectrum mode shown,
// a file that cannot be opened, a write error) error 11 is reported with its code line
// and the picks stay.
PickSaveResult SavePicks(PickStore& store, SaveFileChooser& chooser,
                         const std::function<void()>& redraw);

}  // namespace karvelo
