#include "plot/pick_save.h"

#include <optional>
#include <string>

#include "common/error_messages.h"

namespace karvelo {

PickSaveResult SavePicks(PickStore& store, SaveFileChooser& chooser,
                         const std::function<void()>& redraw) {
    if (!PicksReadyToSave(store)) {
        return PickSaveResult::NothingToSave;
    }
    const std::optional<std::string> path =
        chooser.ChooseSaveFile(kPickFileDefaultName, kPickFileExtension);
    if (!path) {
        return PickSaveResult::Cancelled;
    }
    store.PickFilePath = *path;
    store.PickFileWritten = false;
    store.PickFileFailure.clear();
    if (redraw) {
        redraw();
    }
    if (!store.PickFileWritten) {
        ReportError(kErrCannotCreateFile, false,
                    store.PickFileFailure.empty()
                        ? *path + ": picks are written while the profile-spectrum map is shown"
                        : store.PickFileFailure);
        return PickSaveResult::NotWritten;
    }
    DeletePicks(store);
    return PickSaveResult::Written;
}

}  // namespace karvelo
