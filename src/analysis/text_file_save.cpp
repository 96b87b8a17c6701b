#include "analysis/text_file_save.h"

#include <fstream>

#include "common/error_messages.h"

namespace karvelo {

SaveOutcome SaveTextFile(SaveFileChooser& chooser, const std::string& defaultName,
                         const std::function<void(std::ostream&)>& writeLines) {
    const std::optional<std::string> path = chooser.ChooseSaveFile(defaultName, kTextFileExtension);
    if (!path) {
        return SaveOutcome::Cancelled;
    }
    std::ofstream file(*path, std::ios::out | std::ios::trunc);
    if (file) {
        writeLines(file);
        file.close();
    }
    if (!file) {
        ReportError(kErrCannotCreateFile, false);
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Written;
}

}  // namespace karvelo
