#include "plot/pick_save.h"

#include <optional>
#include <string>

#include "common/error_messages.h"

namespace karvelo {

PickSaveResult SavePicks(SaveFileChooser& chooser, const std::function<void()>& redraw) {
    if (!PicksReadyToSave()) {
        return PickSaveResult::NothingToSave;
    }
    const std::optional<std::string> path =
        chooser.ChooseSaveFile(kPickFileDefaultName, kPickFileExtension);
    if (!path) {
        return PickSaveResult::Cancelled;
    }
    PickFilePath = *path;
    PickFileWritten = false;
    if (redraw) {
        redraw();
    }
    if (!PickFileWritten) {
        ReportError(kErrCannotCreateFile, false);
        return PickSaveResult::NotWritten;
    }
    DeletePicks();
    return PickSaveResult::Written;
}

}  // namespace karvelo
