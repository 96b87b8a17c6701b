#include "app/file_dialog_chooser.h"

#include <QApplication>
#include <QFileDialog>

namespace karvelo {

std::optional<std::string> FileDialogChooser::ChooseSaveFile(const std::string& defaultName,
                                                             const std::string& defaultExtension) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    dialog.selectFile(QString::fromStdString(defaultName));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) {
        return std::nullopt;
    }
    return files.first().toStdString();
}

}  // namespace karvelo
