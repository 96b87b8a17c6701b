#include "analysis/text_file_save.h"

#include "common/atomic_file.h"
#include "common/error_messages.h"
#include "common/text_file.h"

namespace karvelo {

SaveOutcome SaveTextFile(SaveFileChooser& chooser, const std::string& defaultName,
                         const std::function<void(std::ostream&)>& writeLines) {
    const std::optional<std::string> path = chooser.ChooseSaveFile(defaultName, kTextFileExtension);
    if (!path) {
        return SaveOutcome::Cancelled;
    }
    if (!WriteTextFile(*path, writeLines)) {
        ReportError(kErrCannotCreateFile, false, WriteFailure(*path));
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Written;
}

}  // namespace karvelo
